#include "printing/SheetContent.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"
#include "document/RealmRank.h"
#include "pages/realmabilities/RealmAbilityRules.h"
#include "pages/spells/SpellsRules.h"
#include "pages/styles/StylesRules.h"

namespace sheet {

namespace {

std::vector<std::string> Indented(std::vector<std::string> lines)
{
    for (std::string& line : lines)
        line.insert(0, kLineIndent);
    return lines;
}

// Styles ------------------------------------------------------------------------

struct StyleEntry {
    int line = 0;
    int level = 0;
    const styles_rules::StyleRow* row = nullptr;
    const styles_rules::ShownStyle* shown = nullptr;
};

TableRow StyleTableRow(CGameDatabase& database, const StyleEntry& entry)
{
    TableRow row;
    row.cells.assign(entry.row->cells.begin(), entry.row->cells.end());
    row.lines = Indented(PlainLines(database.Description(entry.shown->name)));
    return row;
}

TableRow HeadingRow(std::string text)
{
    TableRow row;
    row.kind = RowKind::Heading;
    row.cells.push_back(std::move(text));
    return row;
}

// The styles of one line with each style under the one it follows, depth
// first; styles whose predecessor is not listed start a chain of their own.
std::vector<const StyleEntry*> ChainOrder(const std::vector<const StyleEntry*>& line)
{
    std::vector<const StyleEntry*> ordered;
    std::set<const StyleEntry*> placed;
    const auto listed = [&line](const std::string& name) {
        return std::any_of(line.begin(), line.end(),
                           [&name](const StyleEntry* entry) { return EqualsNoCase(entry->shown->name, name); });
    };
    const std::function<void(const StyleEntry*)> place = [&](const StyleEntry* entry) {
        if (!placed.insert(entry).second)
            return;
        ordered.push_back(entry);
        for (const StyleEntry* next : line)
            if (EqualsNoCase(next->shown->follows, entry->shown->name))
                place(next);
    };
    for (const StyleEntry* entry : line)
        if (entry->shown->follows.empty() || !listed(entry->shown->follows))
            place(entry);
    for (const StyleEntry* entry : line)  // chains that loop
        place(entry);
    return ordered;
}

SheetTable StylesTable(CGameDatabase& database, const CQuillmarDoc& doc, const PrintOptions& options)
{
    SheetTable table;
    table.included = true;
    table.columns = styles_rules::ColumnTitles();
    const styles_rules::StylesList list = styles_rules::BuildList(database, doc, options.allStyles);

    std::vector<StyleEntry> entries;
    std::size_t next = 0;
    for (const styles_rules::StyleRow& row : list.rows) {
        if (row.data == styles_rules::kLineHeaderData || next >= list.styles.size())
            continue;
        const styles_rules::ShownStyle& shown = list.styles[next++];
        entries.push_back({shown.line, std::atoi(row.cells[styles_rules::kLevelColumn].c_str()), &row, &shown});
    }
    std::vector<const StyleEntry*> sorted;
    for (const StyleEntry& entry : entries)
        sorted.push_back(&entry);
    const auto byLevel = [](const StyleEntry* a, const StyleEntry* b) { return a->level < b->level; };

    switch (options.styleSort) {
    case StyleSort::ByLineAndLevel:
    case StyleSort::ByLineAndPreceding:
        for (std::size_t line = 0; line < list.lineNames.size(); ++line) {
            std::vector<const StyleEntry*> ofLine;
            for (const StyleEntry* entry : sorted)
                if (entry->line == static_cast<int>(line))
                    ofLine.push_back(entry);
            std::stable_sort(ofLine.begin(), ofLine.end(), byLevel);
            if (options.styleSort == StyleSort::ByLineAndPreceding)
                ofLine = ChainOrder(ofLine);
            table.rows.push_back(HeadingRow(list.lineNames[line]));
            for (const StyleEntry* entry : ofLine)
                table.rows.push_back(StyleTableRow(database, *entry));
        }
        return table;
    case StyleSort::ByLevel:
        std::stable_sort(sorted.begin(), sorted.end(), byLevel);
        break;
    case StyleSort::ByPrerequisite:
        std::stable_sort(sorted.begin(), sorted.end(), [](const StyleEntry* a, const StyleEntry* b) {
            const std::string& preA = a->row->cells[styles_rules::kPreColumn];
            const std::string& preB = b->row->cells[styles_rules::kPreColumn];
            return preA != preB ? preA < preB : a->level < b->level;
        });
        break;
    }
    for (const StyleEntry* entry : sorted)
        table.rows.push_back(StyleTableRow(database, *entry));
    return table;
}

// Spells ------------------------------------------------------------------------

SheetTable SpellsTable(CGameDatabase& database, const CQuillmarDoc& doc, const PrintOptions& options)
{
    SheetTable table;
    table.included = true;
    table.columns = {"Name", "Level", "Target", "C/D/R", "Range/Radius", "Cost", "Effect"};
    spells_rules::SpellsOptions shown = spells_rules::StoredOptions(doc);
    shown.showAll = options.allSpells;
    const std::vector<spells_rules::SpellRow> rows = spells_rules::BuildRows(database, doc, shown);

    // The description is the spell group's: follow the line, base or
    // specialisation part and group the rows walk through.
    const DatabaseSelection remembered = database.Selection();
    bool base = true;
    std::string group;
    for (const spells_rules::SpellRow& spell : rows) {
        const std::string& name = spell.cells[spells_rules::kNameColumn];
        switch (spell.kind) {
        case spells_rules::RowKind::LineHeader:
            database.SelectSpellLine(name);
            base = true;
            table.rows.push_back(HeadingRow(name));
            continue;
        case spells_rules::RowKind::SpecHeader:
            base = false;
            if (!name.empty())
                table.rows.push_back(HeadingRow(name));
            continue;
        case spells_rules::RowKind::Group:
            group = name;
            table.rows.push_back(HeadingRow(name));
            continue;
        case spells_rules::RowKind::Spell:
            break;
        }
        TableRow row;
        row.cells.assign(spell.cells.begin(), spell.cells.end());
        if (options.spellDescriptions) {
            database.SelectSpellCategory(shown.typeAsName ? name : group, base);
            row.lines = Indented(PlainLines(database.CategoryDescription()));
        }
        table.rows.push_back(std::move(row));
    }
    database.RestoreSelection(remembered);
    return table;
}

// Realm abilities ---------------------------------------------------------------

SheetTable RealmAbilitiesTable(CGameDatabase& database, const CQuillmarDoc& doc, const PrintOptions& options)
{
    SheetTable table;
    table.included = true;
    table.columns = {"Name", "abkz", "Art", "Reuse", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5"};
    constexpr int kRealmRank5 = 40;
    for (const ra_rules::AbilityRow& ability : ra_rules::NewRulesRows(database, doc)) {
        if (ability.IsHeader())
            continue;
        const bool atRank5 = ability.group == ra_rules::kAtRealmRank5 && doc.GetRealmRank() >= kRealmRank5;
        if (!options.allRealmAbilities && ability.level <= 0 && !atRank5)
            continue;
        TableRow row;
        row.cells = {ability.name, ability.abbreviation,
                     std::string(ability.group == ra_rules::kAtRealmRank5 ? std::string_view("RR5")
                                                                          : ra_rules::GroupHeaderName(ability.group)) +
                         (ability.kind == ra_rules::kPassive ? " passive" : " active"),
                     ability.reuse};
        for (int level = 1; level <= ra_rules::kLevelCount; ++level)
            row.cells.push_back(options.allRealmAbilities || level <= ability.level
                                    ? ability.captions[static_cast<std::size_t>(level - 1)]
                                    : std::string());
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace

std::string LevelText(double level)
{
    char text[32];
    std::snprintf(text, sizeof text, level == static_cast<double>(static_cast<long long>(level)) ? "%0.0f" : "%0.1f",
                  level);
    return text;
}

std::string VersionText(const std::array<int, 4>& v)
{
    char text[64];
    if (v[2] == 0 && v[3] == 0)
        std::snprintf(text, sizeof text, "%d.%d", v[0], v[1]);
    else if (v[3] == 0)
        std::snprintf(text, sizeof text, "%d.%d.%d", v[0], v[1], v[2]);
    else
        std::snprintf(text, sizeof text, "%d.%d.%d.%d", v[0], v[1], v[2], v[3]);
    return text;
}

std::array<int, 4> ParseVersion(std::string_view text)
{
    std::array<int, 4> version{};
    std::size_t part = 0;
    for (std::size_t i = 0; i < text.size() && part < version.size(); ++i) {
        const char c = text[i];
        if (c == '.')
            ++part;
        else if (c >= '0' && c <= '9' && version[part] < 100000000)
            version[part] = version[part] * 10 + (c - '0');
    }
    return version;
}

std::string DateText(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    return std::strftime(text, sizeof text, "%d.%m.%y %H:%M", &local) > 0 ? std::string(text) : std::string();
}

std::string RealmRankText(int code)
{
    char text[96];
    std::snprintf(text, sizeof text, "R %i L %i (%s rps)", code / 10 + 1, code % 10,
                  realm_rank::PointsText(code).c_str());
    return text;
}

double StepLevel(int step)
{
    return static_cast<double>(level_slot::LevelOfSlot(step));
}

std::vector<std::string> PlainLines(std::string_view markup)
{
    std::vector<std::string> lines;
    std::string line;
    const auto flush = [&] {
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
        line.clear();
    };
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '<') {
            const std::size_t close = markup.find('>', i);
            if (close == std::string_view::npos)
                break;
            std::string tag(markup.substr(i + 1, close - i - 1));
            for (char& t : tag)
                t = static_cast<char>(t >= 'A' && t <= 'Z' ? t - 'A' + 'a' : t);
            if (tag == "br" || tag.rfind("hr", 0) == 0)
                flush();
            i = close;
        } else if (c == '\r' || c == '\n') {
            flush();
        } else {
            line += c == '\t' ? ' ' : c;
        }
    }
    flush();
    return lines;
}

SheetContent BuildSheetContent(CGameDatabase& database, const CQuillmarDoc& doc, const PrintOptions& options,
                               const SheetInputs& inputs)
{
    const DatabaseSelection remembered = database.Selection();
    database.SelectRealmByCode("");
    database.SelectRealmByCode(doc.GetRealm());
    database.SelectClass(doc.GetClass());
    database.SelectRace(doc.GetRace());
    const RealmIndex realm = database.Selection().realm;

    SheetContent content;
    content.character = {inputs.name,
                         LevelText(doc.GetLevel()),
                         RealmName(realm),
                         doc.GetClass(),
                         doc.GetRace(),
                         DateText(inputs.printedAt),
                         VersionText(inputs.version)};
    content.stats = doc.GetStatTotals();
    content.realmRank = RealmRankText(doc.GetRealmRank());
    content.realmRankTitle = std::string(realm_rank::Title(doc.GetRealmRank(), realm, database));

    content.masterLevel = doc.GetMasterLevel();
    if (content.masterLevel > 0) {
        const ClassTrackNames tracks = database.MasterLevelTracks();
        content.masterTrack = doc.GetMasterLevelOption() == 1 ? tracks.second : tracks.first;
        database.SelectMasterLevel(content.masterTrack);
        content.masterLevels = database.MasterLevelAbilities();
    }

    content.careerMode = doc.IsCareerMode() != 0;
    content.skillLines = doc.SkillLines();
    if (content.careerMode) {
        content.steps = std::max(doc.CurrentSlot(), 1);
        for (const std::string& line : content.skillLines) {
            std::vector<std::int32_t> values;
            for (int step = 1; step <= content.steps; ++step)
                values.push_back(doc.SpecResult(step).Get(line));
            content.grid.push_back(std::move(values));
        }
    } else {
        for (const std::string& line : content.skillLines)
            content.skillValues.push_back(doc.GetSpecLevel(line));
    }

    if (!options.noStyles)
        content.tables[kStylesTable] = StylesTable(database, doc, options);
    if (!options.noSpells)
        content.tables[kSpellsTable] = SpellsTable(database, doc, options);
    if (!options.noRealmAbilities)
        content.tables[kRealmAbilitiesTable] = RealmAbilitiesTable(database, doc, options);
    database.RestoreSelection(remembered);
    return content;
}

}  // namespace sheet
