#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "database/CRealmAbilityNfTable.h"
#include "database/CRealmAbilityTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;
using Costs = std::array<std::int32_t, 5>;
using Captions = std::array<std::string, 5>;

// One ras.csv line with all 50 fields; class names fill the first slots, the
// rest stay empty.
std::string RasRecord(const std::string& name, const std::string& kind, const std::string& prerequisite = "",
                      const std::vector<std::string>& classes = {"Cleric"}, int reuse = 0,
                      const std::string& costs = "1;3;6;10;14", int prerequisiteLevel = 0)
{
    std::string line = name + ";" + kind + ";" + std::to_string(reuse) + ";" + costs + ";" + prerequisite +
                       ";" + std::to_string(prerequisiteLevel) + ";About " + name;
    for (std::size_t slot = 0; slot < 39; ++slot)
        line += ";" + (slot < classes.size() ? classes[slot] : std::string());
    return line + "\n";
}

struct RasData {
    MiniWorld world;
    CRealmAbilityTable table;
    DbResult result{};

    explicit RasData(const std::string& rasCsv)
    {
        world.folder.Write("ras.csv", rasCsv);
        result = table.LoadRealmAbilities(world.Path(), world.classes);
    }
};

TEST(RealmAbilityTable, ReadsAllFields)
{
    // Class names sit in slots 2 and 39 (the last field); the empty slots are skipped.
    std::vector<std::string> slots(39);
    slots[1] = "cleric";
    slots[38] = "Valkyrie";
    RasData data(RasRecord("Purge", "ACTIVE", "", {}, 900, "5;10;0;0;0") +
                 RasRecord("Toughness", "Passive", "purge", slots, 0, "1;3;6;10;14", 2));
    ASSERT_EQ(data.result, DbResult::Loaded);
    ASSERT_EQ(data.table.Count(), 2);
    EXPECT_EQ(data.table.Name(0), "Purge");
    EXPECT_EQ(data.table.Info(0).kind, kRealmAbilityActive);
    EXPECT_EQ(data.table.Reuse(0), 900);
    EXPECT_EQ(data.table.Costs(0), (Costs{5, 10, 0, 0, 0}));
    EXPECT_EQ(data.table.Description(0), "About Purge");
    EXPECT_TRUE(data.table.Info(0).classes.empty());
    EXPECT_EQ(data.table.Prerequisite(0).name, "");
    EXPECT_EQ(data.table.Prerequisite(0).level, -1);

    EXPECT_EQ(data.table.Info(1).kind, kRealmAbilityPassive);
    EXPECT_EQ(data.table.Info(1).classes, (std::vector<int>{mini::kCleric, mini::kValkyrie}));
    EXPECT_EQ(data.table.Info(1).prerequisite, 0);
    // The prerequisite is named as the record names itself, not as written.
    EXPECT_EQ(data.table.Prerequisite(1).name, "Purge");
    EXPECT_EQ(data.table.Prerequisite(1).level, 2);
}

TEST(RealmAbilityTable, FailuresKeepTheRecordsBefore)
{
    struct Case {
        const char* name;
        std::string secondRecord;
        DbResult result;
    };
    const Case cases[] = {
        {"kind", RasRecord("Zeal", "activ"), DbResult::UnexpectedValue},
        {"empty kind", RasRecord("Zeal", ""), DbResult::UnexpectedValue},
        {"class", RasRecord("Zeal", "active", "", {"Cleric", "Wizard"}), DbResult::UnknownClass},
    };
    for (const Case& c : cases) {
        RasData data(RasRecord("Purge", "active") + c.secondRecord + RasRecord("Haste", "active"));
        EXPECT_EQ(data.result, c.result) << c.name;
        ASSERT_EQ(data.table.Count(), 1) << c.name;
        EXPECT_EQ(data.table.Name(0), "Purge") << c.name;
    }
}

TEST(RealmAbilityTable, PrerequisitesResolveAfterTheWholeFile)
{
    // Forward references resolve; the duplicate name resolves to its first record.
    RasData data(RasRecord("Mastery of Pain", "passive", "wild power") +
                 RasRecord("Wild Power", "passive", "", {"Pyromancer"}) +
                 RasRecord("Wild Power", "passive", "", {"Cleric"}) + RasRecord("Serenity", "passive"));
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.Info(0).prerequisite, 1);
    EXPECT_EQ(data.table.Info(3).prerequisite, -1);
    EXPECT_EQ(data.table.FindByName("WILD POWER"), 1);
    EXPECT_EQ(data.table.FindForClass("wild power", mini::kCleric), 2);
    EXPECT_EQ(data.table.FindForClass("Wild Power", mini::kPyromancer), 1);
    EXPECT_EQ(data.table.FindForClass("Wild Power", mini::kValkyrie), -1);
    EXPECT_EQ(data.table.FindByName("Wild"), -1);
}

TEST(RealmAbilityTable, FirstUnknownPrerequisiteEndsTheResolution)
{
    RasData data(RasRecord("Purge", "active") +
                 RasRecord("Zeal", "active", "Purge", {"Cleric"}, 0, "1;3;6;10;14", 3) +
                 RasRecord("Haste", "active", "Nothing") +
                 RasRecord("Rage", "active", "Purge", {"Cleric"}, 0, "1;3;6;10;14", 1));
    EXPECT_EQ(data.result, DbResult::UnknownRealmAbility);
    ASSERT_EQ(data.table.Count(), 4);
    EXPECT_EQ(data.table.Prerequisite(1).name, "Purge");
    EXPECT_EQ(data.table.Prerequisite(1).level, 3);
    EXPECT_EQ(data.table.Info(2).prerequisite, -1);
    EXPECT_EQ(data.table.Info(3).prerequisite, -1);
    EXPECT_EQ(data.table.Prerequisite(3).name, "");
}

TEST(RealmAbilityTable, ListsForAClassByByteOrder)
{
    RasData data(RasRecord("Zeal", "active", "", {"Cleric"}) + RasRecord("Zeal", "passive", "", {"Cleric"}) +
                 RasRecord("aura", "passive", "", {"Cleric"}) + RasRecord("Nobody", "passive", "", {}) +
                 RasRecord("\xC4ther", "passive", "", {"Cleric"}) +
                 RasRecord("Avoid", "passive", "", {"Pyromancer", "Cleric"}));
    ASSERT_EQ(data.result, DbResult::Loaded);
    const RealmAbilityListing cleric = data.table.ListForClass(mini::kCleric);
    EXPECT_EQ(cleric.names, (Names{"Avoid", "Zeal", "Zeal", "aura", "\xC4ther"}));
    // Of the two equal names the exchange sort puts the later record first here.
    EXPECT_EQ(cleric.kinds, (std::vector<int>{1, 1, 0, 1, 1}));
    EXPECT_EQ(data.table.ListForClass(mini::kPyromancer).names, (Names{"Avoid"}));
    EXPECT_TRUE(data.table.ListForClass(mini::kValkyrie).names.empty());

    const RealmAbilityListing all = data.table.ListAll();
    EXPECT_EQ(all.names, (Names{"Zeal", "Zeal", "aura", "Nobody", "\xC4ther", "Avoid"}));
    EXPECT_EQ(all.kinds, (std::vector<int>{0, 1, 1, 1, 1, 1}));
}

TEST(RealmAbilityTable, MissingFileAndReload)
{
    RasData data(RasRecord("Purge", "active"));
    ASSERT_EQ(data.table.Count(), 1);
    data.world.folder.Remove("ras.csv");
    EXPECT_EQ(data.table.LoadRealmAbilities(data.world.Path(), data.world.classes), DbResult::FileMissing);
    EXPECT_EQ(data.table.Count(), 0);
    EXPECT_EQ(data.table.FindByName("Purge"), -1);
}

// One rasnf.csv line: group;name;abbreviation;kind;description;five fields;classes.
std::string NfRecord(int group, const std::string& name, const std::string& kind, const std::string& fields,
                     const std::string& classes = "Cleric")
{
    return std::to_string(group) + ";" + name + ";" + name.substr(0, 2) + ";" + kind + ";About " + name +
           ";" + fields + ";" + classes + "\n";
}

struct NfData {
    MiniWorld world;
    CRealmAbilityNfTable table;
    DbResult result{};

    explicit NfData(const std::string& rasnfCsv)
    {
        world.folder.Write("rasnf.csv", rasnfCsv);
        result = table.LoadRealmAbilitiesNf(world.Path(), world.classes);
    }
};

TEST(RealmAbilityNfTable, GroupDecidesWhereReuseAndCaptionsStand)
{
    struct Case {
        int group;
        const char* reuse;
        Captions captions;
    };
    const Case cases[] = {
        {0, "", {"f6", "f7", "f8", "f9", "f10"}},
        {1, "f6", {"f7", "f8", "f9", "f10", ""}},
        {2, "f6", {"f7", "f8", "f9", "f10", ""}},
    };
    for (const Case& c : cases) {
        NfData data(NfRecord(c.group, "Purge", "Active", "f6;f7;f8;f9;f10"));
        ASSERT_EQ(data.result, DbResult::Loaded) << c.group;
        ASSERT_EQ(data.table.Count(), 1);
        const RealmAbilityNfSummary info = data.table.Info(0);
        EXPECT_EQ(info.group, c.group);
        EXPECT_EQ(info.reuse, c.reuse) << c.group;
        EXPECT_EQ(info.abbreviation, "Pu");
        EXPECT_EQ(info.kind, kRealmAbilityActive);
        EXPECT_EQ(data.table.Captions(0), c.captions) << c.group;
        EXPECT_EQ(data.table.Description(0), "About Purge");
    }
}

TEST(RealmAbilityNfTable, ClassFieldIsACommaList)
{
    struct Case {
        const char* field;
        DbResult result;
        std::vector<int> classes;
    };
    const Case cases[] = {
        {"Cleric, Pyromancer,  valkyrie,",
         DbResult::Loaded,
         {mini::kCleric, mini::kPyromancer, mini::kValkyrie}},
        {" ,Blademaster,,  ,Cleric ", DbResult::Loaded, {mini::kBlademaster, mini::kCleric}},
        {"", DbResult::Loaded, {}},
        {",", DbResult::Loaded, {}},
        {"Cleric,Wizard", DbResult::UnknownClass, {}},
        {"Cleric Pyromancer", DbResult::UnknownClass, {}},
    };
    for (const Case& c : cases) {
        NfData data(NfRecord(0, "Purge", "passive", "1;2;3;4;5", c.field));
        EXPECT_EQ(data.result, c.result) << c.field;
        if (c.result == DbResult::Loaded) {
            ASSERT_EQ(data.table.Count(), 1) << c.field;
            EXPECT_EQ(data.table.Classes(0), c.classes) << c.field;
        } else {
            EXPECT_EQ(data.table.Count(), 0) << c.field;
        }
    }
}

TEST(RealmAbilityNfTable, FailuresKeepTheRecordsBefore)
{
    NfData badKind(NfRecord(0, "Purge", "active", "a;b;c;d;e") + NfRecord(0, "Zeal", "both", "a;b;c;d;e") +
                   NfRecord(0, "Haste", "active", "a;b;c;d;e"));
    EXPECT_EQ(badKind.result, DbResult::UnexpectedValue);
    EXPECT_EQ(badKind.table.ListAll(), (Names{"Purge"}));

    NfData badClass(NfRecord(0, "Purge", "active", "a;b;c;d;e") +
                    NfRecord(1, "Zeal", "active", "a;b;c;d;e", "Cleric,Nobody"));
    EXPECT_EQ(badClass.result, DbResult::UnknownClass);
    EXPECT_EQ(badClass.table.ListAll(), (Names{"Purge"}));
}

TEST(RealmAbilityNfTable, ValueAtLevelReadsTheCaptionsLeadingNumber)
{
    NfData data(NfRecord(0, "Augmented Strength", "passive", "4;8;12 str;+17%;x20") +
                NfRecord(1, "Purge", "active", "30 min;1;2;3;4") +
                NfRecord(0, "augmented strength", "passive", "99;99;99;99;99"));
    ASSERT_EQ(data.result, DbResult::Loaded);
    struct Case {
        const char* name;
        int level;
        std::int32_t value;
    };
    const Case cases[] = {
        {"Augmented Strength", 1, 4},
        {"AUGMENTED STRENGTH", 3, 12},
        {"Augmented Strength", 4, 17},
        {"Augmented Strength", 5, 0},  // no leading number
        {"Augmented Strength", 0, 0},
        {"Augmented Strength", 6, 0},
        {"Augmented Strength", -1, 0},
        {"Purge", 1, 1},
        {"Purge", 4, 4},
        {"Purge", 5, 0},  // the reuse is no caption
        {"Nothing", 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(data.table.ValueAtLevel(c.name, c.level), c.value) << c.name << " level " << c.level;
}

TEST(RealmAbilityNfTable, ListsAndFinds)
{
    NfData data(NfRecord(0, "Zeal", "active", "1;2;3;4;5", "Cleric,Pyromancer") +
                NfRecord(1, "aura", "active", "r;1;2;3;", "Cleric") +
                NfRecord(0, "Avoid", "passive", "1;2;3;4;5", "Pyromancer") +
                NfRecord(0, "Zeal", "passive", "1;2;3;4;5", "Valkyrie") +
                NfRecord(2, "Lonely", "active", ";;;;", ""));
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.ListForClass(mini::kCleric), (Names{"Zeal", "aura"}));
    EXPECT_EQ(data.table.ListForClass(mini::kPyromancer), (Names{"Avoid", "Zeal"}));
    EXPECT_TRUE(data.table.ListForClass(mini::kBlademaster).empty());
    EXPECT_EQ(data.table.ListAll(), (Names{"Zeal", "aura", "Avoid", "Zeal", "Lonely"}));
    EXPECT_EQ(data.table.FindByName("zeal"), 0);
    EXPECT_EQ(data.table.FindForClass("zeal", mini::kValkyrie), 3);
    EXPECT_EQ(data.table.FindForClass("Avoid", mini::kCleric), -1);
    EXPECT_EQ(data.table.Info(4).group, 2);
    EXPECT_EQ(data.table.Captions(4), Captions{});
}

TEST(RealmAbilityNfTable, MissingFileAndReload)
{
    NfData data(NfRecord(0, "Purge", "active", "1;2;3;4;5"));
    ASSERT_EQ(data.table.Count(), 1);
    data.world.folder.Remove("rasnf.csv");
    EXPECT_EQ(data.table.LoadRealmAbilitiesNf(data.world.Path(), data.world.classes), DbResult::FileMissing);
    EXPECT_EQ(data.table.Count(), 0);
    EXPECT_EQ(data.table.ValueAtLevel("Purge", 1), 0);
}

TEST(RealmAbilityTables, MalformedFilesLoadWithoutHarm)
{
    using namespace std::string_literals;
    const std::string inputs[] = {
        "",
        ";;;;;;;;;;;;;;\n;;;\n",
        "\"Purge;active\n",
        "Purge;active;-2147483648;99999999999999999999;x;;;;Purge;-1;d;Cleric,,Cleric\n",
        "2147483647;Purge;P;passive;d;1;2;3;4;5;,,,\n-7;Zeal;Z;active;d;a;b;c;d;e;Cleric\n",
        "Purge\0;active\0;\0\n"s,
        "\xFF\xFE;\x80;\"\";\"\"\"\n",
        std::string(5000, ';') + "\n" + std::string(3000, 'x'),
    };
    for (const std::string& bytes : inputs) {
        MiniWorld world;
        world.folder.Write("ras.csv", bytes);
        world.folder.Write("rasnf.csv", bytes);
        CRealmAbilityTable old;
        CRealmAbilityNfTable nf;
        const int oldCode = static_cast<int>(old.LoadRealmAbilities(world.Path(), world.classes));
        const int nfCode = static_cast<int>(nf.LoadRealmAbilitiesNf(world.Path(), world.classes));
        EXPECT_TRUE(oldCode == 0 || oldCode == 3 || oldCode == 8 || oldCode == 9) << oldCode;
        EXPECT_TRUE(nfCode == 0 || nfCode == 3 || nfCode == 8) << nfCode;
        for (int i = 0; i < old.Count(); ++i) {
            EXPECT_LT(old.Info(i).prerequisite, old.Count());
            old.Prerequisite(i);
        }
        old.ListForClass(mini::kCleric);
        for (int i = 0; i < nf.Count(); ++i) {
            for (int level = 0; level <= 6; ++level)
                nf.ValueAtLevel(nf.Name(i), level);
        }
    }
}

}  // namespace
