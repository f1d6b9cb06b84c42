// The rules of the character window's header and tabs that need no window:
// how the level and realm rank fields step and read what was typed, what the
// realm points field shows, which tabs exist, and how list items are matched
// to the document's realm, class and race. Texts are Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/PageId.h"

namespace view_rules {

// Level field -------------------------------------------------------------------

// The spin's signed step count d is negative for the upward arrow. Upward steps
// are whole levels up to 40 and half levels above, downward steps mirror that;
// the result is not clamped (the document clamps to 5..50).
float StepLevel(float start, int d);
// The leading decimal number of the text (blanks, sign, digits, '.' or ','
// and digits); 0 when there is none, so that the document clamps it to 5.
float ParseLevelText(std::string_view text);
// The level as "%g" writes it, independent of the process locale.
std::string FormatLevel(float level);

// Realm rank field -----------------------------------------------------------------

// The code a typed rank text stands for ("R5L3" and "53" give 43, "R10L10" 100);
// not clamped. Nothing for a text without characters (the rank stays as it is).
std::optional<int> ParseRealmRankText(std::string_view text);
// One code per step; d negative for the upward arrow. Not clamped.
int StepRealmRank(int code, int d);
// "R%iL%i" of the code ("R10L10" for code 100).
std::string RealmRankText(int code);
// The realm points of the code followed by " RPs".
std::string RealmPointsDisplay(int code);
// The tooltip of the realm points field: the rank text as a heading, then the
// range of points the rank spans. The last code has no next rank, so it shows
// its own points only.
std::string RealmPointsTooltip(int code);

// Tabs ---------------------------------------------------------------------------
// Page numbers are the PageId values as plain ints.

constexpr int kPageOldRealmAbilities = static_cast<int>(PageId::RealmAbilities);
constexpr int kPageCalculations = static_cast<int>(PageId::Calculations);
constexpr int kPageResists = static_cast<int>(PageId::Resists);

// The page number of each tab position, in page order, from the two settings.
std::vector<int> TabSet(bool showOldRealmAbilities, bool showExperimental);
// The tab position of a page; -1 when it has no tab.
int TabPositionOf(int id, const std::vector<int>& tabs);
// The tab a window opens on: the remembered position, else the first tab.
int TabPositionForLastPage(int lastPage, const std::vector<int>& tabs);
// The page shown for a requested id: the id when it has a tab, else the one
// below it (down to 1), else the first tab. -1 for an empty tab set.
int PageShownFor(int id, const std::vector<int>& tabs);

// Header lists ----------------------------------------------------------------

// The suffix of a female-only class in the class list, by data language.
std::string_view FemaleSuffix(std::string_view dataLanguage);
std::string ClassListItem(std::string_view className, bool femaleOnly, std::string_view dataLanguage);
// The class name of a list item: either language's suffix removed.
std::string StripFemaleSuffix(std::string_view item);

// Windows-1252 letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// The list item to select for a stored value: the item that is the value
// (without a class suffix), else the first item that begins with it, else the
// first item; -1 for an empty list. Prefixes alone would pick "Sun Priestess"
// for a stored "Sun Priest" when it comes first.
int SelectListItem(const std::vector<std::string>& items, std::string_view value);

}  // namespace view_rules
