#include <cstdio>
#include <cstring>

#include "app/ExportApp.h"
#include "common/Sjis.h"
#include "engine/VkEngine.h"

void ClExportApp::ReadCurrentUser(char userId[65], std::int32_t& selNo1, std::int32_t& selNo2) {
    ClDataMgr* dataMgr = ClDataMgr::Inst();
    ClSysUser* user = dataMgr ? dataMgr->GetSysUserObject() : nullptr;
    if (!user) return;
    user->GetCurUserID(userId);
    userId[64] = '\0';
    user->GetSelectedNo(userId, &selNo1, &selNo2);
}

int ClExportApp::FindSelectedData(StDATAINFO* out) {
    if (!out) return 0;
    ClDataMgr* dataMgr = ClDataMgr::Inst();
    if (!setData_ && dataMgr) setData_ = dataMgr->GetSetObject(kSetKindCompanyData, kSetModeSelected);
    std::memset(out, 0, sizeof *out);
    char userId[65] = {};
    std::int32_t selNo1 = 0;
    std::int32_t selNo2 = 0;
    ReadCurrentUser(userId, selNo1, selNo2);
    if (!setData_) return 0;

    std::int32_t cursor = 0;
    setData_->GetDatCursor(&cursor);
    setData_->ReadyDat(cursor, 0);
    int found = 0;
    for (;;) {
        StDATAINFO work{};
        if (setData_->WalkDat(&work, cursor) != VK_OK) break;
        if (work.dataNo == selNo2) {
            *out = work;
            found = 1;
            break;
        }
    }
    setData_->ReleaseDatCursor(cursor);
    return found;
}

std::string ClExportApp::FormatDataText(int kind, const StDATAINFO* record) {
    char text[256] = {};
    if (!record) return text;
    if (kind == 0) {
        // The name may fill its field without a terminator; the text is cut
        // at a character boundary, never inside a double-byte character.
        std::string_view name(record->companyName, strnlen(record->companyName, sizeof record->companyName));
        text[0] = ' ';
        const std::size_t len = sjis::CutLength(name, sizeof text - 2);
        std::memcpy(text + 1, name.data(), len);
    } else if (kind == 1) {
        const std::int32_t from = record->fiscalFrom;
        const std::int32_t to = record->fiscalTo;
        // "\x81\x60" is the wave dash of code page 932.
        std::snprintf(text, sizeof text, " %04d/%02d/%02d\x81\x60%04d/%02d/%02d", from / 10000, from % 10000 / 100,
                      from % 100, to / 10000, to % 10000 / 100, to % 100);
    }
    return text;
}
