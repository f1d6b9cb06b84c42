#include "common/FileIo.h"
#include "scripting/CScriptHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "support/RecordingPrompt.h"
#include "support/ShippedDatabases.h"

namespace {

struct RecordingPage : CScriptPage {
    void ScriptRunStarting() override { rows.clear(); }
    void ScriptOutput(const std::vector<std::string>& cells) override
    {
        rows.push_back(cells);
        columns = std::max(columns, cells.size());
    }
    void ScriptDebug(std::string_view line) override { log.emplace_back(line); }

    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> log;
    std::size_t columns = 2;
};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "|") + line;
    return text;
}

class CScriptHostTest : public ShippedDatabases {
protected:
    void SetUp() override
    {
        doc = std::make_unique<CQuillmarDoc>(*s_english, settings);
        doc->SetRealm(s_english->RealmName(0));
        doc->SetClass("Banner Knight");
        doc->ActivateSelection();
        doc->SetLevel(42.5f);
        doc->SetRealmRank(37);
        doc->SetSpecLevel("Blades", 17);
        doc->SetRealmAbilityNf("Fortified Might", 2);
    }

    ScriptOutcome Run(const std::string& script, ScriptLimits limits = {std::chrono::milliseconds(300), 8u << 20})
    {
        folder.Write("calc.lua", script);
        if (!host)
            host = std::make_unique<CScriptHost>(prompt, UiLanguage::English, &page, limits);
        return host->Run(*doc, folder.Path() / "calc.lua");
    }
    std::string Box() const { return prompt.messages.empty() ? "" : prompt.messages.back().text; }
    std::string Unpathed(std::string text) const
    {
        const std::string prefix = folder.PathText() + "/";
        for (std::size_t at; (at = text.find(prefix)) != std::string::npos;)
            text.erase(at, prefix.size());
        return text;
    }

    CAppSettings settings;
    std::unique_ptr<CQuillmarDoc> doc;
    TempDataFolder folder;
    RecordingPrompt prompt;
    RecordingPage page;
    std::unique_ptr<CScriptHost> host;
};

const std::string kHint = "\n(use 'cancel' to deactivate script till reload)";

TEST_F(CScriptHostTest, FunctionsAndValuesGiveTheirTexts)
{
    const StatValues totals = doc->GetStatTotals();
    const std::string might = std::to_string(s_english->RealmAbilityValue("Fortified Might", 2));
    const struct {
        const char* script;
        std::string log;
    } cases[] = {
        {"log(char_class, ';', char_level, ';', char_rr, ';', char_realmid, ';', char_realm)",
         "Banner Knight;42.5;37;" + std::to_string(s_english->Selection().realm) + ";" +
             s_english->RealmNameOfSelection()},
        {"log(char_STRra, ';', char_CHAra)", std::to_string(totals[0]) + ";" + std::to_string(totals[7])},
        {"log('a', 1, nil, {}, true, 0.1, 'b')", "a10.1b"},
        {"log(GetSpec('Blades'), GetSpec('No such line'), select('#', GetSpec()), select('#', GetSpec(5)),"
         " select('#', GetSpec('Blades', 'x')))",
         "171000"},
        {"log(GetRRLevel('Fortified Might'), ';', GetRRLevel('Hardiness'), ';', select('#', GetRRLevel()))",
         might + ";0;0"},
        {"log(#string.rep('x', 5000)) log(string.rep('x', 5000))", "5000|" + std::string(1022, 'x')},
        {"log(type(os), type(io.popen), type(debug.sethook), type(newproxy), type(io.open), type(debug.traceback),"
         " io.read('*a'), type(getmetatable(io.stdout)))",
         "nilnilnilnilfunctionfunctionboolean"},
        {"log(type(debug.getregistry), type(debug.debug), debug.getmetatable(io.stdout), debug.getfenv(io.open),"
         " tostring((pcall(debug.setfenv, io.stdout, {}))), #string.rep('', 1e15), string.rep('ab', 2.5), type(debug.getinfo))",
         "nilnilfalse0ababfunction"},
        {"local long = string.rep('a?', 300000) log(tostring(pcall(string.match, 'a', long)), ('xab'):find('a?b'),"
         " select(2, string.find(long, long, 1, true)))",
         "false2600000"},
        {"log(select('#', unpack({1, 2, nil, 4})), unpack({5, 6}, 2), select('#', unpack({}, 3, 1)),"
         " select(2, pcall(unpack, {}, -2^31, 2^31 - 1)))",
         "460too many results to unpack"},
        {"log(select(2, loadstring(string.dump(function() end))))",
         "chunk: precompiled Lua chunks are not loaded, only Lua source text."},
        {"local s = {'log(', '7)'} local i = 0 load(function() i = i + 1 return s[i] end)()", "7"},
        // Devices and FIFOs are not opened: reading them would never end or wait for good.
        {"log(select(2, io.open('/dev/zero')), ';', tostring((pcall(io.lines, '/dev/null'))), ';',"
         " tostring((pcall(io.input, '/dev/zero'))), ';', io.type(io.open('/proc/self/status')))",
         "/dev/zero: not a regular file;false;false;file"},
    };
    for (const auto& c : cases) {
        page.log.clear();
        EXPECT_EQ(Run(c.script), ScriptOutcome::Completed) << c.script << Box();
        EXPECT_EQ(Joined(page.log), c.log) << c.script;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(CScriptHostTest, RowsAndErrorValuesOfEveryType)
{
    Run("output(1, 'a') output() output(1.25, false, nil, {}, 'x\\0y')");
    EXPECT_EQ(page.rows, (std::vector<std::vector<std::string>>{{"1", "a"}, {}, {"1.25", "", "", "", {"x\0y", 3}}}));
    EXPECT_EQ(page.columns, 5u);
    const struct {
        const char* script;
        std::string box, log;
    } cases[] = {
        {"output('kept') error('boom')", "calc.lua:1: boom\n", "calc.lua:1: boom\n"},
        {"error({})", "", "script returned a table|"},
        {"error(42, 0)", "42\n", "42\n"},
        {"error(true)", "true\n", "true\n"},
        {"error(nil)", "", "script returned unknown param|"},
        {"error(print)", "", "script returned unknown param|"},
        {"x = = 1", "calc.lua:1: unexpected symbol near '='\n", "calc.lua:1: unexpected symbol near '='\n"},
    };
    for (const auto& c : cases) {
        page.log.clear();
        EXPECT_EQ(Run(c.script), ScriptOutcome::Failed) << c.script;
        EXPECT_EQ(Unpathed(Box()), c.box + kHint) << c.script;
        EXPECT_EQ(Unpathed(Joined(page.log)), c.log) << c.script;
        EXPECT_EQ(prompt.messages.back().buttons, PromptButtons::OkCancel);
    }
    EXPECT_EQ(prompt.messages.size(), std::size(cases));
    EXPECT_EQ(prompt.messages.back().caption, "Script-Error");
    Run("output('kept') error(string.rep('e', 5000))");
    EXPECT_EQ(page.rows.size(), 1u);
    EXPECT_EQ(Box().size(), CScriptHost::kMessageBuffer - 1);
    EXPECT_EQ(Box().substr(Box().size() - kHint.size()), kHint);
    folder.Remove("calc.lua");
    EXPECT_EQ(host->Run(*doc, folder.Path() / "calc.lua"), ScriptOutcome::Failed);
    EXPECT_EQ(Unpathed(Box()).rfind("cannot open calc.lua: ", 0), 0u) << Box();
}

TEST_F(CScriptHostTest, CancelDisablesTheHostUntilANewOne)
{
    RecordingPrompt cancel(PromptAnswer::Cancel);
    host = std::make_unique<CScriptHost>(cancel, UiLanguage::English, &page);
    EXPECT_EQ(Run("output(1) x = = 1"), ScriptOutcome::Failed);
    EXPECT_TRUE(host->IsDisabled());
    EXPECT_EQ(Run("output(1)"), ScriptOutcome::Disabled);
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(cancel.messages.size(), 1u);
    host = std::make_unique<CScriptHost>(cancel, UiLanguage::English, &page);
    EXPECT_EQ(Run("output(1)"), ScriptOutcome::Completed);
}

TEST_F(CScriptHostTest, GuardsStopWhatWouldHarmTheProgram)
{
    const struct {
        const char* script;
        const char* box;
    } cases[] = {
        {"while true do end", "took too long (more than 300 ms)"},
        {"while true do pcall(function() while true do end end) end", "took too long"},
        {"local co = coroutine.create(function() while true do end end) while true do coroutine.resume(co) end",
         "took too long"},
        {"load(debug.traceback)", "and was stopped."},
        {"local t = {} while true do t[#t + 1] = string.rep('x', 1000) .. #t end", "more than 8 MiB of memory"},
        {"local s = 'x' while true do pcall(function() s = s .. s end) end", "more than 8 MiB of memory"},
        {"local s = string.rep('ab', 2^30)", "more than 8 MiB of memory"},
        {"for i = 1, 1e7 do output(i, i) end", "more than 8 MiB of memory"},
        {"while true do log(string.rep('x', 1000)) end", "more than 8 MiB of memory"},
        {"\x1bLuaQ\x00\x01\x04\x08\x04\x08\x00", "calc.lua: precompiled Lua chunks are not loaded"},
        {"#!/usr/bin/lua\n\x1bLuaQ", "calc.lua: precompiled Lua chunks are not loaded"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Run(c.script), ScriptOutcome::Failed) << c.script;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(800)) << c.script;
        EXPECT_NE(Box().find(c.box), std::string::npos) << c.script << "\n" << Box();
    }
    // The host runs normally after a stop.
    EXPECT_EQ(Run("output(string.rep('x', 100000):len())"), ScriptOutcome::Completed);
}

TEST_F(CScriptHostTest, EachHostWritesToItsOwnPage)
{
    RecordingPage other;
    CScriptHost second(prompt, UiLanguage::English, &other);
    EXPECT_EQ(Run("output(char_class)"), ScriptOutcome::Completed);
    doc->SetLevel(20.0f);
    folder.Write("other.lua", "output(char_level) log('x')");
    EXPECT_EQ(second.Run(*doc, folder.Path() / "other.lua"), ScriptOutcome::Completed);
    EXPECT_EQ(page.rows, (std::vector<std::vector<std::string>>{{"Banner Knight"}}));
    EXPECT_EQ(other.rows, (std::vector<std::vector<std::string>>{{"20"}}));
    second.DetachPage();
    other.rows.clear();
    EXPECT_EQ(second.Run(*doc, folder.Path() / "other.lua"), ScriptOutcome::Completed);
    EXPECT_TRUE(other.rows.empty() && other.log.size() == 1);
}

TEST(CalcScriptLocation, BesideTheProgramThenTheSettingsFolder)
{
    TempDataFolder program, user;
    EXPECT_EQ(CalcScriptLocation(program.Path(), user.Path()), program.Path() / "calc.lua");
    user.Write("calc.lua", "");
    EXPECT_EQ(CalcScriptLocation(program.Path(), user.Path()), user.Path() / "calc.lua");
    program.Write("calc.lua", "");
    EXPECT_EQ(CalcScriptLocation(program.Path(), user.Path()), program.Path() / "calc.lua");
}

// Installed (the data in ../share/quillmar), the user's own copy is used; the
// installed sample becomes that copy on first use and never overwrites it.
TEST(CalcScriptLocation, InstalledTheSampleBecomesTheUsersCopy)
{
    TempDataFolder prefix, home;
    std::filesystem::create_directories(prefix.Path() / "bin");
    std::filesystem::create_directories(prefix.Path() / "share" / "quillmar" / "en");
    prefix.Write("share/quillmar/calc.lua", "output(1)");
    prefix.Write("bin/calc.lua", "ignored");
    const std::filesystem::path user = home.Path() / "config" / "Quillmar";
    EXPECT_EQ(CalcScriptLocation(prefix.Path() / "bin", user), user / "calc.lua");
    std::string copied;
    ASSERT_TRUE(ReadWholeFile((user / "calc.lua").string(), copied, 100).ok);
    EXPECT_EQ(copied, "output(1)");
    home.Write("config/Quillmar/calc.lua", "edited");
    EXPECT_EQ(CalcScriptLocation(prefix.Path() / "bin", user), user / "calc.lua");
    ASSERT_TRUE(ReadWholeFile((user / "calc.lua").string(), copied, 100).ok);
    EXPECT_EQ(copied, "edited");
}

}  // namespace
