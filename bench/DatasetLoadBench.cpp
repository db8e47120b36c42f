// Loading engine data sets of 1 000, 10 000 and 100 000 fully filled letting
// rows (in companies of at most 9 999) (every text at its field's full width in double-byte characters, every
// number set), from a file as the stand-in does it.
//
//   bench_datasetload --write-dataset ROWS FILE   writes such a data set (a blue
//   real-estate company that the export takes as it stands), for measuring a
//   whole export.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "engine/SaveLayout.h"
#include "standin/StandinDataset.h"

namespace {

// count double-byte characters (three UTF-8 bytes each), varied by seed. The
// data set is UTF-8, and narrow literals are Shift_JIS in this build.
std::string Wide(std::size_t count, std::size_t seed) {
    static const char8_t* const kKanji[] = {u8"東", u8"京", u8"都", u8"千", u8"代", u8"田", u8"区", u8"丸", u8"内",
                                            u8"一", u8"丁", u8"目", u8"番", u8"号", u8"棟", u8"階", u8"室"};
    constexpr std::size_t kKinds = sizeof kKanji / sizeof kKanji[0];
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += reinterpret_cast<const char*>(kKanji[(seed + i) % kKinds]);
    return text;
}

constexpr std::size_t kCompanyRows = savelayout::kasituke::kMaxRows;  // the most one company holds

std::string LettingRow(std::size_t i) {
    const std::string n = std::to_string(i + 1);  // no leading zero
    return "{\"marker\": 1, \"lowerAddress\": \"" + Wide(20, i) + "\", \"location\": \"" + Wide(20, i + 1) +
           "\", \"address\": \"" + Wide(20, i + 2) + "\", \"kasiyaKasiti\": \"" + Wide(5, i + 3) + "\", \"youto\": \"" +
           Wide(10, i + 4) + "\", \"from\": 20250101, \"to\": 20251231, \"area\": " + n + "12345, \"monthlyRent\": 1" +
           n + "0000, \"yearlyRent\": 12" + n + "0000, \"reikin\": 2" + n + "0000, \"kenrikin\": 3" + n +
           "0000, \"kousinryou\": 4" + n + "0000, \"meigiSonota\": 5" + n + "0000, \"deposit\": 6" + n + "0000}";
}

// One company per 9 999 rows, the most the engine's letting list holds; the
// first is the one the export takes.
std::string LettingsDataset(std::size_t rows) {
    std::string json = R"({"format": 1, "currentUser": "u", "users": [{"userId": "u", "selNo1": 1, "selNo2": 1}],
 "companies": [)";
    for (std::size_t first = 0, company = 1; first < rows || company == 1; first += kCompanyRows, ++company) {
        const std::string n = std::to_string(company);
        json += (company > 1 ? "]}},\n" : "\n") + std::string(R"(  {"dataId": "D)") + n + R"(", "dataNo": )" + n +
                R"(, "companyName": "bench", "fiscalFrom": 20250101, "fiscalTo": 20251231, "aoSiroKind": 3,
  "jigyouKind": 2, "fudousan": {"kasituke": [
)";
        for (std::size_t i = first; i < rows && i < first + kCompanyRows; ++i) {
            json += (i > first ? ",\n" : "") + LettingRow(i);
        }
    }
    return json + "]}}]}\n";
}

std::string WriteDataset(std::size_t rows) {
    const std::string path = ORBEK_BINARY_DIR "/bench-lettings-" + std::to_string(rows) + ".json";
    std::ofstream(path, std::ios::binary) << LettingsDataset(rows);
    return path;
}

void BM_LoadLettings(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    const std::string path = WriteDataset(rows);
    for (auto _ : state) {
        StSTANDINDATASET data;
        StDATASETERROR error;
        if (!LoadDatasetFile(path, data, error)) state.SkipWithError(error.problem.c_str());
        benchmark::DoNotOptimize(data);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadLettings)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--write-dataset") == 0) {
        std::ofstream(argv[3], std::ios::binary) << LettingsDataset(std::strtoull(argv[2], nullptr, 10));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
