#include "scripting/CScriptHost.h"

#include <sys/stat.h>

#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "common/CPrompt.h"
#include "common/FileIo.h"
#include "common/Windows1252.h"
#include "database/CGameDatabase.h"
#include "database/DataRoot.h"
#include "document/CQuillmarDoc.h"

namespace {

constexpr int kHookInterval = 1000;  // instructions between two looks at the clock
constexpr std::string_view kCancelHint = "\n(use 'cancel' to deactivate script till reload)";
constexpr const char* kStopped = "stopped by the host";
constexpr std::size_t kKeptRowOverhead = 32;  // what a row or cell costs the page beyond its text

// A message is cut so that it fits a buffer of kMessageBuffer bytes with its terminator.
void CutToBuffer(std::string& text, std::size_t reserved = 0)
{
    const std::size_t room = CScriptHost::kMessageBuffer - 1 - reserved;
    if (text.size() > room)
        text.resize(room);
}

// Strings as they are, numbers in Lua's own form; other values have no text.
// Allocates nothing in the interpreter, so it never raises an error: the
// callers hold C++ objects that a raised error would skip.
bool TextOf(lua_State* state, int index, std::string& text)
{
    const int type = lua_type(state, index);
    if (type == LUA_TSTRING) {
        std::size_t length = 0;
        const char* bytes = lua_tolstring(state, index, &length);
        text.append(bytes, length);
        return true;
    }
    if (type != LUA_TNUMBER)
        return false;
    char number[LUAI_MAXNUMBER2STR];
    const int length = std::snprintf(number, sizeof number, LUA_NUMBER_FMT, lua_tonumber(state, index));
    text.append(number, static_cast<std::size_t>(std::clamp(length, 0, int(sizeof number) - 1)));
    return true;
}

// Userdata (the file handles) and C functions keep their metatables and
// environments to themselves; everything else works as in the debug library.
bool IsNative(lua_State* state, int index)
{
    return lua_type(state, index) == LUA_TUSERDATA || lua_iscfunction(state, index);
}

int DebugGetMetatable(lua_State* state)
{
    luaL_checkany(state, 1);
    if (IsNative(state, 1) || !lua_getmetatable(state, 1))
        lua_pushnil(state);
    return 1;
}

int DebugSetMetatable(lua_State* state)
{
    const int type = lua_type(state, 2);
    luaL_argcheck(state, type == LUA_TNIL || type == LUA_TTABLE, 2, "nil or table expected");
    if (IsNative(state, 1))
        return luaL_argerror(state, 1, "the metatable of a file handle cannot be changed");
    lua_settop(state, 2);
    lua_pushboolean(state, lua_setmetatable(state, 1));
    return 1;
}

int DebugGetFenv(lua_State* state)
{
    luaL_checkany(state, 1);
    if (IsNative(state, 1))
        lua_pushnil(state);
    else
        lua_getfenv(state, 1);
    return 1;
}

int DebugSetFenv(lua_State* state)
{
    luaL_checktype(state, 2, LUA_TTABLE);
    if (IsNative(state, 1))
        return luaL_argerror(state, 1, "the environment of a file handle or C function cannot be changed");
    lua_settop(state, 2);
    if (lua_setfenv(state, 1) == 0)
        return luaL_error(state, "'setfenv' cannot change environment of given object");
    return 1;
}

// The pattern matcher recurses once for each repeated item of a pattern, so a
// very long pattern overflows the C stack. Upvalue 1: the library function;
// upvalue 2: true for find, which takes a plain text (or one without special
// characters) without the matcher.
constexpr std::size_t kMaxPattern = 4096;

int GuardedPatternFunction(lua_State* state)
{
    std::size_t length = 0;
    const char* pattern = lua_type(state, 2) == LUA_TSTRING ? lua_tolstring(state, 2, &length) : nullptr;
    if (pattern != nullptr && length > kMaxPattern) {
        const bool plain = lua_toboolean(state, lua_upvalueindex(2)) &&
                           (lua_toboolean(state, 4) || std::string_view(pattern, length).find_first_of(
                                                           "^$*+?.([%-") == std::string_view::npos);
        if (!plain)
            return luaL_argerror(state, 2, "pattern longer than 4096 bytes");
    }
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// Opening a FIFO waits for a writer for good, and a device may never run out
// (/dev/zero): io opens a file by name only when it is a regular file or does
// not exist yet. Upvalue 1 is the library function, upvalue 2 whether it
// answers a failure with nil and a message (io.open) rather than an error.
int GuardedFileFunction(lua_State* state)
{
    if (lua_type(state, 1) == LUA_TSTRING) {
        const char* name = lua_tostring(state, 1);
        struct stat info {};
        if (::stat(name, &info) == 0 && !S_ISREG(info.st_mode)) {
            if (!lua_toboolean(state, lua_upvalueindex(2)))
                return luaL_error(state, "%s: not a regular file", name);
            lua_pushnil(state);
            lua_pushfstring(state, "%s: not a regular file", name);
            return 2;
        }
    }
    lua_pushvalue(state, lua_upvalueindex(1));
    lua_insert(state, 1);
    lua_call(state, lua_gettop(state) - 1, LUA_MULTRET);
    return lua_gettop(state);
}

// unpack as the base library has it, with the count of results worked out
// without overflow (the library's own crashes on unpack({}, -2^31, 2^31 - 1)).
int Unpack(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    const lua_Integer first = luaL_optinteger(state, 2, 1);
    const lua_Integer last = lua_isnoneornil(state, 3) ? static_cast<lua_Integer>(lua_objlen(state, 1))
                                                       : luaL_checkinteger(state, 3);
    if (first > last)
        return 0;
    const long double count = static_cast<long double>(last) - static_cast<long double>(first) + 1;
    if (count > 8000 || !lua_checkstack(state, static_cast<int>(count)))
        return luaL_error(state, "too many results to unpack");
    for (lua_Integer i = first; i <= last; ++i) {
        lua_pushinteger(state, i);
        lua_rawget(state, 1);
    }
    return static_cast<int>(count);
}

int OpenLibraries(lua_State* state)
{
    const luaL_Reg libraries[] = {
        {"", luaopen_base},
        {LUA_IOLIBNAME, luaopen_io},
        {LUA_STRLIBNAME, luaopen_string},
        {LUA_TABLIBNAME, luaopen_table},
        {LUA_MATHLIBNAME, luaopen_math},
        {LUA_DBLIBNAME, luaopen_debug},
    };
    for (const luaL_Reg& library : libraries) {
        lua_pushcfunction(state, library.func);
        lua_pushstring(state, library.name);
        lua_call(state, 1, 0);
    }
    // io.popen runs shell commands; debug.sethook would take the time guard away;
    // newproxy makes userdata whose finalizer runs with hooks off.
    lua_getglobal(state, LUA_IOLIBNAME);
    lua_pushnil(state);
    lua_setfield(state, -2, "popen");
    // Reading the process's standard input would block the program for good.
    lua_getfield(state, -1, "input");
    lua_pushliteral(state, "/dev/null");
    lua_call(state, 1, 1);
    lua_setfield(state, -2, "stdin");
    for (const char* name : {"open", "lines", "input", "output"}) {
        lua_getfield(state, -1, name);
        lua_pushboolean(state, name[0] == 'o' && name[1] == 'p');
        lua_pushcclosure(state, GuardedFileFunction, 2);
        lua_setfield(state, -2, name);
    }
    lua_pop(state, 1);
    // A finalizer runs with hooks off, so the time guard cannot stop a loop in
    // one: the file handles' metatable is not handed out to be given a __gc.
    luaL_getmetatable(state, LUA_FILEHANDLE);
    lua_pushboolean(state, 0);
    lua_setfield(state, -2, "__metatable");
    lua_pop(state, 1);
    // The debug functions that reach the registry, the handles' metatable or a
    // C function's environment would let a script crash the interpreter or
    // install such a finalizer; debug.debug reads standard input.
    lua_getglobal(state, LUA_DBLIBNAME);
    for (const char* name : {"sethook", "debug", "getregistry"}) {
        lua_pushnil(state);
        lua_setfield(state, -2, name);
    }
    const luaL_Reg guarded[] = {
        {"getmetatable", DebugGetMetatable},
        {"setmetatable", DebugSetMetatable},
        {"getfenv", DebugGetFenv},
        {"setfenv", DebugSetFenv},
        {nullptr, nullptr},
    };
    luaL_register(state, nullptr, guarded);
    lua_pop(state, 1);
    lua_getglobal(state, LUA_STRLIBNAME);
    for (const char* name : {"find", "match", "gmatch", "gsub"}) {
        lua_getfield(state, -1, name);
        lua_pushboolean(state, name[0] == 'f');
        lua_pushcclosure(state, GuardedPatternFunction, 2);
        lua_setfield(state, -2, name);
    }
    lua_pop(state, 1);
    lua_pushcfunction(state, Unpack);
    lua_setglobal(state, "unpack");
    lua_pushnil(state);
    lua_setglobal(state, "newproxy");
    return 0;
}

const char* Text(UiLanguage language, const char* german, const char* english)
{
    return language == UiLanguage::German ? german : english;
}

}  // namespace

CScriptHost::CScriptHost(CPrompt& prompt, UiLanguage language, CScriptPage* page, ScriptLimits limits)
    : m_prompt(prompt), m_language(language), m_page(page), m_limits(limits)
{
}

CScriptHost::~CScriptHost()
{
    Close();
}

CScriptHost* CScriptHost::HostOf(lua_State* state)
{
    // The allocator's data is the host: no script can reach or change it.
    void* host = nullptr;
    lua_getallocf(state, &host);
    return static_cast<CScriptHost*>(host);
}

void* CScriptHost::Allocate(void* ud, void* block, std::size_t oldSize, std::size_t newSize)
{
    auto* host = static_cast<CScriptHost*>(ud);
    if (block == nullptr)
        oldSize = 0;
    if (newSize == 0) {
        std::free(block);
        host->m_used -= std::min(host->m_used, oldSize);
        return nullptr;
    }
    const std::size_t others = host->m_used - std::min(host->m_used, oldSize);
    if (newSize > oldSize && host->m_capActive && others + newSize > host->m_limits.memoryCap) {
        host->m_stop = Stop::Memory;
        return nullptr;
    }
    void* grown = std::realloc(block, newSize);
    if (grown == nullptr)
        return newSize <= oldSize ? block : nullptr;  // Lua counts on a shrink never failing
    host->m_used = others + newSize;
    return grown;
}

void CScriptHost::CountHook(lua_State* state, lua_Debug*)
{
    CScriptHost* host = HostOf(state);
    if (host->m_stop == Stop::None && std::chrono::steady_clock::now() >= host->m_deadline)
        host->m_stop = Stop::Timeout;
    if (host->m_stop == Stop::None)
        return;
    // From now on every instruction fails, so a pcall in the script cannot
    // swallow the stop: its caller's next instruction raises it again.
    lua_sethook(state, CountHook, LUA_MASKCOUNT, 1);
    if (state != host->m_state)
        lua_sethook(host->m_state, CountHook, LUA_MASKCOUNT, 1);
    lua_pushstring(state, kStopped);
    lua_error(state);
}

bool CScriptHost::Open()
{
    if (m_state != nullptr)
        return true;
    m_used = 0;
    m_kept = 0;
    m_stop = Stop::None;
    m_capActive = false;
    m_state = lua_newstate(&CScriptHost::Allocate, this);
    if (m_state == nullptr)
        return false;
    if (lua_cpcall(m_state, OpenLibraries, nullptr) != 0) {
        std::string text;
        TextOf(m_state, -1, text);
        Debug(text);
        Close();
        return false;
    }
    lua_settop(m_state, 0);
    lua_register(m_state, "loadstring", &CScriptHost::LoadString);
    lua_register(m_state, "load", &CScriptHost::Load);
    lua_register(m_state, "loadfile", &CScriptHost::LoadFile);
    lua_register(m_state, "dofile", &CScriptHost::DoFile);
    lua_register(m_state, "log", &CScriptHost::Log);
    lua_getglobal(m_state, LUA_STRLIBNAME);
    lua_pushcfunction(m_state, &CScriptHost::StringRep);
    lua_setfield(m_state, -2, "rep");
    lua_pop(m_state, 1);
    return true;
}

void CScriptHost::RegisterPageFunctions(const CQuillmarDoc& doc)
{
    if (m_state == nullptr)
        return;
    m_doc = &doc;
    lua_register(m_state, "output", &CScriptHost::Output);
    lua_register(m_state, "GetRRLevel", &CScriptHost::GetRRLevel);
    lua_register(m_state, "GetSpec", &CScriptHost::GetSpec);
}

void CScriptHost::SetGlobalString(const char* name, std::string_view text)
{
    if (m_state == nullptr)
        return;
    lua_pushlstring(m_state, text.data(), text.size());
    lua_setglobal(m_state, name);
}

void CScriptHost::SetGlobalNumber(const char* name, double number)
{
    if (m_state == nullptr)
        return;
    lua_pushnumber(m_state, number);
    lua_setglobal(m_state, name);
}

void CScriptHost::SetCharacterGlobals(const CQuillmarDoc& doc)
{
    const CGameDatabase& database = doc.Database();
    SetGlobalString("char_class", database.ClassName());
    SetGlobalNumber("char_rr", doc.GetRealmRank());
    SetGlobalNumber("char_level", doc.GetLevel());
    SetGlobalString("char_realm", database.RealmNameOfSelection());
    SetGlobalNumber("char_realmid", database.Selection().realm);
    static constexpr const char* kStatGlobals[kStatCount] = {"char_STRra", "char_CONra", "char_DEXra", "char_QUIra",
                                                             "char_INTra", "char_PIEra", "char_EMPra", "char_CHAra"};
    const StatValues totals = doc.GetStatTotals();
    for (std::size_t stat = 0; stat < totals.size(); ++stat)
        SetGlobalNumber(kStatGlobals[stat], totals[stat]);
}

ScriptOutcome CScriptHost::Run(const CQuillmarDoc& doc, const std::filesystem::path& script)
{
    m_errors.clear();
    if (!Open())
        return ScriptOutcome::Failed;
    RegisterPageFunctions(doc);
    SetCharacterGlobals(doc);
    if (m_page != nullptr)
        m_page->ScriptRunStarting();
    const ScriptOutcome outcome = RunFile(script);
    Close();
    return outcome;
}

ScriptOutcome CScriptHost::RunFile(const std::filesystem::path& script)
{
    if (m_disabled)
        return ScriptOutcome::Disabled;
    if (m_state == nullptr)
        return ScriptOutcome::Failed;
    lua_settop(m_state, 0);
    m_stop = Stop::None;
    m_deadline = std::chrono::steady_clock::now() + m_limits.timeBudget;
    lua_sethook(m_state, &CScriptHost::CountHook, LUA_MASKCOUNT, kHookInterval);
    m_capActive = true;
    int status = LoadScriptFile(script);
    if (status == 0)
        status = lua_pcall(m_state, 0, 0, 0);
    // What follows only reports; it must not fail for want of memory.
    m_capActive = false;
    lua_sethook(m_state, nullptr, 0, 0);
    if (status == 0)
        return ScriptOutcome::Completed;
    if (m_stop != Stop::None) {
        lua_settop(m_state, 0);
        const std::string message = StopMessage(script);
        lua_pushlstring(m_state, message.data(), message.size());
    }
    ReportError();
    return ScriptOutcome::Failed;
}

std::string CScriptHost::StopMessage(const std::filesystem::path& script) const
{
    const std::string name = script.filename().string();
    if (m_stop == Stop::Timeout)
        return name +
               Text(m_language, ": Das Script lief zu lange (mehr als ", ": the script took too long (more than ") +
               std::to_string(m_limits.timeBudget.count()) +
               Text(m_language, " ms) und wurde angehalten.", " ms) and was stopped.");
    return name + Text(m_language, ": Das Script brauchte mehr als ", ": the script needed more than ") +
           std::to_string(m_limits.memoryCap >> 20) +
           Text(m_language, " MiB Speicher und wurde angehalten.", " MiB of memory and was stopped.");
}

void CScriptHost::ReportError()
{
    if (m_state == nullptr)
        return;
    std::string message;
    while (lua_gettop(m_state) > 0) {
        switch (lua_type(m_state, -1)) {
        case LUA_TSTRING:
        case LUA_TNUMBER:
            TextOf(m_state, -1, message);
            message += '\n';
            break;
        case LUA_TBOOLEAN:
            message += lua_toboolean(m_state, -1) ? "true\n" : "false\n";
            break;
        case LUA_TTABLE:
            Debug("script returned a table");
            break;
        default:
            Debug("script returned unknown param");
            break;
        }
        lua_pop(m_state, 1);
    }
    CutToBuffer(message, kCancelHint.size());
    Debug(message);
    message += kCancelHint;
    m_errors.push_back(message);
    // The texts of the script and of the data are Windows-1252; the box takes UTF-8.
    const PromptAnswer answer =
        m_prompt.Show({"Script-Error", Windows1252ToUtf8(message), PromptIcon::Error, PromptButtons::OkCancel});
    if (answer == PromptAnswer::Cancel)
        m_disabled = true;
}

void CScriptHost::Close()
{
    if (m_state == nullptr)
        return;
    m_capActive = false;
    lua_close(m_state);
    m_state = nullptr;
    m_doc = nullptr;
}

void CScriptHost::Debug(std::string_view line)
{
    if (m_page != nullptr)
        m_page->ScriptDebug(line);
}

// Script functions ---------------------------------------------------------------

// The rows and log lines a run leaves with the page count against the memory
// cap as well: a loop of output() calls must not fill the memory either.
bool CScriptHost::Keep(std::size_t bytes)
{
    m_kept += bytes;
    if (m_capActive && m_used + m_kept > m_limits.memoryCap)
        m_stop = Stop::Memory;
    return m_stop != Stop::Memory;
}

int CScriptHost::Output(lua_State* state)
{
    CScriptHost* host = HostOf(state);
    if (host->m_page == nullptr)
        return 0;
    bool kept = false;
    {
        const int count = lua_gettop(state);
        std::vector<std::string> cells(static_cast<std::size_t>(count));
        std::size_t bytes = kKeptRowOverhead;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            TextOf(state, static_cast<int>(i) + 1, cells[i]);
            bytes += cells[i].size() + kKeptRowOverhead;
        }
        kept = host->Keep(bytes);
        if (kept)
            host->m_page->ScriptOutput(cells);
    }
    return kept ? 0 : luaL_error(state, kStopped);
}

int CScriptHost::Log(lua_State* state)
{
    CScriptHost* host = HostOf(state);
    bool kept = false;
    {
        std::string line;
        const int count = lua_gettop(state);
        for (int i = 1; i <= count && line.size() < kMessageBuffer; ++i)
            TextOf(state, i, line);
        CutToBuffer(line, 1);  // the line end is part of the buffer
        kept = host->Keep(line.size() + kKeptRowOverhead);
        if (kept)
            host->Debug(line);
    }
    return kept ? 0 : luaL_error(state, kStopped);
}

int CScriptHost::GetSpec(lua_State* state)
{
    CScriptHost* host = HostOf(state);
    if (host->m_page == nullptr || host->m_doc == nullptr || lua_gettop(state) != 1 ||
        lua_type(state, 1) != LUA_TSTRING)
        return 0;
    std::size_t length = 0;
    const char* name = lua_tolstring(state, 1, &length);
    lua_pushnumber(state, host->m_doc->GetSpecLevel({name, length}));
    return 1;
}

int CScriptHost::GetRRLevel(lua_State* state)
{
    CScriptHost* host = HostOf(state);
    if (host->m_page == nullptr || host->m_doc == nullptr || lua_gettop(state) != 1 ||
        lua_type(state, 1) != LUA_TSTRING)
        return 0;
    std::size_t length = 0;
    const char* bytes = lua_tolstring(state, 1, &length);
    const std::string_view name(bytes, length);
    const CQuillmarDoc& doc = *host->m_doc;
    lua_pushnumber(state, doc.Database().RealmAbilityValue(name, doc.GetRealmAbilityNf(name)));
    return 1;
}

// string.rep as the library has it, except that a repetition of nothing
// ends at once and one larger than the memory cap is refused before the
// copying starts (the library's loop runs no instruction the hook sees).
int CScriptHost::StringRep(lua_State* state)
{
    std::size_t length = 0;
    const char* text = luaL_checklstring(state, 1, &length);
    const lua_Number count = luaL_checknumber(state, 2);
    if (length == 0 || !(count >= 1)) {
        lua_pushliteral(state, "");
        return 1;
    }
    CScriptHost* host = HostOf(state);
    if (count * static_cast<lua_Number>(length) > static_cast<lua_Number>(host->m_limits.memoryCap)) {
        host->m_stop = Stop::Memory;
        return luaL_error(state, kStopped);
    }
    const auto times = static_cast<std::size_t>(count);
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    for (std::size_t i = 0; i < times; ++i)
        luaL_addlstring(&buffer, text, length);
    luaL_pushresult(&buffer);
    return 1;
}

// Loaders: source text only --------------------------------------------------------

// A raised error would skip the destructors of C++ objects, so the functions
// below push onto the interpreter's stack only once theirs are gone.

namespace {

bool IsPrecompiled(std::string_view text)
{
    return !text.empty() && text.front() == LUA_SIGNATURE[0];
}

const char* PrecompiledMessage(UiLanguage language)
{
    return Text(language, ": vorkompilierte Lua-Chunks werden nicht geladen, nur Lua-Quelltext.",
                ": precompiled Lua chunks are not loaded, only Lua source text.");
}

}  // namespace

int CScriptHost::LoadChunkOn(lua_State* state, std::string_view text, const char* chunkName, UiLanguage language)
{
    // Precompiled chunks are not checked by the interpreter and can crash it.
    if (IsPrecompiled(text)) {
        const bool named = (chunkName[0] == '@' || chunkName[0] == '=') && chunkName[1] != '\0';
        lua_pushfstring(state, "%s%s", named ? chunkName + 1 : "chunk", PrecompiledMessage(language));
        return LUA_ERRSYNTAX;
    }
    return luaL_loadbuffer(state, text.data(), text.size(), chunkName);
}

int CScriptHost::LoadFileOn(lua_State* state, const char* path, UiLanguage language, std::size_t maxBytes)
{
    char message[1024];
    int status = LUA_ERRFILE;
    {
        std::string bytes;
        const FileIoResult read = ReadWholeFile(path, bytes, maxBytes);
        if (!read.ok) {
            std::snprintf(message, sizeof message, "cannot open %s: %s", path, read.error.c_str());
        } else {
            // A first line starting with '#' is skipped as the stand-alone
            // interpreter does; its line end stays so that line numbers hold.
            std::string_view text(bytes);
            if (!text.empty() && text.front() == '#') {
                text.remove_prefix(std::min(text.find('\n'), text.size()));
                // The interpreter would take a precompiled chunk after that line too.
                if (text.size() > 1 && IsPrecompiled(text.substr(1)))
                    text.remove_prefix(1);
            }
            if (!IsPrecompiled(text)) {
                // The parser runs protected: it leaves the chunk or its message.
                const std::string chunkName = std::string("@") + path;
                return luaL_loadbuffer(state, text.data(), text.size(), chunkName.c_str());
            }
            std::snprintf(message, sizeof message, "%s%s", path, PrecompiledMessage(language));
            status = LUA_ERRSYNTAX;
        }
    }
    lua_pushstring(state, message);
    return status;
}

int CScriptHost::LoadScriptFile(const std::filesystem::path& path)
{
    return LoadFileOn(m_state, path.c_str(), m_language, m_limits.memoryCap);
}

int CScriptHost::LoadString(lua_State* state)
{
    std::size_t length = 0;
    const char* text = luaL_checklstring(state, 1, &length);
    const char* name = luaL_optstring(state, 2, text);
    if (LoadChunkOn(state, {text, length}, name, HostOf(state)->m_language) == 0)
        return 1;
    lua_pushnil(state);
    lua_insert(state, -2);
    return 2;
}

int CScriptHost::Load(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TFUNCTION);
    const char* name = luaL_optstring(state, 2, "=(load)");  // stays on the stack at 2
    lua_settop(state, 2);
    CScriptHost* host = HostOf(state);
    // The pieces are kept in a table and joined once; the clock is looked at
    // for every piece, as a reader written in C runs no instruction the hook sees.
    lua_newtable(state);
    int pieces = 0;
    for (;;) {
        if (std::chrono::steady_clock::now() >= host->m_deadline)
            host->m_stop = Stop::Timeout;
        if (host->m_stop != Stop::None)
            return luaL_error(state, kStopped);
        lua_pushvalue(state, 1);
        lua_call(state, 0, 1);
        if (lua_isnil(state, -1)) {
            lua_pop(state, 1);
            break;
        }
        if (lua_type(state, -1) != LUA_TSTRING)
            return luaL_error(state, "reader function must return a string");
        if (lua_objlen(state, -1) == 0) {
            lua_pop(state, 1);
            break;
        }
        lua_rawseti(state, 3, ++pieces);
    }
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    for (int i = 1; i <= pieces; ++i) {
        lua_rawgeti(state, 3, i);
        luaL_addvalue(&buffer);
    }
    luaL_pushresult(&buffer);
    std::size_t length = 0;
    const char* text = lua_tolstring(state, -1, &length);
    if (LoadChunkOn(state, {text, length}, name, host->m_language) == 0)
        return 1;
    lua_pushnil(state);
    lua_insert(state, -2);
    return 2;
}

int CScriptHost::LoadFile(lua_State* state)
{
    // Without a name the interpreter would read standard input and block.
    const char* path = luaL_checkstring(state, 1);
    CScriptHost* host = HostOf(state);
    if (LoadFileOn(state, path, host->m_language, host->m_limits.memoryCap) == 0)
        return 1;
    lua_pushnil(state);
    lua_insert(state, -2);
    return 2;
}

int CScriptHost::DoFile(lua_State* state)
{
    const char* path = luaL_checkstring(state, 1);
    CScriptHost* host = HostOf(state);
    lua_settop(state, 1);
    if (LoadFileOn(state, path, host->m_language, host->m_limits.memoryCap) != 0)
        return lua_error(state);
    lua_call(state, 0, LUA_MULTRET);
    return lua_gettop(state) - 1;
}

// Where the script is -----------------------------------------------------------

std::filesystem::path CalcScriptLocation(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userConfigFolder)
{
    std::error_code error;
    const std::filesystem::path inSettings = userConfigFolder / CScriptHost::kScriptFileName;
    if (RunsInstalled(programFolder.string())) {
        // The installed sample becomes the user's own copy on first use.
        const std::filesystem::path sample =
            std::filesystem::path(InstalledDataFolder(programFolder.string())) / CScriptHost::kScriptFileName;
        if (!std::filesystem::exists(inSettings, error) && std::filesystem::is_regular_file(sample, error)) {
            std::filesystem::create_directories(userConfigFolder, error);
            std::filesystem::copy_file(sample, inSettings, error);
        }
        return inSettings;
    }
    const std::filesystem::path besideProgram = programFolder / CScriptHost::kScriptFileName;
    if (std::filesystem::exists(besideProgram, error))
        return besideProgram;
    if (std::filesystem::exists(inSettings, error))
        return inSettings;
    return besideProgram;
}
