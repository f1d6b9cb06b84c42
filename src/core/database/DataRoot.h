// Finding the data root: the folder that holds the language folders.
#pragma once

#include <optional>
#include <string>

struct DataRootSources {
    std::optional<std::string> commandLine;   // --data-root
    std::optional<std::string> environment;   // QUILLMAR_DATA_ROOT
    std::string workingFolder;
    std::string programFolder;
};

// The first of: the command-line folder, the environment folder (both taken as
// given, so that a wrong one is reported rather than silently passed over), then
// the working folder, the program's folder and ../share/quillmar beside the
// program, whichever first holds a "de" or "en" folder. Falls back to the
// working folder.
std::string FindDataRoot(const DataRootSources& sources);

// The folder of the installed data beside a program folder (../share/quillmar).
std::string InstalledDataFolder(const std::string& programFolder);
// True when the program runs installed: its data lies in ../share/quillmar
// rather than beside it in a build tree. Installed, everything the user
// writes goes to the user's settings folder.
bool RunsInstalled(const std::string& programFolder);

// Fills the sources from the process: QUILLMAR_DATA_ROOT, the current folder and
// the folder of the running program.
DataRootSources DataRootSourcesOfProcess(std::optional<std::string> commandLine);
