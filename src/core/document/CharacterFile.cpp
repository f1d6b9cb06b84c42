#include "document/CharacterFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/CPrompt.h"
#include "common/FileIo.h"
#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFileImage.h"
#include "document/GameContent.h"

namespace {

using chr::FileImage;

bool German(UiLanguage language)
{
    return language == UiLanguage::German;
}

std::string Quoted(const std::string& fileName)
{
    return "\"" + fileName + "\"";
}

std::string CannotLoad(const std::string& fileName, const std::string& reason, UiLanguage language)
{
    return German(language) ? Quoted(fileName) + " kann nicht geladen werden: " + reason + "."
                            : "Cannot load " + Quoted(fileName) + ": " + reason + ".";
}

std::string CannotSave(const std::string& fileName, const std::string& reason, UiLanguage language)
{
    return German(language) ? Quoted(fileName) + " kann nicht gespeichert werden: " + reason + "."
                            : "Cannot save " + Quoted(fileName) + ": " + reason + ".";
}

std::string LayoutDamage(const chr::ParseResult& parsed, UiLanguage language)
{
    const std::string where = std::to_string(parsed.offset);
    if (parsed.status == chr::ParseStatus::BadCount) {
        return German(language) ? "der Abschnitt \"" + parsed.section + "\" nennt eine unmögliche Anzahl (Byte " +
                                      where + ")"
                                : "the section \"" + parsed.section + "\" gives an impossible count (byte " +
                                      where + ")";
    }
    return German(language) ? "die Datei endet zu früh (im Abschnitt \"" + parsed.section + "\", Byte " + where + ")"
                            : "the file ends early (in the section \"" + parsed.section + "\", byte " + where + ")";
}

// The kinds of records a file refers to by number, for the error texts.
enum class RecordKind { Race, Class, SpellLine, StyleLine, RealmAbility, RealmAbilityNf };

std::string UnknownRecord(RecordKind kind, std::int32_t number, const std::string& section, UiLanguage language)
{
    static constexpr std::array<std::string_view, 6> kGerman = {"Rasse",       "Klasse",        "Spruchlinie",
                                                                "Stillinie",   "Realm Ability", "neue Realm Ability"};
    static constexpr std::array<std::string_view, 6> kEnglish = {"race",       "class",        "spell line",
                                                                 "style line", "realm ability", "new realm ability"};
    const auto index = static_cast<std::size_t>(kind);
    return German(language) ? std::string(kGerman[index]) + " Nummer " + std::to_string(number) + " (" + section +
                                  ") gibt es in den Spieldaten nicht"
                            : std::string(kEnglish[index]) + " number " + std::to_string(number) + " (" + section +
                                  ") is not in the game data";
}

bool IsOneOf(const std::string& name, const game_content::GermanEnglishName& names)
{
    return name == names.german || name == names.english;
}

// Old positions are shifted up by a few places; a number near the top of the
// range names no record anyway and is left as it is (the shift would overflow).
constexpr std::int32_t kLargestOldPosition = 1 << 24;

// Old layouts numbered classes and spell lines before some were added.
std::int32_t CurrentClassPosition(std::int32_t oldPosition)
{
    if (oldPosition > kLargestOldPosition)
        return oldPosition;
    if (oldPosition > 13)
        ++oldPosition;
    if (oldPosition > 28)
        oldPosition += 2;
    return oldPosition;
}

std::int32_t CurrentSpellLinePosition(std::int32_t oldPosition, const std::string& className)
{
    if (oldPosition > kLargestOldPosition)
        return oldPosition;
    if (oldPosition > 26)
        oldPosition += 2;
    if (oldPosition > 48)
        oldPosition += 6;
    const auto exchange = [&oldPosition](std::int32_t a, std::int32_t b) {
        if (oldPosition == a)
            oldPosition = b;
        else if (oldPosition == b)
            oldPosition = a;
    };
    if (IsOneOf(className, game_content::kSpellLineSwap34And39Class))
        exchange(34, 39);
    else if (IsOneOf(className, game_content::kSpellLineSwap34And35Class))
        exchange(34, 35);
    return oldPosition;
}

std::int32_t CurrentStyleLinePosition(std::int32_t position, std::uint32_t version)
{
    if (version >= chr::kStyleNumberingSince || position > kLargestOldPosition)
        return position;
    return position > 5 ? position + 1 : position;
}

// Everything a document takes from a file, complete before the document is
// touched, so that a failing load changes nothing.
struct LoadedCharacter {
    std::string realm, race, className;
    std::array<CNamedValueList, chr::kSlotCount> plan;
    std::array<bool, chr::kSlotCount> respec{};
    CNamedValueList autoTrain, realmAbilities, realmAbilitiesNf;
};

class ImageConverter {
public:
    ImageConverter(const CGameDatabase& database, const FileImage& image, UiLanguage language)
        : m_db(database), m_image(image), m_language(language)
    {
    }

    // Fills the character; on failure returns the reason.
    std::optional<std::string> Convert(LoadedCharacter& out)
    {
        const std::uint32_t version = m_image.version;
        const bool oldNumbering = version < chr::kCurrentNumberingSince;
        if (m_image.realm >= 0 && m_image.realm < kRealmCount)
            out.realm = RealmName(m_image.realm);

        if (!Name(RecordKind::Race, m_image.race, "race", out.race))
            return m_error;
        const std::int32_t classPosition = oldNumbering ? CurrentClassPosition(m_image.classIndex) : m_image.classIndex;
        if (!Name(RecordKind::Class, classPosition, "class", out.className))
            return m_error;

        for (int slot = 0; slot < chr::kSlotCount; ++slot) {
            const std::string section = "plan of slot " + std::to_string(slot);
            const auto& entries = m_image.plan[static_cast<std::size_t>(slot)];
            for (const chr::PlanEntry& entry : entries) {
                std::string key;
                if (entry.spellLine != -1) {
                    std::int32_t id = entry.spellLine;
                    if (oldNumbering) {
                        const std::int32_t position = CurrentSpellLinePosition(entry.spellLine, out.className);
                        if (position < 0 || position >= m_db.SpellLines().Count())
                            return Unknown(RecordKind::SpellLine, entry.spellLine, section);
                        id = m_db.SpellLines().Id(position);
                    }
                    const int index = m_db.SpellLines().FindById(id);
                    if (index < 0)
                        return Unknown(RecordKind::SpellLine, entry.spellLine, section);
                    key = m_db.SpellLines().Name(index);
                } else if (entry.styleLine == -1) {
                    continue;  // written for a name no line had any more
                } else if (!StyleLineName(entry.styleLine, section, key)) {
                    return m_error;
                }
                out.plan[static_cast<std::size_t>(slot)].Set(key, entry.level);
            }
            if (!entries.empty())
                out.respec[static_cast<std::size_t>(slot)] = entries.back().respec != 0;
        }

        for (const chr::AutoTrainEntry& entry : m_image.autoTrain) {
            std::string key;
            if (entry.spellLine != -1) {
                if (!Name(RecordKind::SpellLine, entry.spellLine, "auto-train", key))
                    return m_error;
            } else if (entry.styleLine == -1) {
                continue;
            } else if (!StyleLineName(entry.styleLine, "auto-train", key)) {
                return m_error;
            }
            out.autoTrain.Set(key, entry.mask);
        }

        for (const chr::AbilityEntry& entry : m_image.realmAbilities) {
            std::string key;  // a negative number stays under the empty key
            if (entry.ability >= 0 && !Name(RecordKind::RealmAbility, entry.ability, "realm abilities", key))
                return m_error;
            out.realmAbilities.Set(key, entry.level);
        }
        for (const chr::AbilityEntry& entry : m_image.realmAbilitiesNf) {
            if (entry.ability == -1)
                continue;
            std::string key;
            if (!Name(RecordKind::RealmAbilityNf, entry.ability, "new realm abilities", key))
                return m_error;
            out.realmAbilitiesNf.Set(key, entry.level);
        }

        if (version < chr::kStyleNumberingSince)
            CorrectRace(out);
        return std::nullopt;
    }

private:
    // -1 is what a save writes for a name the tables do not know: it gives
    // the empty text for race and class, which the view then chooses anew.
    bool Name(RecordKind kind, std::int32_t number, const std::string& section, std::string& name)
    {
        if (number == -1 && (kind == RecordKind::Race || kind == RecordKind::Class))
            return true;
        const int count = Count(kind);
        if (number < 0 || number >= count) {
            m_error = UnknownRecord(kind, number, section, m_language);
            return false;
        }
        name = RecordName(kind, number);
        return true;
    }

    bool StyleLineName(std::int32_t stored, const std::string& section, std::string& name)
    {
        const std::int32_t position = CurrentStyleLinePosition(stored, m_image.version);
        if (position < 0 || position >= m_db.StyleLines().Count()) {
            m_error = UnknownRecord(RecordKind::StyleLine, stored, section, m_language);
            return false;
        }
        name = m_db.StyleLines().Name(position);
        return true;
    }

    std::string Unknown(RecordKind kind, std::int32_t number, const std::string& section)
    {
        return UnknownRecord(kind, number, section, m_language);
    }

    int Count(RecordKind kind) const
    {
        switch (kind) {
        case RecordKind::Race: return m_db.Races().Count();
        case RecordKind::Class: return m_db.Classes().Count();
        case RecordKind::SpellLine: return m_db.SpellLines().Count();
        case RecordKind::StyleLine: return m_db.StyleLines().Count();
        case RecordKind::RealmAbility: return m_db.RealmAbilities().Count();
        case RecordKind::RealmAbilityNf: return m_db.RealmAbilitiesNf().Count();
        }
        return 0;
    }

    std::string RecordName(RecordKind kind, int index) const
    {
        switch (kind) {
        case RecordKind::Race: return m_db.Races().Name(index);
        case RecordKind::Class: return m_db.Classes().Name(index);
        case RecordKind::SpellLine: return m_db.SpellLines().Name(index);
        case RecordKind::StyleLine: return m_db.StyleLines().Name(index);
        case RecordKind::RealmAbility: return m_db.RealmAbilities().Name(index);
        case RecordKind::RealmAbilityNf: return m_db.RealmAbilitiesNf().Name(index);
        }
        return {};
    }

    // Files from before the style renumbering still hold two class and race
    // combinations that the game has since given other races.
    static void CorrectRace(LoadedCharacter& out)
    {
        for (const game_content::RaceCorrection& correction : game_content::kOldFileRaceCorrections) {
            if (out.className == correction.className.german && out.race == correction.oldRace.german)
                out.race = correction.newRace.german;
            else if (out.className == correction.className.english && out.race == correction.oldRace.english)
                out.race = correction.newRace.english;
        }
    }

    const CGameDatabase& m_db;
    const FileImage& m_image;
    UiLanguage m_language;
    std::string m_error;
};

void Store(CQuillmarDoc& doc, const FileImage& image, LoadedCharacter& character, bool bind = true)
{
    doc.Reset();
    doc.Options().Assign(image.options);
    doc.StoreLevel(image.level);
    std::array<std::int32_t, kStatCount> raises = image.statRaise;
    for (std::int32_t& raise : raises)
        raise = std::clamp(raise, 0, CQuillmarDoc::kMaxStatRaise);
    doc.StoreStatRaises(raises);
    doc.StoreRealmRank(std::clamp(image.realmRank, 0, CQuillmarDoc::kMaxRealmRank));
    doc.StoreExtraSpecPoints(image.extraSpecPoints);
    doc.StoreIdentity(std::move(character.realm), std::move(character.race), std::move(character.className));
    for (int slot = 0; slot < chr::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        doc.SpecPlan(slot) = std::move(character.plan[index]);
        doc.StoreRespecAt(slot, character.respec[index]);
    }
    doc.AutoTrainMasks() = std::move(character.autoTrain);
    doc.RealmAbilities() = std::move(character.realmAbilities);
    doc.RealmAbilitiesNf() = std::move(character.realmAbilitiesNf);
    doc.StoreMasterLevels(image.masterLevelOption, image.masterLevel);

    doc.ActivateSelection();
    doc.StoreCareerMode(doc.GetOption(doc_option::CareerMode));
    if (doc.IsCareerMode())
        doc.Recalculate();
    if (bind)
        doc.SetBoundToFile(true);
}

}  // namespace

std::string_view FileVersionText(FileVersionMessage message, UiLanguage language)
{
    struct Texts {
        std::string_view german;
        std::string_view english;
    };
    static constexpr std::array<Texts, 3> kTexts = {{
        {"Diese Datei wurde mit einer neueren Version erzeugt.\nSie können Versuchen diese Datei zu laden, "
         "allerdings kann dies zu nicht absehbaren Fehlern führen.",
         "This file was created by a newer version.\nYou should update you Quillmar.exe.\nLoading this file "
         "will lead into a unknown program-state.\nLoad anyway?"},
        {"Diese Datei wurde mit einer sehr altern Programm Version erzeugt.\nDiese Version kann leider nicht "
         "mehr geladen werden.",
         "This file was created by a realy old program version.\nIt's not possible to load it."},
        {"Diese Datei wurde mit einer älteren Programmversion erzeugt.\nSie sollten diese Datei erneut "
         "speicher, da diese Version ggf. später nicht mehr Unterstützt wird.",
         "This file was created by an old program version.\nYou should re-save it to keep combatible with "
         "further version."},
    }};
    const Texts& texts = kTexts[static_cast<std::size_t>(message)];
    return German(language) ? texts.german : texts.english;
}

CharacterLoadResult LoadCharacterBytes(CQuillmarDoc& doc, std::string_view bytes, const std::string& fileName,
                                       CPrompt* prompt, UiLanguage language)
{
    const chr::ParseResult parsed = chr::ParseImage(bytes);
    if (parsed.status == chr::ParseStatus::WrongMagic) {
        const std::string reason = German(language) ? "das ist keine Charakterdatei" : "it is not a character file";
        return {CharacterLoadStatus::NotACharacterFile, CannotLoad(fileName, reason, language)};
    }
    if (parsed.status == chr::ParseStatus::TooOld) {
        const std::string_view text = FileVersionText(FileVersionMessage::TooOld, language);
        if (prompt)
            prompt->Show({"Error", std::string(text), PromptIcon::Error, PromptButtons::Ok});
        return {CharacterLoadStatus::TooOld, CannotLoad(fileName, std::string(text), language), parsed.image.version};
    }
    // A file from a newer program is the user's decision before any of its damage is.
    if (parsed.image.version > chr::kCurrentVersion) {
        const PromptMessage question{"Error", std::string(FileVersionText(FileVersionMessage::FromNewerVersion, language)),
                                     PromptIcon::Warning, PromptButtons::OkCancel};
        if (!prompt || prompt->Show(question) != PromptAnswer::Ok)
            return {CharacterLoadStatus::Cancelled, {}, parsed.image.version};
    }
    if (parsed.status != chr::ParseStatus::Parsed)
        return {CharacterLoadStatus::Damaged, CannotLoad(fileName, LayoutDamage(parsed, language), language), parsed.image.version};

    LoadedCharacter character;
    if (const auto error = ImageConverter(doc.Database(), parsed.image, language).Convert(character))
        return {CharacterLoadStatus::Damaged, CannotLoad(fileName, *error, language), parsed.image.version};
    Store(doc, parsed.image, character);

    const bool oldLayout = parsed.image.version < chr::kStyleNumberingSince;
    if (oldLayout && prompt) {
        prompt->Show({"Warning", std::string(FileVersionText(FileVersionMessage::FromOlderVersion, language)), PromptIcon::Warning,
                      PromptButtons::Ok});
    }
    doc.SetModified(oldLayout);
    return {CharacterLoadStatus::Loaded, {}, parsed.image.version};
}

bool RestoreCharacterBytes(CQuillmarDoc& doc, std::string_view bytes)
{
    const chr::ParseResult parsed = chr::ParseImage(bytes);
    if (parsed.status != chr::ParseStatus::Parsed)
        return false;
    LoadedCharacter character;
    if (ImageConverter(doc.Database(), parsed.image, UiLanguage::English).Convert(character))
        return false;
    Store(doc, parsed.image, character, false);
    return true;
}

CharacterLoadResult LoadCharacterFile(CQuillmarDoc& doc, const std::string& path, CPrompt* prompt,
                                      UiLanguage language)
{
    std::string bytes;
    const FileIoResult read = ReadWholeFile(path, bytes, file_limits::kCharacterFile);
    if (!read.ok)
        return {CharacterLoadStatus::CannotRead, CannotLoad(path, read.error, language)};
    return LoadCharacterBytes(doc, bytes, path, prompt, language);
}

namespace {

// Table positions of the lines a document names. A career plan names the same
// few lines at every slot, so each name is looked up once per save.
class LineNumbers {
public:
    struct Positions {
        int spellLine;
        int styleLine;
    };

    explicit LineNumbers(const CGameDatabase& db) : m_db(db) {}

    Positions Of(const std::string& name)
    {
        for (const auto& [known, positions] : m_known) {
            if (known == name)
                return positions;
        }
        const Positions positions{m_db.SpellLines().FindByName(name), m_db.StyleLines().FindByName(name)};
        m_known.emplace_back(name, positions);
        return positions;
    }

private:
    const CGameDatabase& m_db;
    std::vector<std::pair<std::string, Positions>> m_known;
};

}  // namespace

CharacterSaveResult CharacterFileBytes(const CQuillmarDoc& doc, std::string& bytes, UiLanguage language)
{
    const CGameDatabase& db = doc.Database();
    FileImage image;
    image.options.Assign(doc.Options());
    image.level = doc.GetLevel();
    image.statRaise = doc.GetStatRaises();
    image.realmRank = doc.GetRealmRank();
    image.extraSpecPoints = doc.GetExtraSpecPoints();
    image.realm = RealmFromCode(doc.GetRealm());
    image.race = db.Races().FindByName(doc.GetRace());
    image.classIndex = db.Classes().FindByName(doc.GetClass());

    LineNumbers lines(db);
    for (int slot = 0; slot < chr::kSlotCount; ++slot) {
        const std::uint8_t respec = doc.IsRespecAt(slot) ? 1 : 0;
        auto& entries = image.plan[static_cast<std::size_t>(slot)];
        for (const NamedValue& pair : doc.SpecPlan(slot)) {
            const LineNumbers::Positions line = lines.Of(pair.key);
            entries.push_back({line.spellLine >= 0 ? db.SpellLines().Id(line.spellLine) : -1, line.styleLine,
                               pair.value, respec});
        }
    }
    for (const NamedValue& pair : doc.AutoTrainMasks()) {
        const LineNumbers::Positions line = lines.Of(pair.key);
        image.autoTrain.push_back({line.spellLine, line.styleLine, pair.value});
    }
    for (const NamedValue& pair : doc.RealmAbilities())
        image.realmAbilities.push_back({db.RealmAbilities().FindForClass(pair.key, image.classIndex), pair.value});
    for (const NamedValue& pair : doc.RealmAbilitiesNf())
        image.realmAbilitiesNf.push_back({db.RealmAbilitiesNf().FindForClass(pair.key, image.classIndex), pair.value});
    image.masterLevelOption = doc.GetMasterLevelOption();
    image.masterLevel = doc.GetMasterLevel();

    std::optional<std::string> serialized = chr::SerializeImage(image);
    if (!serialized) {
        const std::string reason =
            German(language) ? "der Charakter hat mehr als 255 Optionen, die das Dateiformat nicht fassen kann"
                             : "the character has more than 255 options, which the file format cannot hold";
        return {false, reason};
    }
    bytes = std::move(*serialized);
    return {};
}

CharacterSaveResult SaveCharacterFile(CQuillmarDoc& doc, const std::string& path, UiLanguage language)
{
    std::string bytes;
    CharacterSaveResult result = CharacterFileBytes(doc, bytes, language);
    if (!result.ok)
        return {false, CannotSave(path, result.error, language)};
    const FileIoResult written = WriteFileReplacing(path, bytes);
    if (!written.ok)
        return {false, CannotSave(path, written.error, language)};
    doc.SetBoundToFile(true);
    doc.UpdateAllViews(0);
    doc.SetModified(false);
    return {};
}
