// Load time of the game database against the cost floor of reading the same
// files and counting their separators and lines. Runs on the shipped data and
// on larger generated data sets, written into a temporary folder at start and
// removed at the end.
//
// Own options (before the Google Benchmark ones):
//   --quillmar_scales=10,100   generated sizes to measure (empty: none)
// With QUILLMAR_BENCH_SMOKE=1 in the environment (the test run): one iteration
// per case on a small generated set; fails when a load reports an error.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/CPrompt.h"
#include "database/CGameDatabase.h"

namespace fs = std::filesystem;

namespace {

class CountingPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override
    {
        ++count;
        last = message.text;
        return PromptAnswer::Ok;
    }
    int count = 0;
    std::string last;
};

// Same read as the readers do: the whole file into one buffer.
bool ReadWhole(const fs::path& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return true;
}

struct DataFile {
    fs::path path;
    char separator;
};

std::vector<DataFile> DataFilesOf(const fs::path& folder)
{
    std::vector<DataFile> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const auto ext = entry.path().extension();
        if (ext == ".dat")
            files.push_back({entry.path(), ','});
        else if (ext == ".csv")
            files.push_back({entry.path(), ';'});
    }
    std::sort(files.begin(), files.end(), [](const DataFile& a, const DataFile& b) { return a.path < b.path; });
    return files;
}

void ReadAndScan(benchmark::State& state, const fs::path& folder)
{
    const auto files = DataFilesOf(folder);
    if (files.empty()) {
        state.SkipWithError(("no data files in " + folder.string()).c_str());
        return;
    }
    std::string bytes;
    std::size_t totalBytes = 0;
    std::size_t separators = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        totalBytes = separators = lines = 0;
        for (const auto& file : files) {
            if (!ReadWhole(file.path, bytes)) {
                state.SkipWithError(("cannot read " + file.path.string()).c_str());
                return;
            }
            totalBytes += bytes.size();
            for (const char c : bytes) {
                separators += c == file.separator;
                lines += c == '\n';
            }
        }
        benchmark::DoNotOptimize(separators);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * totalBytes));
    state.counters["fields"] = static_cast<double>(separators + lines);
    state.counters["lines"] = static_cast<double>(lines);
}

void LoadDatabase(benchmark::State& state, const fs::path& root, const std::string& language)
{
    CountingPrompt prompt;
    int records = 0;
    for (auto _ : state) {
        CGameDatabase db(root.string());
        db.SetPrompt(&prompt, UiLanguage::English);
        db.Load(language);
        const DatabaseCounts c = db.Counts();
        records = c.races + c.classes + c.styles + c.styleLines + c.spells + c.spellCategoryTexts +
                  c.spellCategories + c.spellLines + c.realmAbilities + c.realmAbilitiesNf +
                  c.abilityEntries + c.abilityNames + c.masterLevelTracks + c.masterLevels;
        benchmark::DoNotOptimize(records);
        if (prompt.count > 0) {
            state.SkipWithError(("load error: " + prompt.last).c_str());
            return;
        }
    }
    if (records == 0)
        state.SkipWithError("the load filled no table");
    state.counters["records"] = records;
}

// Prints the console report and, at the end, load time over scan time per case.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.error_occurred) {
                m_failed = true;
                continue;
            }
            // With --benchmark_repetitions the median stands for the case.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type != Run::RT_Iteration)
                continue;
            // The name may carry suffixes such as "/iterations:1" after the data label.
            std::string name = run.benchmark_name();
            if (const auto cut = name.find('/', name.find('/') + 1); cut != std::string::npos)
                name.resize(cut);
            if (median && name.size() > 7 && name.compare(name.size() - 7, 7, "_median") == 0)
                name.resize(name.size() - 7);
            const double time = run.GetAdjustedRealTime();
            constexpr std::string_view kLoad = "BM_LoadDatabase/";
            constexpr std::string_view kScan = "BM_ReadAndScan/";
            double* slot = nullptr;
            if (name.rfind(kLoad, 0) == 0)
                slot = &m_times[name.substr(kLoad.size())].first;
            else if (name.rfind(kScan, 0) == 0)
                slot = &m_times[name.substr(kScan.size())].second;
            if (slot && (median || *slot <= 0))
                *slot = time;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_summaryPrinted)
            return;
        m_summaryPrinted = true;
        auto& out = GetOutputStream();
        out << "\nload / read-and-scan (goal: at most 3x)\n";
        char line[160];
        std::snprintf(line, sizeof line, "%-10s %14s %14s %8s\n", "data", "load us", "scan us", "ratio");
        out << line;
        for (const auto& [label, times] : m_times) {
            if (times.first <= 0 || times.second <= 0)
                continue;
            const double ratio = times.first / times.second;
            std::snprintf(line, sizeof line, "%-10s %14.1f %14.1f %7.2fx%s\n", label.c_str(), times.first,
                          times.second, ratio, ratio > 3.0 ? "  over" : "");
            out << line;
        }
    }

    bool Failed() const { return m_failed; }

private:
    std::map<std::string, std::pair<double, double>> m_times;  // label -> (load, scan)
    bool m_failed = false;
    bool m_summaryPrinted = false;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// Removes the generated data however main is left.
struct TempFolder {
    fs::path path;
    ~TempFolder()
    {
        if (!path.empty()) {
            std::error_code error;
            fs::remove_all(path, error);
        }
    }
};

bool Generate(const fs::path& out, int scale)
{
    const std::string command = Quoted(QUILLMAR_PYTHON) + " " +
                                Quoted(std::string(QUILLMAR_SOURCE_DIR) + "/tools/generate_data.py") +
                                " --out " + Quoted(out.string()) + " --scale " + std::to_string(scale);
    std::cerr << "generating data at scale " << scale << " into " << out.string() << "\n";
    return std::system(command.c_str()) == 0;
}

std::vector<int> ParseScales(std::string_view text)
{
    std::vector<int> scales;
    std::stringstream stream{std::string(text)};
    std::string item;
    while (std::getline(stream, item, ',')) {
        if (item.empty())
            continue;
        const int scale = std::atoi(item.c_str());
        if (scale < 1) {
            std::cerr << "bad scale: " << item << "\n";
            std::exit(2);
        }
        scales.push_back(scale);
    }
    return scales;
}

void Register(const std::string& label, const fs::path& root, const std::string& language, bool smoke)
{
    const fs::path folder = root / language;
    auto* scan = benchmark::RegisterBenchmark(("BM_ReadAndScan/" + label).c_str(),
                                              [folder](benchmark::State& s) { ReadAndScan(s, folder); });
    auto* load = benchmark::RegisterBenchmark(("BM_LoadDatabase/" + label).c_str(), [root, language](benchmark::State& s) {
        LoadDatabase(s, root, language);
    });
    for (auto* b : {scan, load}) {
        b->Unit(benchmark::kMicrosecond);
        if (smoke)
            b->Iterations(1);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> scales{10, 100};
    const char* smokeSetting = std::getenv("QUILLMAR_BENCH_SMOKE");
    const bool smoke = smokeSetting && std::string_view(smokeSetting) == "1";
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.rfind("--quillmar_scales=", 0) == 0)
            scales = ParseScales(arg.substr(std::string_view("--quillmar_scales=").size()));
        else
            rest.push_back(argv[i]);
    }
    if (smoke)
        scales = {2};
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 2;

    const fs::path shipped = QUILLMAR_SHIPPED_DATA;
    for (const char* language : {"de", "en"})
        Register(language, shipped, language, smoke);

    TempFolder temp;
    if (!scales.empty()) {
        temp.path = fs::temp_directory_path() / ("quillmar-bench-" + std::to_string(::getpid()));
        for (const int scale : scales) {
            const fs::path root = temp.path / ("x" + std::to_string(scale));
            if (!Generate(root, scale)) {
                std::cerr << "the data generator failed at scale " << scale << "\n";
                return 1;
            }
            Register("x" + std::to_string(scale), root, "de", smoke);
        }
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.Failed() ? 1 : 0;
}
