#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/SkillsRules.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace skills_rules;

// Level limits -----------------------------------------------------------------------

TEST(SkillsRulesLimits, MaximumStopsAtTheRestAndAtTheCharacterLevel)
{
    struct Row {
        int current;
        float level;
        int rest;
        int maximum;
    };
    const Row rows[] = {
        {4, 50.0f, 10, 5},    // 5 costs 5 and leaves 5, fewer than the 6 that level 6 costs
        {4, 50.0f, 11, 6},    // 5 + 6
        {10, 50.0f, 11, 11},  // 10 -> 11 costs 11
        {10, 50.0f, 10, 10},
        {1, 20.0f, 100000, 20},  // never above the character level, however many
                                 // points are left
        {20, 20.0f, 500, 20},
        {1, 40.5f, 100000, 40},  // the level counts truncated
        {1, 5.0f, 1, 1},
        {1, 5.0f, 2, 2},
        {7, 50.0f, 0, 7},
        {7, 50.0f, -30, 7},     // a negative rest keeps the line where it is
        {30, 20.0f, 1000, 30},  // above a lowered level: stays, never drops
    };
    for (const Row& row : rows)
        EXPECT_EQ(LevelMaximum(row.current, row.level, row.rest), row.maximum)
            << row.current << " at " << row.level << " with " << row.rest;
}

TEST(SkillsRulesLimits, MinimumFromTheAutoTrainMask)
{
    const std::uint32_t bits0to4 = 0x1F;
    const std::uint32_t bits0to10 = 0x7FF;
    struct Row {
        bool career;
        bool autoTrainLine;
        float level;
        std::uint32_t mask;
        int minimum;
    };
    const Row rows[] = {
        {false, true, 30.0f, bits0to4, 5},
        {false, true, 30.0f, bits0to10, 7},  // only bits up to 30/4 - 1 count
        {false, true, 50.0f, 0, 1},          // no step taken: never below 1
        {false, false, 50.0f, 0, 1},
        {false, true, 7.0f, 0x3, 1},  // below level 8 no step is due yet
        {true, true, 50.0f, 0, 12},   // career mode: a quarter of the level
        {true, true, 7.0f, 0, 1},
        {true, true, 47.5f, 0x7, 11},
        {true, false, 50.0f, bits0to10, 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LevelMinimum(row.career, row.autoTrainLine, row.level, row.mask), row.minimum)
            << row.career << row.autoTrainLine << " " << row.level << " " << row.mask;
}

TEST(SkillsRulesLimits, LineCosts)
{
    EXPECT_EQ(CQuillmarDoc::SkillPointCost(10), 54);
    EXPECT_EQ(CQuillmarDoc::SkillPointCost(11) - CQuillmarDoc::SkillPointCost(10), 11);
    EXPECT_EQ(CQuillmarDoc::SkillPointCost(1), 0);
    EXPECT_EQ(PointsText(-12), "-12");
    EXPECT_EQ(PointsText(0), "0");
}

// Row values, reach and colours --------------------------------------------------------

TEST(SkillsRulesRowData, BytesRoundTrip)
{
    for (const RowData data :
         {RowData{0, 0, 0}, RowData{50, 3, 0}, RowData{12, 0, 27}, RowData{255, 255, 255}}) {
        const RowData back = UnpackRowData(PackRowData(data));
        EXPECT_EQ(back.counts, data.counts);
        EXPECT_EQ(back.hovered, data.hovered);
        EXPECT_EQ(back.reach, data.reach);
    }
    EXPECT_EQ(PackRowData({0x32, 0x02, 0x11}), 0x110232);
}

TEST(SkillsRulesRowData, OnlyThePoisonLineReachesFurther)
{
    struct Row {
        const char* line;
        int counts;
        float level;
        int realmRank;
        int reach;
    };
    const Row rows[] = {
        {"Player poisons", 10, 50.0f, 0, 10 + 10 + 0 + 1},
        {"Vergiften", 10, 50.0f, 43, 10 + 10 + 4 + 1},
        {"Vergiften", 1, 24.0f, 9, 1 + 4 + 0 + 1},
        {"Vergiften", 50, 50.0f, 110, 50 + 10 + 11 + 1},
        {"Vergiften", 250, 50.0f, 0, (250 + 11) & 0xFF},  // kept to its byte
        {"vergiften", 10, 50.0f, 0, 0},                   // names compared exactly
        {"Player Poisons", 10, 50.0f, 0, 0},
        {"Player poisons ", 10, 50.0f, 0, 0},
        {"Crushing", 10, 50.0f, 100, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Reach(row.line, row.counts, row.level, row.realmRank), row.reach) << row.line << row.counts;
}

TEST(SkillsRulesColours, EntryColourByHoverReachAndLevel)
{
    struct Row {
        int position;
        int level;
        RowData data;
        MarkupColor colour;
    };
    const Row rows[] = {
        {0, 2, {10, 0, 0}, kReachedEntry},
        {3, 10, {10, 0, 0}, kReachedEntry},  // the level that counts is reached
        {4, 11, {10, 0, 0}, kOtherEntry},    // no reach: beyond is black
        {4, 11, {10, 0, 15}, kReachableEntry},
        {5, 15, {10, 0, 15}, kReachableEntry},
        {6, 16, {10, 0, 15}, kOtherEntry},
        {6, 16, {10, 7, 15}, kHoveredEntry},  // hovered wins over everything
        {0, 2, {10, 1, 0}, kHoveredEntry},
        {1, 4, {10, 1, 0}, kReachedEntry},  // hover is 1-based
        {2, 50, {0, 0, 0}, kOtherEntry},
    };
    for (const Row& row : rows)
        EXPECT_EQ(EntryColour(row.position, row.level, row.data), row.colour)
            << row.position << " " << row.level;
}

TEST(SkillsRulesColours, RowBackgrounds)
{
    for (int column = 0; column < kColumnCount; ++column) {
        if (column == kSkillColumn) {
            EXPECT_FALSE(CellBackground(RowKind::Line, column).has_value());
        } else {
            EXPECT_EQ(CellBackground(RowKind::Line, column), kLineBackground) << column;
        }
        EXPECT_EQ(CellBackground(RowKind::FixedLine, column), kLineBackground) << column;
        EXPECT_EQ(CellBackground(RowKind::BaseGroup, column), kGroupBackground) << column;
        EXPECT_EQ(CellBackground(RowKind::LevelGroup, column), kGroupBackground) << column;
    }
}

// Level column text and the entry under the mouse ----------------------------------------

TEST(SkillsRulesEntries, SplitAndMeasure)
{
    EXPECT_EQ(SplitEntries("1 4 10 "), (std::vector<std::string>{"1", "4", "10"}));
    EXPECT_EQ(SplitEntries("  7  "), (std::vector<std::string>{"7"}));
    EXPECT_TRUE(SplitEntries("").empty());

    // Seven pixels a character: "1 " and "4 " are 14 wide, "10 " 21.
    const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 7; };
    const std::vector<std::string> words{"1", "4", "10"};
    struct Row {
        int x;
        int entry;
    };
    for (const Row row : {Row{-1, -1}, Row{0, 0}, Row{13, 0}, Row{14, 1}, Row{27, 1}, Row{28, 2}, Row{48, 2},
                          Row{49, -1}, Row{400, -1}})
        EXPECT_EQ(EntryAt(words, row.x, width), row.entry) << row.x;
    EXPECT_EQ(EntryAt({}, 0, width), -1);
}

TEST(SkillsRulesEntries, RowTexts)
{
    EXPECT_EQ(SpellLineText("Hymns", "Sun Hymns"), "Hymns (Sun Hymns)");
    EXPECT_EQ(SpellLineText("Mercy", "Mercy"), "Mercy");
    SkillRow row;
    row.text = "Blades";
    row.autoTrain = true;
    EXPECT_EQ(NameText(row), "Blades*");
    row.autoTrain = false;
    EXPECT_EQ(NameText(row), "Blades");
    row.entryLevels = {2, 4, 39, 44};
    EXPECT_EQ(LevelText(row), "2 4 39 44 ");
}

// Against the shipped data -------------------------------------------------------------------

class SkillsRulesShipped : public ShippedDatabases {
protected:
    struct Character {
        CAppSettings settings;
        CQuillmarDoc doc;
        Character(CGameDatabase& db, const char* className, float level) : doc(db, settings)
        {
            doc.SetClass(className);
            doc.ActivateSelection();
            doc.SetLevel(level);
        }
    };
    static std::vector<int> Kinds(const std::vector<SkillRow>& rows)
    {
        std::vector<int> kinds;
        for (const SkillRow& row : rows)
            kinds.push_back(static_cast<int>(row.kind));
        return kinds;
    }
    static const SkillRow* Find(const std::vector<SkillRow>& rows, std::string_view text)
    {
        for (const SkillRow& row : rows)
            if (row.text == text)
                return &row;
        return nullptr;
    }
};

TEST_F(SkillsRulesShipped, RowsOfACaster)
{
    for (CGameDatabase* db : {s_english.get(), s_german.get()}) {
        const bool german = db == s_german.get();
        Character character(*db, german ? "Sonnenpriester" : "Sun Priest", 50.0f);
        const std::vector<SkillRow> rows = BuildRows(*db);
        // A style line and its styles; three lines with specialisation groups (base groups
        // 2, specialisation 3); a line with base groups only is shown but not trained.
        EXPECT_EQ(Kinds(rows),
                  (std::vector<int>{0, 3, 0, 2, 2, 3, 3, 0, 2, 2, 3, 3, 0, 2, 2, 3, 3, 4, 2, 2, 2}))
            << db->Folder();
        ASSERT_EQ(rows.size(), 21u);
        EXPECT_EQ(rows[1].text, "Styles");
        EXPECT_EQ(rows[1].lineName, rows[0].lineName);
        EXPECT_FALSE(rows[1].spellLine);
        EXPECT_EQ(LevelText(rows[1]), "2 4 6 8 10 12 15 18 21 25 29 34 39 44 ");
        EXPECT_EQ(rows[2].text, german ? "Gnadengebete" : "Prayers of Grace");
        EXPECT_EQ(rows[17].text, german ? "Morgengebete" : "Dawn Prayers");
        for (std::size_t i = 2; i < rows.size(); ++i) {
            EXPECT_TRUE(rows[i].spellLine) << i;
            EXPECT_FALSE(rows[i].autoTrain) << i;
        }
        EXPECT_EQ(rows[3].lineName, rows[2].lineName);
        EXPECT_EQ(LevelText(rows[3]), "1 11 21 30 40 50 ");
        EXPECT_EQ(rows[3].entryNames.size(), rows[3].entryLevels.size());

        const DetailRows style = EntryDetail(*db, rows[1], 0);
        ASSERT_GE(style.labels.size(), 2u);
        EXPECT_EQ(style.labels[0], "name");
        EXPECT_EQ(style.values[0], rows[1].entryNames[0]);
        EXPECT_EQ(style.values[1], "2");
        const DetailRows spell = EntryDetail(*db, rows[3], 1);
        ASSERT_GE(spell.labels.size(), 2u);
        EXPECT_EQ(spell.values[0], rows[3].entryNames[1]);
        EXPECT_EQ(spell.values[1], "11");
        EXPECT_TRUE(EntryDetail(*db, rows[3], 6).labels.empty());
        EXPECT_TRUE(EntryDetail(*db, rows[3], -1).labels.empty());
        EXPECT_TRUE(EntryDetail(*db, rows[2], 0).labels.empty());

        EXPECT_TRUE(GroupDescription(*db, rows[1]).empty());  // style lines have none
        EXPECT_NE(GroupDescription(*db, rows[3]).find(rows[3].groupName), std::string::npos);
    }
}

TEST_F(SkillsRulesShipped, TaggedLinesAndAutoTrainLines)
{
    Character templar(*s_english, "Sun Templar", 50.0f);
    const std::vector<SkillRow> templarRows = BuildRows(*s_english);
    const SkillRow* hymns = Find(templarRows, "Hymns (Sun Hymns)");
    ASSERT_NE(hymns, nullptr);
    EXPECT_EQ(hymns->lineName, "Sun Hymns");
    EXPECT_EQ(hymns->kind, RowKind::Line);

    const auto starred = [](const std::vector<SkillRow>& rows) {
        std::vector<std::string> names;
        for (const SkillRow& row : rows)
            if (row.autoTrain)
                names.push_back(NameText(row));
        return names;
    };
    // Two marked style lines; their styles rows carry no mark.
    Character guardsman(*s_german, "Gardist", 50.0f);
    EXPECT_EQ(starred(BuildRows(*s_german)), (std::vector<std::string>{"Stangenwaffen*", "Schildkampf*"}));
    // A marked spell line with a tag; its group rows carry no mark.
    Character ashbinder(*s_german, "Aschebinder", 50.0f);
    EXPECT_EQ(starred(BuildRows(*s_german)), (std::vector<std::string>{"Arkan (Arkane Grundlagen)*"}));
}

TEST_F(SkillsRulesShipped, SpellLineWithOnlyBaseGroupsIsShownNotTrained)
{
    Character priest(*s_english, "Sun Priest", 50.0f);
    const std::vector<SkillRow> rows = BuildRows(*s_english);
    const SkillRow* dawn = Find(rows, "Dawn Prayers");
    ASSERT_NE(dawn, nullptr);
    EXPECT_EQ(dawn->kind, RowKind::FixedLine);
    EXPECT_EQ(RowDataValue(*dawn, priest.doc), kFixedLineRowData);
    EXPECT_EQ(RowDataValue(rows[0], priest.doc), kLineRowData);
}

TEST_F(SkillsRulesShipped, LevelThatCountsAndTheSkillColumn)
{
    Character priest(*s_english, "Sun Priest", 40.5f);
    const std::vector<SkillRow> rows = BuildRows(*s_english);
    const SkillRow& mending = rows[3];  // base group: follows the character level
    const SkillRow& spec = rows[5];     // specialisation group: follows the line level
    ASSERT_EQ(mending.kind, RowKind::BaseGroup);
    ASSERT_EQ(spec.kind, RowKind::LevelGroup);
    EXPECT_EQ(LevelThatCounts(mending, priest.doc), 40);
    EXPECT_EQ(LevelThatCounts(spec, priest.doc), 1);
    priest.doc.SetSpecLevel(spec.lineName, 17);
    EXPECT_EQ(LevelThatCounts(spec, priest.doc), 17);
    EXPECT_EQ(UnpackRowData(RowDataValue(spec, priest.doc, 3)).counts, 17);
    EXPECT_EQ(UnpackRowData(RowDataValue(spec, priest.doc, 3)).hovered, 3);

    EXPECT_EQ(SkillText(*s_english, mending, 40), "Heals 400 hit points");
    EXPECT_EQ(SkillText(*s_english, mending, 39), "Heals 305 hit points");
    EXPECT_EQ(SkillText(*s_english, mending, 0), "");   // below the first spell
    EXPECT_EQ(SkillText(*s_english, rows[1], 50), "");  // style rows show no effect
}

// Only entries of the poison line can be light blue: on every other row an entry
// above the level that counts is black.
TEST_F(SkillsRulesShipped, OnlyPoisonEntriesAreLightBlue)
{
    for (CGameDatabase* db : {s_english.get(), s_german.get()}) {
        const bool german = db == s_german.get();
        Character character(*db, german ? "D\xE4mmerklinge" : "Duskblade", 50.0f);
        character.doc.SetRealmRank(45);
        const std::vector<SkillRow> rows = BuildRows(*db);
        int poisonRows = 0;
        int lightBlue = 0;
        for (const SkillRow& row : rows) {
            if (!row.IsGroup())
                continue;
            const RowData data = GroupRowData(row, character.doc);
            const bool poison = row.lineName == (german ? "Vergiften" : "Player poisons");
            poisonRows += poison ? 1 : 0;
            if (poison) {
                EXPECT_EQ(data.reach, 1 + 10 + 4 + 1) << row.text;  // line level 1
            }
            for (std::size_t i = 0; i < row.entryLevels.size(); ++i) {
                const MarkupColor colour = EntryColour(static_cast<int>(i), row.entryLevels[i], data);
                if (colour == kReachableEntry) {
                    ++lightBlue;
                    EXPECT_TRUE(poison) << row.text;
                }
                if (!poison && row.entryLevels[i] > data.counts) {
                    EXPECT_EQ(colour, kOtherEntry) << row.text << " " << row.entryLevels[i];
                }
            }
        }
        EXPECT_EQ(poisonRows, 3) << db->Folder();
        EXPECT_GT(lightBlue, 0) << db->Folder();  // e.g. Nettle Venom (5), Hemlock Tincture (8)
    }
}

TEST_F(SkillsRulesShipped, PointsInSingleAndCareerMode)
{
    Character knight(*s_english, "Banner Knight", 50.0f);
    const std::vector<std::string> lines = knight.doc.SkillLines();
    ASSERT_GE(lines.size(), 2u);
    const std::int32_t earned = knight.doc.SkillPointsAtLevel();
    SkillPoints points = Points(knight.doc);
    EXPECT_EQ(points.used, 0);
    EXPECT_EQ(points.earned, earned);
    EXPECT_EQ(points.rest, earned);

    knight.doc.SetSpecLevel(lines[0], 10);
    knight.doc.SetSpecLevel(lines[1], 4);
    points = Points(knight.doc);
    EXPECT_EQ(points.used, 54 + 9);
    EXPECT_EQ(points.rest, earned - 63);

    knight.doc.SetExtraSpecPoints(-earned);
    points = Points(knight.doc);
    EXPECT_EQ(points.earned, 0);
    EXPECT_EQ(points.rest, -63);
    knight.doc.SetExtraSpecPoints(0);

    // Career mode counts what the lines cost at the levels the career plan
    // gives them at the current slot, wherever they were planned.
    knight.doc.SetCareerMode(1);
    knight.doc.SetSpecLevel(lines[1], 5);
    EXPECT_EQ(Points(knight.doc).used, 54 + 14);
    knight.doc.SetLevel(30.0f);
    std::int32_t costAtThirty = 0;
    for (const std::string& line : lines) {
        const std::int32_t level = knight.doc.SpecResult(knight.doc.CurrentSlot()).Get(line);
        costAtThirty += CQuillmarDoc::SkillPointCost(std::max(level, 1));
    }
    EXPECT_GT(costAtThirty, 0);  // trained towards the plan of level 50 already
    EXPECT_EQ(Points(knight.doc).used, costAtThirty);
    EXPECT_EQ(Points(knight.doc).earned, knight.doc.SkillPointsAtLevel(30.0f));
}

}  // namespace
