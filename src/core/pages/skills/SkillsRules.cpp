#include "pages/skills/SkillsRules.h"

#include <algorithm>
#include <cstdio>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/AutoTrainRules.h"

namespace skills_rules {

namespace {

int WholeLevel(float characterLevel)
{
    return static_cast<int>(characterLevel);
}

SkillRow GroupRow(RowKind kind, std::string text, const std::string& lineName, std::string groupName,
                  NamedLevels entries, bool spellLine)
{
    SkillRow row;
    row.kind = kind;
    row.text = std::move(text);
    row.lineName = lineName;
    row.groupName = std::move(groupName);
    row.entryNames = std::move(entries.names);
    row.entryLevels = std::move(entries.levels);
    row.spellLine = spellLine;
    return row;
}

}  // namespace

std::vector<SkillRow> BuildRows(CGameDatabase& database)
{
    std::vector<SkillRow> rows;
    for (const std::string& name : database.StyleLineNames()) {
        database.SelectStyleLine(name);
        SkillRow line;
        line.kind = RowKind::Line;
        line.text = name;
        line.lineName = name;
        line.autoTrain = database.IsAutoTrainStyleLine();
        rows.push_back(std::move(line));
        NamedLevels styles = database.StyleNames();
        if (!styles.names.empty())
            rows.push_back(GroupRow(RowKind::LevelGroup, std::string(kStylesRowText), name, {},
                                    std::move(styles), false));
    }
    for (const std::string& name : database.SpellLineNames()) {
        database.SelectSpellLine(name);
        const int index = database.Selection().spellLine;
        SkillRow line;
        line.kind = database.SpellLineHasSpec() ? RowKind::Line : RowKind::FixedLine;
        line.text = index >= 0 ? SpellLineText(database.SpellLines().Tag(index), name) : name;
        line.lineName = name;
        line.spellLine = true;
        line.autoTrain = database.IsAutoTrainSpellLine();
        rows.push_back(std::move(line));
        for (const bool base : {true, false}) {
            for (const std::string& group : database.SpellCategoryNames(base)) {
                database.SelectSpellCategory(group, base);
                rows.push_back(GroupRow(base ? RowKind::BaseGroup : RowKind::LevelGroup, group, name, group,
                                        database.SpellNames(), true));
            }
        }
    }
    return rows;
}

std::string SpellLineText(std::string_view tag, std::string_view name)
{
    if (tag == name)
        return std::string(name);
    std::string text(tag);
    text += " (";
    text += name;
    text += ')';
    return text;
}

std::string NameText(const SkillRow& row)
{
    return row.autoTrain ? row.text + "*" : row.text;
}

std::string LevelText(const SkillRow& row)
{
    std::string text;
    char buffer[16];
    for (const std::int32_t level : row.entryLevels) {
        std::snprintf(buffer, sizeof buffer, "%i ", level);
        text += buffer;
    }
    return text;
}

std::vector<std::string> SplitEntries(std::string_view levelText)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < levelText.size()) {
        while (i < levelText.size() && levelText[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < levelText.size() && levelText[i] != ' ')
            ++i;
        if (i > start)
            words.emplace_back(levelText.substr(start, i - start));
    }
    return words;
}

bool IsPoisonLine(std::string_view lineName)
{
    return lineName == kPoisonLineGerman || lineName == kPoisonLineEnglish;
}

std::int32_t PackRowData(const RowData& data)
{
    const auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFFu; };
    return static_cast<std::int32_t>(byte(data.counts) | (byte(data.hovered) << 8) |
                                     (byte(data.reach) << 16));
}

RowData UnpackRowData(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
            static_cast<int>((bits >> 16) & 0xFFu)};
}

int Reach(std::string_view lineName, int counts, float characterLevel, int realmRankCode)
{
    if (!IsPoisonLine(lineName))
        return 0;
    return (counts + WholeLevel(characterLevel) / 5 + realmRankCode / 10 + 1) & 0xFF;
}

int LevelThatCounts(const SkillRow& row, const CQuillmarDoc& document)
{
    switch (row.kind) {
    case RowKind::BaseGroup:
        return WholeLevel(document.GetLevel());
    case RowKind::LevelGroup:
        return document.GetSpecLevel(row.lineName);
    default:
        return 0;
    }
}

RowData GroupRowData(const SkillRow& row, const CQuillmarDoc& document, int hovered)
{
    RowData data;
    data.counts = LevelThatCounts(row, document);
    data.hovered = hovered;
    data.reach = Reach(row.lineName, data.counts, document.GetLevel(), document.GetRealmRank());
    return data;
}

std::int32_t RowDataValue(const SkillRow& row, const CQuillmarDoc& document, int hovered)
{
    if (row.kind == RowKind::Line)
        return kLineRowData;
    if (row.kind == RowKind::FixedLine)
        return kFixedLineRowData;
    return PackRowData(GroupRowData(row, document, hovered));
}

std::string SkillText(CGameDatabase& database, const SkillRow& row, int counts)
{
    if (!row.spellLine || !row.IsGroup())
        return {};
    database.SelectSpellLine(row.lineName);
    database.SelectSpellCategory(row.groupName, row.kind == RowKind::BaseGroup);
    return database.TopSpellEffect(counts);
}

SkillPoints Points(const CQuillmarDoc& document)
{
    SkillPoints points;
    points.earned = document.SkillPointsAtLevel();
    // In career mode the lines stand at the levels the career plan computed for
    // this slot, most of them planned at earlier slots; the points of this
    // slot's own entries alone would leave those out and show far too much rest.
    points.used = document.IsCareerMode()
                      ? static_cast<std::int32_t>(std::clamp<std::int64_t>(
                            std::int64_t{points.earned} - document.CareerPointsLeft(document.CurrentSlot()),
                            INT32_MIN, INT32_MAX))
                      : document.SpentSpecPoints();
    const std::int64_t rest = static_cast<std::int64_t>(points.earned) - points.used;
    points.rest = static_cast<std::int32_t>(std::clamp<std::int64_t>(rest, INT32_MIN, INT32_MAX));
    return points;
}

std::string PointsText(std::int32_t points)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%i", points);
    return buffer;
}

int LevelMinimum(bool careerMode, bool autoTrainLine, float characterLevel, std::uint32_t mask)
{
    const int level = WholeLevel(characterLevel);
    if (careerMode)
        return autoTrainLine ? std::max(1, level / 4) : 1;
    return std::max(1, AutoTrainMinimum(level, mask));
}

int LevelMaximum(int current, float characterLevel, std::int32_t rest)
{
    const int level = WholeLevel(characterLevel);
    std::int64_t left = rest;
    int value = current;
    while (value < level && left > value) {
        left -= value + 1;
        ++value;
    }
    return value;
}

MarkupColor EntryColour(int position, int level, const RowData& data)
{
    if (data.hovered == position + 1)
        return kHoveredEntry;
    if (level <= data.counts)
        return kReachedEntry;
    if (level <= data.reach)
        return kReachableEntry;
    return kOtherEntry;
}

std::optional<MarkupColor> CellBackground(RowKind kind, int column)
{
    switch (kind) {
    case RowKind::Line:
        if (column == kSkillColumn)
            return std::nullopt;
        return kLineBackground;
    case RowKind::FixedLine:
        return kLineBackground;
    default:
        return kGroupBackground;
    }
}

int EntryAt(const std::vector<std::string>& words, int x,
            const std::function<int(std::string_view)>& textWidth)
{
    if (x < 0)
        return -1;
    int right = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        right += textWidth(words[i] + " ");
        if (x < right)
            return static_cast<int>(i);
    }
    return -1;
}

DetailRows EntryDetail(CGameDatabase& database, const SkillRow& row, int entry)
{
    if (!row.IsGroup() || entry < 0 || entry >= static_cast<int>(row.entryNames.size()))
        return {};
    const std::string& name = row.entryNames[static_cast<std::size_t>(entry)];
    if (!row.spellLine) {
        database.SelectStyleLine(row.lineName);
        database.SelectStyle(name);
        return database.StyleDetail();
    }
    database.SelectSpellLine(row.lineName);
    database.SelectSpellCategory(row.groupName, row.kind == RowKind::BaseGroup);
    database.SelectSpell(name, row.entryLevels[static_cast<std::size_t>(entry)]);
    return database.SpellDetail();
}

std::string GroupDescription(CGameDatabase& database, const SkillRow& row)
{
    if (!row.spellLine || !row.IsGroup())
        return {};
    database.SelectSpellLine(row.lineName);
    database.SelectSpellCategory(row.groupName, row.kind == RowKind::BaseGroup);
    return database.CategoryDescription();
}

}  // namespace skills_rules
