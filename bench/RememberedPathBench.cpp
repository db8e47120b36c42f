// Rewriting a remembered-path file that holds nothing but stale records of
// the run's own key (1, 2 and 4 MB), in memory: the rewrite must take time
// in proportion to the file's size.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "dialog/ConditionDlg.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"
#include "doubles/Standin.h"

namespace {

constexpr char kFile[] = "/data/varnoke/Orbek17Plus.env";

void BM_RewriteStaleRecords(benchmark::State& state) {
    const std::string record = "user01/1/3:0/0/1//home/user01/reports/output.xml\n";
    std::string stale;
    while (stale.size() + record.size() <= static_cast<std::size_t>(state.range(0))) stale += record;
    ClTestStandin engine(R"({"format": 1, "appFolders": {"1": "/data/varnoke/"}})");
    ClFakeFileSystem fs;
    ClScriptedConditionView view;
    ClRecordingMessageBox box;
    ClConditionDlg dialog(view, fs, box, "Orbek17Plus.env");
    std::strcpy(dialog.userId, "user01");
    dialog.selNo1 = 1;
    dialog.selNo2 = 3;
    for (auto _ : state) {
        state.PauseTiming();
        fs.AddFile(kFile, stale);
        state.ResumeTiming();
        if (dialog.WriteRememberedPath(0, 0, 2, "/out.xml") != 1) state.SkipWithError("not written");
    }
    if (fs.files[kFile] != "user01/1/3:0/0/2//out.xml\n") state.SkipWithError("stale records kept");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RewriteStaleRecords)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
