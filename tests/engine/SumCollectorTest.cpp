#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "doubles/FailAllocations.h"
#include "doubles/RecordingProgressView.h"
#include "engine/SaveBlocks.h"
#include "engine/SumCollector.h"
#include "standin/StandinEngine.h"

namespace {

using Keys = std::vector<std::pair<int, int>>;

// Statement rows as data-set JSON: rowCode, itemKey and an amount of 10 x rowCode.
std::string Rows(const Keys& keys) {
    std::string json = "[";
    for (const auto& [code, key] : keys) {
        json += (json.size() > 1 ? ", " : "") + std::string("{\"rowCode\": ") +
                std::to_string(code) + ", \"itemKey\": " + std::to_string(key) +
                ", \"amount\": " + std::to_string(10 * code) + "}";
    }
    return json + "]";
}

// The statements every case collects from: a row 1 and a row 24 where the
// collector changes keys, the real-estate row 21 twice (the first counts).
const std::string kStatements = R"("blue": {"general": {"pl": )" + Rows({{1, 5}, {24, 6}}) +
                                R"(, "bsAssets": )" + Rows({{1, 7}}) + R"(, "bsLiabilities": )" +
                                Rows({{23, 8}, {24, 9}}) + R"(},
    "realEstate": {"pl": )" + Rows({{20, 1}, {21, 2}, {21, 3}}) +
                                R"(, "bsAssets": )" + Rows({{24, 4}}) + R"(, "bsLiabilities": )" +
                                Rows({{24, 5}}) + R"(},
    "manufacturing": )" + Rows({{24, 10}}) +
                                R"(, "monthly": [120000]},
  "white": {"general": )" + Rows({{37, 1}, {19, 2}}) +
                                R"(, "realEstate": )" + Rows({{37, 3}, {19, 4}}) + "}";

class SumCollectorTest : public ::testing::Test {
  protected:
    SumCollectorTest() : progress(view) {
        progress.ResetMain();
        data.aoSiroKind = 3;
        data.jigyouKind = 3;
    }
    ~SumCollectorTest() override {
        FreeSumModel(model);
        VkBindEngine(nullptr);
    }

    // The stand-in with the statements and these faults (JSON array members).
    void Open(const std::string& faults = "") {
        engine = std::make_unique<VkStandinEngine>(
            R"({"format": 1, "currentUser": "u", "users": [{"userId": "u", "selNo1": 1, "selNo2": 5}],
                "companies": [{"dataNo": 5, "dataId": "D5", )" +
                kStatements + "}], \"faults\": [" + faults + "]}",
            "collector.json");
        VkBindEngine(engine.get());
        ASSERT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
        collector = std::make_unique<ClSumCollector>();
        collector->SetProgress(&progress);
        collector->SetModel(model);
    }
    Keys RowKeys() const {
        Keys keys;
        for (const StAOSUMINFO& r : model.sumList) keys.emplace_back(r.rowCode, r.itemKey);
        return keys;
    }
    std::int64_t Row21Amount() const {
        return ClBlockView::Of(model.ippan.generalBlock).Amount(534);
    }

    std::unique_ptr<VkStandinEngine> engine;
    ClRecordingProgressView view;
    ClProgressDlg progress;
    StSUMMODEL model;
    std::unique_ptr<ClSumCollector> collector;
    StDATAINFO data{};
};

TEST_F(SumCollectorTest, BlueGeneralRunCopiesEveryStatementInOrderWithItsKeysAndMovesTheBar) {
    Open();
    EXPECT_TRUE(collector->Collect(data, 1));
    // Profit, assets, liabilities, manufacturing; only profit row 1 and liabilities row 24 change
    // their key.
    EXPECT_EQ(RowKeys(), (Keys{{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}, {24, 10}}));
    EXPECT_EQ(model.tsukibetsu.slots[0], 120000);
    EXPECT_EQ(Row21Amount(), 210);  // the first row 21; real-estate rows are not kept
    EXPECT_NE(model.fudousan.generalBlock, nullptr);  // both settings records are read
    EXPECT_EQ(view.mainPos, 403);  // 100-300, 300-400 and 400-500, one step per value
    EXPECT_EQ(view.captions.front(), "集計中 10％");
    EXPECT_EQ(view.captions.back(), "集計中 50％");
}

TEST_F(SumCollectorTest, OtherReturnAndIncomeKindsCollectTheirStatementsAndAdjustTheirProfitRow) {
    Open();
    using Case = std::tuple<std::uint8_t, std::uint8_t, std::int16_t,
                            Keys>;  // return, business kinds, income kind
    for (const auto& [aoSiroKind, jigyouKind, incomeKind, keys] :
         {Case{3, 3, 3, {{20, 1}, {21, 2}, {21, 3}, {24, 4}, {24, 999}}},
          {4, 3, 2, {{37, 998}, {19, 2}}},
          {4, 3, 3, {{37, 3}, {19, 998}}},
          {3, 1, 1, {{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}, {24, 10}}},
          {3, 3, 4, {}},
          {3, 3, -1, {}},
          {4, 3, 0, {}}}) {  // no pass for other income kinds
        data.aoSiroKind = aoSiroKind;
        data.jigyouKind = jigyouKind;
        EXPECT_TRUE(collector->Collect(data, incomeKind));
        EXPECT_EQ(RowKeys(), keys) << int{aoSiroKind} << " " << incomeKind;
        EXPECT_EQ(Row21Amount(), 0);  // only a blue general run of both kinds takes it
        FreeSumModel(model);
    }
}

TEST_F(SumCollectorTest, WalkAppendsOnlyRowsTheEngineDeliveredUntilItFails) {
    using Case = std::pair<std::string, Keys>;  // faults, the rows collected
    for (
        const auto& [faults, keys] : {
            // A count above the rows, a count below them.
            Case{R"({"op": "ClRuleAo::GetCount_PL", "sumType": 0, "result": 5},
                     {"op": "ClRuleAo::GetCount_BS_FusaiShihon", "sumType": 0, "result": 1})",
                 {{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 10}}},
            // The first call fails: nothing, and no later statement is walked.
            {R"({"op": "ClRuleAo::MoveFirst_PL", "sumType": 0, "result": 9})", {}},
            // The second next fails after its rows.
            {R"({"op": "ClRuleAo::MoveNext_BS_FusaiShihon", "sumType": 0, "call": 2, "result": 9})",
             {{1, 101}, {24, 6}, {1, 7}, {23, 8}, {24, 999}}},
        }) {
        Open(faults);
        EXPECT_TRUE(collector->Collect(data, 1)) << faults;  // a failed pass still collects
        EXPECT_EQ(RowKeys(), keys) << faults;
        FreeSumModel(model);
    }
}

TEST_F(SumCollectorTest, RefusedSettingsEndTheRunAndARefusedRuleItsPassOnly) {
    EXPECT_FALSE(ClSumCollector().Collect(data, 1));  // no model
    for (std::string op : {"GetDataIppan", "GetDataFudousan"}) {
        Open(R"({"op": "ClSaveAoSiro::)" + op + R"(", "result": 3})");
        EXPECT_FALSE(collector->Collect(data, 1)) << op;
        EXPECT_TRUE(model.sumList.empty());
        FreeSumModel(model);
    }
    Open();
    data.aoSiroKind = 5;  // neither return kind
    EXPECT_FALSE(collector->Collect(data, 1));
    FreeSumModel(model);

    Open(R"({"op": "ClRuleAo::Ready", "result": 1})");
    data.aoSiroKind = 3;
    EXPECT_TRUE(collector->Collect(data, 1));
    EXPECT_TRUE(model.sumList.empty());
    EXPECT_EQ(collector->aoReady(), 0);
    EXPECT_EQ(model.tsukibetsu.slots[0], 0);  // the monthly record needs the prepared rule
    EXPECT_FALSE(collector->SumAoTsukibetsu());

    VkBindEngine(nullptr);  // no engine: no rule, nothing advanced
    view.captions.clear();
    EXPECT_FALSE(ClSumCollector().SumAoIppan());
    EXPECT_TRUE(view.captions.empty());
}

TEST_F(SumCollectorTest, RowAmountNeedsBothKindsAndItsRowWithinTheCount) {
    Open(R"({"op": "ClRuleAo::GetCount_PL", "sumType": 1, "result": 1})");
    for (std::uint8_t jigyouKind :
         {1, 2, 3}) {  // both only in 3, but the count stops before row 21
        data.jigyouKind = jigyouKind;
        EXPECT_TRUE(collector->Collect(data, 1));
        EXPECT_EQ(Row21Amount(), 0);
        FreeSumModel(model);
    }
}

// The stand-in's objects, each remembered as it is made; the order they are
// freed in, recorded without allocating.
class ClMadeObjects final : public VkEngineBinding {
public:
    explicit ClMadeObjects(VkEngineBinding& engine) : engine_(engine) { VkBindEngine(this); }
    ClAccConnect* AccConnect() override { return engine_.AccConnect(); }
    ClDataMgr* DataMgr() override { return engine_.DataMgr(); }
    ClLinkMgr* LinkMgr() override { return engine_.LinkMgr(); }
    ClFileMgr* FileMgr() override { return engine_.FileMgr(); }
    std::unique_ptr<ClRuleAo> NewRuleAo() override { return Remember(engine_.NewRuleAo(), 'A'); }
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override { return Remember(engine_.NewRuleSiro(), 'W'); }
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override { return Remember(engine_.NewSaveAoSiro(), 'S'); }

    static void OnFree(void* block) {
        for (std::size_t i = 0; i < count; ++i) {
            if (objects[i] == block) freed[std::char_traits<char>::length(freed)] = names[i];
        }
    }
    static inline void* objects[3] = {};
    static inline char names[3] = {};
    static inline std::size_t count = 0;
    static inline char freed[4] = {};

private:
    template <typename T>
    std::unique_ptr<T> Remember(std::unique_ptr<T> object, char name) {
        if (count < 3) {
            objects[count] = object.get();
            names[count++] = name;
        }
        return object;
    }
    VkEngineBinding& engine_;
};

TEST_F(SumCollectorTest, DestructionReleasesSaveThenWhiteThenBlue) {
    Open();
    ClMadeObjects objects(*engine);
    auto owner = std::make_unique<ClSumCollector>();
    owner->SetModel(model);
    EXPECT_TRUE(owner->SumSiroIppan() && owner->SumAoTsukibetsu() && owner->ReadIppan());
    failing::g_onFree = ClMadeObjects::OnFree;
    owner.reset();
    failing::g_onFree = nullptr;
    EXPECT_STREQ(ClMadeObjects::freed, "SWA");  // save object, white rule, blue rule
}

TEST_F(SumCollectorTest, NoMemoryForARowFailsThePassAndKeepsTheRows) {
    Open();
    model.sumList.reserve(1);  // the second row needs a larger array
    EXPECT_FALSE([&] {
        ClFailAllocations noRows(
            [](std::size_t size) { return size != 0 && size % sizeof(StAOSUMINFO) == 0; });
        return collector->SumSiroIppan();
    }());
    EXPECT_EQ(RowKeys(), (Keys{{37, 998}}));
}

}  // namespace
