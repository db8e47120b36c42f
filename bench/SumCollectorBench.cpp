// The collector copying 10 000 engine rows (a blue general run over the four
// statements) from the stand-in engine into the summary model.
#include <benchmark/benchmark.h>

#include <string>

#include "doubles/RecordingProgressView.h"
#include "engine/SumCollector.h"
#include "standin/StandinEngine.h"

namespace {

std::string Rows(int rows) {
    std::string json = "[";
    for (int i = 1; i <= rows; ++i) {
        json += (i > 1 ? ", " : "") + std::string("{\"rowCode\": ") + std::to_string(i) +
                ", \"itemKey\": " + std::to_string(i) + ", \"amount\": " + std::to_string(10000LL * i) + "}";
    }
    return json + "]";
}

void BM_CollectBlueGeneral10000Rows(benchmark::State& state) {
    ClStandinEngine engine(
        R"({"format": 1, "currentUser": "u", "users": [{"userId": "u", "selNo1": 1, "selNo2": 5}],
        "companies": [{"dataNo": 5, "dataId": "D5", "blue": {"general": {"pl": )" +
            Rows(4000) + R"(, "bsAssets": )" + Rows(3000) + R"(, "bsLiabilities": )" + Rows(2000) +
            R"(}, "manufacturing": )" + Rows(1000) + "}}]}",
        "bench.json");
    VkBindEngine(&engine);
    if (ClAccConnect::Inst()->Initiate() != VK_OK) state.SkipWithError("data set refused");
    StDATAINFO data{};
    data.aoSiroKind = 3;
    data.jigyouKind = 1;
    for (auto _ : state) {
        ClRecordingProgressView view;
        ClProgressDlg progress(view);
        StSUMMODEL model;
        {
            ClSumCollector collector;
            collector.SetProgress(&progress);
            collector.SetModel(model);
            collector.Collect(data, 1);
        }
        if (model.sumList.size() != 10000) state.SkipWithError("rows missing");
        FreeSumModel(model);
    }
    VkBindEngine(nullptr);
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CollectBlueGeneral10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
