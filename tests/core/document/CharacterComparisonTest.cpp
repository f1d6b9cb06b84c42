#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterComparison.h"
#include "support/ShippedDatabases.h"

namespace {

class CharacterComparison : public ShippedDatabases {};

std::map<std::string, ComparedField> Differing(const std::vector<ComparedField>& fields)
{
    std::map<std::string, ComparedField> differing;
    for (const ComparedField& field : fields)
        if (field.differs)
            differing[field.name] = field;
    return differing;
}

// Alike characters differ nowhere; each change shows in its own field with a
// signed delta, a value only one side has counts as 0 on the other, and the
// database's selection stays.
TEST_F(CharacterComparison, EachChangeShowsWithItsSignedDelta)
{
    CGameDatabase& db = *s_english;
    CAppSettings settings;
    CQuillmarDoc a(db, settings), b(db, settings);
    for (CQuillmarDoc* doc : {&a, &b}) {
        doc->New();
        doc->SetClass(db.Classes().Name(5));
        doc->SetLevel(30.0f);
    }
    a.ActivateSelection();
    const DatabaseSelection before = db.Selection();
    EXPECT_TRUE(Differing(CompareCharacters(db, a, b)).empty());

    b.SetLevel(32.5f);
    b.AddStatRaise(0, 3);
    const std::string ability = db.RealmAbilitiesNf().Name(0);
    a.SetRealmAbilityNf(ability, 2);
    b.SetMasterLevel(4);
    const std::map<std::string, ComparedField> differing = Differing(CompareCharacters(db, a, b));
    EXPECT_EQ(db.Selection(), before);
    ASSERT_EQ(differing.count("Level"), 1u);
    EXPECT_EQ(differing.at("Level").a, "30");
    EXPECT_EQ(differing.at("Level").b, "32.5");
    EXPECT_FALSE(differing.at("Level").delta.has_value());
    ASSERT_EQ(differing.count("RA NF " + ability), 1u);
    EXPECT_EQ(differing.at("RA NF " + ability).delta, -2);
    EXPECT_EQ(differing.at("Master level").delta, 4);
    EXPECT_EQ(DeltaText(differing.at("Master level").delta), "+4");
    EXPECT_EQ(DeltaText(-2), "-2");
    EXPECT_EQ(DeltaText(0), "0");
    EXPECT_EQ(DeltaText(std::nullopt), "");
    EXPECT_EQ(differing.count("Realm"), 0u);
    EXPECT_GT(differing.count("Skill points earned"), 0u);
}

}  // namespace
