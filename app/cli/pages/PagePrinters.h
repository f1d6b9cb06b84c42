// One printer per planner page; each is defined in its own source beside this header.
#pragma once

#include "cli/PageJson.h"

OrderedJson ResistsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);
