#include "printing/PagePlan.h"

#include <algorithm>

namespace sheet {

double RowHeight(const TableRow& row)
{
    return kRowHeight + static_cast<double>(row.lines.size()) * kLineHeight;
}

int BandCount(const SheetContent& content)
{
    return content.careerMode ? (content.steps + kStepsPerBand - 1) / kStepsPerBand : 0;
}

double SkillsHeight(const SheetContent& content)
{
    const double lines = static_cast<double>(content.skillLines.size());
    if (!content.careerMode)
        return lines * kSkillRowHeight;
    const int bands = BandCount(content);
    return bands * (lines + 1) * kSkillRowHeight + std::max(bands - 1, 0) * kBandGap;
}

std::vector<PageRecord> PlanPages(const SheetContent& content, double printableHeight)
{
    const double bottom = printableHeight - kBottomMargin;
    std::vector<PageRecord> pages(1);
    pages.front().title = true;
    pages.front().characterBlock = true;

    double y = kCharacterTop + kCharacterHeight + kSkillsGap;
    const double skills = SkillsHeight(content);
    if (y + skills > bottom && skills > 0.0) {
        // A grid that does not fit below the character block gets a page of its own.
        pages.emplace_back();
        y = kContinuationTop;
    }
    pages.back().skills = true;
    pages.back().skillsTop = y;
    y += skills;

    for (int id = 0; id < kTableCount; ++id) {
        const SheetTable& table = content.tables[static_cast<std::size_t>(id)];
        if (!table.included || table.rows.empty())
            continue;
        y += kBlockGap;
        if (y + kRowsBelowHeading + RowHeight(table.rows.front()) > bottom) {
            pages.emplace_back();
            y = kContinuationTop;
        }
        TableSlice* slice = &pages.back().tables[static_cast<std::size_t>(id)];
        *slice = {0, 0, y};
        double rowY = y + kRowsBelowHeading;
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const double height = RowHeight(table.rows[i]);
            // A heading row stays with the row after it.
            const bool heading = table.rows[i].kind == RowKind::Heading && i + 1 < table.rows.size();
            const double needed = height + (heading ? RowHeight(table.rows[i + 1]) : 0.0);
            if (rowY + needed > bottom && slice->end > slice->first) {
                pages.emplace_back();
                slice = &pages.back().tables[static_cast<std::size_t>(id)];
                *slice = {static_cast<int>(i), static_cast<int>(i), kContinuationTop};
                rowY = kContinuationTop + kRowsBelowHeading;
            }
            rowY += height;
            slice->end = static_cast<int>(i) + 1;
        }
        y = rowY;
    }

    const bool numbered = pages.size() > 1;
    const SheetTable& styles = content.tables[kStylesTable];
    for (PageRecord& page : pages) {
        page.pageNumber = numbered;
        const TableSlice& slice = page.tables[kStylesTable];
        if (slice.first < 0)
            continue;
        for (int i = slice.first; i < slice.end; ++i)
            page.styleDetails = page.styleDetails || !styles.rows[static_cast<std::size_t>(i)].lines.empty();
    }
    return pages;
}

}  // namespace sheet
