// Writing whole reports to disk: the real-estate report with the longest
// letting list the report allows, and a blue general report with every list full.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "common/ProgressDlg.h"
#include "editions/Edition.h"
#include "engine/SaveBlocks.h"
#include "engine/SaveLayout.h"
#include "report/ReportBuilder.h"
#include "services/TaskMemory.h"
#include "tests/report/ReportFixture.h"

namespace {
constexpr int kMaxKasitukeRows = savelayout::kasituke::kMaxRows;

// A zeroed block of task memory in member, in place of what the data set gave.
void* Block(void*& member, std::size_t size) {
    TaskMemFree(member);
    return member = TaskMemAlloc(size);
}
// A field of an engine block: text, a 4-byte count or an 8-byte amount.
void Put(void* block, std::size_t offset, std::string_view text) {
    std::memcpy(static_cast<char*>(block) + offset, text.data(), text.size());
}
void Put(void* block, std::size_t offset, std::int32_t count) {
    std::memcpy(static_cast<char*>(block) + offset, &count, sizeof count);
}
void Put(void* block, std::size_t offset, std::int64_t amount) { StoreAmount(block, offset, amount); }

void FillKasitukeRows(ReportFixture& f, int rows) {
    namespace kasituke = savelayout::kasituke;
    void* list = Block(f.model.fudousan.kasitukeList, static_cast<std::size_t>(rows + 1) * kasituke::kSize);
    for (int i = 0; i < rows; ++i) {
        std::size_t at = static_cast<std::size_t>(i) * kasituke::kSize;
        Put(list, at + kasituke::kLowerAddress.offset, "借主 山田太郎");
        Put(list, at + kasituke::kLocation.offset, "東京都世田谷区桜丘一丁目二番地表");
        Put(list, at + kasituke::kUpperAddress.offset, "東京都目黒区中町");
        Put(list, at + kasituke::kHouseOrLand.offset, "貸家");
        Put(list, at + kasituke::kUse.offset, "住宅");
        Put(list, at + kasituke::kContractFrom, std::int32_t{20150401});
        Put(list, at + kasituke::kContractTo, std::int32_t{20270331});
        Put(list, at + kasituke::kArea, std::int64_t{123450 + i});
        for (std::size_t field = kasituke::kMonthlyRent; field <= kasituke::kDeposit; field += 8) {
            Put(list, at + field, Yen(80000 + i));
        }
    }
    Put(list, static_cast<std::size_t>(rows) * kasituke::kSize + kasituke::kMarker, kasituke::kTerminator);
}

void Run(benchmark::State& state, ReportFixture& f, std::int16_t incomeKind, const char* name) {
    ClSilentProgressView view;
    ClProgressDlg progress(view);
    ClReportBuilder builder(progress, f.model, incomeKind, kOrbek17Plus);
    std::string path = std::string("bench-") + name + ".xml";
    for (auto _ : state) {
        if (!builder.WriteReport(path.c_str(), 1, f.data)) state.SkipWithError("report failed");
    }
    std::remove(path.c_str());
}

void BM_RealEstateWith9999Lettings(benchmark::State& state) {
    ReportFixture f(ReportDataSet("blue-real-estate"), 3);
    FillKasitukeRows(f, kMaxKasitukeRows);
    Run(state, f, 3, "real-estate");
    state.SetItemsProcessed(state.iterations() * kMaxKasitukeRows);
}
BENCHMARK(BM_RealEstateWith9999Lettings)->Unit(benchmark::kMillisecond);

void BM_BlueGeneralEveryListFull(benchmark::State& state) {
    ReportFixture f(ReportDataSet("blue-general"));
    // Fill every row the blue general lists write, the others rows included.
    namespace L = savelayout;
    for (std::size_t at = 0; at < blocksize::kKyuuryou; at += L::wage::kSize) {
        Put(f.model.ippan.kyuuryouBlock, at + L::wage::kName.offset, "従業員 氏名");
    }
    for (std::size_t at = L::kasidaore::kFamilyFirst; at < blocksize::kKasidaore; at += L::family::kSize) {
        Put(f.model.ippan.kasidaoreBlock, at + L::family::kName.offset, "専従者 氏名");
    }
    for (std::size_t at = 0; at < blocksize::kRisiZeirisi; at += L::party::kSize) {
        Put(f.model.ippan.risiZeirisiBlock, at + L::party::kUpper.offset, "住所 氏名");
    }
    Put(f.model.ippan.tidaiBlock, L::landRent::kSize + L::landRent::kUpper.offset, "地主 氏名");
    Run(state, f, 1, "blue-general");
}
BENCHMARK(BM_BlueGeneralEveryListFull)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
