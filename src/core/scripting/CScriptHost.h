// The Lua 5.1 host of the calculations page. The user's calc.lua gets the
// character as globals and a few functions that emit rows and query the plan.
// A script is code from anywhere that runs in the interface thread, so every
// run is guarded: a time budget checked by an instruction-count hook, a memory
// cap in the allocator, source text only (no precompiled chunks), and no os,
// io.popen or debug.sethook. Each host reaches its own page through the state's
// allocator data, never through anything process-wide.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/UiLanguage.h"

struct lua_State;
class CPrompt;
class CQuillmarDoc;

// Where the rows and debug lines of one host go: the page's table and log.
class CScriptPage {
public:
    virtual ~CScriptPage() = default;
    // Before the script runs: the rows of the last run go.
    virtual void ScriptRunStarting() {}
    // One row from output(); its cells are the texts of the arguments.
    virtual void ScriptOutput(const std::vector<std::string>& cells) = 0;
    // A log() line or one of the host's own messages, without the line end.
    virtual void ScriptDebug(std::string_view line) = 0;
};

struct ScriptLimits {
    std::chrono::milliseconds timeBudget{1000};
    std::size_t memoryCap = std::size_t{64} << 20;
};

enum class ScriptOutcome {
    Completed,  // ran to its end
    Failed,     // did not load, raised an error or was stopped by a guard
    Disabled,   // the user chose Cancel in an earlier error box of this host
};

class CScriptHost {
public:
    static constexpr std::size_t kMessageBuffer = 1024;  // error box text and log line, terminator included
    static constexpr std::string_view kScriptFileName = "calc.lua";

    CScriptHost(CPrompt& prompt, UiLanguage language, CScriptPage* page, ScriptLimits limits = {});
    ~CScriptHost();
    CScriptHost(const CScriptHost&) = delete;
    CScriptHost& operator=(const CScriptHost&) = delete;

    // The page went: the functions of a later run emit nothing.
    void DetachPage() { m_page = nullptr; }
    bool IsDisabled() const { return m_disabled; }
    bool IsOpen() const { return m_state != nullptr; }

    // The whole run as the page does it: Open, the functions, the character's
    // globals, ScriptRunStarting, RunFile, Close.
    ScriptOutcome Run(const CQuillmarDoc& doc, const std::filesystem::path& script);

    // The steps of Run, for callers that set globals of their own.
    bool Open();
    void RegisterPageFunctions(const CQuillmarDoc& doc);
    void SetCharacterGlobals(const CQuillmarDoc& doc);
    void SetGlobalString(const char* name, std::string_view text);
    void SetGlobalNumber(const char* name, double number);
    ScriptOutcome RunFile(const std::filesystem::path& script);
    // Builds the error box text from the values on the stack (emptying it),
    // shows it, and disables the host when the user chooses Cancel.
    void ReportError();
    void Close();

    // The texts of the error boxes of the last Run, for the command-line tool.
    const std::vector<std::string>& Errors() const { return m_errors; }

private:
    enum class Stop { None, Timeout, Memory };

    static void* Allocate(void* ud, void* block, std::size_t oldSize, std::size_t newSize);
    static void CountHook(lua_State* state, struct lua_Debug* debug);
    static CScriptHost* HostOf(lua_State* state);
    static int Output(lua_State* state);
    static int Log(lua_State* state);
    static int GetSpec(lua_State* state);
    static int GetRRLevel(lua_State* state);
    static int StringRep(lua_State* state);
    static int LoadString(lua_State* state);
    static int Load(lua_State* state);
    static int LoadFile(lua_State* state);
    static int DoFile(lua_State* state);

    void Debug(std::string_view line);
    // Counts what the page keeps; false once the run is over the memory cap.
    bool Keep(std::size_t bytes);
    std::string StopMessage(const std::filesystem::path& script) const;
    // Load source text only; push the chunk or an error message. 0 on success.
    static int LoadChunkOn(lua_State* state, std::string_view text, const char* chunkName, UiLanguage language);
    static int LoadFileOn(lua_State* state, const char* path, UiLanguage language, std::size_t maxBytes);
    int LoadScriptFile(const std::filesystem::path& path);

    CPrompt& m_prompt;
    UiLanguage m_language;
    CScriptPage* m_page;
    ScriptLimits m_limits;
    lua_State* m_state = nullptr;
    const CQuillmarDoc* m_doc = nullptr;
    bool m_disabled = false;
    bool m_capActive = true;
    Stop m_stop = Stop::None;
    std::size_t m_used = 0;
    std::size_t m_kept = 0;  // the texts of the run's rows and log lines
    std::chrono::steady_clock::time_point m_deadline{};
    std::vector<std::string> m_errors;
};

// Where calc.lua is read from. Installed: in the per-user settings folder,
// where the installed sample is copied on first use so that the user can edit
// it. In a build tree or a portable folder: beside the program (where
// config.bin is kept); when there is none, in the settings folder; neither:
// the path beside the program, so that the load error names it.
std::filesystem::path CalcScriptLocation(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfigFolder);
