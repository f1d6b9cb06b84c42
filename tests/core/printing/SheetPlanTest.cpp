#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "printing/PagePlan.h"
#include "printing/PrintOptions.h"
#include "printing/SheetContent.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace sheet;

constexpr double kLetterHeight = 10.5;

SheetContent WithRows(std::array<int, kTableCount> rowCounts, int linesPerRow = 0)
{
    SheetContent content;
    content.skillLines = {"A", "B", "C"};
    content.skillValues = {1, 2, 3};
    for (std::size_t id = 0; id < kTableCount; ++id) {
        content.tables[id].included = rowCounts[id] >= 0;
        for (int i = 0; i < rowCounts[id]; ++i)
            content.tables[id].rows.push_back({i % 7 == 0 ? RowKind::Heading : RowKind::Entry, {"x"},
                                               std::vector<std::string>(linesPerRow, "y")});
    }
    return content;
}

TEST(SheetTexts, LevelsVersionsRanksAndSteps)
{
    const std::tuple<double, std::string> levels[] = {{50.0, "50"}, {50.5, "50.5"}, {1.0, "1"}, {40.5, "40.5"},
                                                      {0.0, "0"}};
    for (const auto& [level, text] : levels)
        EXPECT_EQ(LevelText(level), text) << level;
    const std::tuple<std::string, std::string> versions[] = {
        {"1.3", "1.3"}, {"1.3.0.0", "1.3"}, {"1.3.4", "1.3.4"}, {"1.3.4.1", "1.3.4.1"}, {"1.3.0.2", "1.3.0.2"},
        {"", "0.0"}};
    for (const auto& [version, text] : versions)
        EXPECT_EQ(VersionText(ParseVersion(version)), text) << version;
    EXPECT_EQ(RealmRankText(0), "R 1 L 0 (0 rps)");
    EXPECT_EQ(RealmRankText(39).substr(0, 8), "R 4 L 9 ");
    EXPECT_EQ(RealmRankText(40).rfind("R 5 L 0 (", 0), 0u);
    const std::tuple<int, std::string> steps[] = {{1, "1"}, {40, "40"}, {41, "40.5"}, {50, "45"}, {60, "50"}};
    for (const auto& [step, text] : steps)
        EXPECT_EQ(LevelText(StepLevel(step)), text) << step;
    EXPECT_EQ(PlainLines("<b>Cut</b><br><hr=100%><br><al>Fast.<br>Target: <b>Self</b>\r\nEnd"),
              (std::vector<std::string>{"Cut", "Fast.", "Target: Self", "End"}));
    EXPECT_TRUE(PlainLines("").empty());
}

TEST(SheetOptions, AllKeysAreTriStateAndFollowThePagesWhenAbsent)
{
    const std::tuple<int, bool, bool> cases[] = {{1, false, true}, {1, true, true},  {-1, true, false},
                                                 {0, true, true},  {0, false, false}, {2, true, true}};
    for (const auto& [stored, page, all] : cases)
        EXPECT_EQ(TriStateAll(stored, page), all) << stored << page;
}

TEST(SheetPlan, OnePageSheetHasNoPageNumber)
{
    const std::vector<PageRecord> pages = PlanPages(WithRows({3, 3, 3}), kLetterHeight);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].title);
    EXPECT_FALSE(pages[0].pageNumber);
    EXPECT_DOUBLE_EQ(pages[0].skillsTop, kCharacterTop + kCharacterHeight + kSkillsGap);
    // Each table starts below the one before.
    EXPECT_LT(pages[0].tables[kStylesTable].top, pages[0].tables[kSpellsTable].top);
    EXPECT_LT(pages[0].tables[kSpellsTable].top, pages[0].tables[kRealmAbilitiesTable].top);
}

// Every row on exactly one page, in order, inside the bottom margin; a
// continued table starts at the continuation top.
TEST(SheetPlan, LongTablesContinueWithTheirRowRanges)
{
    for (const int lines : {0, 3}) {
        const SheetContent content = WithRows({120, 80, 30}, lines);
        const std::vector<PageRecord> pages = PlanPages(content, kLetterHeight);
        ASSERT_GT(pages.size(), 3u);
        for (std::size_t id = 0; id < kTableCount; ++id) {
            int next = 0;
            for (std::size_t p = 0; p < pages.size(); ++p) {
                EXPECT_TRUE(pages[p].pageNumber);
                EXPECT_EQ(pages[p].title, p == 0);
                const TableSlice& slice = pages[p].tables[id];
                if (slice.first < 0)
                    continue;
                EXPECT_EQ(slice.first, next) << id << " page " << p;
                EXPECT_GT(slice.end, slice.first);
                if (slice.first > 0) {
                    EXPECT_DOUBLE_EQ(slice.top, kContinuationTop);
                }
                double y = slice.top + kRowsBelowHeading;
                for (int i = slice.first; i < slice.end; ++i)
                    y += RowHeight(content.tables[id].rows[static_cast<std::size_t>(i)]);
                EXPECT_LE(y, kLetterHeight - kBottomMargin + 1e-9);
                // A heading row never ends a page before its table does.
                const auto& rows = content.tables[id].rows;
                if (slice.end < static_cast<int>(rows.size())) {
                    EXPECT_EQ(rows[static_cast<std::size_t>(slice.end - 1)].kind, RowKind::Entry) << id << " " << p;
                }
                next = slice.end;
            }
            EXPECT_EQ(next, static_cast<int>(content.tables[id].rows.size())) << id;
        }
    }
}

// The skills block stays below the character block while it fits to the last
// hundredth; an empty one never takes a page of its own.
TEST(SheetPlan, SkillsMoveToAPageOfTheirOwnOnlyWhenTheyDoNotFit)
{
    SheetContent none = WithRows({-1, -1, -1});
    none.skillLines.clear();
    const SheetContent three = WithRows({-1, -1, -1});
    const double fits = kCharacterTop + kCharacterHeight + kSkillsGap + SkillsHeight(three) + kBottomMargin;
    const std::tuple<const SheetContent*, double, std::size_t> cases[] = {
        {&three, fits, 1}, {&three, fits - 0.01, 2}, {&none, 1.0, 1}};
    for (const auto& [content, printable, pageCount] : cases) {
        const std::vector<PageRecord> pages = PlanPages(*content, printable);
        ASSERT_EQ(pages.size(), pageCount) << printable;
        EXPECT_TRUE(pages.back().skills);
    }
}

TEST(SheetPlan, ExcludedAndEmptyTablesLeaveNoTrace)
{
    for (const auto& rows : {std::array<int, 3>{-1, 5, -1}, std::array<int, 3>{0, 5, 0}}) {
        const std::vector<PageRecord> pages = PlanPages(WithRows(rows), kLetterHeight);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].tables[kStylesTable].first, -1);
        EXPECT_EQ(pages[0].tables[kRealmAbilitiesTable].first, -1);
        EXPECT_DOUBLE_EQ(pages[0].tables[kSpellsTable].top, pages[0].skillsTop + SkillsHeight(WithRows(rows)) + kBlockGap);
    }
}

class SheetOfCharacter : public ShippedDatabases {
protected:
    CAppSettings m_settings;
};

TEST_F(SheetOfCharacter, CareerGridAtLevel45AndTheOptionsOfTheTables)
{
    CGameDatabase& db = *s_english;
    CQuillmarDoc doc(db, m_settings);
    doc.New();
    doc.SetClass(db.Classes().Name(0));
    doc.SetCareerMode(1);
    doc.SetLevel(45.0f);
    doc.SetRealmRank(40);
    const DatabaseSelection before = db.Selection();
    PrintOptions options;
    options.noSpells = true;
    options.allRealmAbilities = false;
    SheetContent content = BuildSheetContent(db, doc, options, {"Hero", {1, 3, 4, 0}, 0});
    EXPECT_EQ(db.Selection(), before);
    EXPECT_EQ(content.character[0], "Hero");
    EXPECT_EQ(content.character[1], "45");
    EXPECT_EQ(content.character[6], "1.3.4");
    EXPECT_EQ(content.steps, 50);
    EXPECT_EQ(LevelText(StepLevel(content.steps)), "45");
    EXPECT_EQ(BandCount(content), 3);
    ASSERT_EQ(content.grid.size(), content.skillLines.size());
    for (const auto& values : content.grid)
        EXPECT_EQ(values.size(), 50u);
    EXPECT_FALSE(content.tables[kSpellsTable].included);
    EXPECT_TRUE(content.tables[kStylesTable].included);
    // Nothing bought: only the abilities that come with rank 5, with empty level cells.
    for (const TableRow& row : content.tables[kRealmAbilitiesTable].rows) {
        EXPECT_EQ(row.cells[2].rfind("RR5", 0), 0u) << row.cells[0];
        for (std::size_t cell = 4; cell < row.cells.size(); ++cell)
            EXPECT_EQ(row.cells[cell], "");
    }
    doc.SetRealmRank(39);
    content = BuildSheetContent(db, doc, options, {});
    EXPECT_TRUE(content.tables[kRealmAbilitiesTable].rows.empty());
    options.allRealmAbilities = true;
    content = BuildSheetContent(db, doc, options, {});
    EXPECT_EQ(content.tables[kRealmAbilitiesTable].rows.size(), db.RealmAbilityNfList().size());
}

}  // namespace
