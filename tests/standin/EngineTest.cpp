#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "StandinTestData.h"
#include "StandinTestEnv.h"
#include "engine/SaveBlocks.h"
#include "platform/MessageBox.h"
#include "platform/TaskMemory.h"
#include "standin/StandinEngine.h"

namespace {

const std::string kRows = R"("blue": {"general": {"pl": [{"rowCode": 1, "itemKey": 100, "amount": 10},
                                                          {"rowCode": 2, "itemKey": 104, "amount": 20}]},
                                       "realEstate": {"pl": [{"rowCode": 21, "amount": 30}]},
                                       "monthly": [1, 2, 3]})";

// An engine bound for one test, with the connection open.
class StandinEngineTest : public ::testing::Test {
protected:
    void Open(const std::string& json) {
        engine_ = std::make_unique<VkStandinEngine>(json, "test.json");
        VkBindEngine(engine_.get());
        ASSERT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    }
    void TearDown() override { VkBindEngine(nullptr); }

    // A blue rule attached and keyed as the collector does it.
    std::unique_ptr<ClRuleAo> ReadyAo(std::int32_t expected = VK_OK) {
        auto rule = ClRuleAo::Create();
        Attach(*rule);
        StAOSUMCONDITION condition{255, {}, 0, 0, 0};
        EXPECT_EQ(rule->Ready(&condition), expected);
        return rule;
    }
    template <typename T>
    void Attach(T& object) {
        object.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        object.SetCurDataID(ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo()->dataId);
        if constexpr (!std::is_same_v<T, ClSaveAoSiro>) object.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    }

    std::unique_ptr<VkStandinEngine> engine_;
};

class ClRecordingBox : public ClMessageBox {
public:
    int Show(VkWindow, const char* text, const char* caption, std::uint32_t style) override {
        texts.push_back(text);
        captions.push_back(caption);
        styles.push_back(style);
        return mb::kIdOk;
    }
    std::vector<std::string> texts, captions;
    std::vector<std::uint32_t> styles;
};

}  // namespace

TEST_F(StandinEngineTest, InvalidDatasetFailsInitiateWithOneLine) {
    engine_ = std::make_unique<VkStandinEngine>(R"({"format": 1, "users": [{"selNo3": 1}]})", "bad.json");
    VkBindEngine(engine_.get());
    testing::internal::CaptureStderr();
    EXPECT_NE(ClAccConnect::Inst()->Initiate(), VK_OK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "engine data set bad.json: $.users[0].selNo3: unknown member\n");
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(5, 1), nullptr);
}

TEST_F(StandinEngineTest, DatasetFileComesFromVkDataset) {
    std::string path = std::string(ORBEK_BINARY_DIR) + "/standin-test-dataset.json";
    std::ofstream(path) << OneCompany(R"("companyName": "FILE")");
    ClScopedEnv env("VK_DATASET", path.c_str());
    engine_ = std::make_unique<VkStandinEngine>();
    VkBindEngine(engine_.get());
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    EXPECT_STREQ(ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo()->companyName, "FILE");
    std::remove(path.c_str());
}

TEST_F(StandinEngineTest, UsersAndTheCompanyWalkSelectBySecondNumber) {
    Open(R"({"format": 1, "currentUser": "b",
             "users": [{"userId": "a", "selNo1": 1, "selNo2": 10}, {"userId": "b", "selNo1": 2, "selNo2": 20}],
             "companies": [{"dataId": "X", "dataNo": 10}, {"dataId": "Y", "dataNo": 20}]})");
    ClSysUser* users = ClDataMgr::Inst()->GetSysUserObject();
    char id[65];
    std::memset(id, 'x', sizeof id);
    ASSERT_EQ(users->GetCurUserID(id), VK_OK);
    EXPECT_STREQ(id, "b");
    std::int32_t s1 = -1, s2 = -1;
    EXPECT_EQ(users->GetSelectedNo("a", &s1, &s2), VK_OK);
    EXPECT_EQ(s1, 1);
    EXPECT_EQ(s2, 10);
    users->GetSelectedNo("nobody", &s1, &s2);
    EXPECT_EQ(s1, 0);
    EXPECT_EQ(s2, 0);

    ClSetData* set = ClDataMgr::Inst()->GetSetObject(5, 1);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(5, 0), nullptr);
    std::int32_t cursor = 0;
    ASSERT_EQ(set->GetDatCursor(&cursor), VK_OK);
    ASSERT_EQ(set->ReadyDat(cursor, 0), VK_OK);
    StDATAINFO record{};
    std::vector<std::int32_t> walked;
    while (set->WalkDat(&record, cursor) == VK_OK) walked.push_back(record.dataNo);
    EXPECT_EQ(walked, (std::vector<std::int32_t>{10, 20}));
    EXPECT_EQ(set->ReleaseDatCursor(cursor), VK_OK);
    EXPECT_STREQ(set->GetSelectedInfo()->dataId, "Y");
}

TEST_F(StandinEngineTest, NoSelectionGivesAZeroRecordThatKeysNothing) {
    Open(R"({"format": 1, "currentUser": "nobody", "companies": [{"dataNo": 0}]})");
    const StDATAINFO* info = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dataId[0], 0);
    ReadyAo(VK_STANDIN_REFUSED);  // an empty dataId keys no company
}

TEST_F(StandinEngineTest, WalksDeliverRowsThen5000) {
    Open(OneCompany(kRows));
    auto rule = ReadyAo();
    EXPECT_EQ(rule->GetCount_PL(0), 2);
    EXPECT_EQ(rule->GetCount_BS_Shisan(0), 0);
    EXPECT_EQ(rule->GetCount_SeizoGenka(), 0);
    StAOSUMINFO row{};
    ASSERT_EQ(rule->MoveFirst_PL(0, &row), VK_OK);
    EXPECT_EQ(row.itemKey, 100);  // as the engine files it: the collector adjusts keys, not the engine
    ASSERT_EQ(rule->MoveNext_PL(0, &row), VK_OK);
    EXPECT_EQ(row.amount, 20);
    EXPECT_EQ(rule->MoveNext_PL(0, &row), VK_END_OF_WALK);
    EXPECT_EQ(rule->MoveFirst_BS_Shisan(0, &row), VK_END_OF_WALK);  // a count of 0: the first walk ends at once
    EXPECT_EQ(rule->MoveFirst_SeizoGenka(&row), VK_END_OF_WALK);
    EXPECT_EQ(rule->MoveNext_BS_FusaiShihon(1, &row), VK_STANDIN_REFUSED);  // no MoveFirst before it
    EXPECT_EQ(rule->MoveFirst_PL(2, &row), VK_STANDIN_REFUSED);              // no such sum type
    ASSERT_EQ(rule->MoveFirst_PL(1, &row), VK_OK);
    EXPECT_EQ(row.rowCode, 21);
    StAOSUMINFO_TSUKIBETSU monthly{};
    ASSERT_EQ(rule->GetTsukibetsuUriageShiire(&monthly), VK_OK);
    EXPECT_EQ(monthly.slots[2], 3);
    EXPECT_EQ(monthly.slots[27], 0);
}

TEST_F(StandinEngineTest, SummaryObjectsNeedTheirAttachmentsAndTheYearCondition) {
    Open(OneCompany(kRows));
    StAOSUMCONDITION year{255, {}, 0, 0, 0};
    auto noLink = ClRuleAo::Create();
    noLink->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    noLink->SetCurDataID("D5");
    EXPECT_EQ(noLink->Ready(&year), VK_STANDIN_REFUSED);
    StAOSUMINFO row{};
    EXPECT_EQ(noLink->MoveFirst_PL(0, &row), VK_STANDIN_REFUSED);  // not ready
    EXPECT_EQ(noLink->GetCount_PL(0), 0);

    auto rule = ReadyAo();
    StAOSUMCONDITION month{255, {}, 1, 0, 0};
    EXPECT_EQ(rule->Ready(&month), VK_STANDIN_REFUSED);
    EXPECT_EQ(rule->Ready(nullptr), VK_STANDIN_REFUSED);

    auto unknown = ClRuleSiro::Create();
    Attach(*unknown);
    unknown->SetCurDataID("D6");
    EXPECT_EQ(unknown->Ready(), VK_STANDIN_REFUSED);
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
    ASSERT_EQ(rule->MoveFirst_PL(1, &row), VK_OK);
    EXPECT_EQ(rule->MoveNext_PL(1, &row), VK_END_OF_WALK);  // other sum type: untouched
    ASSERT_EQ(rule->MoveFirst_PL(0, &row), VK_OK);
    row.amount = 777;
    EXPECT_EQ(rule->MoveNext_PL(0, &row), 9);  // first call of sum type 0
    EXPECT_EQ(row.amount, 777);                // nothing delivered
    EXPECT_EQ(rule->MoveNext_PL(0, &row), VK_OK);  // the walk had not moved
    EXPECT_EQ(row.amount, 20);

    EXPECT_EQ(rule->GetCount_PL(0), 2);
    EXPECT_EQ(rule->GetCount_PL(1), 7);  // a count fault is the count
    EXPECT_EQ(rule->GetCount_PL(1), 7);  // without "call": every call
    EXPECT_EQ(rule->GetCount_SeizoGenka(), 0);
    EXPECT_EQ(rule->GetCount_SeizoGenka(), -3);
    EXPECT_EQ(rule->GetCount_SeizoGenka(), 0);
    EXPECT_EQ(rule->MoveFirst_BS_Shisan(0, &row), VK_OK);  // result 0 at the end of an empty list

    auto save = ClSaveAoSiro::Create();
    Attach(*save);
    StAOSIROSAVEINFO_IPPAN ippan{};
    EXPECT_EQ(save->GetDataIppan(&ippan), 4);
    EXPECT_EQ(ippan.generalBlock, nullptr);  // the record stays as it was
}

TEST_F(StandinEngineTest, ConnectionFaults) {
    engine_ = std::make_unique<VkStandinEngine>(
        R"({"format": 1, "faults": [{"op": "ClAccConnect::Initiate", "call": 1, "result": 3},
                                    {"op": "ClAccConnect::ExpSysLink", "result": 1}]})",
        "t");
    VkBindEngine(engine_.get());
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), 3);
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(5, 1), nullptr);  // not connected
    EXPECT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    EXPECT_EQ(ClAccConnect::Inst()->ExpSysLink(), 1);
}

TEST_F(StandinEngineTest, SavedSettingsComeInTaskMemoryBlocksOfTheEngineSizes) {
    Open(OneCompany(R"("ippan": {"general": {"aoKoujoSentaku": 1}},
                       "fudousan": {"kasituke": [{"yearlyRent": 5}, {}]})"));
    auto save = ClSaveAoSiro::Create();
    Attach(*save);
    StAOSIROSAVEINFO_IPPAN ippan{};
    StAOSIROSAVEINFO_FUDOUSAN fudousan{};
    ASSERT_EQ(save->GetDataIppan(&ippan), VK_OK);
    ASSERT_EQ(save->GetDataFudousan(&fudousan), VK_OK);
    void* ippanBlocks[] = {ippan.generalBlock, ippan.kasidaoreBlock, ippan.kyuuryouBlock, ippan.risiZeirisiBlock,
                           ippan.tidaiBlock, ippan.tokusyuJijouText, ippan.uriageSiireBlock};
    void* fudousanBlocks[] = {fudousan.generalBlock,     fudousan.kasitukeList,    fudousan.kariireZeirisiBlock,
                              fudousan.kyuuryouSenjuusyaBlock, fudousan.tidaiBlock, fudousan.tokusyuJijouText,
                              fudousan.syuuzenhiBlock,   fudousan.kasitukeSuuBlock};
    const std::size_t ippanSizes[] = {1024, 448, 480, 448, 256, 1024, 720};
    const std::size_t fudousanSizes[] = {1024, 3 * 236, 560, 328, 256, 1024, 384, 56};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(TaskMemSize(ippanBlocks[i]), ippanSizes[i]);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(TaskMemSize(fudousanBlocks[i]), fudousanSizes[i]);
    EXPECT_EQ(ClBlockView::Of(ippan.generalBlock).Byte(521), 1);
    EXPECT_EQ(ClBlockView::Of(fudousan.kasitukeList).Amount(188), 5);
    EXPECT_EQ(ClBlockView::Of(fudousan.kasitukeList).Count(2 * 236 + 4), -1);
    for (void* block : ippanBlocks) TaskMemFree(block);
    for (void* block : fudousanBlocks) TaskMemFree(block);

    auto unattached = ClSaveAoSiro::Create();
    StAOSIROSAVEINFO_IPPAN none{};
    EXPECT_EQ(unattached->GetDataIppan(&none), VK_STANDIN_REFUSED);
    EXPECT_EQ(none.generalBlock, nullptr);
}

TEST_F(StandinEngineTest, DispMsgFillsInThePackageNameOnCharacterBoundaries) {
    Open(R"({"format": 1})");
    ClRecordingBox box;
    SetCurrentMessageBox(&box);
    ClAccConnect::Inst()->DispMsg(0, "ES_APRPACKAGENAMEを\nES_APRPACKAGENAMEで", "所得税", 48);
    // The trail byte of "ウ" (0x83 0x45) is an "E": no token starts there.
    ClAccConnect::Inst()->DispMsg(0, "ウS_APRPACKAGENAME", "所得税", 48);
    SetCurrentMessageBox(nullptr);
    ASSERT_EQ(box.texts.size(), 2u);
    EXPECT_EQ(box.texts[0], std::string(kStandinPackageName) + "を\n" + kStandinPackageName + "で");
    EXPECT_EQ(box.texts[1], "ウS_APRPACKAGENAME");
    EXPECT_EQ(box.captions[0], "所得税");
    EXPECT_EQ(box.styles[0], 48u);
}

TEST_F(StandinEngineTest, AppFoldersAsGivenOrThePerUserDataFolder) {
    Open(U8(u8R"({"format": 1, "appFolders": {"0": "/出力/"}})"));
    char path[261];
    ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(0, path), VK_OK);
    EXPECT_STREQ(path, "/出力/");  // Shift_JIS
#ifndef _WIN32
    {
        ClScopedEnv xdg("XDG_DATA_HOME", U8(u8"/data/ユーザー").c_str());
        ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_OK);
        EXPECT_STREQ(path, "/data/ユーザー/varnoke/");
    }
    {
        ClScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ClScopedEnv home("HOME", "/home/me");
        ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_OK);
        EXPECT_STREQ(path, "/home/me/.local/share/varnoke/");
    }
    {
        ClScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ClScopedEnv home("HOME", "/home/\xF0\x9F\x98\x80");  // no code page 932 form
        EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_STANDIN_REFUSED);
        EXPECT_STREQ(path, "");
    }
#else
    {
        ClScopedEnv appData("APPDATA", "C:\\Users\\me\\AppData\\Roaming");
        ASSERT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1, path), VK_OK);
        EXPECT_STREQ(path, "C:\\Users\\me\\AppData\\Roaming\\Varnoke\\");
    }
#endif
    EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(2, path), VK_STANDIN_REFUSED);
}

TEST_F(StandinEngineTest, ExitCallsAndEditionValues) {
    engine_ = std::make_unique<VkStandinEngine>(R"({"format": 1})", "t");
    VkBindEngine(engine_.get());
    ClAccConnect::Inst()->SetAppType(ClSysEnvMgr::AppTypePro);
    ClAccConnect::Inst()->SetUseDataType(2);
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), VK_OK);
    EXPECT_EQ(engine_->AppType(), 3);
    EXPECT_EQ(engine_->UseDataType(), 2);
    EXPECT_EQ(ClAccConnect::Inst()->LogOut(), VK_OK);
    EXPECT_EQ(ClAccConnect::Inst()->Terminate(), VK_OK);
    EXPECT_EQ(ClAccConnect::Inst()->Release(), VK_OK);
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(5, 1), nullptr);  // closed
}
