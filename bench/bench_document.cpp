// A full career character (level 50 of the class with the most lines, every
// line planned at every slot up to 50, both realm-ability lists filled):
// save + load of its character file (on disk and in memory) next to a raw read
// of the same bytes, and one Recalculate of its plan.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "CareerCharacter.h"
#include "common/CPrompt.h"
#include "common/FileIo.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"

namespace fs = std::filesystem;

namespace {

class AnsweringPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage&) override { return PromptAnswer::Ok; }
};

struct Career {
    AnsweringPrompt prompt;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    CAppSettings settings;
    CQuillmarDoc doc{database, settings};
    fs::path file;
    std::string error;

    Career()
    {
        database.SetPrompt(&prompt, UiLanguage::English);
        database.Load("en");
        if (!database.IsLoaded()) {
            error = "the shipped data does not load";
            return;
        }
        BuildCareerCharacter(database, doc);

        file = fs::temp_directory_path() / ("quillmar-bench-career-" + std::to_string(::getpid()) + ".chr");
        const CharacterSaveResult saved = SaveCharacterFile(doc, file.string(), UiLanguage::English);
        if (!saved.ok)
            error = saved.error;
    }
    ~Career()
    {
        std::error_code ignored;
        fs::remove(file, ignored);
        fs::remove(file.string() + ".2", ignored);
    }

};

Career& TheCareer()
{
    static Career career;
    return career;
}

void BM_RawRead(benchmark::State& state)
{
    Career& c = TheCareer();
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    std::string bytes;
    for (auto _ : state) {
        if (!ReadWholeFile(c.file.string(), bytes, file_limits::kCharacterFile).ok) {
            state.SkipWithError("cannot read the saved file");
            return;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_SaveLoadRoundTrip(benchmark::State& state)
{
    Career& c = TheCareer();
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    const std::string second = c.file.string() + ".2";
    CAppSettings settings;
    CQuillmarDoc copy(c.database, settings);
    for (auto _ : state) {
        const CharacterSaveResult saved = SaveCharacterFile(c.doc, second, UiLanguage::English);
        const CharacterLoadResult loaded = LoadCharacterFile(copy, second, &c.prompt, UiLanguage::English);
        if (!saved.ok || !loaded.Ok()) {
            state.SkipWithError("the round trip failed");
            return;
        }
    }
    state.counters["lines"] = static_cast<double>(c.doc.SkillLines().size());
}

// The same without the disk: the bytes a save writes and a load of them. The
// file round trip above adds the durable write (fsync before the rename).
void BM_SaveLoadRoundTripInMemory(benchmark::State& state)
{
    Career& c = TheCareer();
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    CAppSettings settings;
    CQuillmarDoc copy(c.database, settings);
    std::string bytes;
    for (auto _ : state) {
        const CharacterSaveResult saved = CharacterFileBytes(c.doc, bytes, UiLanguage::English);
        const CharacterLoadResult loaded = LoadCharacterBytes(copy, bytes, "career.chr", &c.prompt, UiLanguage::English);
        if (!saved.ok || !loaded.Ok()) {
            state.SkipWithError("the round trip failed");
            return;
        }
    }
}

void BM_Recalculate(benchmark::State& state)
{
    Career& c = TheCareer();
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    for (auto _ : state) {
        c.doc.Recalculate();
        benchmark::DoNotOptimize(c.doc.CareerPointsLeft(1));
    }
}

}  // namespace

BENCHMARK(BM_RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLoadRoundTrip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveLoadRoundTripInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
