// One printer per planner page; each is defined in its own source beside this header.
#pragma once

#include "cli/PageJson.h"

OrderedJson SpellsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson StylesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson RealmAbilitiesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson RealmAbilitiesNfPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson MasterLevelsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
OrderedJson ResistsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
