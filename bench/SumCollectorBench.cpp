// The collector copying 10 000 engine rows (a blue general run over the four
// statements) from the scripted engine into the summary model.
#include <benchmark/benchmark.h>

#include "doubles/RecordingProgressView.h"
#include "engine/SumCollector.h"
#include "doubles/ScriptedEngine.h"

namespace {

void Fill(StScriptedWalk& walk, int rows, int firstCode) {
    for (int i = 0; i < rows; ++i) {
        walk.rows.push_back(SumRow(firstCode + i, firstCode + i, 10000LL * i));
    }
}

void BM_CollectBlueGeneral10000Rows(benchmark::State& state) {
    ClScriptedEngine engine;
    engine.logWalks = false;
    Fill(engine.walks["AoPL0"], 4000, 1);
    Fill(engine.walks["AoBS_S0"], 3000, 1);
    Fill(engine.walks["AoBS_F0"], 2000, 1);
    Fill(engine.walks["AoSG"], 1000, 1);
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
        engine.log.clear();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CollectBlueGeneral10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
