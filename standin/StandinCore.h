#pragma once
// Inside the stand-in: the shared state every engine object works on, and
// the objects the engine hands out as singletons.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/VkEngine.h"
#include "standin/StandinDataset.h"
#include "standin/StandinEngine.h"

class ClStandinCore;

class ClStandinAccConnect final : public ClAccConnect {
public:
    explicit ClStandinAccConnect(ClStandinCore& core) : core_(core) {}
    void SetAppType(std::int32_t appType) override;
    void SetUseDataType(std::int32_t useDataType) override;
    std::int32_t Initiate() override;
    std::int32_t ExpSysLink() override;
    std::int32_t DispMsg(VkWindow owner, const char* text, const char* caption, std::uint32_t style) override;
    std::int32_t LogOut() override;
    std::int32_t Terminate() override;
    std::int32_t Release() override;

private:
    ClStandinCore& core_;
};

class ClStandinSysUser final : public ClSysUser {
public:
    explicit ClStandinSysUser(ClStandinCore& core) : core_(core) {}
    std::int32_t GetCurUserID(char userId[65]) override;
    std::int32_t GetSelectedNo(const char* userId, std::int32_t* selNo1, std::int32_t* selNo2) override;

private:
    ClStandinCore& core_;
};

class ClStandinSetData final : public ClSetData {
public:
    explicit ClStandinSetData(ClStandinCore& core) : core_(core) {}
    std::int32_t GetDatCursor(std::int32_t* cursor) override;
    std::int32_t ReadyDat(std::int32_t cursor, std::int32_t mode) override;
    std::int32_t WalkDat(StDATAINFO* record, std::int32_t cursor) override;
    std::int32_t ReleaseDatCursor(std::int32_t cursor) override;
    const StDATAINFO* GetSelectedInfo() override;

private:
    ClStandinCore& core_;
    std::map<std::int32_t, std::size_t> cursors_;  // cursor -> next company
    std::int32_t lastCursor_ = 0;
    StDATAINFO none_{};  // what GetSelectedInfo gives when no data is selected
};

class ClStandinDataMgr final : public ClDataMgr {
public:
    explicit ClStandinDataMgr(ClStandinCore& core) : core_(core) {}
    ClSetData* GetSetObject(std::int32_t kind, std::int32_t mode) override;
    ClSysUser* GetSysUserObject() override;
    ClSetMgr* GetSetMgr() override;

private:
    ClStandinCore& core_;
};

class ClStandinLinkMgr final : public ClLinkMgr {
public:
    explicit ClStandinLinkMgr(ClStandinCore& core) : core_(core) {}
    ClOptLink* GetOptLink() override;

private:
    ClStandinCore& core_;
};

class ClStandinFileMgr final : public ClFileMgr {
public:
    explicit ClStandinFileMgr(ClStandinCore& core) : core_(core) {}
    std::int32_t GetAppFolderPath(std::int32_t folderType, char path[kAppFolderPathSize]) override;

private:
    ClStandinCore& core_;
};

class ClStandinCore {
public:
    // json: the data set's text, or none to read VK_DATASET or the demo.
    ClStandinCore(std::optional<std::string> json, std::string name);

    // Loads the data set on first use; a refused one is named in a warning box.
    bool Load();
    bool connected() const { return connected_; }
    void SetConnected(bool connected) { connected_ = connected; }
    const StSTANDINDATASET& data() const { return data_; }

    // Notes a call in the call log, when one is kept (sumType -1: none).
    void Record(std::string_view call, std::int32_t sumType = -1);
    std::vector<std::string>* callLog = nullptr;

    // Counts and records the call and gives the result a fault sets for it (sumType -1: none).
    std::optional<std::int32_t> Fault(EnStandinOp op, std::int32_t sumType = -1);
    // Runs an operation a fault can be put on: a fault with a result other
    // than 0 replaces it (nothing is delivered); one with 0 only sets the result.
    template <typename Run>
    std::int32_t Faultable(EnStandinOp op, std::int32_t sumType, Run&& run) {
        auto fault = Fault(op, sumType);
        if (fault && *fault != VK_OK) return *fault;
        std::int32_t result = run();
        return fault ? *fault : result;
    }

    const StSTANDINUSER* CurrentUser() const;
    const StSTANDINCOMPANY* SelectedCompany() const;
    const StSTANDINCOMPANY* CompanyById(const char* dataId) const;

    // The opaque handles the summary objects must be attached to.
    ClSetMgr* SetMgr() { return reinterpret_cast<ClSetMgr*>(&setMgrTag_); }
    ClOptLink* OptLink() { return reinterpret_cast<ClOptLink*>(&optLinkTag_); }

    ClStandinAccConnect accConnect{*this};
    ClStandinSysUser sysUser{*this};
    ClStandinSetData setData{*this};
    ClStandinDataMgr dataMgr{*this};
    ClStandinLinkMgr linkMgr{*this};
    ClStandinFileMgr fileMgr{*this};

private:
    std::optional<std::string> json_;
    std::string name_;
    bool loaded_ = false;
    bool connected_ = false;
    StSTANDINDATASET data_;
    // Calls so far, by operation: [0] all, [1] sum type 0, [2] sum type 1.
    std::array<std::array<std::int32_t, 3>, kStandinOpCount> calls_{};
    char setMgrTag_ = 0;
    char optLinkTag_ = 0;
};

// The folder the accounting application keeps its per-user data in, in
// Shift_JIS and ending with the separator; none when it cannot be told.
std::optional<std::string> DefaultAppDataFolder();
// An environment variable in UTF-8; none when unset or empty.
std::optional<std::string> EnvironmentUtf8(const char* name);
// The built-in demo data set (UTF-8 JSON).
std::string_view DemoDatasetJson();
