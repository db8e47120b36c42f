#include "dialog/ConditionDlg.h"

#include <cstdio>
#include <cstring>

#include "common/AppName.h"
#include "dialog/PathHelpers.h"
#include "engine/AppFolder.h"
#include "engine/VkRecords.h"

namespace {

constexpr char kPastResultsMessage[] =
    "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
constexpr char kCancelFormat[] = "｢%s｣の集計を中止します。";
constexpr char kFixedGroupCaption[] = "出力先";
constexpr char kBrowseTitle[] = "保存ファイルを指定";
constexpr char kBrowseFilter[] = "Xml Files (*.xml)|*.xml||";
constexpr char kFixedPathRefused[] = "出力先は変更できないため、出力を中止します。";
constexpr std::uint32_t kBrowseFlags = 0x180C;  // no read-only box, keep the directory, must exist
// One byte more than the longest path the check accepts: a path typed or
// pasted too long is refused by the check, never cut to one it accepts.
constexpr int kPathEditLimit = static_cast<int>(kMaxOutputPathBytes) + 1;

// The radio button of each income kind, in the order they are tested.
struct StKINDRADIO {
    std::int16_t kind;
    int radio;
};
constexpr StKINDRADIO kKindRadios[] = {{kIncomeBusiness, ctl::kBusinessRadio},
                                       {kIncomeOther, ctl::kOtherRadio},
                                       {kIncomeRealEstate, ctl::kRealEstateRadio}};

bool IsRadio(int id) { return id == ctl::kBusinessRadio || id == ctl::kOtherRadio || id == ctl::kRealEstateRadio; }

}  // namespace

ClConditionDlg::ClConditionDlg(ClConditionView& view, ClFileSystem& fs, ClMessageBox& box, const char* envFileName)
    : view_(view), fs_(fs), box_(box), envFileName_(envFileName) {}

bool ClConditionDlg::OnInitDialog() {
    view_.SetText(ctl::kCompanyText, companyText);
    view_.SetText(ctl::kPeriodText, periodText);
    view_.SetText(ctl::kSeizoText, seizoText);
    if (pastResults == 1) {
        // The rest of the initialisation still runs; the window then closes.
        box_.Show(view_.Window(), kPastResultsMessage, kAppName, mb::kIconWarning);
        view_.EndDialog(kIdCancel);
    }
    view_.LimitText(ctl::kPathEdit, kPathEditLimit);
    PreselectCategory();

    std::int16_t kind = 0;
    std::string path;
    rememberedPath.clear();
    ReadRememberedPath(kind, path);
    TakeRememberedKind(kind);
    if (!path.empty()) rememberedPath = path;
    const std::string proposal = path.empty() ? ProposedPath() : path;

    if (!presetPath.empty()) {
        outputPath = presetPath;
        view_.Enable(ctl::kBrowseButton, false);
        view_.Enable(ctl::kPathEdit, false);
        view_.SetText(ctl::kOutputGroup, kFixedGroupCaption);
        pathFixed = 1;
    } else {
        outputPath = proposal;
        pathFixed = 0;
    }
    view_.SetText(ctl::kPathEdit, outputPath);
    return true;
}

void ClConditionDlg::PreselectCategory() {
    if (jigyouKind == kJigyouGeneral) {
        view_.Enable(ctl::kRealEstateRadio, false);
        view_.SetCheck(ctl::kBusinessRadio, true);
        incomeKind = kIncomeBusiness;
    } else if (jigyouKind == kJigyouRealEstate) {
        view_.Enable(ctl::kBusinessRadio, false);
        view_.Enable(ctl::kOtherRadio, false);
        view_.SetCheck(ctl::kRealEstateRadio, true);
        incomeKind = kIncomeRealEstate;
    } else {
        view_.SetCheck(ctl::kBusinessRadio, true);
        incomeKind = kIncomeBusiness;
    }
}

void ClConditionDlg::TakeRememberedKind(std::int16_t kind) {
    if (kind == incomeKind) return;
    for (const StKINDRADIO& entry : kKindRadios) {
        if (kind != entry.kind || !view_.IsEnabled(entry.radio)) continue;
        for (const StKINDRADIO& other : kKindRadios) {
            view_.SetCheck(other.radio, other.radio == entry.radio);
        }
        incomeKind = entry.kind;
    }
}

std::string ClConditionDlg::ProposedPath() {
    std::string folder = EngineAppFolder(0);
    if (folder.empty()) {
        folder = fs_.GetTempFolder();
        if (!folder.empty()) AddTrailingBackslash(fs_.Style(), folder, kPathCapacity);
    }
    return folder + "*.xml";
}

void ClConditionDlg::OnBrowse() {
    outputPath = view_.GetText(ctl::kPathEdit);
    const EnPathStyle style = fs_.Style();
    StSAVEFILEREQUEST request;
    request.folder = FolderText(style, outputPath);
    if (request.folder.empty() && style == EnPathStyle::Windows) {
        // "C:out.xml": the folder is the drive.
        const std::size_t colon = LastCharPos(outputPath, ':');
        if (colon != std::string::npos) request.folder = outputPath.substr(0, colon + 1);
    }
    request.fileName = outputPath.substr(request.folder.size());
    request.title = kBrowseTitle;
    request.defaultExt = "XML";
    request.filter = kBrowseFilter;
    request.flags = kBrowseFlags;
    std::string chosen;
    if (view_.BrowseSaveFile(request, chosen)) {
        outputPath = chosen;
        view_.SetText(ctl::kPathEdit, outputPath);
    }
    view_.SetFocus(ctl::kExecuteButton);
}

void ClConditionDlg::OnExecute() {
    outputPath = view_.GetText(ctl::kPathEdit);
    incomeKind = kIncomeBusiness;
    for (const StKINDRADIO& entry : kKindRadios) {
        if (view_.GetCheck(entry.radio)) incomeKind = entry.kind;
    }
    if (CheckOutputPath()) {
        view_.EndDialog(kIdExecute);
    } else if (pathFixed) {
        // The caller's path cannot be corrected here, and Cancel would tell
        // the caller that the user chose not to export: the run fails.
        Warn(kFixedPathRefused);
        view_.EndDialog(kIdAbort);
    }
}

void ClConditionDlg::OnCancel() {
    char text[128] = {};
    std::snprintf(text, sizeof text, kCancelFormat, kAppName);
    box_.Show(view_.Window(), text, kAppName, mb::kIconInformation);
    view_.EndDialog(kIdCancel);
}

bool ClConditionDlg::PreTranslateMessage(const StKEYMSG& msg) {
    if (!msg.keyDown || msg.shift || msg.ctrl || msg.alt) return false;
    if (msg.key == vk::kF12) {
        OnExecute();
        return true;
    }
    if (msg.key != vk::kReturn) return false;
    const int focus = view_.GetFocus();
    const int nextButton = view_.IsEnabled(ctl::kBrowseButton) ? ctl::kBrowseButton : ctl::kExecuteButton;
    if (IsRadio(focus)) {
        if (view_.IsEnabled(ctl::kPathEdit)) {
            view_.SetFocus(ctl::kPathEdit);
            view_.SelectAllText(ctl::kPathEdit);
        } else {
            view_.SetFocus(nextButton);
        }
    } else if (focus == ctl::kPathEdit) {
        view_.SetFocus(nextButton);
    } else if (focus == ctl::kBrowseButton) {
        OnBrowse();
    } else if (focus == ctl::kExecuteButton) {
        OnExecute();
    } else {
        return false;
    }
    return true;
}
