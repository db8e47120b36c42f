// The writer over a real temporary file: 200 000 element lines, each its own
// write, then the commit that puts the file in place.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "output/XmlWriter.h"
#include "services/OutputFile.h"

namespace {

constexpr int kLines = 200000;

void WriteLines(benchmark::State& state, const char* text) {
    const std::string path = (std::filesystem::temp_directory_path() / "orbek-bench-writer.xml").string();
    std::string line;
    for (auto _ : state) {
        auto file = NewOutputFile();
        ClXmlWriter writer;
        bool ok = file && writer.Open(file.get(), path.c_str()) == 0;
        for (int i = 0; ok && i < kLines; ++i) {
            ok = writer.WriteElement(line, "KINGAKU", text, 4) == 1;
        }
        if (!ok || writer.Commit() != 1) state.SkipWithError("write failed");
        writer.Close();
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_WriteElementLines(benchmark::State& state) { WriteLines(state, "1234567"); }
BENCHMARK(BM_WriteElementLines)->Unit(benchmark::kMillisecond);

// Double-byte text with every byte that needs an entity.
void BM_WriteEscapedElementLines(benchmark::State& state) { WriteLines(state, "株式会社＆<山田> \"商店\" 'A&B'"); }
BENCHMARK(BM_WriteEscapedElementLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
