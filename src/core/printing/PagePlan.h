// The layout pass of the character sheet: which blocks and which table rows
// go on which page, and where. Positions are inches from the top of the
// printable area. The drawing reads the plan and never breaks a page itself.
#pragma once

#include <array>
#include <vector>

#include "printing/SheetContent.h"

namespace sheet {

// Stated and chosen distances, in inches.
inline constexpr double kTitleTop = 0.0;
inline constexpr double kCharacterTop = 0.45;
inline constexpr double kCharacterHeight = 2.05;
inline constexpr double kSkillsGap = 0.2;          // skills block below the character block
inline constexpr double kBlockGap = 0.3;           // a table below the block before it
inline constexpr double kRowsBelowHeading = 0.4;   // a table's rows below its heading line
inline constexpr double kContinuationTop = 0.5;    // where a table continues on a new page
inline constexpr double kBottomMargin = 0.3;
inline constexpr double kRowHeight = 0.18;
inline constexpr double kLineHeight = 0.16;        // a description line under a row
inline constexpr double kSkillRowHeight = 0.17;
inline constexpr double kGridFirstColumn = 1.5;
inline constexpr double kGridColumnStep = 0.3;
inline constexpr int kStepsPerBand = 20;
inline constexpr double kBandGap = 0.12;

struct TableSlice {
    int first = -1;  // -1: no rows of the table on this page
    int end = -1;    // one past the last row
    double top = 0.0;
};

struct PageRecord {
    bool title = false;        // the sheet title (first page)
    bool pageNumber = false;   // "Seite %i / %i" (every page of a sheet of several)
    bool characterBlock = false;
    bool skills = false;
    double skillsTop = 0.0;
    std::array<TableSlice, kTableCount> tables;
    bool styleDetails = false;  // the styles rows here carry their detail lines
};

// Height of a table row with its lines.
double RowHeight(const TableRow& row);
// Height of the skills block: the list, or the grid's bands of twenty steps.
double SkillsHeight(const SheetContent& content);
int BandCount(const SheetContent& content);

// The pages for a printable area this high (at least one page).
std::vector<PageRecord> PlanPages(const SheetContent& content, double printableHeight);

}  // namespace sheet
