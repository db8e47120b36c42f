#pragma once
// An accounting engine with a call log: the connection, the company-data
// walk, the user, the application folders, and saved settings that are all
// empty. Statement rules cannot be made (the statements stay empty). Binds
// itself for its lifetime.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/VkEngine.h"
#include "platform/TaskMemory.h"

class FakeEngine final : public VkEngineBinding,
                         public ClAccConnect,
                         public ClDataMgr,
                         public ClSysUser,
                         public ClSetData,
                         public ClLinkMgr,
                         public ClFileMgr {
public:
    struct StDISPMSG {
        VkWindow owner;
        std::string text;
        std::string caption;
        std::uint32_t style;
    };

    // Saved settings with every block present and zero: no list has a row.
    class EmptySettings final : public ClSaveAoSiro {
    public:
        void AttachSetMgr(ClSetMgr*) override {}
        void SetCurDataID(const char*) override {}
        std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) override {
            *ippan = {TaskMemAlloc(1024), TaskMemAlloc(448), TaskMemAlloc(480), TaskMemAlloc(448),
                      TaskMemAlloc(256),  TaskMemAlloc(1024), TaskMemAlloc(720)};
            return 0;
        }
        std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) override {
            void* lettings = TaskMemAlloc(236);
            const std::int32_t endOfList = -1;
            std::memcpy(static_cast<char*>(lettings) + 4, &endOfList, sizeof endOfList);
            *fudousan = {TaskMemAlloc(1024), lettings,          TaskMemAlloc(560), TaskMemAlloc(328),
                         TaskMemAlloc(256),  TaskMemAlloc(1024), TaskMemAlloc(384), TaskMemAlloc(56)};
            return 0;
        }
    };

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
        record.fiscalFrom = 20250101;
        record.fiscalTo = 20251231;
        record.aoSiroKind = 4;  // white: a report needs no statement rows
        record.jigyouKind = 3;
        return record;
    }

    // VkEngineBinding
    ClAccConnect* AccConnect() override { return this; }
    ClDataMgr* DataMgr() override { return this; }
    ClLinkMgr* LinkMgr() override { return this; }
    ClFileMgr* FileMgr() override { return this; }
    std::unique_ptr<ClRuleAo> NewRuleAo() override { return nullptr; }
    std::unique_ptr<ClRuleSiro> NewRuleSiro() override { return nullptr; }
    std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() override { return std::make_unique<EmptySettings>(); }

    // ClAccConnect
    void SetAppType(std::int32_t appType) override { Log("SetAppType " + std::to_string(appType)); }
    void SetUseDataType(std::int32_t type) override { Log("SetUseDataType " + std::to_string(type)); }
    std::int32_t Initiate() override {
        Log("Initiate");
        appNameAtInitiate = appName;
        return initiateResult;
    }
    std::int32_t ExpSysLink() override {
        Log("ExpSysLink");
        ownerAtLink = ownerWindow;
        return linkResult;
    }
    std::int32_t DispMsg(VkWindow owner, const char* text, const char* caption,
                         std::uint32_t style) override {
        Log("DispMsg");
        dispMsgs.push_back({owner, text, caption, style});
        return 1;
    }
    std::int32_t LogOut() override { return Log("LogOut"); }
    std::int32_t Terminate() override { return Log("Terminate"); }
    std::int32_t Release() override { return Log("Release"); }

    // ClDataMgr
    ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) override {
        Log("GetSetObject " + std::to_string(kind) + " " + std::to_string(mode));
        return this;
    }
    ClSysUser* GetSysUserObject() override { return this; }
    ClSetMgr* GetSetMgr() override { return nullptr; }

    // ClSysUser
    std::int32_t GetCurUserID(char id[65]) override {
        std::memset(id, 0, 65);
        std::strncpy(id, userId.c_str(), 64);
        return 0;
    }
    std::int32_t GetSelectedNo(const char* id, std::int32_t* no1, std::int32_t* no2) override {
        bool known = userId == id;
        *no1 = known ? selNo1 : 0;
        *no2 = known ? selNo2 : 0;
        return 0;
    }

    // ClSetData
    std::int32_t GetDatCursor(std::int32_t* cursor) override {
        *cursor = 7;
        return Log("GetDatCursor");
    }
    std::int32_t ReadyDat(std::int32_t, std::int32_t) override {
        walked = 0;
        return Log("ReadyDat");
    }
    std::int32_t WalkDat(StDATAINFO* record, std::int32_t) override {
        if (walked >= companies.size()) return 1;
        *record = companies[walked++];
        return 0;
    }
    std::int32_t ReleaseDatCursor(std::int32_t) override { return Log("ReleaseDatCursor"); }
    const StDATAINFO* GetSelectedInfo() override {
        for (const StDATAINFO& c : companies) {
            if (c.dataNo == selNo2) return &c;
        }
        return nullptr;
    }

    // ClLinkMgr
    ClOptLink* GetOptLink() override { return nullptr; }

    // ClFileMgr
    std::int32_t GetAppFolderPath(std::int32_t type, char path[261]) override {
        std::memset(path, 0, 261);
        std::strncpy(path, type == 0 ? folder0.c_str() : folder1.c_str(), 260);
        return 0;
    }

    std::int32_t Log(const std::string& call) {
        calls.push_back(call);
        return 0;
    }

    std::vector<std::string> calls;
    std::vector<StDISPMSG> dispMsgs;
    std::int32_t initiateResult = 0;
    std::int32_t linkResult = 0;
    std::string appNameAtInitiate;
    VkWindow ownerAtLink = 0;
    std::string userId = "user01";
    std::int32_t selNo1 = 1;
    std::int32_t selNo2 = 3;
    std::vector<StDATAINFO> companies;
    std::size_t walked = 0;
    std::string folder0;
    std::string folder1 = "/data/varnoke/";
};
