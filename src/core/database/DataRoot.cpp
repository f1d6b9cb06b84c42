#include "database/DataRoot.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool HoldsLanguageFolder(const fs::path& folder)
{
    std::error_code error;
    return fs::is_directory(folder / "de", error) || fs::is_directory(folder / "en", error);
}

}  // namespace

std::string FindDataRoot(const DataRootSources& sources)
{
    if (sources.commandLine && !sources.commandLine->empty())
        return *sources.commandLine;
    if (sources.environment && !sources.environment->empty())
        return *sources.environment;
    const fs::path candidates[] = {
        sources.workingFolder,
        sources.programFolder,
        InstalledDataFolder(sources.programFolder),
    };
    for (const fs::path& candidate : candidates) {
        if (!candidate.empty() && HoldsLanguageFolder(candidate))
            return candidate.lexically_normal().string();
    }
    return sources.workingFolder;
}

std::string InstalledDataFolder(const std::string& programFolder)
{
    return (fs::path(programFolder) / ".." / "share" / "quillmar").lexically_normal().string();
}

bool RunsInstalled(const std::string& programFolder)
{
    return !programFolder.empty() && !HoldsLanguageFolder(programFolder) &&
           HoldsLanguageFolder(InstalledDataFolder(programFolder));
}

DataRootSources DataRootSourcesOfProcess(std::optional<std::string> commandLine)
{
    DataRootSources sources;
    sources.commandLine = std::move(commandLine);
    if (const char* env = std::getenv("QUILLMAR_DATA_ROOT"))
        sources.environment = std::string(env);
    std::error_code error;
    sources.workingFolder = fs::current_path(error).string();
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        sources.programFolder = program.parent_path().string();
    return sources;
}
