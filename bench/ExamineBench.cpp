// Inspecting the largest real-estate export (9 999 letting rows): reading,
// every check, and the summary, on the file scripts/make-lettings-export.sh
// makes with the stand-in engine. The heap the read export holds is shown
// per byte of the file, so that memory can be seen to follow the file's size.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <sstream>

#include "examine/Checks.h"
#include "examine/Diff.h"
#include "examine/Render.h"
#include "examine/View.h"

namespace {

const char* const kExport = ORBEK_BINARY_DIR "/inspect-bench/lettings-9999.xml";

std::string ReadExportFile() {
    std::ostringstream bytes;
    bytes << std::ifstream(kExport, std::ios::binary).rdbuf();
    return bytes.str();
}

void BM_Inspect9999Lettings(benchmark::State& state) {
    const std::string bytes = ReadExportFile();
    if (bytes.empty()) {
        state.SkipWithError("no export: run scripts/make-lettings-export.sh first");
        return;
    }
    for (auto _ : state) {
        StBYTECHECK scan = CheckBytes(bytes);
        const StEXPORT file = ReadExport(scan.repaired.empty() ? bytes : scan.repaired);
        const std::vector<StFINDING> findings = CheckExport(scan.findings, file);
        const std::string text = RenderText(BuildView(file, findings, false));
        benchmark::DoNotOptimize(text.data());
        if (!findings.empty()) state.SkipWithError("the export did not pass its checks");
    }
    const std::size_t before = mallinfo2().uordblks;
    const StEXPORT held = ReadExport(bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    state.counters["elements"] = static_cast<double>(held.elements.size());
    state.counters["heap_per_file_byte"] =
        static_cast<double>(mallinfo2().uordblks - before) / static_cast<double>(bytes.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_Inspect9999Lettings)->Unit(benchmark::kMillisecond);

// The same export against itself with one letting row's address changed: the
// rows are aligned by content, so one changed row is found among 9 999.
void BM_Diff9999Lettings(benchmark::State& state) {
    const std::string bytes = ReadExportFile();
    const std::size_t at = bytes.find("\x90\xd4\x89\x48");  // the first letting's address, 赤羽
    if (bytes.empty() || at == std::string::npos) {
        state.SkipWithError("no export: run scripts/make-lettings-export.sh first");
        return;
    }
    std::string changed = bytes;
    changed.replace(at, 4, "\x93\x8c\x8b\x9e");  // 東京
    for (auto _ : state) {
        const StEXPORT before = ReadExport(bytes);
        const StEXPORT after = ReadExport(changed);
        const std::vector<StCHANGE> changes = DiffExports(before, after);
        if (changes.size() != 1) state.SkipWithError("not one changed row");
        benchmark::DoNotOptimize(changes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(2 * bytes.size()));
}
BENCHMARK(BM_Diff9999Lettings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
