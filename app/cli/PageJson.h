// The command-line tool's JSON view of a planner page: the rows the page
// would show for a loaded character and its stored options. Each page's
// printer lives in pages/ and reads only the page's core rules.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CharacterJson.h"

class CGameDatabase;
class CQuillmarDoc;

// What the command line chose beyond the character file: the filters and
// clicks that a user would make on the page.
struct PageRequest {
    std::optional<std::string> line;     // styles: the line filter's text
    std::optional<int> opening;          // styles: the opening filter's data value
    std::vector<int> realms{0, 1, 2};    // resists: the ticked realm boxes
    // resists: column header clicks in order (0-based numbers); ra: "name" or "kind".
    std::vector<std::string> sort;
    std::vector<std::string> buys;       // ra: NAME=LEVEL clicks, in order
    std::vector<std::string> buysNf;     // ranf: the same
    // ml: the track button and the slider, as a user would set them.
    std::optional<int> masterTrack;
    std::optional<int> masterLevel;
};

using PagePrinter = OrderedJson (*)(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request);

struct PageEntry {
    const char* name;
    PagePrinter print;
};

// Every page the tool can print, in tab order.
const std::vector<PageEntry>& PrintablePages();
std::vector<std::string> PrintablePageNames();
// nullptr when no page has that name.
PagePrinter FindPagePrinter(const std::string& name);
