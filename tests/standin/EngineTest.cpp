#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "doubles/RecordingMessageBox.h"
#include "engine/SaveBlocks.h"
#include "services/TaskMemory.h"
#include "standin/StandinEngine.h"

namespace {

// One call's result, or a fact read right after it, and what it must be. A
// table of steps runs its calls in order: a braced list is evaluated left to right.
struct StSTEP {
    const char* what;
    std::int64_t actual, expected;
};
void ExpectSteps(std::initializer_list<StSTEP> steps) {
    for (const StSTEP& step : steps) EXPECT_EQ(step.actual, step.expected) << step.what;
}

const std::string kRows = R"("blue": {"general": {"pl": [{"rowCode": 1, "itemKey": 100, "amount": 10},
                                                          {"rowCode": 2, "itemKey": 104, "amount": 20}]},
                                       "realEstate": {"pl": [{"rowCode": 21, "amount": 30}]},
                                       "monthly": [1, 2, 3]})";

// An engine bound for one test, with the connection open.
class StandinEngineTest : public ::testing::Test {
protected:
    void Open(const std::string& json) {
        engine_ = std::make_unique<ClStandinEngine>(json, "test.json");
        VkBindEngine(engine_.get());
        ASSERT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    }
    void TearDown() override { VkBindEngine(nullptr); }

    // An engine object attached and keyed as the collector does it.
    template <typename T>
    std::unique_ptr<T> Attached(const char* dataId = nullptr) {
        auto object = T::Create();
        object->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        object->SetCurDataID(dataId ? dataId : ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo()->dataId);
        if constexpr (!std::is_same_v<T, ClSaveAoSiro>) object->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
        return object;
    }
    std::unique_ptr<ClRuleAo> ReadyAo() {
        auto rule = Attached<ClRuleAo>();
        StAOSUMCONDITION year{255, {}, 0, 0, 0};
        EXPECT_EQ(rule->Ready(&year), VK_OK);
        return rule;
    }

    std::unique_ptr<ClStandinEngine> engine_;
};

}  // namespace

TEST_F(StandinEngineTest, WalksDeliverRowsThen5000AndRefuseWhatComesOutOfOrder) {
    Open(OneCompany(kRows));
    auto rule = ReadyAo();
    StAOSUMINFO row{};
    StAOSUMINFO_TSUKIBETSU monthly{};
    StAOSUMCONDITION year{255, {}, 0, 0, 0};
    auto noLink = ClRuleAo::Create();
    noLink->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    noLink->SetCurDataID("D5");
    ExpectSteps({
        {"PL count", rule->GetCount_PL(0), 2},
        // As the engine files it: the collector adjusts keys, not the engine.
        {"first PL row's key", (rule->MoveFirst_PL(0, &row), row.itemKey), 100},
        {"next PL row", (rule->MoveNext_PL(0, &row), row.amount), 20},
        {"past the last row", rule->MoveNext_PL(0, &row), VK_END_OF_WALK},
        {"a count of 0: the first walk ends at once", rule->MoveFirst_BS_Shisan(0, &row), VK_END_OF_WALK},
        {"no MoveFirst before it", rule->MoveNext_BS_FusaiShihon(1, &row), kStandinRefused},
        {"no such sum type", rule->MoveFirst_PL(2, &row), kStandinRefused},
        {"real estate's first row", (rule->MoveFirst_PL(1, &row), row.rowCode), 21},
        {"monthly figures", (rule->GetTsukibetsuUriageShiire(&monthly), monthly.slots[2]), 3},
        {"no option link", noLink->Ready(&year), kStandinRefused},
        {"not ready", noLink->MoveFirst_PL(0, &row), kStandinRefused},
        {"no such data", Attached<ClRuleSiro>("D6")->Ready(), kStandinRefused},
        {"no data", Attached<ClRuleSiro>("")->Ready(), kStandinRefused},
    });
}

// The only condition the engine is asked for is the whole year: a wrong
// value in any one field is refused.
TEST_F(StandinEngineTest, ReadyTakesOnlyTheWholeYearConditionFieldByField) {
    Open(OneCompany(kRows));
    const std::pair<const char*, void (*)(StAOSUMCONDITION&)> wrong[] = {
        {"kind 0", [](StAOSUMCONDITION& c) { c.kind = 0; }},
        {"kind 254", [](StAOSUMCONDITION& c) { c.kind = 254; }},
        {"byte 1", [](StAOSUMCONDITION& c) { c.reserved1[0] = 1; }},
        {"byte 2", [](StAOSUMCONDITION& c) { c.reserved1[1] = 0x80; }},
        {"byte 3", [](StAOSUMCONDITION& c) { c.reserved1[2] = 255; }},
        {"value1", [](StAOSUMCONDITION& c) { c.value1 = 1; }},
        {"value2", [](StAOSUMCONDITION& c) { c.value2 = -1; }},
        {"value3", [](StAOSUMCONDITION& c) { c.value3 = 12; }},
    };
    for (const auto& [field, spoil] : wrong) {
        StAOSUMCONDITION condition{255, {}, 0, 0, 0};
        spoil(condition);
        auto rule = Attached<ClRuleAo>();
        EXPECT_EQ(rule->Ready(&condition), kStandinRefused) << field;
        StAOSUMINFO row{};
        EXPECT_EQ(rule->MoveFirst_PL(0, &row), kStandinRefused) << field;  // still not ready
    }
    EXPECT_EQ(Attached<ClRuleAo>()->Ready(nullptr), kStandinRefused);
}

TEST_F(StandinEngineTest, FaultsHitByCallAndSumType) {
    Open(OneCompany(kRows, R"("faults": [
        {"op": "ClRuleAo::MoveNext_PL", "sumType": 0, "call": 1, "result": 9},
        {"op": "ClRuleAo::GetCount_PL", "sumType": 1, "result": 7},
        {"op": "ClRuleAo::GetCount_SeizoGenka", "call": 2, "result": -3},
        {"op": "ClRuleAo::MoveFirst_BS_Shisan", "result": 0},
        {"op": "ClSaveAoSiro::GetDataIppan", "result": 4}])"));
    auto rule = ReadyAo();
    StAOSUMINFO row{};
    StAOSIROSAVEINFO_IPPAN ippan{};
    ExpectSteps({
        {"other sum type: untouched", (rule->MoveFirst_PL(1, &row), rule->MoveNext_PL(1, &row)), VK_END_OF_WALK},
        {"first call of sum type 0", (rule->MoveFirst_PL(0, &row), row.amount = 777, rule->MoveNext_PL(0, &row)), 9},
        {"nothing delivered", row.amount, 777},
        {"the walk had not moved", (rule->MoveNext_PL(0, &row), row.amount), 20},
        {"count of sum type 0", rule->GetCount_PL(0), 2},
        {"a count fault is the count", rule->GetCount_PL(1), 7},
        {"without \"call\": every call", rule->GetCount_PL(1), 7},
        {"SeizoGenka call 1", rule->GetCount_SeizoGenka(), 0},
        {"SeizoGenka call 2", rule->GetCount_SeizoGenka(), -3},
        {"SeizoGenka call 3", rule->GetCount_SeizoGenka(), 0},
        {"result 0 at the end of an empty list", rule->MoveFirst_BS_Shisan(0, &row), VK_OK},
        {"GetDataIppan", Attached<ClSaveAoSiro>()->GetDataIppan(&ippan), 4},
        {"the record stays as it was", ippan.generalBlock == nullptr, 1},
    });
}

TEST_F(StandinEngineTest, SavedSettingsComeInTaskMemoryBlocksOfTheEngineSizes) {
    Open(OneCompany(R"("ippan": {"general": {"aoKoujoSentaku": 1}},
                       "fudousan": {"kasituke": [{"yearlyRent": 5}, {}]})"));
    auto save = Attached<ClSaveAoSiro>();
    StAOSIROSAVEINFO_IPPAN ippan{};
    StAOSIROSAVEINFO_FUDOUSAN fudousan{};
    ASSERT_EQ(save->GetDataIppan(&ippan), VK_OK);
    ASSERT_EQ(save->GetDataFudousan(&fudousan), VK_OK);
    void* blocks[] = {ippan.generalBlock, ippan.kasidaoreBlock, ippan.kyuuryouBlock, ippan.risiZeirisiBlock,
                      ippan.tidaiBlock, ippan.tokusyuJijouText, ippan.uriageSiireBlock,
                      // The real-estate record's blocks.
                      fudousan.generalBlock, fudousan.kasitukeList, fudousan.kariireZeirisiBlock,
                      fudousan.kyuuryouSenjuusyaBlock, fudousan.tidaiBlock, fudousan.tokusyuJijouText,
                      fudousan.syuuzenhiBlock, fudousan.kasitukeSuuBlock};
    const std::size_t sizes[] = {1024, 448, 480, 448, 256, 1024, 720, 1024, 3 * 236, 560, 328, 256, 1024, 384, 56};
    for (std::size_t i = 0; i < 15; ++i) EXPECT_EQ(TaskMemSize(blocks[i]), sizes[i]) << i;
    EXPECT_EQ(ClBlockView::Of(ippan.generalBlock).Byte(521), 1);
    EXPECT_EQ(ClBlockView::Of(fudousan.kasitukeList).Amount(188), 5);
    EXPECT_EQ(ClBlockView::Of(fudousan.kasitukeList).Count(2 * 236 + 4), -1);
    for (void* block : blocks) TaskMemFree(block);

    StAOSIROSAVEINFO_IPPAN none{};
    EXPECT_EQ(ClSaveAoSiro::Create()->GetDataIppan(&none), kStandinRefused);  // not attached
    EXPECT_EQ(none.generalBlock, nullptr);
}

TEST_F(StandinEngineTest, DispMsgFillsInThePackageNameOnCharacterBoundaries) {
    Open(R"({"format": 1})");
    ClRecordingMessageBox box;
    SetCurrentMessageBox(&box);
    ClAccConnect::Inst()->DispMsg(0, "ES_APRPACKAGENAMEを\nES_APRPACKAGENAMEで", "所得税", 48);
    // The trail byte of "ウ" (0x83 0x45) is an "E": no token starts there.
    ClAccConnect::Inst()->DispMsg(0, "ウS_APRPACKAGENAME", "所得税", 48);
    SetCurrentMessageBox(nullptr);
    EXPECT_EQ(box.Texts(),
              (std::vector<std::string>{std::string(kStandinPackageName) + "を\n" + kStandinPackageName + "で",
                                        "ウS_APRPACKAGENAME"}));
    EXPECT_EQ(box.shown[0].caption, "所得税");
    EXPECT_EQ(box.shown[0].style, 48u);
}

TEST_F(StandinEngineTest, AppFoldersAsGivenOrThePerUserDataFolder) {
    Open(U8(u8R"({"format": 1, "appFolders": {"0": "/出力/"}})"));
    char path[261];
    ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(0, path), VK_OK);
    EXPECT_STREQ(path, "/出力/");  // Shift_JIS
    EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(2, path), kStandinRefused);
#ifndef _WIN32
    ClScopedEnv xdg("XDG_DATA_HOME", nullptr);
    {
        ClScopedEnv home("HOME", "/home/me");
        ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_OK);
        EXPECT_STREQ(path, "/home/me/.local/share/varnoke/");
    }
    ClScopedEnv home("HOME", "/home/\xF0\x9F\x98\x80");  // no code page 932 form
    EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), kStandinRefused);
    EXPECT_STREQ(path, "");
#else
    ClScopedEnv appData("APPDATA", "C:\\Users\\me\\AppData\\Roaming");
    ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_OK);
    EXPECT_STREQ(path, "C:\\Users\\me\\AppData\\Roaming\\Varnoke\\");
#endif
}
