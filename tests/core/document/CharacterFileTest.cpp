#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "document/CharacterFileImage.h"
#include "document/GameContent.h"
#include "support/ShippedDatabases.h"
#include "support/RecordingPrompt.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

// Every stored field of a document, to compare two documents in one go.
struct DocumentFields {
    std::string realm, race, className;
    float level = 0;
    std::array<std::int32_t, kStatCount> raises{};
    int realmRank = 0, extraPoints = 0, careerMode = 0, masterOption = 0, masterLevel = 0;
    CNamedValueList options, autoTrain, realmAbilities, realmAbilitiesNf;
    std::vector<CNamedValueList> plan;
    std::vector<bool> respec;  // only on slots with plan entries, the only ones a file keeps

    bool operator==(const DocumentFields&) const = default;
};

DocumentFields FieldsOf(const CQuillmarDoc& doc)
{
    DocumentFields fields{doc.GetRealm(),
                          doc.GetRace(),
                          doc.GetClass(),
                          doc.GetLevel(),
                          doc.GetStatRaises(),
                          doc.GetRealmRank(),
                          doc.GetExtraSpecPoints(),
                          doc.IsCareerMode(),
                          doc.GetMasterLevelOption(),
                          doc.GetMasterLevel(),
                          doc.Options(),
                          doc.AutoTrainMasks(),
                          doc.RealmAbilities(),
                          doc.RealmAbilitiesNf(),
                          {},
                          {}};
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot) {
        fields.plan.push_back(doc.SpecPlan(slot));
        fields.respec.push_back(!doc.SpecPlan(slot).IsEmpty() && doc.IsRespecAt(slot));
    }
    return fields;
}

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes).ok) << path;
    return bytes;
}

class CharacterFile : public ShippedDatabases {
protected:
    static CGameDatabase& English() { return *s_english; }
    static CGameDatabase& German() { return *s_german; }

    std::unique_ptr<CQuillmarDoc> NewDoc(CGameDatabase& database)
    {
        return std::make_unique<CQuillmarDoc>(database, m_settings);
    }

    // A career character of a class with spell lines, style lines and an
    // auto-train line, with something in every section of the file.
    std::unique_ptr<CQuillmarDoc> FullCharacter(CGameDatabase& database)
    {
        auto doc = NewDoc(database);
        const CClassTable& classes = database.Classes();
        int chosen = -1;
        for (int i = 0; i < classes.Count() && chosen < 0; ++i) {
            if (!classes.SpellLines(i).empty() && !classes.StyleLines(i).empty() &&
                !database.RealmAbilities().ListForClass(i).names.empty() &&
                !database.RealmAbilitiesNf().ListForClass(i).empty())
                chosen = i;
        }
        EXPECT_GE(chosen, 0);
        database.SelectClass(classes.Name(chosen));
        doc->SetRealm(database.RealmNameOfSelection());
        doc->SetClass(classes.Name(chosen));
        doc->SetRace(database.RaceNames().front());
        doc->SetOption(doc_option::CoopMode, 1);
        doc->SetCareerMode(1);
        doc->SetLevel(42.5f);
        doc->SetRealmRank(57);
        doc->SetExtraSpecPoints(9);
        doc->AddStatRaise(0, 10);
        doc->AddStatRaise(7, 3);
        const std::vector<std::string> lines = doc->SkillLines();
        for (int slot = 10; slot <= 60; slot += 5) {
            doc->SetLevel(level_slot::LevelOfSlot(slot));
            for (std::size_t i = 0; i < lines.size(); ++i)
                doc->SetSpecLevel(lines[i], slot / 3 + static_cast<int>(i));
        }
        doc->SetRespecAt(level_slot::LevelOfSlot(30), true);
        doc->SetAutoTrain(lines.front(), 0x1F);
        doc->SetAutoTrain(lines.back(), 0x3);
        doc->SetRealmAbility(database.RealmAbilities().ListForClass(chosen).names.front(), 2);
        doc->SetRealmAbilityNf(database.RealmAbilitiesNf().ListForClass(chosen).front(), 3);
        doc->SetMasterLevelOption(1);
        doc->SetMasterLevel(7);
        doc->SetLevel(42.5f);
        return doc;
    }

    CharacterLoadResult LoadBytes(CQuillmarDoc& doc, const std::string& bytes)
    {
        return LoadCharacterBytes(doc, bytes, "hero.chr", &m_prompt, UiLanguage::English);
    }

    std::vector<std::string> PromptTexts() const
    {
        std::vector<std::string> texts;
        for (const PromptMessage& message : m_prompt.messages)
            texts.push_back(message.caption + "|" + message.text);
        return texts;
    }

    CAppSettings m_settings;
    RecordingPrompt m_prompt{PromptAnswer::Ok};
    TempDataFolder m_folder;
};

// Builds a file of any layout version field by field, as that version wrote it.
class OldFile {
public:
    explicit OldFile(std::uint32_t version) : m_version(version)
    {
        m_out.WriteBytes("CHAR");
        m_out.WriteU32(version);
    }

    // Options, level, stats, rank, extra points, realm, race and class.
    OldFile& Header(std::int32_t realm, std::int32_t race, std::int32_t classPosition, float level = 50.0f)
    {
        m_out.WriteU8(0);
        m_out.WriteF32(level);
        for (int i = 0; i < kStatCount; ++i)
            m_out.WriteI32(i);
        m_out.WriteI32(12);
        if (m_version >= chr::kExtraPointsSince)
            m_out.WriteI32(4);
        m_out.WriteI32(realm);
        m_out.WriteI32(race);
        m_out.WriteI32(classPosition);
        return *this;
    }

    // Slot 60 holds the given (spell line, style line, level) entries, all others none.
    OldFile& Plan(const std::vector<std::array<std::int32_t, 3>>& slot60)
    {
        for (int slot = 0; slot < chr::kSlotCount; ++slot) {
            if (slot < 60) {
                m_out.WriteI32(0);
                continue;
            }
            m_out.WriteI32(static_cast<std::int32_t>(slot60.size()));
            for (const auto& [spell, style, level] : slot60) {
                m_out.WriteI32(spell);
                m_out.WriteI32(style);
                m_out.WriteI32(level);
                if (m_version >= chr::kRespecFlagsSince)
                    m_out.WriteU8(0);
            }
        }
        return *this;
    }

    OldFile& Sections(const std::vector<std::array<std::int32_t, 3>>& autoTrain = {},
                      const std::vector<std::array<std::int32_t, 2>>& abilities = {},
                      const std::vector<std::array<std::int32_t, 2>>& abilitiesNf = {})
    {
        m_out.WriteI32(static_cast<std::int32_t>(autoTrain.size()));
        for (const auto& [spell, style, mask] : autoTrain) {
            m_out.WriteI32(spell);
            m_out.WriteI32(style);
            m_out.WriteI32(mask);
        }
        m_out.WriteI32(static_cast<std::int32_t>(abilities.size()));
        for (const auto& [ability, level] : abilities) {
            m_out.WriteI32(ability);
            m_out.WriteI32(level);
        }
        if (m_version >= chr::kNewRulesAbilitiesSince) {
            m_out.WriteI32(static_cast<std::int32_t>(abilitiesNf.size()));
            for (const auto& [ability, level] : abilitiesNf) {
                m_out.WriteI32(ability);
                m_out.WriteI32(level);
            }
        }
        if (m_version > chr::kMasterLevelsAfter) {
            m_out.WriteI32(1);
            m_out.WriteI32(5);
        }
        return *this;
    }

    std::string Bytes() const { return m_out.Bytes(); }

private:
    std::uint32_t m_version;
    CByteWriter m_out;
};

// Inverse of the old class renumbering: the position an old file used for a class.
std::int32_t OldClassPosition(std::int32_t current)
{
    for (std::int32_t old = 0; old <= current; ++old) {
        std::int32_t converted = old > 13 ? old + 1 : old;
        converted = converted > 28 ? converted + 2 : converted;
        if (converted == current)
            return old;
    }
    return -100;
}

// Saving and loading the current layout ----------------------------------------------

TEST_F(CharacterFile, SaveThenLoadGivesTheSameCharacterAndTheSameBytes)
{
    auto saved = FullCharacter(English());
    const auto path = (m_folder.Path() / "hero.chr").string();
    ASSERT_TRUE(SaveCharacterFile(*saved, path, UiLanguage::English).ok);
    EXPECT_FALSE(saved->IsModified());
    EXPECT_TRUE(saved->IsBoundToFile());

    auto loaded = NewDoc(English());
    const CharacterLoadResult result = LoadCharacterFile(*loaded, path, &m_prompt, UiLanguage::English);
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_TRUE(m_prompt.messages.empty());
    EXPECT_EQ(FieldsOf(*loaded), FieldsOf(*saved));
    EXPECT_EQ(loaded->GetLevel(), 42.5f);
    EXPECT_EQ(loaded->CurrentSlot(), 45);
    EXPECT_FALSE(loaded->IsModified());
    EXPECT_TRUE(loaded->IsBoundToFile());
    // The career plan is not stored but rebuilt.
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
        EXPECT_EQ(loaded->SpecResult(slot), saved->SpecResult(slot)) << slot;

    std::string again;
    ASSERT_TRUE(CharacterFileBytes(*loaded, again, UiLanguage::English).ok);
    EXPECT_EQ(again, Contents(path));
}

TEST_F(CharacterFile, StartsWithMagicVersionAndTheOptionBlock)
{
    auto doc = NewDoc(English());
    doc->SetCareerMode(1);
    std::string bytes;
    ASSERT_TRUE(CharacterFileBytes(*doc, bytes, UiLanguage::English).ok);
    const std::string expected = std::string("CHAR\x00\x60\x00\x02\x01\x01\x00\x00\x00\x0A\x00\x00\x00", 17) +
                                 "CarrerMode";
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
}

// The file stores numbers, so the other data language reads the same records.
TEST_F(CharacterFile, FileWrittenWithGermanDataLoadsWithEnglishData)
{
    auto german = FullCharacter(German());
    std::string bytes;
    ASSERT_TRUE(CharacterFileBytes(*german, bytes, UiLanguage::German).ok);
    auto english = NewDoc(English());
    ASSERT_TRUE(LoadBytes(*english, bytes).Ok());

    const int classIndex = German().Classes().FindByName(german->GetClass());
    EXPECT_EQ(english->GetClass(), English().Classes().Name(classIndex));
    EXPECT_EQ(english->GetRace(), English().Races().Name(German().Races().FindByName(german->GetRace())));
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot) {
        const CNamedValueList& de = german->SpecPlan(slot);
        const CNamedValueList& en = english->SpecPlan(slot);
        ASSERT_EQ(de.Count(), en.Count()) << slot;
        for (int i = 0; i < de.Count(); ++i)
            EXPECT_EQ(de.At(i).value, en.At(i).value);
    }
    EXPECT_EQ(english->RealmAbilities().Count(), 1);
    EXPECT_EQ(english->RealmAbilitiesNf().Count(), 1);
    // And back: the English document writes the German file's bytes.
    std::string back;
    ASSERT_TRUE(CharacterFileBytes(*english, back, UiLanguage::English).ok);
    EXPECT_EQ(back, bytes);
}

// Old layouts ---------------------------------------------------------------------

TEST_F(CharacterFile, OldClassPositionsAreRenumbered)
{
    struct Case {
        std::int32_t stored;
        std::int32_t current;
    };
    for (const Case c : {Case{13, 13}, Case{14, 15}, Case{28, 31}, Case{0, 0}, Case{20, 21}}) {
        auto doc = NewDoc(English());
        const std::string bytes = OldFile(0x02004000).Header(0, 0, c.stored).Plan({}).Sections().Bytes();
        ASSERT_TRUE(LoadBytes(*doc, bytes).Ok()) << c.stored;
        EXPECT_EQ(doc->GetClass(), English().Classes().Name(c.current)) << c.stored;
    }
    // From the current numbering on, positions are taken as they are.
    auto doc = NewDoc(English());
    ASSERT_TRUE(LoadBytes(*doc, OldFile(0x02005000).Header(0, 0, 14).Plan({}).Sections().Bytes()).Ok());
    EXPECT_EQ(doc->GetClass(), English().Classes().Name(14));
}

TEST_F(CharacterFile, OldSpellLinePositionsAreRenumberedAndExchangedForTheTwoClassGroups)
{
    const CSpellLineTable& lines = English().SpellLines();
    const std::int32_t plainClass = OldClassPosition(0);
    const std::int32_t swap39Class =
        OldClassPosition(English().Classes().FindByName(game_content::kSpellLineSwap34And39Class.english));
    const std::int32_t swap35Class =
        OldClassPosition(English().Classes().FindByName(game_content::kSpellLineSwap34And35Class.english));
    struct Case {
        std::int32_t storedClass;
        std::int32_t storedPosition;
        int currentPosition;
    };
    const Case cases[] = {
        {plainClass, 5, 5},     {plainClass, 26, 26},  {plainClass, 27, 29},  {plainClass, 46, 48},
        {plainClass, 47, 55},   {plainClass, 50, 58},  {plainClass, 32, 34},  {swap39Class, 32, 39},
        {swap39Class, 37, 34},  {swap39Class, 33, 35}, {swap35Class, 32, 35}, {swap35Class, 33, 34},
        {swap35Class, 37, 39},
    };
    for (const Case& c : cases) {
        auto doc = NewDoc(English());
        const std::string bytes =
            OldFile(0x02004000).Header(0, 0, c.storedClass).Plan({{c.storedPosition, -1, 12}}).Sections().Bytes();
        const CharacterLoadResult result = LoadBytes(*doc, bytes);
        ASSERT_TRUE(result.Ok()) << result.error;
        EXPECT_EQ(doc->SpecPlan(60).Get(lines.Name(c.currentPosition)), 12)
            << "class " << c.storedClass << " position " << c.storedPosition;
    }
}

TEST_F(CharacterFile, VersionTwoOneFileShiftsStylesCorrectsRacesWarnsAndIsModified)
{
    const CClassTable& classes = English().Classes();
    const auto& correction = game_content::kOldFileRaceCorrections[0];
    const int classIndex = classes.FindByName(correction.className.english);
    const int oldRace = English().Races().FindByName(correction.oldRace.english);
    ASSERT_GE(classIndex, 0);
    ASSERT_GE(oldRace, 0);
    const std::string bytes = OldFile(0x02001000)
                                  .Header(1, oldRace, OldClassPosition(classIndex))
                                  .Plan({{-1, 5, 8}, {-1, 6, 9}})
                                  .Sections({{-1, 7, 0x3}})
                                  .Bytes();
    auto doc = NewDoc(English());
    const CharacterLoadResult result = LoadBytes(*doc, bytes);
    ASSERT_TRUE(result.Ok()) << result.error;

    const CStyleLineTable& styles = English().StyleLines();
    EXPECT_EQ(doc->SpecPlan(60).Get(styles.Name(5)), 8);
    EXPECT_EQ(doc->SpecPlan(60).Get(styles.Name(7)), 9);
    EXPECT_EQ(doc->AutoTrainMasks().Get(styles.Name(8)), 0x3);
    EXPECT_EQ(doc->GetRace(), std::string(correction.newRace.english));
    EXPECT_EQ(doc->GetExtraSpecPoints(), 0);
    EXPECT_EQ(doc->GetMasterLevel(), 0);
    EXPECT_TRUE(doc->RealmAbilitiesNf().IsEmpty());
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Warning|" +
                                                      std::string(FileVersionText(FileVersionMessage::FromOlderVersion,
                                                                         UiLanguage::English))});
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->IsBoundToFile());
}

TEST_F(CharacterFile, EveryOldVersionLoadsWithItsOwnSections)
{
    struct Case {
        std::uint32_t version;
        int extraPoints;
        int masterLevel;
        int abilitiesNf;
        bool warned;
    };
    const Case cases[] = {
        {0x02000000, 0, 0, 0, true},  {0x02001000, 0, 0, 0, true},  {0x02002000, 0, 5, 0, false},
        {0x02003000, 4, 5, 0, false}, {0x02004000, 4, 5, 1, false}, {0x02005000, 4, 5, 1, false},
        {0x02006000, 4, 5, 1, false},
    };
    for (const Case& c : cases) {
        m_prompt.messages.clear();
        auto doc = NewDoc(English());
        const std::string bytes =
            OldFile(c.version).Header(2, 1, 0, 33.0f).Plan({{-1, 0, 4}}).Sections({}, {{0, 1}}, {{0, 2}}).Bytes();
        const CharacterLoadResult result = LoadBytes(*doc, bytes);
        ASSERT_TRUE(result.Ok()) << std::hex << c.version << ": " << result.error;
        EXPECT_EQ(doc->GetExtraSpecPoints(), c.extraPoints) << std::hex << c.version;
        EXPECT_EQ(doc->GetMasterLevel(), c.masterLevel) << std::hex << c.version;
        EXPECT_EQ(doc->RealmAbilitiesNf().Count(), c.abilitiesNf) << std::hex << c.version;
        EXPECT_EQ(doc->GetRealm(), RealmName(2));
        EXPECT_EQ(doc->GetLevel(), 33.0f);
        EXPECT_EQ(doc->GetStatRaises()[7], 7);
        EXPECT_EQ(m_prompt.messages.size(), c.warned ? 1u : 0u) << std::hex << c.version;
        EXPECT_EQ(doc->IsModified(), c.warned) << std::hex << c.version;
    }
}

TEST_F(CharacterFile, NewerVersionAsksAndLoadsOnlyOnOk)
{
    const std::string bytes = OldFile(0x02007000).Header(0, 0, 0).Plan({}).Sections().Bytes();
    const std::string expected =
        "Error|" + std::string(FileVersionText(FileVersionMessage::FromNewerVersion, UiLanguage::English));

    auto doc = NewDoc(English());
    ASSERT_TRUE(LoadBytes(*doc, bytes).Ok());
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{expected});
    EXPECT_EQ(m_prompt.messages[0].buttons, PromptButtons::OkCancel);

    RecordingPrompt cancel(PromptAnswer::Cancel);
    auto untouched = NewDoc(English());
    const CharacterLoadResult result = LoadCharacterBytes(*untouched, bytes, "hero.chr", &cancel, UiLanguage::English);
    EXPECT_EQ(result.status, CharacterLoadStatus::Cancelled);
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(cancel.messages.size(), 1u);
    EXPECT_FALSE(untouched->IsBoundToFile());
}

TEST_F(CharacterFile, TooOldAndForeignFiles)
{
    auto doc = NewDoc(English());
    const CharacterLoadResult old = LoadBytes(*doc, OldFile(0x01FFFFFF).Bytes());
    EXPECT_EQ(old.status, CharacterLoadStatus::TooOld);
    ASSERT_EQ(m_prompt.messages.size(), 1u);
    EXPECT_EQ(m_prompt.messages[0].caption, "Error");
    EXPECT_EQ(m_prompt.messages[0].text, FileVersionText(FileVersionMessage::TooOld, UiLanguage::English));

    m_prompt.messages.clear();
    const CharacterLoadResult foreign = LoadBytes(*doc, "PNG\x89 not a character");
    EXPECT_EQ(foreign.status, CharacterLoadStatus::NotACharacterFile);
    EXPECT_NE(foreign.error.find("hero.chr"), std::string::npos);
    EXPECT_TRUE(m_prompt.messages.empty());
}

TEST_F(CharacterFile, StoredMinusOneEntriesFollowTheirRules)
{
    auto doc = NewDoc(English());
    const std::string bytes =
        OldFile(0x02006000).Header(7, 0, 0).Plan({}).Sections({}, {{-1, 2}, {0, 1}}, {{-1, 3}, {0, 4}}).Bytes();
    ASSERT_TRUE(LoadBytes(*doc, bytes).Ok());
    EXPECT_EQ(doc->GetRealm(), "");  // an unknown realm number
    EXPECT_EQ(doc->RealmAbilities().Count(), 2);
    EXPECT_EQ(doc->RealmAbilities().Get(""), 2);
    EXPECT_EQ(doc->RealmAbilitiesNf().Count(), 1);
    EXPECT_EQ(doc->RealmAbilitiesNf().Get(English().RealmAbilitiesNf().Name(0)), 4);
}

// Damaged files ---------------------------------------------------------------------

TEST_F(CharacterFile, NumbersThatNameNoRecordFailTheLoadAndChangeNothing)
{
    const int races = English().Races().Count();
    const int classes = English().Classes().Count();
    struct Case {
        const char* what;
        std::string bytes;
        const char* named;
    };
    const Case cases[] = {
        {"race", OldFile(0x02006000).Header(0, races, 0).Plan({}).Sections().Bytes(), "race number"},
        {"class", OldFile(0x02006000).Header(0, 0, classes).Plan({}).Sections().Bytes(), "class number"},
        {"spell-line id", OldFile(0x02006000).Header(0, 0, 0).Plan({{999999, -1, 3}}).Sections().Bytes(),
         "spell line number 999999"},
        {"style line", OldFile(0x02006000).Header(0, 0, 0).Plan({{-1, -7, 3}}).Sections().Bytes(),
         "style line number -7"},
        {"auto-train spell line", OldFile(0x02006000).Header(0, 0, 0).Plan({}).Sections({{5000, -1, 1}}).Bytes(),
         "spell line number 5000"},
        {"realm ability", OldFile(0x02006000).Header(0, 0, 0).Plan({}).Sections({}, {{9999, 1}}).Bytes(),
         "realm ability number 9999"},
        {"new realm ability", OldFile(0x02006000).Header(0, 0, 0).Plan({}).Sections({}, {}, {{-2, 1}}).Bytes(),
         "new realm ability number -2"},
    };
    for (const Case& c : cases) {
        auto doc = FullCharacter(English());
        const DocumentFields before = FieldsOf(*doc);
        const bool modifiedBefore = doc->IsModified();
        const CharacterLoadResult result = LoadBytes(*doc, c.bytes);
        EXPECT_EQ(result.status, CharacterLoadStatus::Damaged) << c.what;
        EXPECT_NE(result.error.find("hero.chr"), std::string::npos) << result.error;
        EXPECT_NE(result.error.find(c.named), std::string::npos) << result.error;
        EXPECT_EQ(FieldsOf(*doc), before) << c.what;
        EXPECT_EQ(doc->IsModified(), modifiedBefore) << c.what;
    }
}

TEST_F(CharacterFile, EveryTruncationFailsCleanly)
{
    auto full = FullCharacter(English());
    std::string bytes;
    ASSERT_TRUE(CharacterFileBytes(*full, bytes, UiLanguage::English).ok);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        auto doc = NewDoc(English());
        const CharacterLoadResult result = LoadBytes(*doc, bytes.substr(0, length));
        EXPECT_FALSE(result.Ok()) << length;
        EXPECT_FALSE(result.error.empty()) << length;
        EXPECT_FALSE(doc->IsBoundToFile()) << length;
    }
}

TEST_F(CharacterFile, GermanErrorTexts)
{
    auto doc = NewDoc(German());
    const std::string bytes = OldFile(0x02006000).Header(0, 9999, 0).Plan({}).Sections().Bytes();
    const CharacterLoadResult result = LoadCharacterBytes(*doc, bytes, "held.chr", &m_prompt, UiLanguage::German);
    EXPECT_EQ(result.error, "\"held.chr\" kann nicht geladen werden: Rasse Nummer 9999 (race) gibt es in den "
                            "Spieldaten nicht.");
}

// Saving that cannot write ---------------------------------------------------------------

TEST_F(CharacterFile, FailedSavesKeepTheOldFileAndTheDocumentModified)
{
    const auto path = m_folder.Path() / "hero.chr";
    auto first = FullCharacter(English());
    ASSERT_TRUE(SaveCharacterFile(*first, path.string(), UiLanguage::English).ok);
    const std::string oldBytes = Contents(path);

    auto doc = FullCharacter(English());
    doc->SetMasterLevel(9);
    ASSERT_TRUE(doc->IsModified());

    const CharacterSaveResult missing =
        SaveCharacterFile(*doc, (m_folder.Path() / "gone" / "hero.chr").string(), UiLanguage::English);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("gone/hero.chr"), std::string::npos) << missing.error;

    CharacterSaveResult full;
    {
        const FileSizeLimit limit(64);
        full = SaveCharacterFile(*doc, path.string(), UiLanguage::English);
    }
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(Contents(path), oldBytes);

    ::chmod(m_folder.Path().c_str(), 0555);
    const std::optional<bool> readOnly = RunUnprivileged(
        [&] { return SaveCharacterFile(*doc, path.string(), UiLanguage::English).ok; });
    ::chmod(m_folder.Path().c_str(), 0700);
    ASSERT_TRUE(readOnly.has_value()) << "the test could not give up root's privileges";
    EXPECT_FALSE(*readOnly);
    EXPECT_EQ(Contents(path), oldBytes);

    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->IsBoundToFile());
}

TEST_F(CharacterFile, MoreOptionsThanTheCountByteHoldsAreRefused)
{
    const auto path = m_folder.Path() / "hero.chr";
    auto doc = FullCharacter(English());
    ASSERT_TRUE(SaveCharacterFile(*doc, path.string(), UiLanguage::English).ok);
    const std::string oldBytes = Contents(path);
    for (int i = 0; doc->Options().Count() < 256; ++i)
        doc->SetOption("Option" + std::to_string(i), 1);

    const CharacterSaveResult result = SaveCharacterFile(*doc, path.string(), UiLanguage::English);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("255"), std::string::npos) << result.error;
    EXPECT_EQ(Contents(path), oldBytes);
}

}  // namespace
