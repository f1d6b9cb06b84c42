#include "cli/CalcCommand.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/Windows1252.h"
#include "scripting/CScriptHost.h"

namespace {

// While the script runs, what it prints (print, io.write) goes to stderr, so
// that standard output holds only the JSON.
class CStdoutToStderr {
public:
    CStdoutToStderr()
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        if (m_saved >= 0)
            ::dup2(STDERR_FILENO, STDOUT_FILENO);
    }
    ~CStdoutToStderr()
    {
        std::fflush(stdout);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDOUT_FILENO);
            ::close(m_saved);
        }
    }
    CStdoutToStderr(const CStdoutToStderr&) = delete;
    CStdoutToStderr& operator=(const CStdoutToStderr&) = delete;

private:
    int m_saved = -1;
};

// The table and the log of the page, without a window.
struct CalcSheet : CScriptPage {
    void ScriptRunStarting() override { rows.clear(); }
    void ScriptOutput(const std::vector<std::string>& cells) override
    {
        rows.push_back(cells);
        columns = std::max(columns, cells.size());
    }
    void ScriptDebug(std::string_view line) override
    {
        std::string text(line);
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        log.push_back(std::move(text));
    }

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> log;
    std::size_t columns = 2;
};

OrderedJson Utf8Texts(const std::vector<std::string>& texts)
{
    OrderedJson list = OrderedJson::array();
    for (const std::string& text : texts)
        list.push_back(Windows1252ToUtf8(text));
    return list;
}

}  // namespace

CalcRun RunCalcScript(const CQuillmarDoc& doc, CPrompt& prompt, UiLanguage language, const std::filesystem::path& script,
                      std::chrono::milliseconds timeBudget)
{
    CalcSheet sheet;
    ScriptLimits limits;
    limits.timeBudget = timeBudget;
    CScriptHost host(prompt, language, &sheet, limits);
    ScriptOutcome outcome;
    {
        const CStdoutToStderr redirect;
        outcome = host.Run(doc, script);
    }

    CalcRun run;
    run.completed = outcome == ScriptOutcome::Completed;
    OrderedJson rows = OrderedJson::array();
    for (const std::vector<std::string>& row : sheet.rows)
        rows.push_back(Utf8Texts(row));
    run.json["rows"] = std::move(rows);
    run.json["columns"] = sheet.columns;
    run.json["log"] = Utf8Texts(sheet.log);
    run.json["errors"] = Utf8Texts(host.Errors());
    return run;
}
