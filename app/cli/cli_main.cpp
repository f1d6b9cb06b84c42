// quillmar-cli: the data maintainers' and scripts' tool; needs no display.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/CalcCommand.h"
#include "cli/CharacterJson.h"
#include "cli/PageJson.h"
#include "common/CPrompt.h"
#include "common/FileIo.h"
#include "common/UiLanguage.h"
#include "common/Windows1252.h"
#include "database/CGameDatabase.h"
#include "database/DataFileCheck.h"
#include "database/DataRoot.h"
#include "database/GameTypes.h"
#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterComparison.h"
#include "document/CharacterFile.h"
#include "document/ShareCode.h"
#include "scripting/CScriptHost.h"

namespace {

// Shows each message the way the message box would: the caption line, then
// the text. Questions get "No" or "Cancel" unless the user allowed more
// (OK to a newer file's question with --accept-newer).
class CPrintingPrompt : public CPrompt {
public:
    explicit CPrintingPrompt(std::ostream& out, bool acceptQuestions = false)
        : m_out(out), m_acceptQuestions(acceptQuestions)
    {
    }

    PromptAnswer Show(const PromptMessage& message) override
    {
        m_texts.push_back(message.text);
        m_out << message.caption << '\n' << message.text << "\n\n";
        switch (message.buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::OkCancel: return m_acceptQuestions ? PromptAnswer::Ok : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel: return PromptAnswer::No;
        }
        return PromptAnswer::Cancel;
    }

    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::ostream& m_out;
    bool m_acceptQuestions;
    std::vector<std::string> m_texts;
};

void PrintCounts(const DatabaseCounts& c)
{
    std::cout << "races " << c.races << ", classes " << c.classes << ", styles " << c.styles << ", style lines "
              << c.styleLines << ", spells " << c.spells << ", spell category texts " << c.spellCategoryTexts
              << ", spell categories " << c.spellCategories << ", spell lines " << c.spellLines
              << ", realm abilities " << c.realmAbilities << ", realm abilities (new rules) " << c.realmAbilitiesNf
              << ", ability entries " << c.abilityEntries << ", ability names " << c.abilityNames
              << ", master-level tracks " << c.masterLevelTracks << ", master levels " << c.masterLevels << '\n';
}

struct CommonOptions {
    std::optional<std::string> dataRoot;
    std::string uiLanguage;
    std::string dataLanguage = "de";
    bool acceptNewer = false;
};

UiLanguage ResolveUiLanguage(const std::string& code)
{
    if (const auto language = UiLanguageFromCode(code))
        return *language;
    return UiLanguageFromEnvironment();
}

int CheckData(const CommonOptions& options, const std::string& folder, bool strict)
{
    CGameDatabase database(FindDataRoot(DataRootSourcesOfProcess(options.dataRoot)));
    CPrintingPrompt prompt(std::cout);
    database.SetPrompt(&prompt, ResolveUiLanguage(options.uiLanguage));
    database.Load(folder);
    PrintCounts(database.Counts());
    const std::vector<std::string> warnings = CheckDataFiles(DataFilePath(database.DataRoot(), folder));
    for (const std::string& warning : warnings)
        std::cout << "warning: " << warning << '\n';
    const bool failed = !prompt.Texts().empty() || (strict && !warnings.empty());
    return failed ? 1 : 0;
}

// The database, settings and document a character command works on.
struct Workbench {
    explicit Workbench(const CommonOptions& options)
        : language(ResolveUiLanguage(options.uiLanguage)),
          prompt(std::cerr, options.acceptNewer),
          database(FindDataRoot(DataRootSourcesOfProcess(options.dataRoot))),
          doc(database, settings)
    {
        database.SetPrompt(&prompt, language);
        database.Load(options.dataLanguage);
    }

    UiLanguage language;
    CPrintingPrompt prompt;
    CGameDatabase database;
    CAppSettings settings;
    CQuillmarDoc doc;
};

int Fail(const std::string& error)
{
    if (!error.empty())
        std::cerr << error << '\n';
    return 1;
}

int Show(const CommonOptions& options, const std::string& file)
{
    Workbench bench(options);
    const CharacterLoadResult loaded = LoadCharacterFile(bench.doc, file, &bench.prompt, bench.language);
    if (!loaded.Ok())
        return Fail(loaded.error);
    std::cout << CharacterToJson(bench.doc, loaded.version, bench.prompt.Texts()).dump(2) << '\n';
    return 0;
}

int Upgrade(const CommonOptions& options, const std::string& in, const std::string& out)
{
    Workbench bench(options);
    const CharacterLoadResult loaded = LoadCharacterFile(bench.doc, in, &bench.prompt, bench.language);
    if (!loaded.Ok())
        return Fail(loaded.error);
    const CharacterSaveResult saved = SaveCharacterFile(bench.doc, out, bench.language);
    if (!saved.ok)
        return Fail(saved.error);
    return 0;
}

// KEY=VALUE with an integer value, as the page options are stored.
bool ApplyOptionOverride(CQuillmarDoc& doc, const std::string& assignment)
{
    const std::size_t equals = assignment.find('=');
    if (equals == 0 || equals == std::string::npos)
        return false;
    const std::string value = assignment.substr(equals + 1);
    try {
        std::size_t used = 0;
        const long long number = std::stoll(value, &used);
        if (used != value.size() || number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::int32_t>::max())
            return false;
        doc.SetOption(assignment.substr(0, equals), static_cast<std::int32_t>(number));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// "0,2" → {0, 2}; "" → none ticked.
std::optional<std::vector<int>> ParseRealmList(const std::string& list)
{
    std::vector<int> realms;
    if (list.empty())
        return realms;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        if (item.size() != 1 || item[0] < '0' || item[0] > '2')
            return std::nullopt;
        realms.push_back(item[0] - '0');
        start = comma + 1;
    }
    return realms;
}

// FILE "-" prints the page for a new character (the resists page reads no character).
int PrintPage(const CommonOptions& options, const std::string& name, const std::string& file,
              const std::vector<std::string>& overrides, const PageRequest& request)
{
    const PagePrinter print = FindPagePrinter(name);
    if (print == nullptr)
        return Fail("Unknown page \"" + name + "\".");
    Workbench bench(options);
    if (file != "-") {
        const CharacterLoadResult loaded = LoadCharacterFile(bench.doc, file, &bench.prompt, bench.language);
        if (!loaded.Ok())
            return Fail(loaded.error);
    }
    for (const std::string& assignment : overrides)
        if (!ApplyOptionOverride(bench.doc, assignment))
            return Fail("--set expects KEY=VALUE with an integer VALUE, not \"" + assignment + "\".");
    try {
        std::cout << print(bench.database, bench.doc, request).dump(2) << '\n';
    } catch (const std::invalid_argument& refused) {
        return Fail(refused.what());
    }
    return 0;
}

int Share(const CommonOptions& options, const std::string& file)
{
    Workbench bench(options);
    const CharacterLoadResult loaded = LoadCharacterFile(bench.doc, file, &bench.prompt, bench.language);
    if (!loaded.Ok())
        return Fail(loaded.error);
    std::string bytes;
    const CharacterSaveResult packed = CharacterFileBytes(bench.doc, bytes, bench.language);
    if (!packed.ok)
        return Fail(packed.error);
    std::cout << share_code::Encode(bytes) << '\n';
    return 0;
}

// The code opens as a file would (a newer version's code asks as its file
// does), then is saved in the current layout.
int Unshare(const CommonOptions& options, const std::string& code, const std::string& out)
{
    Workbench bench(options);
    const share_code::Decoded decoded = share_code::Decode(code);
    if (!decoded.Ok())
        return Fail(std::string(share_code::ErrorText(decoded.error, bench.language)));
    const CharacterLoadResult loaded =
        LoadCharacterBytes(bench.doc, decoded.bytes, "share code", &bench.prompt, bench.language);
    if (!loaded.Ok())
        return Fail(loaded.error);
    const CharacterSaveResult saved = SaveCharacterFile(bench.doc, out, bench.language);
    return saved.ok ? 0 : Fail(saved.error);
}

// Exit 0 when the two characters are alike in every compared value, 1 when not (as diff does).
int Diff(const CommonOptions& options, const std::string& first, const std::string& second)
{
    Workbench bench(options);
    CQuillmarDoc other(bench.database, bench.settings);
    for (const auto& [doc, file] : {std::pair<CQuillmarDoc*, const std::string*>{&bench.doc, &first}, {&other, &second}}) {
        const CharacterLoadResult loaded = LoadCharacterFile(*doc, *file, &bench.prompt, bench.language);
        if (!loaded.Ok())
            return Fail(loaded.error) + 1;
    }
    OrderedJson fields = OrderedJson::array();
    bool differs = false;
    for (const ComparedField& field : CompareCharacters(bench.database, bench.doc, other, bench.language)) {
        fields.push_back({{"name", Windows1252ToUtf8(field.name)},
                          {"a", Windows1252ToUtf8(field.a)},
                          {"b", Windows1252ToUtf8(field.b)},
                          {"delta", field.delta ? OrderedJson(*field.delta) : OrderedJson()},
                          {"differs", field.differs}});
        differs = differs || field.differs;
    }
    std::cout << OrderedJson{{"fields", std::move(fields)}}.dump(2) << '\n';
    return differs ? 1 : 0;
}

// FILE "-" runs the script for a new character. Exit 1 when the script did not run to its end.
int Calc(const CommonOptions& options, const std::string& file, std::optional<std::string> script, int timeoutMs)
{
    if (timeoutMs <= 0)
        return Fail("--timeout-ms expects a positive number of milliseconds.");
    Workbench bench(options);
    if (file != "-") {
        const CharacterLoadResult loaded = LoadCharacterFile(bench.doc, file, &bench.prompt, bench.language);
        if (!loaded.Ok())
            return Fail(loaded.error);
    }
    bench.doc.ActivateSelection();
    if (!script) {
        const DataRootSources process = DataRootSourcesOfProcess(std::nullopt);
        script = CalcScriptLocation(process.programFolder, UserConfigFolder()).string();
    }
    const CalcRun run =
        RunCalcScript(bench.doc, bench.prompt, bench.language, *script, std::chrono::milliseconds(timeoutMs));
    std::cout << run.json.dump(2) << '\n';
    return run.completed ? 0 : 1;
}

std::string DefaultSettingsFile()
{
    const DataRootSources process = DataRootSourcesOfProcess(std::nullopt);
    return SettingsFileLocation(process.programFolder, UserConfigFolder()).string();
}

int PrintSettings(std::string file)
{
    if (file.empty())
        file = DefaultSettingsFile();
    std::string bytes;
    const FileIoResult read = ReadWholeFile(file, bytes, file_limits::kSettingsFile);
    if (!read.ok)
        return Fail("Cannot read \"" + file + "\": " + read.error);
    CByteReader reader(bytes);
    CNamedValueList values;
    const bool complete = values.ReadFrom(reader);
    std::cout << NamedValuesToJson(values).dump(2) << '\n';
    if (!complete)
        return Fail("\"" + file + "\" is damaged: it ends inside the pair after the last one shown.");
    if (!reader.AtEnd())
        return Fail("\"" + file + "\" has " + std::to_string(reader.Remaining()) + " bytes after its last pair.");
    return 0;
}

int WriteDefaultSettings(const std::string& file)
{
    CAppSettings settings;
    CPrintingPrompt prompt(std::cerr);
    return settings.Save(file, &prompt) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Quillmar command-line tool: checks game data, characters and settings without a display."};
    app.set_version_flag("--version", std::string("quillmar-cli ") + QUILLMAR_VERSION);
    app.require_subcommand(1);

    CommonOptions options;
    const auto addLanguage = [&options](CLI::App* command) {
        command->add_option("--lang", options.uiLanguage, "Language of the messages (de or en; default: the locale's)")
            ->check(CLI::IsMember({"de", "en"}));
    };
    const auto addData = [&options, &addLanguage](CLI::App* command) {
        command->add_option("--data-root", options.dataRoot, "Folder holding the language folders de/ and en/");
        command->add_option("--data", options.dataLanguage, "Data language (de or en)")
            ->capture_default_str()
            ->check(CLI::IsMember({"de", "en"}));
        command->add_flag("--accept-newer", options.acceptNewer,
                          "Load files from a newer program version (answers OK to that question)");
        addLanguage(command);
    };

    std::string folder;
    CLI::App* checkData = app.add_subcommand("check-data", "Load a data folder, print every load error, then warn about empty tables and short records");
    checkData->add_option("--data-root", options.dataRoot, "Folder holding the language folders de/ and en/");
    addLanguage(checkData);
    bool strict = false;
    checkData->add_flag("--strict", strict, "Fail (exit 1) on warnings too: empty tables, records with too few fields");
    checkData->add_option("folder", folder, "Data language folder (de or en)")
        ->required()
        ->check(CLI::IsMember({"de", "en"}));

    std::string characterFile;
    CLI::App* show = app.add_subcommand("show", "Print a character file as JSON");
    show->add_option("file", characterFile, "The character file (*.chr)")->required();
    addData(show);

    std::string upgradeIn, upgradeOut;
    CLI::App* upgrade = app.add_subcommand("upgrade", "Load a character file of any version and save it as the current one");
    upgrade->add_option("in", upgradeIn, "The character file to read")->required();
    upgrade->add_option("out", upgradeOut, "Where to write it")->required();
    addData(upgrade);

    std::string shareFile;
    CLI::App* share = app.add_subcommand("share", "Print the share code of a character file");
    share->add_option("file", shareFile, "The character file (*.chr)")->required();
    addData(share);
    std::string unshareCode, unshareOut;
    CLI::App* unshare = app.add_subcommand("unshare", "Write the character of a share code as a file");
    unshare->add_option("code", unshareCode, "The share code (QM1:...)")->required();
    unshare->add_option("out", unshareOut, "Where to write the character file")->required();
    addData(unshare);

    std::string diffFirst, diffSecond;
    CLI::App* diff = app.add_subcommand(
        "diff", "Compare two characters as JSON; exit 0 when alike, 1 when they differ, 2 when one cannot be read");
    diff->add_option("a", diffFirst, "The first character file")->required();
    diff->add_option("b", diffSecond, "The second character file")->required();
    addData(diff);

    std::string pageName, pageFile;
    std::vector<std::string> optionOverrides;
    PageRequest pageRequest;
    CLI::App* page = app.add_subcommand("page", "Print what a planner page shows for a character, as JSON");
    page->add_option("name", pageName, "The page")->required()->check(CLI::IsMember(PrintablePageNames()));
    page->add_option("file", pageFile, "The character file (*.chr), or - for a new character")->required();
    addData(page);
    page->add_option("--set", optionOverrides, "Override a page option stored in the file for this run (KEY=VALUE, repeatable)");
    page->add_option("--line", pageRequest.line, "styles: the line filter's entry, by its text (default: All lines)");
    page->add_option("--opening", pageRequest.opening, "styles: the opening filter's entry, by its code (default: -1, All)");
    std::optional<std::string> realmList;
    page->add_option("--realms", realmList,
                     "resists: the ticked realm boxes, 0-based and comma-separated (default: 0,1,2; \"\" ticks none)");
    page->add_option("--sort", pageRequest.sort,
                     "resists: column header clicks in order, 0-based; ra: name or kind (default kind)");
    page->add_option("--buy", pageRequest.buys, "ra: click the level button LEVEL of an ability (NAME=LEVEL, repeatable)");
    page->add_option("--buy-nf", pageRequest.buysNf, "ranf: the same for the new-rules abilities");
    page->add_option("--ml-track", pageRequest.masterTrack, "ml: the chosen track, 0 or 1 (default: as stored)");
    page->add_option("--ml-level", pageRequest.masterLevel, "ml: the master level, 0 to 10 (default: as stored)");

    std::string calcFile;
    std::optional<std::string> calcScript;
    int calcTimeoutMs = 1000;
    CLI::App* calc = app.add_subcommand("calc", "Run the calculation script against a character as the Calc tab does, print its rows as JSON");
    calc->add_option("file", calcFile, "The character file (*.chr), or - for a new character")->required();
    calc->add_option("--script", calcScript, "The script (default: the calc.lua the program would run)");
    calc->add_option("--timeout-ms", calcTimeoutMs, "Stop the script after this many milliseconds")->capture_default_str();
    addData(calc);

    std::string settingsFile, defaultsFile;
    CLI::App* settings = app.add_subcommand("settings", "Print a settings file (config.bin) as JSON, in file order");
    settings->add_option("file", settingsFile, "The settings file (default: the program's config.bin)");
    settings->add_option("--write-defaults", defaultsFile, "Write a settings file holding only the defaults");

    CLI11_PARSE(app, argc, argv);

    if (checkData->parsed())
        return CheckData(options, folder, strict);
    if (show->parsed())
        return Show(options, characterFile);
    if (upgrade->parsed())
        return Upgrade(options, upgradeIn, upgradeOut);
    if (diff->parsed())
        return Diff(options, diffFirst, diffSecond);
    if (share->parsed())
        return Share(options, shareFile);
    if (unshare->parsed())
        return Unshare(options, unshareCode, unshareOut);
    if (page->parsed() && realmList) {
        const std::optional<std::vector<int>> realms = ParseRealmList(*realmList);
        if (!realms)
            return Fail("--realms expects realm numbers 0, 1 or 2 separated by commas, not \"" + *realmList + "\".");
        pageRequest.realms = *realms;
    }
    if (page->parsed())
        return PrintPage(options, pageName, pageFile, optionOverrides, pageRequest);
    if (calc->parsed())
        return Calc(options, calcFile, calcScript, calcTimeoutMs);
    if (settings->parsed())
        return defaultsFile.empty() ? PrintSettings(settingsFile) : WriteDefaultSettings(defaultsFile);
    return 0;
}
