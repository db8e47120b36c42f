// The connection, the users, the company-data walk and the application folders.
#include <cstring>
#include <string>
#include <string_view>

#include "common/Sjis.h"
#include "services/MessageBox.h"
#include "standin/StandinCore.h"

// Deliberately a Shift_JIS literal: this is program text.
const char* const kStandinPackageName = "Quillon所得税";

namespace {

constexpr std::string_view kPackageToken = "ES_APRPACKAGENAME";
constexpr std::int32_t kSetObjectKind = 5;
constexpr std::int32_t kSetObjectMode = 1;
constexpr std::size_t kUserIdBuffer = 65;

// Replaces every token that starts on a character boundary.
std::string FillPackageName(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i).starts_with(kPackageToken)) {
            out += kStandinPackageName;
            i += kPackageToken.size();
            continue;
        }
        std::size_t len = sjis::CharLengthAt(text, i);
        out.append(text.substr(i, len));
        i += len;
    }
    return out;
}

void CopyField(char* to, std::size_t size, const std::string& from) {
    std::memset(to, 0, size);
    std::memcpy(to, from.data(), from.size() < size ? from.size() : size);
}

}  // namespace

std::int32_t ClStandinAccConnect::Initiate() {
    if (!core_.Load()) return kStandinRefused;
    return core_.Faultable(EnStandinOp::Initiate, -1, [this] {
        core_.SetConnected(true);
        return VK_OK;
    });
}

std::int32_t ClStandinAccConnect::ExpSysLink() {
    return core_.Faultable(EnStandinOp::ExpSysLink, -1, [this] { return core_.connected() ? VK_OK : kStandinRefused; });
}

std::int32_t ClStandinAccConnect::DispMsg(VkWindow owner, const char* text, const char* caption, std::uint32_t style) {
    std::string filled = FillPackageName(text ? text : "");
    return CurrentMessageBox().Show(owner, filled.c_str(), caption ? caption : "", style);
}

void ClStandinAccConnect::SetAppType(std::int32_t appType) { core_.Record("ClAccConnect::SetAppType", appType); }

void ClStandinAccConnect::SetUseDataType(std::int32_t useDataType) {
    core_.Record("ClAccConnect::SetUseDataType", useDataType);
}

std::int32_t ClStandinAccConnect::LogOut() {
    core_.Record("ClAccConnect::LogOut");
    return VK_OK;
}

std::int32_t ClStandinAccConnect::Terminate() {
    core_.Record("ClAccConnect::Terminate");
    core_.SetConnected(false);
    return VK_OK;
}

std::int32_t ClStandinAccConnect::Release() {
    core_.Record("ClAccConnect::Release");
    return VK_OK;
}

std::int32_t ClStandinSysUser::GetCurUserID(char userId[65]) {
    if (!userId) return kStandinRefused;
    std::memset(userId, 0, kUserIdBuffer);
    if (!core_.connected()) return kStandinRefused;
    CopyField(userId, kUserIdBuffer, core_.data().currentUser);
    return VK_OK;
}

std::int32_t ClStandinSysUser::GetSelectedNo(const char* userId, std::int32_t* selNo1, std::int32_t* selNo2) {
    if (!selNo1 || !selNo2) return kStandinRefused;
    *selNo1 = 0;
    *selNo2 = 0;
    if (!userId || !core_.connected()) return kStandinRefused;
    std::string_view id(userId, strnlen(userId, kUserIdBuffer));
    for (const auto& user : core_.data().users) {
        if (user.userId == id) {
            *selNo1 = user.selNo1;
            *selNo2 = user.selNo2;
            break;
        }
    }
    return VK_OK;
}

std::int32_t ClStandinSetData::GetDatCursor(std::int32_t* cursor) {
    core_.Record("ClSetData::GetDatCursor");
    if (!cursor || !core_.connected()) return kStandinRefused;
    *cursor = ++lastCursor_;
    cursors_[*cursor] = 0;
    return VK_OK;
}

std::int32_t ClStandinSetData::ReadyDat(std::int32_t cursor, std::int32_t) {
    core_.Record("ClSetData::ReadyDat");
    auto it = cursors_.find(cursor);
    if (it == cursors_.end()) return kStandinRefused;
    it->second = 0;
    return VK_OK;
}

std::int32_t ClStandinSetData::WalkDat(StDATAINFO* record, std::int32_t cursor) {
    auto it = cursors_.find(cursor);
    if (!record || it == cursors_.end() || !core_.connected()) return kStandinRefused;
    const auto& companies = core_.data().companies;
    if (it->second >= companies.size()) return VK_END_OF_WALK;
    *record = companies[it->second++].info;
    return VK_OK;
}

std::int32_t ClStandinSetData::ReleaseDatCursor(std::int32_t cursor) {
    core_.Record("ClSetData::ReleaseDatCursor");
    return cursors_.erase(cursor) ? VK_OK : kStandinRefused;
}

const StDATAINFO* ClStandinSetData::GetSelectedInfo() {
    const StSTANDINCOMPANY* company = core_.connected() ? core_.SelectedCompany() : nullptr;
    return company ? &company->info : &none_;
}

ClSetData* ClStandinDataMgr::GetSetObject(std::int32_t kind, std::int32_t mode) {
    core_.Record("ClDataMgr::GetSetObject", kind);
    if (kind != kSetObjectKind || mode != kSetObjectMode || !core_.connected()) return nullptr;
    return &core_.setData;
}

ClSysUser* ClStandinDataMgr::GetSysUserObject() { return &core_.sysUser; }

ClSetMgr* ClStandinDataMgr::GetSetMgr() { return core_.SetMgr(); }

ClOptLink* ClStandinLinkMgr::GetOptLink() { return core_.OptLink(); }

std::int32_t ClStandinFileMgr::GetAppFolderPath(std::int32_t folderType, char path[kAppFolderPathSize]) {
    if (!path) return kStandinRefused;
    std::memset(path, 0, kAppFolderPathSize);
    if ((folderType != 0 && folderType != 1) || !core_.connected()) return kStandinRefused;
    const auto& given = core_.data().appFolders[static_cast<std::size_t>(folderType)];
    if (given) {
        CopyField(path, kAppFolderPathSize, *given);
        return VK_OK;
    }
    if (folderType == 0) return VK_OK;  // no folder of its own: empty
    auto folder = DefaultAppDataFolder();
    if (!folder || folder->size() >= kAppFolderPathSize) return kStandinRefused;
    CopyField(path, kAppFolderPathSize, *folder);
    return VK_OK;
}
