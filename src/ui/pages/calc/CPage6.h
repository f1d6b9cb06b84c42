// Calculations page: runs the user's calc.lua against the character on every
// race, level and class change and shows the rows it emits in a table with no
// headings that only ever gains columns. The script's log lines and the host's
// messages go to the quillmar.script logging category and to a small log below
// the table, cleared on each run.
#pragma once

#include <filesystem>
#include <memory>

#include "scripting/CScriptHost.h"
#include "shell/CAPage.h"

class QPlainTextEdit;
class QTreeWidget;

class CPage6 : public CAPage, private CScriptPage {
    Q_OBJECT
public:
    CPage6(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);
    ~CPage6() override;

    void OnRaceChanged() override { Run(); }
    void OnLevelChanged() override { Run(); }
    void OnClassChanged() override { Run(); }

    // The script the page runs: calc.lua beside the program, else in the settings folder.
    static std::filesystem::path ScriptLocation();
    void Run();
    // One run of another script, as Run does it.
    ScriptOutcome RunScript(const std::filesystem::path& script);
    const CScriptHost& Host() const { return *m_host; }

private:
    void ScriptRunStarting() override;
    void ScriptOutput(const std::vector<std::string>& cells) override;
    void ScriptDebug(std::string_view line) override;

    QTreeWidget* m_table = nullptr;
    QPlainTextEdit* m_log = nullptr;
    std::unique_ptr<CScriptHost> m_host;
};
