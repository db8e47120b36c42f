#pragma once
// The accounting engine's operations as this program calls them. The closed
// engine cannot be linked here; whatever takes its place (the stand-in, a test
// double) implements these classes and binds itself with VkBindEngine.
// Results are signed 32-bit codes: 0 success, 5000 end of a row walk.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/Window.h"
#include "engine/VkRecords.h"

constexpr std::int32_t VK_OK = 0;
constexpr std::int32_t VK_END_OF_WALK = 5000;
// ClAccConnect::ExpSysLink: the engine asks the program to stop quietly.
constexpr std::int32_t kLinkDeclined = 1;
// ClAccConnect::SetUseDataType: the data type of the income-tax link.
constexpr std::int32_t kUseDataTypeIncomeTax = 2;
// ClDataMgr::GetSetObject: the company-data set, with the selected data.
constexpr std::int32_t kSetKindCompanyData = 5;
constexpr std::int32_t kSetModeSelected = 1;

// ClSysEnvMgr::_AppType values announced by the two editions.
namespace ClSysEnvMgr {
enum _AppType : std::int32_t { AppTypeStandard = 0, AppTypePro = 3 };
}
enum _RuleAoSumType : std::int32_t { RuleAoSumIppan = 0, RuleAoSumFudousan = 1 };
enum _RuleSiroSumType : std::int32_t { RuleSiroSumIppan = 0, RuleSiroSumFudousan = 1 };

class ClSetMgr;  // opaque engine handles, passed back to the engine unchanged
class ClOptLink;

class ClAccConnect {
public:
    static ClAccConnect* Inst();
    virtual ~ClAccConnect() = default;

    // Connection fields, set directly before the calls below.
    char appName[64] = {};
    VkWindow ownerWindow = 0;

    virtual void SetAppType(std::int32_t appType) = 0;
    virtual void SetUseDataType(std::int32_t useDataType) = 0;
    virtual std::int32_t Initiate() = 0;
    virtual std::int32_t ExpSysLink() = 0;
    // Shows text (Shift_JIS) in a message box; the engine fills in the
    // token "ES_APRPACKAGENAME" with the income-tax package's name.
    virtual std::int32_t DispMsg(VkWindow owner, const char* text, const char* caption, std::uint32_t style) = 0;
    virtual std::int32_t LogOut() = 0;
    virtual std::int32_t Terminate() = 0;
    virtual std::int32_t Release() = 0;
};

class ClSysUser {
public:
    virtual ~ClSysUser() = default;
    virtual std::int32_t GetCurUserID(char userId[65]) = 0;
    virtual std::int32_t GetSelectedNo(const char* userId, std::int32_t* selNo1, std::int32_t* selNo2) = 0;
};

class ClSetData {
public:
    virtual ~ClSetData() = default;
    virtual std::int32_t GetDatCursor(std::int32_t* cursor) = 0;
    virtual std::int32_t ReadyDat(std::int32_t cursor, std::int32_t mode) = 0;
    // 0: one record delivered; non-zero: none left.
    virtual std::int32_t WalkDat(StDATAINFO* record, std::int32_t cursor) = 0;
    virtual std::int32_t ReleaseDatCursor(std::int32_t cursor) = 0;
    virtual const StDATAINFO* GetSelectedInfo() = 0;
};

class ClDataMgr {
public:
    static ClDataMgr* Inst();
    virtual ~ClDataMgr() = default;
    virtual ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) = 0;
    virtual ClSysUser* GetSysUserObject() = 0;
    virtual ClSetMgr* GetSetMgr() = 0;
};

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    virtual ~ClLinkMgr() = default;
    virtual ClOptLink* GetOptLink() = 0;
};

// The buffer ClFileMgr::GetAppFolderPath fills: 260 bytes and the terminator.
constexpr std::size_t kAppFolderPathSize = 261;

class ClFileMgr {
public:
    static ClFileMgr* Inst();
    virtual ~ClFileMgr() = default;
    // Folder type 0 or 1; type 1 ends with the platform's separator.
    virtual std::int32_t GetAppFolderPath(std::int32_t folderType, char path[kAppFolderPathSize]) = 0;
};

class ClRuleAo {
public:
    static std::unique_ptr<ClRuleAo> Create();  // null when the engine cannot make one
    virtual ~ClRuleAo() = default;
    virtual void AttachSetMgr(ClSetMgr* setMgr) = 0;
    virtual void SetCurDataID(const char* dataId) = 0;
    virtual void AttachOptLink(ClOptLink* optLink) = 0;
    virtual std::int32_t Ready(const StAOSUMCONDITION* condition) = 0;
    virtual std::int32_t GetCount_PL(std::int32_t sumType) = 0;
    virtual std::int32_t GetCount_BS_Shisan(std::int32_t sumType) = 0;
    virtual std::int32_t GetCount_BS_FusaiShihon(std::int32_t sumType) = 0;
    virtual std::int32_t GetCount_SeizoGenka() = 0;
    virtual std::int32_t MoveFirst_PL(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveNext_PL(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveFirst_BS_Shisan(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveNext_BS_Shisan(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveFirst_BS_FusaiShihon(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveNext_BS_FusaiShihon(std::int32_t sumType, StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveFirst_SeizoGenka(StAOSUMINFO* row) = 0;
    virtual std::int32_t MoveNext_SeizoGenka(StAOSUMINFO* row) = 0;
    virtual std::int32_t GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* monthly) = 0;
};

class ClRuleSiro {
public:
    static std::unique_ptr<ClRuleSiro> Create();
    virtual ~ClRuleSiro() = default;
    virtual void AttachSetMgr(ClSetMgr* setMgr) = 0;
    virtual void SetCurDataID(const char* dataId) = 0;
    virtual void AttachOptLink(ClOptLink* optLink) = 0;
    virtual std::int32_t Ready() = 0;
    virtual std::int32_t GetCount_PL(std::int32_t sumType) = 0;
    virtual std::int32_t MoveFirst_PL(std::int32_t sumType, StSIROSUMINFO* row) = 0;
    virtual std::int32_t MoveNext_PL(std::int32_t sumType, StSIROSUMINFO* row) = 0;
};

class ClSaveAoSiro {
public:
    static std::unique_ptr<ClSaveAoSiro> Create();
    virtual ~ClSaveAoSiro() = default;
    virtual void AttachSetMgr(ClSetMgr* setMgr) = 0;
    virtual void SetCurDataID(const char* dataId) = 0;
    // 0: the record's blocks are allocated (task memory) and filled.
    virtual std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) = 0;
    virtual std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) = 0;
};

// What an engine implementation provides: its singletons and the objects the
// program constructs. Any factory may return null (the object cannot be made).
class ClEngineBinding {
public:
    virtual ~ClEngineBinding() = default;
    virtual ClAccConnect* AccConnect() = 0;
    virtual ClDataMgr* DataMgr() = 0;
    virtual ClLinkMgr* LinkMgr() = 0;
    virtual ClFileMgr* FileMgr() = 0;
    virtual std::unique_ptr<ClRuleAo> NewRuleAo() = 0;
    virtual std::unique_ptr<ClRuleSiro> NewRuleSiro() = 0;
    virtual std::unique_ptr<ClSaveAoSiro> NewSaveAoSiro() = 0;
};

// Makes binding the engine every Inst() and Create() goes to (null unbinds).
// Not owned.
void VkBindEngine(ClEngineBinding* binding);
