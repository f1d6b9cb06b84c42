#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/DataRoot.h"
#include "support/TempDataFolder.h"

namespace fs = std::filesystem;

// Folders: work/, prog/bin/ and prog/share/quillmar/, each given a language
// folder or not per case.
TEST(DataRoot, TheFirstSourceThatHoldsALanguageFolderWins)
{
    struct Case {
        const char* commandLine;
        const char* environment;
        const char* languageFolders;  // which of w(ork), b(in), s(hare) hold de/ or en/
        const char* expected;         // "w", "b", "s", or a given folder
    };
    const Case cases[] = {
        {"/given", "/env", "wbs", "/given"}, {"", "/env", "wbs", "/env"}, {nullptr, "", "wbs", "w"},
        {nullptr, nullptr, "bs", "b"},       {nullptr, nullptr, "s", "s"}, {nullptr, nullptr, "", "w"},
    };
    for (const Case& c : cases) {
        TempDataFolder root;
        const fs::path base = root.PathText();
        const fs::path work = base / "work", bin = base / "prog" / "bin", share = base / "prog" / "share" / "quillmar";
        for (const fs::path& folder : {work, bin, share})
            fs::create_directories(folder);
        const std::string holds = c.languageFolders;
        if (holds.find('w') != std::string::npos)
            fs::create_directory(work / "en");
        if (holds.find('b') != std::string::npos)
            fs::create_directory(bin / "de");
        if (holds.find('s') != std::string::npos)
            fs::create_directory(share / "en");
        DataRootSources sources;
        if (c.commandLine)
            sources.commandLine = c.commandLine;
        if (c.environment)
            sources.environment = c.environment;
        sources.workingFolder = work.string();
        sources.programFolder = bin.string();
        const std::string expected = std::string(c.expected) == "w"   ? work.string()
                                     : std::string(c.expected) == "b" ? bin.string()
                                     : std::string(c.expected) == "s" ? share.string()
                                                                      : std::string(c.expected);
        EXPECT_EQ(FindDataRoot(sources), expected) << c.languageFolders;
    }
}

TEST(DataRoot, TheProcessGivesItsFoldersAndTheEnvironment)
{
    ::setenv("QUILLMAR_DATA_ROOT", "/somewhere", 1);
    const DataRootSources sources = DataRootSourcesOfProcess(std::string("/given"));
    ::unsetenv("QUILLMAR_DATA_ROOT");
    EXPECT_EQ(sources.commandLine, "/given");
    EXPECT_EQ(sources.environment, "/somewhere");
    EXPECT_EQ(sources.workingFolder, fs::current_path().string());
    EXPECT_EQ(sources.programFolder, fs::read_symlink("/proc/self/exe").parent_path().string());
    EXPECT_FALSE(DataRootSourcesOfProcess(std::nullopt).environment.has_value());
}
