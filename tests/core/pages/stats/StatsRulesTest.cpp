#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/stats/StatsRules.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace stats_rules;

constexpr int kStr = 0, kCon = 1, kDex = 2, kQui = 3, kInt = 4, kPie = 5;

// Creation points ------------------------------------------------------------------

TEST(StatsRulesCost, TotalCostOfSpentPoints)
{
    struct Row {
        int spent;
        int cost;
    };
    for (const Row row : {Row{0, 0}, Row{1, 1}, Row{9, 9}, Row{10, 10}, Row{11, 12}, Row{14, 18}, Row{15, 20},
                          Row{16, 23}, Row{17, 26}, Row{18, 29}, Row{-3, 0}})
        EXPECT_EQ(TotalCost(row.spent), row.cost) << row.spent;
}

TEST(StatsRulesCost, FreePointsOverEightStats)
{
    EXPECT_EQ(FreePoints({}), 30);
    EXPECT_EQ(FreePoints({18, 0, 0, 0, 0, 0, 0, 0}), 1);
    EXPECT_EQ(FreePoints({10, 10, 10, 0, 0, 0, 0, 0}), 0);
    // A loaded file may spend more than 30 allow.
    EXPECT_EQ(FreePoints({18, 18, 0, 0, 0, 0, 0, 0}), -28);
    EXPECT_EQ(FreePointsText(0), "0");
    EXPECT_EQ(FreePointsText(17), "17");
    EXPECT_EQ(FreePointsText(-1), "FEHLER");
}

// Raising one stat a step at a time from nothing: what each step leaves over.
TEST(StatsRulesStep, RaisingOneStatStepByStep)
{
    int spent = 0;
    int free = 30;
    std::vector<int> costs;
    for (int step = 0; step < 19; ++step) {
        const StepResult result = StepStat(spent, free, -1);
        if (result.applied == 0)
            break;
        EXPECT_EQ(result.applied, 1);
        EXPECT_EQ(result.spent, spent + 1);
        costs.push_back(free - result.freePoints);
        spent = result.spent;
        free = result.freePoints;
        EXPECT_EQ(free, 30 - TotalCost(spent)) << spent;
    }
    const std::vector<int> expected = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3};
    EXPECT_EQ(costs, expected);
    // The 19th is refused with 1 point left.
    EXPECT_EQ(spent, 18);
    EXPECT_EQ(free, 1);
}

TEST(StatsRulesStep, StepTable)
{
    struct Row {
        const char* what;
        int spent, free, delta;
        int wantSpent, wantFree, wantApplied;
    };
    const Row rows[] = {
        {"10th point costs 1", 9, 21, -1, 10, 20, 1},
        {"11th point costs 2", 10, 20, -1, 11, 18, 1},
        {"15th point costs 2", 14, 12, -1, 15, 10, 1},
        {"16th point costs 3", 15, 10, -1, 16, 7, 1},
        {"raise refused: cost above free", 15, 2, -1, 15, 2, 0},
        {"raise refused with negative free points", 3, -5, -1, 3, -5, 0},
        {"several raises stop at the unpaid one", 14, 4, -3, 15, 2, 1},
        {"several raises, all paid", 8, 10, -5, 13, 2, 5},
        {"lower from 16 refunds 3", 16, 7, 1, 15, 10, -1},
        {"lower from 11 refunds 2", 11, 18, 1, 10, 20, -1},
        {"lower from 10 refunds 1", 10, 20, 1, 9, 21, -1},
        {"lower from 1 refunds 1", 1, 0, 1, 0, 1, -1},
        {"lower at 0 does nothing", 0, 30, 1, 0, 30, 0},
        {"lower several stops at 0", 2, 28, 5, 0, 30, -2},
        {"lowering works with negative free points", 18, -28, 3, 15, -19, -3},
        {"no step", 7, 23, 0, 7, 23, 0},
        {"raise never passes the clamp", 18, 100, -2, 18, 100, 0},
        {"most negative delta", 0, 30, std::numeric_limits<int>::min(), 18, 1, 18},
        {"largest delta", 18, 1, std::numeric_limits<int>::max(), 0, 30, -18},
    };
    for (const Row& row : rows) {
        const StepResult result = StepStat(row.spent, row.free, row.delta);
        EXPECT_EQ(result.spent, row.wantSpent) << row.what;
        EXPECT_EQ(result.freePoints, row.wantFree) << row.what;
        EXPECT_EQ(result.applied, row.wantApplied) << row.what;
    }
}

TEST(StatsRulesCap, ItemCapAndHeader)
{
    struct Row {
        float level;
        int cap;
    };
    for (const Row row :
         {Row{50.0f, 75}, Row{5.0f, 7}, Row{1.0f, 1}, Row{40.5f, 60}, Row{39.9f, 58}, Row{6.0f, 9}})
        EXPECT_EQ(ItemCap(row.level), row.cap) << row.level;
    EXPECT_EQ(CapHeader(75), "+Cap (75)");
    EXPECT_EQ(CapHeader(7), "+Cap (7)");
}

// Hit points -----------------------------------------------------------------------

StatsInput HitPointInput(int con50, int spentCon, int base, float factor, float level = 50.0f)
{
    StatsInput input;
    input.level = level;
    input.constitutionAt50 = con50;
    input.spent[kCon] = spentCon;
    input.withRealmAbilities[kCon] = con50 + spentCon;  // at level 50, no realm ability
    input.hitPoints = {base, factor};
    return input;
}

TEST(StatsRulesHitPoints, EvenConstitutionAboveFifty)
{
    struct Row {
        const char* what;
        int con50, spent;
        int base;
        float factor;
        int hp1;
    };
    const Row rows[] = {
        {"51 and 50 give t = 0", 51, 0, 920, 13.0f, 920},
        {"50 gives t = 0", 50, 0, 920, 13.0f, 920},
        {"spent points count: 48 + 3 = 51", 48, 3, 920, 13.0f, 920},
        {"49 gives t = (48 - 50) * 2 = -4", 49, 0, 920, 13.0f, 920 - 52},
        {"45 gives t = (44 - 50) * 2 = -12", 45, 0, 700, 10.0f, 580},
        {"83 gives t = 32", 83, 0, 920, 13.0f, 1336},
        {"fractional result rounds up", 52, 0, 520, 7.3f, 535},
        {"negative fraction rounds up too", 49, 0, 520, 7.3f, 491},
    };
    for (const Row& row : rows) {
        const StatsInput input = HitPointInput(row.con50, row.spent, row.base, row.factor);
        EXPECT_EQ(HitPoints(input)[0], row.hp1) << row.what;
    }
}

TEST(StatsRulesHitPoints, ItemCapAndRealmAbilityFigures)
{
    // Level 50, no realm abilities: the second and third figure agree.
    StatsInput input = HitPointInput(80, 4, 920, 13.0f);
    // C = 84, t = 34, HP1 = 920 + 442.
    const auto plain = HitPoints(input);
    EXPECT_EQ(plain[0], 1362);
    EXPECT_EQ(plain[1], 1362 + 975 + 200);
    EXPECT_EQ(plain[2], plain[1]);

    // Constitution +8 from a realm ability and 80 hit points from another.
    input.withRealmAbilities[kCon] = 80 + 4 + 8;
    input.toughness = 80;
    EXPECT_EQ(HitPoints(input)[2], 1362 + 13 * 83 + 80 + 200);

    // At level 20 only the level part of the last two figures changes here
    // (the constitution of the totals is that of level 20, below the one at 50).
    StatsInput low = HitPointInput(80, 4, 920, 13.0f, 20.5f);
    low.withRealmAbilities[kCon] = 60 + 4;
    const auto atTwenty = HitPoints(low);
    EXPECT_EQ(atTwenty[0], 1362);
    EXPECT_EQ(atTwenty[1], 1362 + 975 + 80);
    EXPECT_EQ(atTwenty[2], 1362 + 13 * (64 - 4 - 80 + 75) + 80);
}

// Columns and colours --------------------------------------------------------------

StatsInput ColourInput()
{
    StatsInput input;
    input.level = 50.0f;
    input.race = {60, 60, 60, 60, 60, 60, 60, 60};
    input.atLevel = input.race;
    input.classStats = {kStr, kCon, kDex, kInt};
    input.atLevel[kStr] += 45;
    input.atLevel[kCon] += 23;
    input.atLevel[kDex] += 15;
    input.withRealmAbilities = input.atLevel;
    return input;
}

TEST(StatsRulesColumns, ValuesOfTheFourColumns)
{
    StatsInput input = ColourInput();
    input.spent[kStr] = 5;
    input.withRealmAbilities[kStr] += 5 + 8;  // spent and a realm ability
    const StatsModel model = ComputeStats(input);
    EXPECT_EQ(model.cap, 75);
    EXPECT_EQ(model.capHeader, "+Cap (75)");
    EXPECT_EQ(model.freePoints, 25);
    EXPECT_EQ(model.freePointsText, "25");
    const StatRow& strength = model.rows[kStr];
    EXPECT_EQ(strength.base.value, 65);
    EXPECT_EQ(strength.atLevel.value, 110);
    EXPECT_EQ(strength.itemCap.value, 185);
    EXPECT_EQ(strength.withRealmAbilities.value, 193);
    EXPECT_EQ(strength.base.text, kSpentText);
    EXPECT_EQ(strength.withRealmAbilities.text, kSpentText);
    // Spent points alone are not a realm-ability bonus.
    input.withRealmAbilities[kStr] -= 8;
    EXPECT_FALSE(ComputeStats(input).rows[kStr].withRealmAbilities.text.has_value());
}

TEST(StatsRulesColumns, ColourDecisionsPerStat)
{
    StatsInput input = ColourInput();
    input.spent[kQui] = 2;
    input.withRealmAbilities[kQui] += 2;
    input.withRealmAbilities[kPie] += 4;  // a realm-ability bonus without spent points
    const StatsModel model = ComputeStats(input);
    using Colour = std::optional<MarkupColor>;
    struct Row {
        int stat;
        Colour baseText, baseBack, atLevelText, withRaText;
    };
    const Row rows[] = {
        {kStr, {}, kPrimaryBackground, {}, {}},
        {kCon, {}, kSecondaryBackground, {}, {}},
        {kDex, {}, kTertiaryBackground, {}, {}},
        {kQui, kSpentText, {}, {}, {}},
        {kInt, {}, {}, kCastingText, {}},
        {kPie, {}, {}, {}, kSpentText},
        {6, {}, {}, {}, {}},
        {7, {}, {}, {}, {}},
    };
    for (const Row& row : rows) {
        const StatRow& r = model.rows[static_cast<std::size_t>(row.stat)];
        EXPECT_EQ(r.base.text, row.baseText) << row.stat;
        EXPECT_EQ(r.base.background, row.baseBack) << row.stat;
        EXPECT_EQ(r.atLevel.text, row.atLevelText) << row.stat;
        EXPECT_FALSE(r.atLevel.background.has_value()) << row.stat;
        EXPECT_FALSE(r.itemCap.text.has_value()) << row.stat;
        EXPECT_FALSE(r.itemCap.background.has_value()) << row.stat;
        EXPECT_EQ(r.withRealmAbilities.text, row.withRaText) << row.stat;
        EXPECT_FALSE(r.withRealmAbilities.background.has_value()) << row.stat;
    }
}

TEST(StatsRulesColumns, NoCastingStatAndUnknownIndicesAreSkipped)
{
    StatsInput input = ColourInput();
    input.classStats = {kStr, kNoStat, 42, kNoStat};
    const StatsModel model = ComputeStats(input);
    EXPECT_EQ(model.rows[kStr].base.background, kPrimaryBackground);
    for (int stat = 1; stat < kStatCount; ++stat) {
        EXPECT_FALSE(model.rows[static_cast<std::size_t>(stat)].base.background.has_value()) << stat;
        EXPECT_FALSE(model.rows[static_cast<std::size_t>(stat)].atLevel.text.has_value()) << stat;
    }
}

TEST(StatsRulesColumns, NegativeFreePointsShowFehler)
{
    StatsInput input = ColourInput();
    input.spent = {18, 18, 0, 0, 0, 0, 0, 0};
    const StatsModel model = ComputeStats(input);
    EXPECT_EQ(model.freePoints, -28);
    EXPECT_EQ(model.freePointsText, "FEHLER");
}

// Ability list ---------------------------------------------------------------------

TEST(StatsRulesAbilities, RowsByKind)
{
    ClassAbilityList list;
    list.names = {"Evade I",        "Blades", "Flame Craft",  "Armor: Plate",
                  "Shields: Large", "Late",   "Exactly fifty"};
    list.levels = {4, 1, 6, 20, 16, 51, 50};
    list.kinds = {kAbilityPlain,  kAbilityTrainableLine, kAbilitySpecialisation, kAbilityArmour,
                  kAbilityShield, kAbilityPlain,         kAbilityPlain};
    const std::vector<AbilityRow> rows = AbilityRows(list);
    ASSERT_EQ(rows.size(), 7u);
    struct Want {
        const char* level;
        const char* train;
        std::optional<MarkupColor> text, background;
    };
    const Want want[] = {
        {"4", "", {}, {}},
        {"1", "x", {}, kLineBackground},
        {"6", "", {}, kLineBackground},
        {"20", "", kArmourText, kArmourShieldBackground},
        {"16", "", kShieldText, kArmourShieldBackground},
        {"", "", {}, {}},
        {"50", "", {}, {}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].level, want[i].level) << i;
        EXPECT_EQ(rows[i].train, want[i].train) << i;
        EXPECT_EQ(rows[i].name, list.names[i]) << i;
        EXPECT_EQ(rows[i].kind, list.kinds[i]) << i;
        EXPECT_EQ(rows[i].text, want[i].text) << i;
        EXPECT_EQ(rows[i].background, want[i].background) << i;
    }
}

TEST(StatsRulesAbilities, ListsOfUnequalLengthStopAtTheShortest)
{
    ClassAbilityList list;
    list.names = {"A", "B", "C"};
    list.levels = {1, 2};
    list.kinds = {0, 0, 0};
    EXPECT_EQ(AbilityRows(list).size(), 2u);
}

// Against the shipped data ---------------------------------------------------------

class StatsRulesShipped : public ShippedDatabases {
protected:
    struct Character {
        CGameDatabase& database;
        CAppSettings settings;
        CQuillmarDoc doc;
        Character(CGameDatabase& db, const char* className, const char* race, float level)
            : database(db), doc(db, settings)
        {
            doc.SetRealm("Caldor");
            doc.SetClass(className);
            doc.SetRace(race);
            doc.ActivateSelection();
            doc.SetLevel(level);
        }
        StatsModel Model() const { return ComputeStats(GatherStatsInput(database, doc)); }
    };
};

TEST_F(StatsRulesShipped, GrowthAtLevelFiftyAndNoneAtFive)
{
    // Banner Knight: Strength, Constitution, Dexterity; Human 60 everywhere.
    for (CGameDatabase* db : {s_german.get(), s_english.get()}) {
        const char* className = db == s_german.get() ? "Bannerritter" : "Banner Knight";
        const char* race = db == s_german.get() ? "Mensch" : "Human";
        Character at50(*db, className, race, 50.0f);
        const StatsModel model = at50.Model();
        EXPECT_EQ(model.capHeader, "+Cap (75)");
        const int expected[kStatCount] = {105, 83, 75, 60, 60, 60, 60, 60};
        for (int stat = 0; stat < kStatCount; ++stat) {
            EXPECT_EQ(model.rows[static_cast<std::size_t>(stat)].base.value, 60) << db->Folder() << stat;
            EXPECT_EQ(model.rows[static_cast<std::size_t>(stat)].atLevel.value, expected[stat])
                << db->Folder() << stat;
            EXPECT_EQ(model.rows[static_cast<std::size_t>(stat)].itemCap.value, expected[stat] + 75);
            EXPECT_EQ(model.rows[static_cast<std::size_t>(stat)].withRealmAbilities.value,
                      expected[stat] + 75);
        }
        // C = 83 -> 82, t = 32: 920 + 13 * 32.
        EXPECT_EQ(model.hitPoints[0], 1336);
        EXPECT_EQ(model.hitPoints[1], 1336 + 975 + 200);
        EXPECT_EQ(model.hitPoints[2], 1336 + 975 + 200);

        Character at5(*db, className, race, 5.0f);
        const StatsModel low = at5.Model();
        EXPECT_EQ(low.capHeader, "+Cap (7)");
        for (int stat = 0; stat < kStatCount; ++stat)
            EXPECT_EQ(low.rows[static_cast<std::size_t>(stat)].atLevel.value, 60) << db->Folder() << stat;
        // Hit points are for level 50 whatever the level; only the 4 per level follows it.
        EXPECT_EQ(low.hitPoints[0], 1336);
        EXPECT_EQ(low.hitPoints[1], 1336 + 975 + 20);
    }
}

TEST_F(StatsRulesShipped, RealmAbilitiesUnderTheLoadedLanguagesNames)
{
    struct Row {
        bool german;
        const char* className;
        const char* race;
        const char* constitutionAbility;
        const char* castingAbility;
        const char* toughness;
        StatId castingStat;
    };
    const Row rows[] = {
        {false, "Banner Knight", "Human", "Hardiness", "Keen Mind", "Toughness", kNoStat},
        {true, "Bannerritter", "Mensch", "Z\xE4higkeit", "Geistessch\xE4rfe", "Belastbarkeit", kNoStat},
        {false, "Flamewright", "Human", "Hardiness", "Keen Mind", "Toughness", kInt},
        {true, "Flammenwirker", "Mensch", "Z\xE4higkeit", "Geistessch\xE4rfe", "Belastbarkeit", kInt},
    };
    for (const Row& row : rows) {
        CGameDatabase& db = row.german ? *s_german : *s_english;
        Character c(db, row.className, row.race, 50.0f);
        const StatsModel before = c.Model();
        c.doc.SetRealmAbilityNf(row.constitutionAbility, 2);  // +8
        c.doc.SetRealmAbilityNf(row.castingAbility, 1);       // +4 on the casting stat, if any
        c.doc.SetRealmAbilityNf(row.toughness, 2);            // +80 hit points
        const StatsModel after = c.Model();
        EXPECT_EQ(after.rows[kCon].withRealmAbilities.value, before.rows[kCon].withRealmAbilities.value + 8)
            << row.className;
        EXPECT_EQ(after.rows[kCon].withRealmAbilities.text, kSpentText) << row.className;
        EXPECT_FALSE(after.rows[kCon].atLevel.text.has_value()) << row.className;
        for (int stat = 0; stat < kStatCount; ++stat) {
            if (stat == kCon)
                continue;
            const int bonus = stat == row.castingStat ? 4 : 0;
            EXPECT_EQ(after.rows[static_cast<std::size_t>(stat)].withRealmAbilities.value,
                      before.rows[static_cast<std::size_t>(stat)].withRealmAbilities.value + bonus)
                << row.className << " " << stat;
            EXPECT_EQ(after.rows[static_cast<std::size_t>(stat)].atLevel.text,
                      stat == row.castingStat ? std::optional<MarkupColor>(kCastingText) : std::nullopt)
                << row.className << " " << stat;
        }
        const ClassHitPointRule rule = db.ClassHitPoints();
        EXPECT_EQ(after.hitPoints[2], after.hitPoints[1] + static_cast<int>(std::ceil(8 * rule.factor)) + 80)
            << row.className;

        // Bought at a level outside 1..5 the abilities add nothing.
        c.doc.RealmAbilitiesNf().Set(row.constitutionAbility, 6);
        c.doc.RealmAbilitiesNf().Set(row.toughness, 6);
        EXPECT_EQ(GatherStatsInput(db, c.doc).toughness, 0) << row.className;
        EXPECT_EQ(c.Model().rows[kCon].withRealmAbilities.value, before.rows[kCon].withRealmAbilities.value)
            << row.className;
    }
}

TEST_F(StatsRulesShipped, ClassHighlightsFollowTheData)
{
    Character knight(*s_english, "Banner Knight", "Human", 30.0f);
    const StatsModel model = knight.Model();
    EXPECT_EQ(model.rows[kStr].base.background, kPrimaryBackground);
    EXPECT_EQ(model.rows[kCon].base.background, kSecondaryBackground);
    EXPECT_EQ(model.rows[kDex].base.background, kTertiaryBackground);
    for (const StatRow& row : model.rows)
        EXPECT_FALSE(row.atLevel.text.has_value());
}

TEST_F(StatsRulesShipped, SpentPointsFromTheDocument)
{
    Character c(*s_english, "Banner Knight", "Human", 50.0f);
    c.doc.AddStatRaise(kStr, 11);
    c.doc.AddStatRaise(kQui, 3);
    const StatsModel model = c.Model();
    EXPECT_EQ(model.freePoints, 30 - 12 - 3);
    EXPECT_EQ(model.rows[kStr].base.value, 71);
    EXPECT_EQ(model.rows[kStr].base.text, kSpentText);
    EXPECT_EQ(model.rows[kStr].atLevel.value, 116);
    EXPECT_FALSE(model.rows[kStr].withRealmAbilities.text.has_value());
    EXPECT_EQ(model.rows[kQui].base.value, 63);
    EXPECT_FALSE(model.rows[kDex].base.text.has_value());
}

TEST_F(StatsRulesShipped, StatDescriptionsExistInBothLanguages)
{
    for (CGameDatabase* db : {s_german.get(), s_english.get()}) {
        for (const std::string_view key : kStatDescriptionKeys)
            EXPECT_FALSE(db->Description(key).empty()) << db->Folder() << " " << key;
    }
}

TEST_F(StatsRulesShipped, AbilityListOfAClassKeepsOrderAndBlanksLateLevels)
{
    Character c(*s_english, "Banner Knight", "Human", 50.0f);
    const ClassAbilityList list = s_english->ClassAbilities();
    const std::vector<AbilityRow> rows = AbilityRows(list);
    ASSERT_EQ(rows.size(), list.names.size());
    ASSERT_FALSE(rows.empty());
    bool sawArmour = false, sawLine = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, list.names[i]);
        EXPECT_EQ(rows[i].level.empty(), list.levels[i] > 50) << list.names[i];
        sawArmour |= rows[i].kind == kAbilityArmour;
        sawLine |= rows[i].kind == kAbilityTrainableLine;
    }
    EXPECT_TRUE(sawArmour);
    EXPECT_TRUE(sawLine);
}

}  // namespace
