#include "standin/StandinCore.h"

#include <cstring>
#include <string_view>

#include "common/AppName.h"
#include "services/CodePage.h"
#include "services/MessageBox.h"

namespace {
constexpr std::size_t kDataIdField = sizeof(StDATAINFO{}.dataId);
constexpr char kDatasetRefused[] = "会計エンジンのデータセットを読めません。\n\n";
constexpr char kEnding[] = "\n\nアプリケーションを終了します。";
}  // namespace

ClStandinCore::ClStandinCore(std::optional<std::string> json, std::string name)
    : json_(std::move(json)), name_(std::move(name)) {}

bool ClStandinCore::Load() {
    if (loaded_) return true;
    StDATASETERROR error;
    std::string name = name_;
    bool ok = false;
    if (json_) {
        ok = ParseDataset(*json_, data_, error);
    } else if (auto path = EnvironmentUtf8("VK_DATASET")) {
        name = *path;
        ok = LoadDatasetFile(*path, data_, error);
    } else {
        name = "(built-in demo)";
        ok = ParseDataset(DemoDatasetJson(), data_, error);
    }
    if (!ok) {
        // Started from Explorer or by the accounting application, the program
        // has no standard error to read: the reason is shown like the other
        // start-up failures.
        const std::string text = kDatasetRefused + Utf8ToSjisLossy(DatasetErrorLine(name, error)) + kEnding;
        CurrentMessageBox().Show(0, text.c_str(), kAppName, mb::kIconWarning);
    }
    loaded_ = ok;
    return ok;
}

void ClStandinCore::Record(std::string_view call, std::int32_t sumType) {
    if (!callLog) return;
    callLog->emplace_back(call);
    if (sumType >= 0) callLog->back() += " " + std::to_string(sumType);
}

std::optional<std::int32_t> ClStandinCore::Fault(EnStandinOp op, std::int32_t sumType) {
    Record(StandinOpInfo(op).name, sumType);
    auto& counts = calls_[static_cast<std::size_t>(op)];
    bool typed = sumType == 0 || sumType == 1;
    ++counts[0];
    if (typed) ++counts[static_cast<std::size_t>(sumType) + 1];
    for (const auto& fault : data_.faults) {
        if (fault.op != op) continue;
        if (fault.sumType && (!typed || *fault.sumType != sumType)) continue;
        std::int32_t call = fault.sumType ? counts[static_cast<std::size_t>(sumType) + 1] : counts[0];
        if (fault.call && *fault.call != call) continue;
        return fault.result;
    }
    return std::nullopt;
}

const StSTANDINUSER* ClStandinCore::CurrentUser() const {
    for (const auto& user : data_.users) {
        if (user.userId == data_.currentUser) return &user;
    }
    return nullptr;
}

const StSTANDINCOMPANY* ClStandinCore::SelectedCompany() const {
    const StSTANDINUSER* user = CurrentUser();
    std::int32_t selNo2 = user ? user->selNo2 : 0;
    for (const auto& company : data_.companies) {
        if (company.info.dataNo == selNo2) return &company;
    }
    return nullptr;
}

const StSTANDINCOMPANY* ClStandinCore::CompanyById(const char* dataId) const {
    if (!dataId) return nullptr;
    // One byte past the field tells a longer identifier from a full one.
    std::string_view id(dataId, strnlen(dataId, kDataIdField + 1));
    if (id.empty()) return nullptr;  // no data is selected
    for (const auto& company : data_.companies) {
        std::string_view own(company.info.dataId, strnlen(company.info.dataId, kDataIdField));
        if (own == id) return &company;
    }
    return nullptr;
}
