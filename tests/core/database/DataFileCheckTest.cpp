#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/DataFileCheck.h"
#include "support/TempDataFolder.h"

namespace {

using Findings = std::vector<std::string>;

TEST(DataFileCheck, TheShippedDataHasNoFindings)
{
    for (const char* language : {"de", "en"})
        EXPECT_EQ(CheckDataFiles((ShippedDataRoot() / language).string()), Findings{}) << language;
}

// One file at a time; every other file of the folder is missing and so left out.
TEST(DataFileCheck, EmptyTablesAndShortRecordsAreNamed)
{
    struct Case {
        const char* file;
        std::string contents;
        Findings findings;
    };
    const std::string race = "Human;caldor;1;2;3;4;5;6;7;8;0;0;0;0;0;0;0;0;0\n";  // 19 fields
    const Case cases[] = {
        {"races.csv", "", {"races.csv: no records"}},
        {"races.csv", "/ only a comment\n\n  \n", {"races.csv: no records"}},
        {"races.csv", race + race, {}},
        // A separator before the line end starts no further field.
        {"races.csv", race.substr(0, race.size() - 3) + ";  \n",
         {"races.csv: 1 of 1 record has fewer than 19 fields (the first on line 1)"}},
        {"races.csv",
         race + "Elf;glenmora\n" + race,
         {"races.csv: 1 of 3 records has fewer than 19 fields (the first on line 2)"}},
        {"races.csv",
         "/ c\n" + race + "Elf\nDwarf;nordhal;1",
         {"races.csv: 2 of 3 records have fewer than 19 fields (the first on line 3)"}},
        {"abilities_desc.dat",
         "; c\nKey,\"Text, with a comma\"\nKey only\n",
         {"abilities_desc.dat: 1 of 2 records has fewer than 2 fields (the first on line 3)"}},
        {"malines.csv",
         std::string("\x01\xFF;\x80\n", 5),
         {"malines.csv: 1 of 1 record has fewer than 3 fields (the first on line 1)"}},
    };
    for (const Case& c : cases) {
        TempDataFolder folder;
        folder.Write(c.file, c.contents);
        EXPECT_EQ(CheckDataFiles(folder.PathText()), c.findings) << c.file << ": " << c.contents;
    }
    TempDataFolder empty;
    EXPECT_EQ(CheckDataFiles(empty.PathText()), Findings{});
}

}  // namespace
