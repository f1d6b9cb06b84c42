// quillmar-cli: the data maintainers' and scripts' tool; needs no display.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "common/CPrompt.h"
#include "common/UiLanguage.h"
#include "database/CGameDatabase.h"
#include "database/DataRoot.h"

namespace {

// Shows each message the way the message box would: the caption line, then the text.
class CPrintingPrompt : public CPrompt {
public:
    explicit CPrintingPrompt(std::ostream& out) : m_out(out) {}

    PromptAnswer Show(const PromptMessage& message) override
    {
        ++m_shown;
        m_out << message.caption << '\n' << message.text << "\n\n";
        return message.buttons == PromptButtons::YesNo || message.buttons == PromptButtons::YesNoCancel
                   ? PromptAnswer::No
                   : PromptAnswer::Ok;
    }

    int Shown() const { return m_shown; }

private:
    std::ostream& m_out;
    int m_shown = 0;
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
};

UiLanguage ResolveUiLanguage(const std::string& code)
{
    if (const auto language = UiLanguageFromCode(code))
        return *language;
    return UiLanguageFromEnvironment();
}

int CheckData(const CommonOptions& options, const std::string& folder)
{
    CGameDatabase database(FindDataRoot(DataRootSourcesOfProcess(options.dataRoot)));
    CPrintingPrompt prompt(std::cout);
    database.SetPrompt(&prompt, ResolveUiLanguage(options.uiLanguage));
    database.Load(folder);
    PrintCounts(database.Counts());
    return prompt.Shown() > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Quillmar command-line tool: checks game data and characters without a display."};
    app.require_subcommand(1);

    CommonOptions options;
    const auto addDataRoot = [&options](CLI::App* command) {
        command->add_option("--data-root", options.dataRoot, "Folder holding the language folders de/ and en/");
    };

    std::string folder;
    CLI::App* checkData = app.add_subcommand("check-data", "Load a data folder and print every load error");
    addDataRoot(checkData);
    checkData->add_option("--lang", options.uiLanguage, "Language of the messages (de or en)")
        ->check(CLI::IsMember({"de", "en"}));
    checkData->add_option("folder", folder, "Data language folder (de or en)")
        ->required()
        ->check(CLI::IsMember({"de", "en"}));

    CLI11_PARSE(app, argc, argv);

    if (checkData->parsed())
        return CheckData(options, folder);
    return 0;
}
