#include "cli/pages/PagePrinters.h"

#include <stdexcept>
#include <string>

#include "common/Windows1252.h"
#include "document/CQuillmarDoc.h"
#include "pages/masterlevels/MasterLevelsRules.h"

// The track and level the command line chose stand for the button click and
// the slider move a user would make; like them they change the character.
OrderedJson MasterLevelsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request)
{
    using namespace masterlevels_rules;
    if (request.masterTrack) {
        if (*request.masterTrack < 0 || *request.masterTrack >= kTrackCount)
            throw std::invalid_argument("--ml-track expects 0 or 1, not " + std::to_string(*request.masterTrack) + ".");
        doc.SetMasterLevelOption(*request.masterTrack);
    }
    if (request.masterLevel) {
        if (*request.masterLevel < kLowestLevel || *request.masterLevel > kHighestLevel)
            throw std::invalid_argument("--ml-level expects 0 to 10, not " + std::to_string(*request.masterLevel) + ".");
        doc.SetMasterLevel(*request.masterLevel);
    }
    const MasterLevelsModel model = BuildModel(database, doc);

    OrderedJson json;
    json["tracks"] = {Windows1252ToUtf8(model.tracks[0]), Windows1252ToUtf8(model.tracks[1])};
    json["chosen"] = model.chosen;
    json["level"] = model.level;
    OrderedJson lists = OrderedJson::array();
    for (const std::vector<LevelRow>& list : model.lists) {
        OrderedJson rows = OrderedJson::array();
        for (const LevelRow& row : list)
            rows.push_back({{"name", Windows1252ToUtf8(row.name)}, {"timer", row.timer}, {"marked", row.marked}});
        lists.push_back(std::move(rows));
    }
    json["lists"] = std::move(lists);
    json["description"] = Windows1252ToUtf8(model.description);
    return json;
}
