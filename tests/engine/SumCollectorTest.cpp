#include "engine/SumCollector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "doubles/RecordingProgressView.h"
#include "engine/SaveBlocks.h"
#include "doubles/FailAllocations.h"
#include "doubles/ScriptedEngine.h"

namespace {

using Keys = std::vector<std::pair<int, int>>;

class SumCollectorTest : public ::testing::Test {
protected:
    SumCollectorTest() : progress(view) {
        collector.SetProgress(&progress);
        collector.SetModel(model);
        data.aoSiroKind = 3;
        data.jigyouKind = 3;
    }
    ~SumCollectorTest() override {
        FreeSumModel(model);
        // "?": an object was handed another handle or condition than the engine's.
        for (const std::string& call : engine.log) EXPECT_FALSE(call.ends_with("?")) << call;
    }

    // The engine calls in their order: the order is the contract, the progress is not.
    const std::vector<std::string>& Calls() const { return engine.log; }
    Keys RowKeys() const {
        Keys keys;
        for (const StAOSUMINFO& r : model.sumList) keys.emplace_back(r.rowCode, r.itemKey);
        return keys;
    }
    std::int64_t Row21Amount() const { return ClBlockView::Of(model.ippan.generalBlock).Amount(534); }
    long Logged(const std::string& call) const { return std::count(engine.log.begin(), engine.log.end(), call); }

    ClScriptedEngine engine;
    ClRecordingProgressView view;
    ClProgressDlg progress;
    StSUMMODEL model;
    ClSumCollector collector;
    StDATAINFO data{};
};

TEST_F(SumCollectorTest, BlueGeneralRunWalksEveryStatementInOrderWithItsKeys) {
    engine.walks = {{"AoPL0", {{SumRow(1, 5), SumRow(24, 6)}}}, {"AoBS_S0", {{SumRow(1, 7)}}},
                    {"AoBS_F0", {{SumRow(23, 8), SumRow(24, 9)}}}, {"AoSG", {{SumRow(24, 10)}}},
                    {"AoPL1", {{SumRow(20, 1, 5), SumRow(21, 2, 77), SumRow(21, 3, 88)}}}};
    EXPECT_TRUE(collector.Collect(data, 1));
    // Only profit row 1 and liabilities row 24 change their key.
    EXPECT_EQ(RowKeys(), (Keys{{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}, {24, 10}}));
    EXPECT_EQ(model.tsukibetsu.slots[0], 120000);
    EXPECT_EQ(Row21Amount(), 77);  // the first row 21; real-estate rows are not kept
    EXPECT_EQ(Calls(), (std::vector<std::string>{
        "Save.Create", "Save.AttachSetMgr", "Save.SetCurDataID DATA-0001", "Save.GetDataIppan", "Save.GetDataFudousan",
        "Ao.Create", "Ao.AttachSetMgr", "Ao.SetCurDataID DATA-0001", "Ao.AttachOptLink", "Ao.Ready",
        "AoPL0.Count", "AoBS_S0.Count", "AoBS_F0.Count", "AoSG.Count", "AoPL0.First", "AoPL0.Next", "AoPL0.Next",
        "AoBS_S0.First", "AoBS_S0.Next", "AoBS_F0.First", "AoBS_F0.Next", "AoBS_F0.Next", "AoSG.First", "AoSG.Next",
        "Ao.GetTsukibetsuUriageShiire",  // the rule stays ready: no second Ready
        "AoPL1.Count", "AoPL1.First", "AoPL1.Next"}));
}

TEST_F(SumCollectorTest, OtherReturnAndIncomeKindsWalkTheirStatementsAndAdjustTheirProfitRow) {
    engine.walks = {{"AoPL1", {{SumRow(1, 5)}}}, {"AoBS_S1", {{SumRow(24, 6)}}}, {"AoBS_F1", {{SumRow(24, 7)}}},
                    {"AoSG", {{SumRow(1, 1)}}}, {"SiroPL0", {{SumRow(37, 1), SumRow(19, 2)}}},
                    {"SiroPL1", {{SumRow(37, 3), SumRow(19, 4)}}}};
    using Case = std::tuple<std::uint8_t, std::int16_t, Keys>;  // return kind, income kind, keys collected
    for (const auto& [aoSiroKind, incomeKind, keys] :
         {Case{3, 3, {{1, 5}, {24, 6}, {24, 999}}}, {4, 2, {{37, 998}, {19, 2}}}, {4, 3, {{37, 3}, {19, 998}}},
          {3, 4, {}}, {3, -1, {}}, {4, 0, {}}}) {  // no pass for other income kinds
        data.aoSiroKind = aoSiroKind;
        EXPECT_TRUE(collector.Collect(data, incomeKind));
        EXPECT_EQ(RowKeys(), keys) << incomeKind;
        FreeSumModel(model);
    }
    EXPECT_EQ(Logged("AoSG.Count") + Logged("Ao.GetTsukibetsuUriageShiire") + Logged("AoPL0.Count"), 0);
    EXPECT_EQ(Logged("Siro.Create"), 1);  // kept for the run
    EXPECT_EQ(Logged("Siro.Ready"), 2);   // every pass readies
}

TEST_F(SumCollectorTest, WalkAppendsOnlyRowsTheEngineDeliveredUntilItFails) {
    engine.walks = {{"AoPL0", {{}, 3}}, {"AoBS_S0", {{SumRow(2, 2), SumRow(3, 3)}, 1}},
                    {"AoBS_F0", {{SumRow(4, 4)}, 5}}, {"AoSG", {{SumRow(5, 5)}, 0}}};
    EXPECT_TRUE(collector.SumAoIppan());
    EXPECT_EQ(RowKeys(), (Keys{{2, 2}, {4, 4}}));
    for (int errorAtCall : {0, 2}) {  // the first call, the second next
        FreeSumModel(model);
        engine.walks["AoPL0"] = {{SumRow(1, 1), SumRow(2, 2), SumRow(3, 3)}, {}, errorAtCall};
        EXPECT_FALSE(collector.Collect(data, 1));  // the rows before the failure stay
        EXPECT_EQ(model.sumList.size(), static_cast<std::size_t>(errorAtCall));
        EXPECT_EQ(Calls().back(), errorAtCall ? "AoPL0.Next" : "AoPL0.First");  // nothing after it
    }
}

TEST_F(SumCollectorTest, RefusedSettingsOrRulesEndTheRun) {
    EXPECT_FALSE(ClSumCollector().Collect(data, 1));  // no model
    EXPECT_TRUE(engine.log.empty());
    for (std::string failing : {"Save.Create", "Save.GetDataIppan", "Save.GetDataFudousan", ""}) {
        engine.results = {{failing, 3}};
        data.aoSiroKind = failing.empty() ? 5 : 3;  // else neither return kind
        ClSumCollector fresh;
        fresh.SetModel(model);
        EXPECT_FALSE(fresh.Collect(data, 1));
        // The first refusal ends the run: the settings record of real estate is not asked for.
        EXPECT_EQ(engine.log.back(), failing.empty() ? "Save.GetDataFudousan" : failing);
        FreeSumModel(model);
    }

    engine.results = {{"Ao.Ready", 1}};
    data.aoSiroKind = 3;
    EXPECT_FALSE(collector.Collect(data, 1));
    EXPECT_EQ(Calls().back(), "Ao.Ready");
    EXPECT_EQ(collector.aoReady(), 0);
    EXPECT_FALSE(collector.SumAoTsukibetsu());  // readies the rule itself while no pass has
    EXPECT_EQ(Logged("Ao.Ready"), 2);
    EXPECT_EQ(Logged("Ao.GetTsukibetsuUriageShiire"), 0);

    engine.results = {{"Siro.Create", 1}};
    view.captions.clear();
    EXPECT_FALSE(collector.SumSiroFudousan());
    EXPECT_TRUE(view.captions.empty());  // nothing advanced
    VkBindEngine(nullptr);
    EXPECT_FALSE(ClSumCollector().SumAoIppan());
    VkBindEngine(&engine);
}

TEST_F(SumCollectorTest, RowAmountNeedsBothCategoriesItsRowAndRoomInTheGeneralBlock) {
    engine.walks["AoPL1"] = {{SumRow(20, 1, 5), SumRow(21, 1, 6)}, 1};
    for (std::uint8_t jigyouKind : {1, 2, 3}) {  // both, but the count stops before row 21
        data.jigyouKind = jigyouKind;
        EXPECT_TRUE(collector.Collect(data, 1));
        EXPECT_EQ(Row21Amount(), 0);
        FreeSumModel(model);
    }
    EXPECT_EQ(Logged("AoPL1.First"), 1);
    engine.walks["AoPL1"].count.reset();
    engine.ippanGeneralSize = 540;  // the amount would end past the block
    EXPECT_TRUE(collector.ReadIppan());
    EXPECT_FALSE(collector.PickAoFudousanAmount());
}

// Which engine answers fail the collection, for the return and income kinds that ask for them.
TEST(SumCollector, AnyFailingPassFailsTheCollectionAnEarlyEndOrAnEmptyStatementDoesNot) {
    struct Case {
        const char* what;
        std::uint8_t aoSiroKind;
        std::int16_t incomeKind;
        void (*arrange)(ClScriptedEngine&);
        bool collected;
    };
    const Case cases[] = {
        {"blue Ready", 3, 3, [](ClScriptedEngine& e) { e.results["Ao.Ready"] = 1; }, false},
        {"white Ready", 4, 1, [](ClScriptedEngine& e) { e.results["Siro.Ready"] = 7; }, false},
        {"blue rule not made", 3, 1, [](ClScriptedEngine& e) { e.results["Ao.Create"] = 1; }, false},
        {"profit count below zero", 3, 1, [](ClScriptedEngine& e) { e.walks["AoPL0"].count = -1; }, false},
        {"manufacturing count", 3, 2, [](ClScriptedEngine& e) { e.walks["AoSG"].count = -5; }, false},
        {"real-estate liabilities count", 3, 3, [](ClScriptedEngine& e) { e.walks["AoBS_F1"].count = -1; }, false},
        {"white real-estate count", 4, 3, [](ClScriptedEngine& e) { e.walks["SiroPL1"].count = -1; }, false},
        {"first asset row", 3, 1, [](ClScriptedEngine& e) { e.walks["AoBS_S0"].errorAtCall = 0; }, false},
        {"next manufacturing row", 3, 1, [](ClScriptedEngine& e) { e.walks["AoSG"].errorAtCall = 1; }, false},
        {"next white row", 4, 2, [](ClScriptedEngine& e) { e.walks["SiroPL0"].errorAtCall = 2; }, false},
        {"monthly record", 3, 2, [](ClScriptedEngine& e) { e.results["Ao.GetTsukibetsuUriageShiire"] = 4; }, false},
        {"row 21 count", 3, 1, [](ClScriptedEngine& e) { e.walks["AoPL1"].count = -1; }, false},
        {"row 21 walk", 3, 1, [](ClScriptedEngine& e) { e.walks["AoPL1"].errorAtCall = 1; }, false},
        {"walk ended early", 3, 1, [](ClScriptedEngine& e) { e.walks["AoPL0"] = {{SumRow(1, 1), SumRow(2, 2)}, {}, 1, VK_END_OF_WALK}; }, true},
        {"counts of 0", 3, 1, [](ClScriptedEngine& e) { for (auto& [key, walk] : e.walks) walk.count = 0; }, true},
        {"row 21 never found", 3, 1, [](ClScriptedEngine& e) { e.walks["AoPL1"].rows = {SumRow(20, 1)}; }, true},
        {"everything delivered", 4, 3, [](ClScriptedEngine&) {}, true},
    };
    for (const Case& c : cases) {
        ClScriptedEngine engine;
        for (const char* key : {"AoPL0", "AoPL1", "AoBS_S0", "AoBS_S1", "AoBS_F0", "AoBS_F1", "AoSG", "SiroPL0", "SiroPL1"}) {
            engine.walks[key].rows = {SumRow(20, 1), SumRow(21, 2, 7)};
        }
        c.arrange(engine);
        StSUMMODEL model;
        ClSumCollector collector;
        collector.SetModel(model);
        StDATAINFO data{};
        data.aoSiroKind = c.aoSiroKind;
        data.jigyouKind = 3;
        EXPECT_EQ(collector.Collect(data, c.incomeKind), c.collected) << c.what;
        FreeSumModel(model);
    }
}

TEST_F(SumCollectorTest, DestructionReleasesSaveThenWhiteThenBlue) {
    auto owner = std::make_unique<ClSumCollector>();  // no model: each call fails after making its object
    EXPECT_FALSE(owner->SumSiroIppan() || owner->SumAoTsukibetsu() || owner->ReadIppan());
    engine.log.clear();
    owner.reset();
    EXPECT_EQ(engine.log, (std::vector<std::string>{"Save.Delete", "Siro.Delete", "Ao.Delete"}));
}

TEST_F(SumCollectorTest, NoMemoryForARowFailsThePassAndKeepsTheRows) {
    engine.walks["SiroPL0"].rows = {SumRow(1, 1), SumRow(2, 2), SumRow(3, 3)};
    model.sumList.reserve(2);  // the third row needs a larger array
    EXPECT_FALSE([&] {
        ClFailAllocations noRows([](std::size_t size) { return size != 0 && size % sizeof(StAOSUMINFO) == 0; });
        return collector.SumSiroIppan();
    }());
    EXPECT_EQ(model.sumList.size(), 2u);
}

}  // namespace
