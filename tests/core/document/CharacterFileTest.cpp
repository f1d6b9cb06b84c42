#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "document/CharacterFileImage.h"
#include "support/RecordingPrompt.h"
#include "support/ShippedDatabases.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

// Offsets in the committed files of the current layout (one option, "CarrerMode").
constexpr std::size_t kRankAt = 63, kRealmAt = 71, kRaceAt = 75, kClassAt = 79, kSlot0At = 83;
constexpr std::size_t kSlot20StyleAt = kSlot0At + 20 * 4 + 4 + 4;
// Counted from the end: auto-train (1 entry), realm abilities (2), new ones (1), master levels.
constexpr std::size_t kAutoTrainCountFromEnd = 56, kAbilityFromEnd = 36, kAbilityNfFromEnd = 16;
// In v2000, of the oldest layout: the style line of the plan of slot 20 and of auto-train (from the end).
constexpr std::size_t kOldSlot20StyleAt = 167, kOldAutoTrainStyleFromEnd = 28;

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes, file_limits::kCharacterFile).ok) << path;
    return bytes;
}

std::string GoldenPath(const std::string& name)
{
    return (std::filesystem::path(QUILLMAR_TEST_DATA) / "chr" / (name + ".chr")).string();
}

std::string Golden(const std::string& name)
{
    return Contents(GoldenPath(name));
}

std::string Patched(std::string bytes, std::size_t offset, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] =
            static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

// What a file keeps of a document, and the career plan computed from it.
struct DocumentFields {
    std::string bytes;
    std::vector<CNamedValueList> result;

    bool operator==(const DocumentFields&) const = default;
};

DocumentFields FieldsOf(const CQuillmarDoc& doc)
{
    DocumentFields fields;
    EXPECT_TRUE(CharacterFileBytes(doc, fields.bytes, UiLanguage::English).ok);
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
        fields.result.push_back(doc.SpecResult(slot));
    return fields;
}

class CharacterFile : public ShippedDatabases {
protected:
    std::unique_ptr<CQuillmarDoc> NewDoc(CGameDatabase* database = nullptr)
    {
        auto doc = std::make_unique<CQuillmarDoc>(database ? *database : *s_english, m_settings);
        doc->New();
        return doc;
    }
    CharacterLoadResult Load(CQuillmarDoc& doc, const std::string& bytes, CPrompt* prompt = nullptr)
    {
        return LoadCharacterBytes(doc, bytes, "hero.chr", prompt ? prompt : &m_prompt, UiLanguage::English);
    }

    CAppSettings m_settings;
    RecordingPrompt m_prompt{PromptAnswer::Ok};
    TempDataFolder m_folder;
};

// Every layout version loads, asks only about a newer one, and saves in the
// current layout as a file that loads back to the same character. The version
// read, the message texts and the saved bytes are in the golden files.
TEST_F(CharacterFile, CommittedFilesLoadAndRoundTrip)
{
    struct Case {
        const char* name;
        const char* caption;  // of the one message shown, or none
        bool modified;
    };
    for (const Case& c :
         {Case{"v2000", "Warning", true}, Case{"v2001", "Warning", true}, Case{"v2002", nullptr, false},
          Case{"v2003", nullptr, false}, Case{"v2004", nullptr, false}, Case{"v2005", nullptr, false},
          Case{"v2006", nullptr, false}, Case{"v2007", "Error", false}}) {
        SCOPED_TRACE(c.name);
        m_prompt.messages.clear();
        auto doc = NewDoc();
        const CharacterLoadResult result =
            LoadCharacterFile(*doc, GoldenPath(c.name), &m_prompt, UiLanguage::English);
        ASSERT_TRUE(result.Ok()) << result.error;
        EXPECT_EQ(doc->IsModified(), c.modified);
        EXPECT_TRUE(doc->IsBoundToFile());
        ASSERT_EQ(m_prompt.messages.size(), c.caption ? 1u : 0u);
        if (c.caption) {
            const PromptMessage& shown = m_prompt.messages[0];
            EXPECT_EQ(shown.caption, c.caption);
            EXPECT_EQ(shown.icon, PromptIcon::Warning);
            EXPECT_EQ(shown.buttons, c.modified ? PromptButtons::Ok : PromptButtons::OkCancel);
        }
        auto again = NewDoc();
        ASSERT_TRUE(Load(*again, FieldsOf(*doc).bytes).Ok());
        EXPECT_EQ(FieldsOf(*again), FieldsOf(*doc));
    }
}

// A file that does not load leaves the document as it was and says why.
TEST_F(CharacterFile, BrokenLayoutsFailWithTheirReason)
{
    const std::string good = Golden("v2006");
    const std::string header = good.substr(0, 8);
    const std::string ended = "Cannot load \"hero.chr\": the file ends early (in the section ";
    const std::string impossible = "Cannot load \"hero.chr\": the section ";
    struct Case {
        std::string bytes;
        CharacterLoadStatus status;
        std::string error;
    };
    const Case cases[] = {
        {"", CharacterLoadStatus::NotACharacterFile, "Cannot load \"hero.chr\": it is not a character file."},
        {"char" + good.substr(4), CharacterLoadStatus::NotACharacterFile,
         "Cannot load \"hero.chr\": it is not a character file."},
        {good.substr(0, 7), CharacterLoadStatus::Damaged, ended + "\"version\", byte 4)."},
        {Patched(good, 4, 0x01FFFFFF), CharacterLoadStatus::TooOld,
         "Cannot load \"hero.chr\": This file was created by a realy old program version.\nIt's not possible "
         "to load it.."},  // sic: the reason ends in its own full stop
        // A newer file the user does not agree to load, or nobody is asked about.
        {Golden("v2007"), CharacterLoadStatus::Cancelled, ""},
        {header + "\xFF" + good.substr(9), CharacterLoadStatus::Damaged,
         impossible + "\"options\" gives an impossible count (byte 8)."},
        // One option in exactly its smallest size, then nothing.
        {header + "\x01" + std::string(8, '\0'), CharacterLoadStatus::Damaged,
         ended + "\"level\", byte 17)."},
        {Patched(good, 13, 0x7FFFFFFF), CharacterLoadStatus::Damaged, ended + "\"options\", byte 17)."},
        {Patched(good, kSlot0At, -1), CharacterLoadStatus::Damaged,
         impossible + "\"plan of slot 0\" gives an impossible count (byte 87)."},
        {Patched(good, kSlot0At, 0x7FFFFFFF), CharacterLoadStatus::Damaged,
         impossible + "\"plan of slot 0\" gives an impossible count (byte 87)."},
        // A plan entry that ends the file exactly.
        {Patched(good.substr(0, kSlot0At + 4 + 13), kSlot0At, 1), CharacterLoadStatus::Damaged,
         ended + "\"plan of slot 1\", byte 100)."},
        {Patched(good, good.size() - kAutoTrainCountFromEnd, 5), CharacterLoadStatus::Damaged,
         impossible + "\"auto-train\" gives an impossible count (byte " +
             std::to_string(good.size() - kAutoTrainCountFromEnd + 4) + ")."},
    };
    RecordingPrompt cancel(PromptAnswer::Cancel);
    for (CPrompt* prompt : {static_cast<CPrompt*>(&cancel), static_cast<CPrompt*>(nullptr)})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.error);
            cancel.messages.clear();
            auto doc = NewDoc();
            doc->SetRealmRank(5);
            const DocumentFields before = FieldsOf(*doc);
            const CharacterLoadResult result =
                LoadCharacterBytes(*doc, c.bytes, "hero.chr", prompt, UiLanguage::English);
            EXPECT_EQ(result.status, c.status);
            EXPECT_EQ(result.error, c.error);
            EXPECT_EQ(FieldsOf(*doc), before);
            EXPECT_TRUE(doc->IsModified());
            EXPECT_FALSE(doc->IsBoundToFile());
            const bool asks =
                c.status == CharacterLoadStatus::TooOld || c.status == CharacterLoadStatus::Cancelled;
            EXPECT_EQ(cancel.messages.size(), prompt && asks ? 1u : 0u);
        }
}

TEST_F(CharacterFile, EveryCutPointIsDamageAndChangesNothing)
{
    for (const char* name : {"v2000", "v2006"}) {
        const std::string bytes = Golden(name);
        auto doc = NewDoc();
        const DocumentFields before = FieldsOf(*doc);
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const CharacterLoadResult result = Load(*doc, bytes.substr(0, length));
            EXPECT_EQ(result.status,
                      length < 4 ? CharacterLoadStatus::NotACharacterFile : CharacterLoadStatus::Damaged)
                << name << " cut at " << length;
            EXPECT_NE(result.error.find("\"hero.chr\""), std::string::npos) << result.error;
        }
        EXPECT_EQ(FieldsOf(*doc), before) << name;
        EXPECT_FALSE(doc->IsBoundToFile());
    }
}

// Numbers that name records: the last of a table loads, one past it does not.
TEST_F(CharacterFile, RecordNumbersAtTheEndsOfTheirTables)
{
    const CGameDatabase& db = *s_english;
    const std::string good = Golden("v2006");
    const std::size_t end = good.size();
    // The fields the cases look at, each as "name=value;".
    const auto shown = [](const CQuillmarDoc& d) {
        return ";race=" + d.GetRace() + ";class=" + d.GetClass() + ";realm=" + d.GetRealm() +
               ";raise=" + std::to_string(d.GetStatRaises()[1]) +
               ";rank=" + std::to_string(d.GetRealmRank()) +
               ";slot20=" + std::to_string(d.SpecPlan(20).Count()) +
               ";autoTrain=" + std::to_string(d.AutoTrainMasks().Count()) +
               ";abilities=" + std::to_string(d.RealmAbilities().Count()) +
               ";abilitiesNf=" + std::to_string(d.RealmAbilitiesNf().Count()) + ";";
    };
    struct Case {
        std::size_t offset;
        std::int32_t value;
        std::string loaded;  // "name=value" of the field it sets, or the error when not loaded
    };
    const Case cases[] = {
        {kRaceAt, db.Races().Count() - 1, "race=" + db.Races().Name(db.Races().Count() - 1)},
        {kRaceAt, db.Races().Count(), "race number " + std::to_string(db.Races().Count()) + " (race)"},
        {kRaceAt, -1, "race="},
        {kRaceAt, -2, "race number -2 (race)"},
        {kClassAt, db.Classes().Count() - 1, "class=" + db.Classes().Name(db.Classes().Count() - 1)},
        {kClassAt, db.Classes().Count(), "class number " + std::to_string(db.Classes().Count()) + " (class)"},
        {kRealmAt, 2, "realm=" + RealmName(2)},
        {kRankAt - 28, 18, "raise=18"},
        {kRankAt - 28, 19, "raise=18"},
        {kRankAt - 28, -1, "raise=0"},
        {kRankAt, 110, "rank=110"},
        {kRankAt, 111, "rank=110"},
        {kRankAt, -1, "rank=0"},
        {kSlot20StyleAt, db.StyleLines().Count() - 1, "slot20=1"},
        {kSlot20StyleAt, db.StyleLines().Count(),
         "style line number " + std::to_string(db.StyleLines().Count()) + " (plan of slot 20)"},
        {kSlot20StyleAt, -1, "slot20=0"},  // written for a name no line had any more
        {kSlot20StyleAt - 4, 999999, "spell line number 999999 (plan of slot 20)"},
        {end - 52, db.SpellLines().Count() - 1, "autoTrain=1"},
        {end - 52, db.SpellLines().Count(),
         "spell line number " + std::to_string(db.SpellLines().Count()) + " (auto-train)"},
        {end - 48, -1, "autoTrain=0"},
        {end - 48, -2, "style line number -2 (auto-train)"},
        {end - kAbilityFromEnd, db.RealmAbilities().Count() - 1, "abilities=2"},
        {end - kAbilityFromEnd, -5, "abilities=1"},  // one entry with the stored -1, under the empty key
        {end - kAbilityFromEnd, db.RealmAbilities().Count(),
         "realm ability number " + std::to_string(db.RealmAbilities().Count()) + " (realm abilities)"},
        {end - kAbilityNfFromEnd, -1, "abilitiesNf=0"},
        {end - kAbilityNfFromEnd, -2, "new realm ability number -2 (new realm abilities)"},
        {end - kAbilityNfFromEnd, db.RealmAbilitiesNf().Count() - 1, "abilitiesNf=1"},
        {end - kAbilityNfFromEnd, db.RealmAbilitiesNf().Count(),
         "new realm ability number " + std::to_string(db.RealmAbilitiesNf().Count()) +
             " (new realm abilities)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.offset) + " = " + std::to_string(c.value));
        auto doc = NewDoc();
        const CharacterLoadResult result = Load(*doc, Patched(good, c.offset, c.value));
        if (result.Ok()) {
            EXPECT_NE(shown(*doc).find(";" + c.loaded + ";"), std::string::npos) << shown(*doc);
        } else {
            EXPECT_EQ(result.error, "Cannot load \"hero.chr\": " + c.loaded + " is not in the game data.");
        }
    }
    auto doc = NewDoc(s_german.get());
    const std::string raceTooFar = Patched(good, kRaceAt, 9999);
    EXPECT_EQ(
        LoadCharacterBytes(*doc, raceTooFar, "held.chr", &m_prompt, UiLanguage::German).error,
        "\"held.chr\" kann nicht geladen werden: Rasse Nummer 9999 (race) gibt es in den Spieldaten nicht.");
}

// Before the current numbering, classes were numbered before three were added.
TEST_F(CharacterFile, OldClassNumbersAreMovedPastTheAddedClasses)
{
    struct Case {
        const char* file;
        std::int32_t stored;
        int current;
    };
    for (const Case& c : {Case{"v2004", 13, 13}, Case{"v2004", 14, 15}, Case{"v2004", 27, 28},
                          Case{"v2004", 28, 31}, Case{"v2005", 28, 28}}) {
        auto doc = NewDoc();
        const CharacterLoadResult result = Load(*doc, Patched(Golden(c.file), kClassAt, c.stored));
        ASSERT_TRUE(result.Ok()) << result.error;
        EXPECT_EQ(doc->GetClass(), s_english->Classes().Name(c.current)) << c.file << " " << c.stored;
    }
}

// Old files numbered the style lines before one was added at position 6; the
// shift must not overflow at the top of the number range.
TEST_F(CharacterFile, OldStyleLineNumbersAreShiftedWithinTheirRange)
{
    const int count = s_english->StyleLines().Count();
    const std::string largest = std::to_string(std::numeric_limits<std::int32_t>::max());
    struct Case {
        std::int32_t plan, autoTrain;
        std::string loaded;  // the plan's line name, or the error
    };
    const Case cases[] = {
        {5, 5, s_english->StyleLines().Name(5)},
        {6, 6, s_english->StyleLines().Name(7)},
        {count - 2, 0, s_english->StyleLines().Name(count - 1)},
        {count - 1, 0, "style line number " + std::to_string(count - 1) + " (plan of slot 20)"},
        {std::numeric_limits<std::int32_t>::max(), 0, "style line number " + largest + " (plan of slot 20)"},
        {0, std::numeric_limits<std::int32_t>::max(), "style line number " + largest + " (auto-train)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.loaded);
        auto doc = NewDoc();
        const std::string v2000 = Golden("v2000");
        const CharacterLoadResult result =
            Load(*doc, Patched(Patched(v2000, kOldSlot20StyleAt, c.plan),
                               v2000.size() - kOldAutoTrainStyleFromEnd, c.autoTrain));
        if (result.Ok()) {
            ASSERT_EQ(doc->SpecPlan(20).Count(), 1);
            EXPECT_EQ(doc->SpecPlan(20).At(0).key, c.loaded);
        } else {
            EXPECT_EQ(result.error, "Cannot load \"hero.chr\": " + c.loaded + " is not in the game data.");
        }
    }
}

// An option stored twice is read with its first value, and a save writes it once.
TEST_F(CharacterFile, AnOptionStoredTwiceKeepsItsFirstValue)
{
    const std::string career = Golden("v2006");
    const std::string single = Patched(career, 9, 0);
    ASSERT_EQ(career.substr(17, 10), "CarrerMode");
    const auto twice = [&](const std::string& first, const std::string& second) {
        return career.substr(0, 8) + "\x02" + first.substr(9, 18) + second.substr(9, 18) + career.substr(27);
    };
    for (const auto& [bytes, alone] :
         {std::pair{twice(single, career), single}, std::pair{twice(career, single), career}}) {
        auto doc = NewDoc();
        ASSERT_TRUE(Load(*doc, bytes).Ok());
        auto expected = NewDoc();
        ASSERT_TRUE(Load(*expected, alone).Ok());
        EXPECT_EQ(FieldsOf(*doc), FieldsOf(*expected));
        EXPECT_LE(doc->Options().Count(), 1);
    }
}

// A path that names no plain file is refused before anything is read from it
// (a FIFO without a writer would block the read for ever).
TEST_F(CharacterFile, OnlyAPlainFileIsOpened)
{
    const auto fifo = m_folder.Path() / "pipe.chr";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto doc = NewDoc();
    doc->SetRealmRank(5);
    const DocumentFields before = FieldsOf(*doc);
    const CharacterLoadResult result = LoadCharacterFile(*doc, fifo.string(), &m_prompt, UiLanguage::English);
    EXPECT_EQ(result.status, CharacterLoadStatus::CannotRead);
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
    EXPECT_EQ(FieldsOf(*doc), before);
}

// A failed save keeps the old file and leaves the document modified and unbound
// (the ways a write fails are the file layer's; here a full disk and a missing
// folder).
TEST_F(CharacterFile, FailedSavesKeepTheOldFile)
{
    const auto path = m_folder.Path() / "hero.chr";
    m_folder.Write("hero.chr", "old");
    auto doc = NewDoc();
    ASSERT_TRUE(Load(*doc, Golden("v2000")).Ok());
    doc->SetBoundToFile(false);
    {
        const FileSizeLimit limit(64);
        EXPECT_FALSE(SaveCharacterFile(*doc, path.string(), UiLanguage::English).ok);
    }
    const std::string gone = (m_folder.Path() / "gone" / "hero.chr").string();
    const CharacterSaveResult missing = SaveCharacterFile(*doc, gone, UiLanguage::English);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error.rfind("Cannot save \"" + gone + "\": cannot create a file in ", 0), 0u)
        << missing.error;
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->IsBoundToFile());
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1);  // no leftovers
}

TEST_F(CharacterFile, OnlyWhatTheCountsCanHoldIsSaved)
{
    auto doc = NewDoc();
    for (int i = 0; doc->Options().Count() < 255; ++i)
        doc->SetOption("Option" + std::to_string(i), 1);
    const auto path = m_folder.Path() / "hero.chr";
    ASSERT_TRUE(SaveCharacterFile(*doc, path.string(), UiLanguage::English).ok);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(doc->IsBoundToFile());
    const std::string kept = Contents(path);
    doc->SetOption("OneTooMany", 1);
    const CharacterSaveResult refused = SaveCharacterFile(*doc, path.string(), UiLanguage::English);
    EXPECT_EQ(refused.error,
              "Cannot save \"" + path.string() +
                  "\": the character has more than 255 options, which the file format cannot hold.");
    EXPECT_EQ(Contents(path), kept);

    constexpr auto kLargest = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(chr::CountFits(kLargest));
    EXPECT_FALSE(chr::CountFits(kLargest + 1));
}

}  // namespace
