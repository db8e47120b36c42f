#include "engine/SumCollector.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/RecordingProgressView.h"
#include "support/FailAllocations.h"
#include "support/ScriptedEngine.h"
#include "engine/SaveBlocks.h"

namespace {

using Row = StAOSUMINFO;

class SumCollectorTest : public ::testing::Test {
protected:
    SumCollectorTest() : progress(view) {
        progress.ResetMain();
        view.captionLog = &engine.log;
        collector.SetProgress(&progress);
        collector.SetModel(model);
        data.aoSiroKind = 3;
        data.jigyouKind = 1;
    }
    ~SumCollectorTest() override { FreeSumModel(model); }

    // The engine log with each run of captions shown as "advance first-last".
    std::vector<std::string> Calls() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < engine.log.size(); ++i) {
            if (engine.log[i][0] != '%') {
                out.push_back(engine.log[i]);
                continue;
            }
            std::size_t j = i;
            while (j + 1 < engine.log.size() && engine.log[j + 1][0] == '%') ++j;
            out.push_back("advance " + engine.log[i].substr(1) + "-" + engine.log[j].substr(1));
            i = j;
        }
        return out;
    }
    // The calls after the saved settings were read.
    std::vector<std::string> StatementCalls() const {
        std::vector<std::string> all = Calls();
        auto it = std::find(all.begin(), all.end(), "Save.GetDataFudousan");
        return it == all.end() ? all : std::vector<std::string>(it + 1, all.end());
    }
    std::vector<std::pair<int, int>> Keys() const {
        std::vector<std::pair<int, int>> keys;
        for (const Row& r : model.sumList) keys.emplace_back(r.rowCode, r.itemKey);
        return keys;
    }
    std::int64_t Row21Amount() const { return ClBlockView::Of(model.ippan.generalBlock).Amount(534); }
    long Logged(const std::string& call) const {
        return std::count(engine.log.begin(), engine.log.end(), call);
    }
    // Pulses beyond those of the advances (one per value walked).
    int RowPulses(int advancedValues) const { return view.pulses - advancedValues; }

    ClScriptedEngine engine;
    ClRecordingProgressView view;
    ClProgressDlg progress;
    StSUMMODEL model;
    ClSumCollector collector;
    StDATAINFO data{};
};

const std::vector<std::string> kAttachAo = {"Ao.Create", "Ao.AttachSetMgr",
                                            "Ao.SetCurDataID DATA-0001", "Ao.AttachOptLink"};

TEST_F(SumCollectorTest, BlueGeneralRunWalksEveryStatementInOrderWithItsKeys) {
    engine.walks["AoPL0"].rows = {ClScriptedEngine::Row(1, 5), ClScriptedEngine::Row(24, 6)};
    engine.walks["AoBS_S0"].rows = {ClScriptedEngine::Row(1, 7)};
    engine.walks["AoBS_F0"].rows = {ClScriptedEngine::Row(23, 8), ClScriptedEngine::Row(24, 9)};
    engine.walks["AoSG"].rows = {ClScriptedEngine::Row(24, 10)};
    engine.walks["AoPL1"].rows = {ClScriptedEngine::Row(20, 1, 5), ClScriptedEngine::Row(21, 2, 77),
                                  ClScriptedEngine::Row(21, 3, 88)};
    data.jigyouKind = 3;
    EXPECT_TRUE(collector.Collect(data, 1));

    // Only PL row 1 and liabilities row 24 change their key.
    const std::vector<std::pair<int, int>> keys = {{1, 101}, {24, 6}, {1, 7}, {23, 8},
                                                   {24, 999}, {24, 10}};
    EXPECT_EQ(Keys(), keys);
    EXPECT_STREQ(model.sumList[0].kamokuName, "row1");
    EXPECT_EQ(collector.aoReady(), 1);
    EXPECT_EQ(model.tsukibetsu.slots[0], 120000);
    EXPECT_EQ(Row21Amount(), 77);  // the first row 21; real-estate rows are not kept

    std::vector<std::string> expected = {"Save.Create", "Save.AttachSetMgr",
                                         "Save.SetCurDataID DATA-0001", "Save.GetDataIppan",
                                         "Save.GetDataFudousan"};
    expected.insert(expected.end(), kAttachAo.begin(), kAttachAo.end());
    const std::vector<std::string> rest = {
        "advance 10-30", "Ao.Ready", "advance 30-40",
        "AoPL0.Count", "AoBS_S0.Count", "AoBS_F0.Count", "AoSG.Count",
        "AoPL0.First", "AoPL0.Next", "AoPL0.Next",
        "AoBS_S0.First", "AoBS_S0.Next",
        "AoBS_F0.First", "AoBS_F0.Next", "AoBS_F0.Next",
        "AoSG.First", "AoSG.Next",
        "advance 40-50",
        "Ao.GetTsukibetsuUriageShiire",  // the rule stays ready: no second Ready
        "AoPL1.Count", "AoPL1.First", "AoPL1.Next"};
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(Calls(), expected);
    EXPECT_EQ(RowPulses(201 + 101 + 101), 6 + 2);  // six kept rows, two examined for row 21
    EXPECT_EQ(view.mainPos, 403);
}

TEST_F(SumCollectorTest, RowAmountIsLeftAloneUnlessTheDataHasBothCategories) {
    engine.walks["AoPL1"].rows = {ClScriptedEngine::Row(21, 2, 77)};
    for (std::uint8_t jigyouKind : {1, 2}) {
        data.jigyouKind = jigyouKind;
        ClSumCollector other;
        other.SetModel(model);
        EXPECT_TRUE(other.Collect(data, 2));
        EXPECT_EQ(Row21Amount(), 0);
        FreeSumModel(model);
    }
    EXPECT_EQ(Logged("AoPL1.First"), 0);
}

TEST_F(SumCollectorTest, WalkAppendsOnlyRowsTheEngineDelivered) {
    engine.walks["AoPL0"] = {{}, 3};  // the count says 3, the engine ends at once
    engine.walks["AoBS_S0"] = {{ClScriptedEngine::Row(2, 2), ClScriptedEngine::Row(3, 3)}, 1};
    engine.walks["AoBS_F0"] = {{ClScriptedEngine::Row(4, 4)}, 5};
    engine.walks["AoSG"] = {{ClScriptedEngine::Row(5, 5)}, 0};
    EXPECT_TRUE(collector.SumAoIppan());
    const std::vector<std::pair<int, int>> keys = {{2, 2}, {4, 4}};
    EXPECT_EQ(Keys(), keys);
    EXPECT_EQ(RowPulses(403), 2);
    EXPECT_EQ(view.captions.back(), "集計中 50％");
}

TEST_F(SumCollectorTest, FailedWalkKeepsEarlierRowsAndSkipsWhatDependsOnIt) {
    engine.walks["AoPL0"].rows = {ClScriptedEngine::Row(1, 1), ClScriptedEngine::Row(2, 2),
                                  ClScriptedEngine::Row(3, 3)};
    engine.walks["AoPL0"].errorAtCall = 2;  // the second next fails
    engine.walks["AoBS_S0"].rows = {ClScriptedEngine::Row(9, 9)};
    data.jigyouKind = 3;
    EXPECT_TRUE(collector.Collect(data, 1));
    EXPECT_EQ(model.sumList.size(), 2u);
    const std::vector<std::string> calls = StatementCalls();
    EXPECT_EQ(calls.back(), "AoPL0.Next");
    EXPECT_EQ(Logged("advance 40-50"), 0);
    EXPECT_EQ(model.tsukibetsu.slots[0], 0);
}

TEST_F(SumCollectorTest, FailingFirstCallAppendsNothing) {
    engine.walks["AoPL0"] = {{ClScriptedEngine::Row(1, 1)}, -1, 0, 7};
    EXPECT_FALSE(collector.SumAoIppan());
    EXPECT_TRUE(model.sumList.empty());
    EXPECT_EQ(Logged("AoBS_S0.First"), 0);
}

TEST_F(SumCollectorTest, FailingReadySkipsMonthlyRecordButCollectStillSucceeds) {
    engine.aoReadyResult = 1;
    data.jigyouKind = 3;
    EXPECT_TRUE(collector.Collect(data, 1));
    std::vector<std::string> expected = kAttachAo;
    expected.insert(expected.end(), {"advance 10-30", "Ao.Ready"});
    EXPECT_EQ(StatementCalls(), expected);
    EXPECT_EQ(collector.aoReady(), 0);
    // The monthly record readies the rule itself while no pass has.
    EXPECT_FALSE(collector.SumAoTsukibetsu());
    EXPECT_EQ(Logged("Ao.Ready"), 2);
    EXPECT_EQ(Logged("Ao.GetTsukibetsuUriageShiire"), 0);
}

TEST_F(SumCollectorTest, CollectRefusesBeforeAnyStatement) {
    {
        ClSumCollector unset;
        EXPECT_FALSE(unset.Collect(data, 1));
        EXPECT_TRUE(engine.log.empty());
    }
    struct {
        std::int32_t ippanResult, fudousanResult;
        std::uint8_t aoSiroKind;
        const char* lastCall;
    } const cases[] = {
        {3, VK_OK, 3, "Save.GetDataIppan"},  // the second record is not asked for
        {VK_OK, 3, 3, "Save.GetDataFudousan"},
        {VK_OK, VK_OK, 5, "Save.GetDataFudousan"},
    };
    for (const auto& c : cases) {
        engine.ippanResult = c.ippanResult;
        engine.fudousanResult = c.fudousanResult;
        data.aoSiroKind = c.aoSiroKind;
        engine.log.clear();
        EXPECT_FALSE(collector.Collect(data, 1));
        EXPECT_EQ(engine.log.back(), c.lastCall);
        FreeSumModel(model);
    }

    ClSumCollector noSave;
    noSave.SetModel(model);
    engine.makeSave = false;
    EXPECT_FALSE(noSave.Collect(data, 1));
}

TEST_F(SumCollectorTest, IncomeKindOutsideTheRangeRunsNoPass) {
    for (std::int16_t kind : {0, 4, -1}) {
        EXPECT_TRUE(collector.Collect(data, kind));
        FreeSumModel(model);
    }
    data.aoSiroKind = 4;
    EXPECT_TRUE(collector.Collect(data, 9));
    EXPECT_EQ(Logged("Ao.Create") + Logged("Siro.Create"), 0);
}

TEST_F(SumCollectorTest, BlueRealEstateWalksThreeStatementsOfSumTypeOne) {
    engine.walks["AoPL1"].rows = {ClScriptedEngine::Row(1, 5)};
    engine.walks["AoBS_S1"].rows = {ClScriptedEngine::Row(24, 6)};
    engine.walks["AoBS_F1"].rows = {ClScriptedEngine::Row(24, 7)};
    engine.walks["AoSG"].rows = {ClScriptedEngine::Row(1, 1)};
    EXPECT_TRUE(collector.Collect(data, 3));
    const std::vector<std::pair<int, int>> keys = {{1, 5}, {24, 6}, {24, 999}};
    EXPECT_EQ(Keys(), keys);
    const std::vector<std::string> calls = StatementCalls();
    EXPECT_EQ(Logged("AoSG.Count"), 0);
    EXPECT_EQ(Logged("Ao.GetTsukibetsuUriageShiire"), 0);
    EXPECT_EQ(calls.back(), "advance 40-50");
}

TEST_F(SumCollectorTest, WhiteReturnAdjustsItsProfitRowPerSumType) {
    engine.walks["SiroPL0"].rows = {ClScriptedEngine::Row(37, 1), ClScriptedEngine::Row(19, 2)};
    engine.walks["SiroPL1"].rows = {ClScriptedEngine::Row(37, 3), ClScriptedEngine::Row(19, 4)};
    data.aoSiroKind = 4;
    EXPECT_TRUE(collector.Collect(data, 2));
    EXPECT_TRUE(collector.SumSiroFudousan());
    const std::vector<std::pair<int, int>> keys = {{37, 998}, {19, 2}, {37, 3}, {19, 998}};
    EXPECT_EQ(Keys(), keys);
    const std::vector<std::string> calls = StatementCalls();
    const std::vector<std::string> first(calls.begin(), calls.begin() + 11);
    const std::vector<std::string> expected = {
        "Siro.Create", "Siro.AttachSetMgr", "Siro.SetCurDataID DATA-0001", "Siro.AttachOptLink",
        "advance 10-30", "Siro.Ready", "advance 30-40", "SiroPL0.Count", "SiroPL0.First",
        "SiroPL0.Next", "SiroPL0.Next"};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(Logged("Siro.Create"), 1);  // kept for the run
    EXPECT_EQ(Logged("Siro.Ready"), 2);   // every pass readies

    engine.siroReadyResult = 2;
    EXPECT_FALSE(collector.SumSiroIppan());
    EXPECT_EQ(model.sumList.size(), 4u);
}

TEST_F(SumCollectorTest, RowAmountNeedsItsRowAndRoomInTheGeneralBlock) {
    engine.walks["AoPL1"] = {{ClScriptedEngine::Row(20, 1, 5), ClScriptedEngine::Row(21, 1, 6)}, 1};
    EXPECT_TRUE(collector.ReadIppan());
    EXPECT_TRUE(collector.PickAoFudousanAmount());  // the count stops before row 21
    EXPECT_EQ(Row21Amount(), 0);
    EXPECT_EQ(collector.aoReady(), 1);

    engine.walks["AoPL1"].count = -1;
    FreeSumModel(model);
    engine.ippanGeneralSize = 540;  // the amount would end past the block
    EXPECT_TRUE(collector.ReadIppan());
    EXPECT_FALSE(collector.PickAoFudousanAmount());
    EXPECT_EQ(Logged("Ao.Ready"), 1);
}

TEST_F(SumCollectorTest, EngineObjectsThatCannotBeMadeFailTheirPass) {
    engine.makeRuleAo = false;
    engine.makeRuleSiro = false;
    EXPECT_FALSE(collector.SumAoIppan());
    EXPECT_FALSE(collector.SumAoTsukibetsu());
    EXPECT_FALSE(collector.SumSiroFudousan());
    EXPECT_TRUE(view.captions.empty());  // nothing advanced

    VkBindEngine(nullptr);
    EXPECT_FALSE(collector.ReadIppan());
    VkBindEngine(&engine);
}

TEST_F(SumCollectorTest, DestructionReleasesSaveThenWhiteThenBlue) {
    {
        ClSumCollector owner;
        owner.SetModel(model);
        owner.ReadIppan();
        owner.SumSiroIppan();
        owner.SumAoTsukibetsu();
        engine.log.clear();
    }
    const std::vector<std::string> expected = {"Save.Delete", "Siro.Delete", "Ao.Delete"};
    EXPECT_EQ(engine.log, expected);
}

TEST_F(SumCollectorTest, NoMemoryForARowFailsThePassAndKeepsTheRows) {
    engine.walks["SiroPL0"].rows = {ClScriptedEngine::Row(1, 1), ClScriptedEngine::Row(2, 2),
                                    ClScriptedEngine::Row(3, 3)};
    engine.logWalks = false;
    model.sumList.reserve(2);  // the third row needs a larger array
    bool passed = true;
    {
        ClFailAllocations noRows(
            [](std::size_t size) { return size != 0 && size % sizeof(StAOSUMINFO) == 0; });
        passed = collector.SumSiroIppan();
    }
    EXPECT_FALSE(passed);
    EXPECT_EQ(model.sumList.size(), 2u);
}

}  // namespace
