#include "document/CharacterFileImage.h"

#include <algorithm>

#include "document/CByteReader.h"

namespace chr {

namespace {

constexpr std::size_t kPlanEntrySize = 12;  // without the respec byte
constexpr std::size_t kAutoTrainEntrySize = 12;
constexpr std::size_t kAbilityEntrySize = 8;

// Parses section by section; the first failure sticks and names its section.
class ImageParser {
public:
    explicit ImageParser(std::string_view bytes) : m_reader(bytes) {}

    ParseResult Run()
    {
        std::string magic;
        Section("magic");
        if (!m_reader.ReadBytes(kMagic.size(), magic) || magic != kMagic)
            return Fail(ParseStatus::WrongMagic);
        Section("version");
        if (!m_reader.ReadU32(m_result.image.version))
            return Fail(ParseStatus::Truncated);
        FileImage& image = m_result.image;
        if (image.version < kOldestVersion)
            return Fail(ParseStatus::TooOld);
        const std::uint32_t layout = std::min(image.version, kCurrentVersion);

        Section("options");
        if (!ReadOptions(image.options))
            return m_result;
        Section("level");
        if (!m_reader.ReadF32(image.level))
            return Fail(ParseStatus::Truncated);
        Section("stats");
        for (std::int32_t& raise : image.statRaise) {
            if (!m_reader.ReadI32(raise))
                return Fail(ParseStatus::Truncated);
        }
        Section("realm rank");
        if (!m_reader.ReadI32(image.realmRank))
            return Fail(ParseStatus::Truncated);
        if (layout >= kExtraPointsSince) {
            Section("extra points");
            if (!m_reader.ReadI32(image.extraSpecPoints))
                return Fail(ParseStatus::Truncated);
        }
        Section("realm, race and class");
        if (!m_reader.ReadI32(image.realm) || !m_reader.ReadI32(image.race) || !m_reader.ReadI32(image.classIndex))
            return Fail(ParseStatus::Truncated);

        const bool respecBytes = layout >= kRespecFlagsSince;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            Section("plan of slot " + std::to_string(slot));
            std::size_t count = 0;
            if (!ReadCount(kPlanEntrySize + (respecBytes ? 1 : 0), count))
                return m_result;
            auto& entries = image.plan[static_cast<std::size_t>(slot)];
            entries.resize(count);
            for (PlanEntry& entry : entries) {
                if (!m_reader.ReadI32(entry.spellLine) || !m_reader.ReadI32(entry.styleLine) ||
                    !m_reader.ReadI32(entry.level))
                    return Fail(ParseStatus::Truncated);
                if (respecBytes && !m_reader.ReadU8(entry.respec))
                    return Fail(ParseStatus::Truncated);
            }
        }

        Section("auto-train");
        std::size_t count = 0;
        if (!ReadCount(kAutoTrainEntrySize, count))
            return m_result;
        image.autoTrain.resize(count);
        for (AutoTrainEntry& entry : image.autoTrain) {
            if (!m_reader.ReadI32(entry.spellLine) || !m_reader.ReadI32(entry.styleLine) ||
                !m_reader.ReadI32(entry.mask))
                return Fail(ParseStatus::Truncated);
        }

        Section("realm abilities");
        if (!ReadAbilities(image.realmAbilities))
            return m_result;
        if (layout >= kNewRulesAbilitiesSince) {
            Section("new realm abilities");
            if (!ReadAbilities(image.realmAbilitiesNf))
                return m_result;
        }
        if (layout > kMasterLevelsAfter) {
            Section("master levels");
            if (!m_reader.ReadI32(image.masterLevelOption) || !m_reader.ReadI32(image.masterLevel))
                return Fail(ParseStatus::Truncated);
        }
        m_result.status = ParseStatus::Parsed;
        return m_result;
    }

private:
    void Section(std::string name)
    {
        m_result.section = std::move(name);
        m_result.offset = m_reader.Offset();
    }

    ParseResult Fail(ParseStatus status)
    {
        m_result.status = status;
        m_result.offset = m_reader.Offset();
        return m_result;
    }

    // A count that is negative or promises more entries than the bytes left is
    // damage, caught before anything is allocated for it.
    bool ReadCount(std::size_t entrySize, std::size_t& count)
    {
        std::int32_t raw = 0;
        if (!m_reader.ReadI32(raw)) {
            Fail(ParseStatus::Truncated);
            return false;
        }
        if (raw < 0 || static_cast<std::size_t>(raw) > m_reader.Remaining() / entrySize) {
            Fail(ParseStatus::BadCount);
            return false;
        }
        count = static_cast<std::size_t>(raw);
        return true;
    }

    bool ReadOptions(CNamedValueList& options)
    {
        // Each pair takes at least its value and its key length.
        constexpr std::size_t kPairMinSize = 8;
        CByteReader peek = m_reader;
        std::uint8_t count = 0;
        if (peek.ReadU8(count) && count > peek.Remaining() / kPairMinSize) {
            Fail(ParseStatus::BadCount);
            return false;
        }
        if (!options.ReadFrom(m_reader)) {
            Fail(ParseStatus::Truncated);
            return false;
        }
        return true;
    }

    bool ReadAbilities(std::vector<AbilityEntry>& abilities)
    {
        std::size_t count = 0;
        if (!ReadCount(kAbilityEntrySize, count))
            return false;
        abilities.resize(count);
        for (AbilityEntry& entry : abilities) {
            if (!m_reader.ReadI32(entry.ability) || !m_reader.ReadI32(entry.level)) {
                Fail(ParseStatus::Truncated);
                return false;
            }
        }
        return true;
    }

    CByteReader m_reader;
    ParseResult m_result;
};

}  // namespace

ParseResult ParseImage(std::string_view bytes)
{
    return ImageParser(bytes).Run();
}

std::optional<std::string> SerializeImage(const FileImage& image)
{
    if (!CountFits(image.autoTrain.size()) || !CountFits(image.realmAbilities.size()) ||
        !CountFits(image.realmAbilitiesNf.size()))
        return std::nullopt;

    CByteWriter out;
    out.WriteBytes(kMagic);
    out.WriteU32(kCurrentVersion);
    if (!image.options.WriteTo(out))
        return std::nullopt;
    out.WriteF32(image.level);
    for (const std::int32_t raise : image.statRaise)
        out.WriteI32(raise);
    out.WriteI32(image.realmRank);
    out.WriteI32(image.extraSpecPoints);
    out.WriteI32(image.realm);
    out.WriteI32(image.race);
    out.WriteI32(image.classIndex);
    for (const auto& entries : image.plan) {
        if (!CountFits(entries.size()))
            return std::nullopt;
        out.WriteI32(static_cast<std::int32_t>(entries.size()));
        for (const PlanEntry& entry : entries) {
            out.WriteI32(entry.spellLine);
            out.WriteI32(entry.styleLine);
            out.WriteI32(entry.level);
            out.WriteU8(entry.respec);
        }
    }
    out.WriteI32(static_cast<std::int32_t>(image.autoTrain.size()));
    for (const AutoTrainEntry& entry : image.autoTrain) {
        out.WriteI32(entry.spellLine);
        out.WriteI32(entry.styleLine);
        out.WriteI32(entry.mask);
    }
    for (const auto* abilities : {&image.realmAbilities, &image.realmAbilitiesNf}) {
        out.WriteI32(static_cast<std::int32_t>(abilities->size()));
        for (const AbilityEntry& entry : *abilities) {
            out.WriteI32(entry.ability);
            out.WriteI32(entry.level);
        }
    }
    out.WriteI32(image.masterLevelOption);
    out.WriteI32(image.masterLevel);
    return out.TakeBytes();
}

}  // namespace chr
