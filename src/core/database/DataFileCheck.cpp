#include "database/DataFileCheck.h"

#include <memory>
#include <string_view>

#include "database/CCsvReader.h"
#include "database/CDatReader.h"
#include "database/GameTypes.h"

namespace {

// The fields every record of a file has: the fixed part of its layout, before
// any counted or trailing optional lists.
struct FileShape {
    std::string_view name;
    int fields;
};

constexpr FileShape kShapes[] = {
    {"races.csv", 19},
    {"styles.csv", 13},
    {"stylelines.dat", 3},
    {"spells.csv", 8},
    {"spellscat_descriptions.dat", 3},
    {"spellscat.dat", 4},
    {"spelllines.dat", 6},
    {"classes.dat", 12},
    {"ras.csv", 11},
    {"rasnf.csv", 10},
    {"abilities_rest.dat", 2},
    {"abilities.dat", 3},
    {"abilities_desc.dat", 2},
    {"malines.csv", 3},
    {"malevel.csv", 10},
};

std::unique_ptr<CDataFileReader> ReaderFor(std::string_view fileName)
{
    if (fileName.ends_with(".csv"))
        return std::make_unique<CCsvReader>();
    return std::make_unique<CDatReader>();
}

}  // namespace

std::vector<std::string> CheckDataFiles(const std::string& folder)
{
    std::vector<std::string> findings;
    for (const FileShape& shape : kShapes) {
        const std::string name(shape.name);
        const std::unique_ptr<CDataFileReader> reader = ReaderFor(shape.name);
        if (!reader->Open(DataFilePath(folder, name)))
            continue;
        int records = 0;
        int shortRecords = 0;
        std::size_t firstShortLine = 0;
        for (bool more = !reader->AtEndOfContents(); more; more = reader->NextLine()) {
            int fields = 0;
            for (; !reader->AtEndOfLine(); ++fields)
                reader->NextField();
            ++records;
            // Counting lines is a walk through the contents: only for the first.
            if (fields < shape.fields && shortRecords++ == 0)
                firstShortLine = reader->LineNumber();
        }

        if (records == 0) {
            findings.push_back(name + ": no records");
        } else if (shortRecords > 0) {
            findings.push_back(name + ": " + std::to_string(shortRecords) + " of " + std::to_string(records) +
                               (records == 1 ? " record" : " records") +
                               (shortRecords == 1 ? " has" : " have") + " fewer than " +
                               std::to_string(shape.fields) + " fields (the first on line " +
                               std::to_string(firstShortLine) + ")");
        }
    }
    return findings;
}
