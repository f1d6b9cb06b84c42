// Arbitrary bytes as calc.lua, run against a character of the shipped English
// data with a short time budget and a small memory cap. Besides memory faults
// this checks that every run ends (completed or failed, never disabled, as the
// prompt answers OK), that no error box or log line outgrows its buffer, and
// that a run leaves no interpreter behind.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ShippedWorld.h"
#include "scripting/CScriptHost.h"

namespace {

struct CheckingPage : CScriptPage {
    void ScriptOutput(const std::vector<std::string>& cells) override { FUZZ_CHECK(cells.size() < 100000); }
    void ScriptDebug(std::string_view line) override { FUZZ_CHECK(line.size() < CScriptHost::kMessageBuffer); }
};

struct World : ShippedWorld {
    World() : ShippedWorld("en")
    {
        doc.SetClass(database.Classes().Name(0));
        doc.ActivateSelection();
    }
    CheckingPage page;
    std::filesystem::path script =
        std::filesystem::temp_directory_path() / ("quillmar-fuzz-calc-" + std::to_string(::getpid()) + ".lua");
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static World world;
    const std::string_view text = FuzzInput(data, size);
    std::ofstream(world.script, std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
    CScriptHost host(world.prompt, UiLanguage::English, &world.page, {std::chrono::milliseconds(20), std::size_t{8} << 20});
    const ScriptOutcome outcome = host.Run(world.doc, world.script);
    FUZZ_CHECK(outcome != ScriptOutcome::Disabled && !host.IsOpen());
    for (const std::string& box : host.Errors())
        FUZZ_CHECK(box.size() < CScriptHost::kMessageBuffer);
    return 0;
}
