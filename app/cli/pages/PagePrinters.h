// One printer per planner page; each is defined in its own source beside this header.
#pragma once

#include <optional>

#include "cli/PageJson.h"
#include "markup/MarkupTypes.h"

// "#rrggbb", or null where the page keeps the control's own colour.
OrderedJson ColourJson(const std::optional<MarkupColor>& colour);

OrderedJson SpellsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson StylesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson RealmAbilitiesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson RealmAbilitiesNfPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson MasterLevelsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson ResistsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson StatsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson SkillsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
