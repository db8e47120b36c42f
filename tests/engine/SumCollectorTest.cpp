#include "engine/SumCollector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "doubles/FailAllocations.h"
#include "doubles/RecordingProgressView.h"
#include "doubles/Standin.h"
#include "engine/SaveBlocks.h"
#include "services/TaskMemory.h"
#include "standin/StandinRules.h"

namespace {

using Keys = std::vector<std::pair<int, int>>;

// Every statement with rows of its own; blue real estate has two rows 21.
const std::string kStatements =
    R"("blue": {"general": {"pl": [)" + SumRow(1, 5) + ", " + SumRow(24, 6) + R"(], "bsAssets": [)" + SumRow(1, 7) +
    R"(], "bsLiabilities": [)" + SumRow(23, 8) + ", " + SumRow(24, 9) + R"(]},
     "realEstate": {"pl": [)" +
    SumRow(20, 1, 5) + ", " + SumRow(21, 2, 77) + ", " + SumRow(21, 3, 88) + R"(], "bsAssets": [)" + SumRow(24, 11) +
    R"(], "bsLiabilities": [)" + SumRow(24, 12) + R"(]},
     "manufacturing": [)" +
    SumRow(24, 10) + R"(], "monthly": [120000]},
     "white": {"general": [)" +
    SumRow(37, 1) + ", " + SumRow(19, 2) + R"(], "realEstate": [)" + SumRow(37, 3) + ", " + SumRow(19, 4) + "]}";

class SumCollectorTest : public ::testing::Test {
protected:
    SumCollectorTest() : progress(view) { Use(kStatements); }
    ~SumCollectorTest() override { FreeSumModel(model); }

    // A new engine whose selected company has these members (and the data set these faults),
    // and a new collector: the engine's objects go with their engine.
    void Use(const std::string& company, const std::string& faults = "") {
        collector.reset();
        engine.reset();
        engine.emplace(UserDataSet(3, R"({"dataId": "D3", "dataNo": 3, )" + company + "}",
                                   faults.empty() ? "" : R"("faults": [)" + faults + "]"));
        data = *ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
        data.aoSiroKind = 3;
        data.jigyouKind = 3;
        engine->calls.clear();
        collector.emplace();
        collector->SetProgress(&progress);
        collector->SetModel(model);
    }
    // The engine calls in their order: the order is the contract, the progress is not.
    const std::vector<std::string>& Calls() const { return engine->calls; }
    long Called(const std::string& call) const { return std::count(Calls().begin(), Calls().end(), call); }
    Keys RowKeys() const {
        Keys keys;
        for (const StAOSUMINFO& r : model.sumList) keys.emplace_back(r.rowCode, r.itemKey);
        return keys;
    }
    std::int64_t Row21Amount() const { return ClBlockView::Of(model.ippan.generalBlock).Amount(534); }

    std::optional<ClTestStandin> engine;
    ClRecordingProgressView view;
    ClProgressDlg progress;
    StSUMMODEL model;
    std::optional<ClSumCollector> collector;
    StDATAINFO data{};
};

TEST_F(SumCollectorTest, BlueGeneralRunWalksEveryStatementInOrderWithItsKeys) {
    EXPECT_TRUE(collector->Collect(data, 1));
    // Only profit row 1 and liabilities row 24 change their key.
    EXPECT_EQ(RowKeys(), (Keys{{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}, {24, 10}}));
    EXPECT_EQ(model.tsukibetsu.slots[0], 120000);
    EXPECT_EQ(Row21Amount(), 77);  // the first row 21; real-estate rows are not kept
    EXPECT_EQ(
        Calls(),
        (std::vector<std::string>{
            "ClSaveAoSiro::Create", "ClDataMgr::GetSetObject 5", "ClSaveAoSiro::GetDataIppan",
            "ClSaveAoSiro::GetDataFudousan", "ClRuleAo::Create", "ClDataMgr::GetSetObject 5", "ClRuleAo::Ready",
            "ClRuleAo::GetCount_PL 0", "ClRuleAo::GetCount_BS_Shisan 0", "ClRuleAo::GetCount_BS_FusaiShihon 0",
            "ClRuleAo::GetCount_SeizoGenka", "ClRuleAo::MoveFirst_PL 0", "ClRuleAo::MoveNext_PL 0",
            "ClRuleAo::MoveNext_PL 0", "ClRuleAo::MoveFirst_BS_Shisan 0", "ClRuleAo::MoveNext_BS_Shisan 0",
            "ClRuleAo::MoveFirst_BS_FusaiShihon 0", "ClRuleAo::MoveNext_BS_FusaiShihon 0",
            "ClRuleAo::MoveNext_BS_FusaiShihon 0", "ClRuleAo::MoveFirst_SeizoGenka", "ClRuleAo::MoveNext_SeizoGenka",
            // The rule stays ready for the real-estate pass: no second Ready.
            "ClRuleAo::GetTsukibetsuUriageShiire", "ClRuleAo::GetCount_PL 1", "ClRuleAo::MoveFirst_PL 1",
            "ClRuleAo::MoveNext_PL 1"}));
}

TEST_F(SumCollectorTest, OtherReturnAndIncomeKindsWalkTheirStatementsAndAdjustTheirProfitRow) {
    using Case = std::tuple<std::uint8_t, std::int16_t, Keys>;  // return kind, income kind, keys collected
    for (const auto& [aoSiroKind, incomeKind, keys] :
         {Case{3, 2, {{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}, {24, 10}}},
          {3, 3, {{20, 1}, {21, 2}, {21, 3}, {24, 11}, {24, 999}}},
          {4, 2, {{37, 998}, {19, 2}}},
          {4, 3, {{37, 3}, {19, 998}}},
          {3, 4, {}},
          {3, -1, {}},
          {4, 0, {}}}) {  // no pass for other income kinds
        data.aoSiroKind = aoSiroKind;
        EXPECT_TRUE(collector->Collect(data, incomeKind));
        EXPECT_EQ(RowKeys(), keys) << incomeKind;
        FreeSumModel(model);
    }
    // Manufacturing and the monthly record only with the blue general statements.
    EXPECT_EQ(Called("ClRuleAo::GetCount_SeizoGenka"), 1);
    EXPECT_EQ(Called("ClRuleAo::GetTsukibetsuUriageShiire"), 1);
    EXPECT_EQ(Called("ClRuleSiro::Create"), 1);  // kept for the run
    EXPECT_EQ(Called("ClRuleSiro::Ready"), 2);   // every pass readies
}

TEST_F(SumCollectorTest, WalkAppendsOnlyRowsTheEngineDeliveredUntilItFails) {
    // Counts of 3 for no row, 1 for two, 5 for one and 0 for one.
    Use(R"("blue": {"general": {"bsAssets": [)" + SumRow(2, 2) + ", " + SumRow(3, 3) + R"(], "bsLiabilities": [)" +
            SumRow(4, 4) + R"(]}, "manufacturing": [)" + SumRow(5, 5) + "]}",
        R"({"op": "ClRuleAo::GetCount_PL", "result": 3}, {"op": "ClRuleAo::GetCount_BS_Shisan", "result": 1},
           {"op": "ClRuleAo::GetCount_BS_FusaiShihon", "result": 5},
           {"op": "ClRuleAo::GetCount_SeizoGenka", "result": 0})");
    EXPECT_TRUE(collector->SumAoIppan());
    EXPECT_EQ(RowKeys(), (Keys{{2, 2}, {4, 4}}));
    // The failing call and its number; the rows before the failure stay.
    for (const auto& [failing, call, kept] : {std::tuple<std::string, const char*, Keys>{"MoveFirst_PL", "1", {}},
                                              {"MoveNext_PL", "2", {{1, 101}, {24, 6}}}}) {
        FreeSumModel(model);
        Use(kStatements, R"({"op": "ClRuleAo::)" + failing + R"(", "call": )" + call + R"(, "result": 9},
                            {"op": "ClRuleAo::GetCount_PL", "sumType": 0, "result": 4})");
        EXPECT_FALSE(collector->Collect(data, 1));
        EXPECT_EQ(RowKeys(), kept) << failing;
        EXPECT_EQ(Calls().back(), "ClRuleAo::" + failing + " 0");  // nothing after it
    }
}

TEST_F(SumCollectorTest, RefusedSettingsOrRulesEndTheRun) {
    EXPECT_FALSE(ClSumCollector().Collect(data, 1));  // no model
    EXPECT_TRUE(Calls().empty());
    // The fault, the return kind (5: neither), the last call and whether real estate's settings were asked for.
    using Case = std::tuple<const char*, std::uint8_t, const char*, long>;
    for (const auto& [fault, aoSiroKind, last, fudousanAsked] :
         {Case{R"({"op": "ClSaveAoSiro::GetDataIppan", "result": 3})", 3, "ClSaveAoSiro::GetDataIppan", 0},
          {R"({"op": "ClSaveAoSiro::GetDataFudousan", "result": 3})", 3, "ClSaveAoSiro::GetDataFudousan", 1},
          {"", 5, "ClSaveAoSiro::GetDataFudousan", 1}}) {
        Use(kStatements, fault);
        data.aoSiroKind = aoSiroKind;
        ClSumCollector fresh;
        fresh.SetModel(model);
        EXPECT_FALSE(fresh.Collect(data, 1));
        // The first refusal ends the run: the settings record of real estate is not asked for.
        EXPECT_EQ(Calls().back(), last) << fault;
        EXPECT_EQ(Called("ClSaveAoSiro::GetDataFudousan"), fudousanAsked) << fault;
        FreeSumModel(model);
    }

    Use(kStatements, R"({"op": "ClRuleAo::Ready", "result": 1})");
    EXPECT_FALSE(collector->Collect(data, 1));
    EXPECT_EQ(Calls().back(), "ClRuleAo::Ready");
    EXPECT_EQ(collector->aoReady(), 0);
    EXPECT_FALSE(collector->SumAoTsukibetsu());  // readies the rule itself while no pass has
    EXPECT_EQ(Called("ClRuleAo::Ready"), 2);
    EXPECT_EQ(Called("ClRuleAo::GetTsukibetsuUriageShiire"), 0);

    VkBindEngine(nullptr);
    EXPECT_FALSE(ClSumCollector().SumAoIppan());
}

TEST_F(SumCollectorTest, EngineObjectsThatCannotBeMadeEndThePassBeforeItAdvances) {
    engine->engine.RecordCalls(nullptr);  // no allocation but the object's may fail
    using Pass = bool (ClSumCollector::*)();
    const std::pair<std::size_t, Pass> passes[] = {{sizeof(ClStandinSaveAoSiro), &ClSumCollector::ReadIppan},
                                                   {sizeof(ClStandinRuleAo), &ClSumCollector::SumAoIppan},
                                                   {sizeof(ClStandinRuleSiro), &ClSumCollector::SumSiroFudousan}};
    for (const auto& [size, pass] : passes) {
        static std::size_t failing;
        failing = size;
        view.captions.clear();
        EXPECT_FALSE([&] {
            ClFailAllocations noObject([](std::size_t n) { return n == failing; });
            return (*collector.*pass)();
        }()) << size;
        EXPECT_TRUE(view.captions.empty());  // nothing advanced
    }
}

TEST_F(SumCollectorTest, RowAmountNeedsBothCategoriesItsRowAndRoomInTheGeneralBlock) {
    Use(R"("blue": {"realEstate": {"pl": [)" + SumRow(20, 1, 5) + ", " + SumRow(21, 1, 6) + "]}}",
        R"({"op": "ClRuleAo::GetCount_PL", "sumType": 1, "result": 1})");
    for (std::uint8_t jigyouKind : {1, 2, 3}) {  // both, but the count stops before row 21
        data.jigyouKind = jigyouKind;
        EXPECT_TRUE(collector->Collect(data, 1));
        EXPECT_EQ(Row21Amount(), 0);
        FreeSumModel(model);
    }
    EXPECT_EQ(Called("ClRuleAo::MoveFirst_PL 1"), 1);
    Use(R"("blue": {"realEstate": {"pl": [)" + SumRow(20, 1, 5) + "]}}");  // no row 21 at all
    EXPECT_TRUE(collector->Collect(data, 1));
    EXPECT_EQ(Row21Amount(), 0);
    FreeSumModel(model);
    Use(kStatements);
    ASSERT_TRUE(collector->ReadIppan());
    TaskMemFree(model.ippan.generalBlock);
    model.ippan.generalBlock = TaskMemAlloc(540);  // the amount would end past the block
    EXPECT_FALSE(collector->PickAoFudousanAmount());
}

TEST_F(SumCollectorTest, DestructionReleasesSaveThenWhiteThenBlue) {
    auto owner = std::make_unique<ClSumCollector>();  // no model: each call fails after making its object
    EXPECT_FALSE(owner->SumSiroIppan());
    EXPECT_FALSE(owner->SumAoTsukibetsu());
    EXPECT_FALSE(owner->ReadIppan());
    engine->calls.clear();
    owner.reset();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"ClSaveAoSiro::Delete", "ClRuleSiro::Delete", "ClRuleAo::Delete"}));
}

TEST_F(SumCollectorTest, NoMemoryForARowFailsThePassAndKeepsTheRows) {
    Use(R"("white": {"general": [)" + SumRow(1, 1) + ", " + SumRow(2, 2) + ", " + SumRow(3, 3) + "]}");
    model.sumList.reserve(2);  // the third row needs a larger array
    EXPECT_FALSE([&] {
        ClFailAllocations noRows([](std::size_t size) { return size != 0 && size % sizeof(StAOSUMINFO) == 0; });
        return collector->SumSiroIppan();
    }());
    EXPECT_EQ(model.sumList.size(), 2u);
}

}  // namespace
