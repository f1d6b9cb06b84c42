# Fails when a core source includes a Qt header or the core links a Qt library.
file(GLOB_RECURSE core_files
  ${SOURCE_DIR}/common/*.h ${SOURCE_DIR}/common/*.cpp
  ${SOURCE_DIR}/database/*.h ${SOURCE_DIR}/database/*.cpp
  ${SOURCE_DIR}/document/*.h ${SOURCE_DIR}/document/*.cpp
  ${SOURCE_DIR}/markup/*.h ${SOURCE_DIR}/markup/*.cpp
  ${SOURCE_DIR}/scripting/*.h ${SOURCE_DIR}/scripting/*.cpp
  ${SOURCE_DIR}/pages/*Rules.h ${SOURCE_DIR}/pages/*Rules.cpp
  ${SOURCE_DIR}/shell/*Rules.h ${SOURCE_DIR}/shell/*Rules.cpp)
set(offenders "")
foreach(f IN LISTS core_files)
  # The Qt surface and widgets of the markup and scripting folders belong to the UI library.
  if(f MATCHES "/(Qt[A-Za-z]*|CRichTooltip|CEditCtrlFormat|CPage[0-9A-Za-z_]*)\\.(h|cpp)$")
    continue()
  endif()
  file(STRINGS ${f} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
  if(qt_includes)
    list(APPEND offenders ${f})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Core sources include Qt headers: ${offenders}")
endif()
foreach(libs IN ITEMS "${LINK_LIBRARIES}" "${INTERFACE_LIBRARIES}")
  if(libs MATCHES "Qt")
    message(FATAL_ERROR "quillmar_core links Qt: ${libs}")
  endif()
endforeach()
list(LENGTH core_files checked)
message(STATUS "quillmar_core is Qt-free (${checked} files checked)")
