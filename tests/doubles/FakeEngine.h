#pragma once
// An accounting engine with a call log: the connection, the company-data
// walk, the user and the application folders. Its saved settings are empty
// and its white rule walks no row (it makes no blue rule), so a report of a
// white return holds the company's data only. Binds itself for its lifetime.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/VkEngine.h"

class FakeEngine final : public VkEngineBinding,
                         public ClAccConnect,
                         public ClDataMgr,
                         public ClSysUser,
                         public ClSetData,
                         public ClLinkMgr,
                         public ClFileMgr {
public:
    FakeEngine() { VkBindEngine(this); }
    ~FakeEngine() override { VkBindEngine(nullptr); }
    FakeEngine(const FakeEngine&) = delete;
    FakeEngine& operator=(const FakeEngine&) = delete;

    // A company record with the fields the program reads.
    static StDATAINFO Company(std::int32_t dataNo, const char* name) {
        StDATAINFO record{};
        std::snprintf(record.dataId, sizeof record.dataId, "D%04d", dataNo);
        record.dataNo = dataNo;
        std::strncpy(record.companyName, name, sizeof record.companyName - 1);
        record.aoSiroKind = 4;
        record.jigyouKind = 3;
        return record;
    }

    // VkEngineBinding
    ClAccConnect* AccConnect() override { return this; }
    ClDataMgr* DataMgr() override { return this; }
    ClLinkMgr* LinkMgr() override { return this; }
    ClFileMgr* FileMgr() override { return this; }
    std::unique_ptr<ClRuleAo> NewRuleAo() override { return nullptr; }
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override { return std::make_unique<EmptyRuleSiro>(*this); }
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override { return std::make_unique<EmptySave>(); }

    // ClAccConnect
    void SetAppType(std::int32_t appType) override { Log("SetAppType " + std::to_string(appType)); }
    void SetUseDataType(std::int32_t type) override { Log("SetUseDataType " + std::to_string(type)); }
    std::int32_t Initiate() override {
        appNameAtInitiate = appName;
        return Log("Initiate", initiateResult);
    }
    std::int32_t ExpSysLink() override {
        ownerAtLink = ownerWindow;
        return Log("ExpSysLink", linkResult);
    }
    std::int32_t DispMsg(VkWindow, const char* text, const char*, std::uint32_t) override {
        dispMsgs.push_back(text);
        return Log("DispMsg", 1);
    }
    std::int32_t LogOut() override { return Log("LogOut"); }
    std::int32_t Terminate() override { return Log("Terminate"); }
    std::int32_t Release() override { return Log("Release"); }

    // ClDataMgr, ClSysUser, ClLinkMgr: user "user01", data 1/selNo2.
    ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) override {
        Log("GetSetObject " + std::to_string(kind) + " " + std::to_string(mode));
        return this;
    }
    ClSysUser* GetSysUserObject() override { return this; }
    ClSetMgr* GetSetMgr() override { return nullptr; }
    std::int32_t GetCurUserID(char id[65]) override {
        std::memset(id, 0, 65);
        std::strcpy(id, "user01");
        return 0;
    }
    std::int32_t GetSelectedNo(const char*, std::int32_t* no1, std::int32_t* no2) override {
        *no1 = 1;
        *no2 = selNo2;
        return 0;
    }
    ClOptLink* GetOptLink() override { return nullptr; }

    // ClSetData: the companies, walked in order.
    std::int32_t GetDatCursor(std::int32_t*) override { return Log("GetDatCursor"); }
    std::int32_t ReadyDat(std::int32_t, std::int32_t) override {
        walked_ = 0;
        return Log("ReadyDat");
    }
    std::int32_t WalkDat(StDATAINFO* record, std::int32_t) override {
        if (walked_ >= companies.size()) return 1;
        *record = companies[walked_++];
        return 0;
    }
    std::int32_t ReleaseDatCursor(std::int32_t) override { return Log("ReleaseDatCursor"); }
    const StDATAINFO* GetSelectedInfo() override {
        for (const StDATAINFO& c : companies) {
            if (c.dataNo == selNo2) return &c;
        }
        return nullptr;
    }

    // ClFileMgr
    std::int32_t GetAppFolderPath(std::int32_t type, char path[261]) override {
        std::memset(path, 0, 261);
        std::strncpy(path, type == 0 ? folder0.c_str() : folder1.c_str(), 260);
        return 0;
    }

    std::vector<std::string> calls;
    std::vector<std::string> dispMsgs;
    std::int32_t initiateResult = 0;
    std::int32_t whiteReadyResult = 0;  // what ClRuleSiro::Ready returns
    std::int32_t linkResult = 0;
    std::string appNameAtInitiate;
    VkWindow ownerAtLink = 0;
    std::int32_t selNo2 = 3;
    std::vector<StDATAINFO> companies;
    std::string folder0;
    std::string folder1 = "/data/varnoke/";

private:
    struct EmptyRuleSiro final : ClRuleSiro {
        explicit EmptyRuleSiro(FakeEngine& e) : engine(e) {}
        void AttachSetMgr(ClSetMgr*) override {}
        void SetCurDataID(const char*) override {}
        void AttachOptLink(ClOptLink*) override {}
        std::int32_t Ready() override { return engine.whiteReadyResult; }
        std::int32_t GetCount_PL(std::int32_t) override { return 0; }
        std::int32_t MoveFirst_PL(std::int32_t, StSIROSUMINFO*) override { return VK_END_OF_WALK; }
        std::int32_t MoveNext_PL(std::int32_t, StSIROSUMINFO*) override { return VK_END_OF_WALK; }
        FakeEngine& engine;
    };
    struct EmptySave final : ClSaveAoSiro {
        void AttachSetMgr(ClSetMgr*) override {}
        void SetCurDataID(const char*) override {}
        std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN*) override { return VK_OK; }
        std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN*) override { return VK_OK; }
    };

    std::int32_t Log(const std::string& call, std::int32_t result = 0) {
        calls.push_back(call);
        return result;
    }
    std::size_t walked_ = 0;
};
