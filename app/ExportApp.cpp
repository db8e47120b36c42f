#include "app/ExportApp.h"

#include <cstring>
#include <new>

#include "common/AppName.h"
#include "dialog/ConditionDlg.h"
#include "dialog/PathHelpers.h"
#include "editions/Edition.h"
#include "engine/SumCollector.h"
#include "engine/VkEngine.h"
#include "report/ReportBuilder.h"
#include "services/CallerNotifier.h"
#include "services/MessageBox.h"
#include "services/ProgressWindow.h"
#include "services/WaitCursor.h"

namespace {

constexpr char kDoneMessage[] = "所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";
constexpr char kFailedMessage[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
constexpr char kNoDataMessage[] = "選択されているデータが見つかりません。\n\nアプリケーションを終了します。";

}  // namespace

ClExportApp::ClExportApp(const StEDITION& edition, const StAPPSERVICES& services)
    : edition_(edition), services_(services) {}

bool ClExportApp::InitInstance(const char* commandLine) {
    StRUNOUTCOME outcome{EnRunEnd::Failed, nullptr};
    try {
        outcome = Run(commandLine);
    } catch (const std::bad_alloc&) {
        outcome = {EnRunEnd::Failed, nullptr};  // out of memory: nothing (more) is written
    }
    resultCode_ = ResultCode(outcome.end);
    return outcome.end == EnRunEnd::Written;
}

std::int32_t ClExportApp::ResultCode(EnRunEnd end) {
    switch (end) {
        case EnRunEnd::Written:
            return kWritten;
        case EnRunEnd::NotWritten:
            return kNotWritten;
        case EnRunEnd::Failed:
            break;
    }
    return kFailed;
}

StRUNOUTCOME ClExportApp::End(EnRunEnd end, const char* message, VkWindow owner) {
    if (message) {
        services_.messageBox.Show(owner, message, kAppName,
                                  end == EnRunEnd::Written ? mb::kIconInformation : mb::kIconWarning);
    }
    return {end, message};
}

StRUNOUTCOME ClExportApp::Run(const char* commandLine) {
    ClAccConnect* connection = ClAccConnect::Inst();
    if (!connection) return End(EnRunEnd::Failed);
    std::memset(connection->appName, 0, sizeof connection->appName);
    std::memcpy(connection->appName, kAppName, sizeof kAppName);
    connection->SetAppType(edition_.appType);
    connection->SetUseDataType(kUseDataTypeIncomeTax);
    // The command line is not read yet: no notice.
    if (connection->Initiate() != VK_OK) return End(EnRunEnd::Failed);

    caller_ = ParseCommandLine(commandLine);
    if (caller_.complete) {
        // A window that is not there owns none of the program's windows (it
        // would keep them from opening); the run goes on without notices.
        if (!services_.caller.IsCallerWindow(caller_.window)) caller_.window = 0;
        services_.caller.Disable(caller_.window);
        connection->ownerWindow = caller_.window;
    }
    MakeProgramFolderCurrent();
    if (!CheckInstallation(1)) return End(EnRunEnd::Failed);
    const std::int32_t link = connection->ExpSysLink();
    if (link != VK_OK) return End(link == kLinkDeclined ? EnRunEnd::NotWritten : EnRunEnd::Failed);

    StDATAINFO data{};
    // An all-zero record would be exported as a nameless company.
    if (!FindSelectedData(&data)) return End(EnRunEnd::Failed, kNoDataMessage, caller_.window);
    auto view = services_.conditionViews.Create(caller_.complete ? caller_.window : 0);
    ClConditionDlg dialog(*view, services_.fileSystem, services_.messageBox, edition_.envFileName);
    FillDialog(dialog, data);
    const int modal = dialog.DoModal();
    if (modal == kIdCancel) return End(EnRunEnd::NotWritten);
    if (modal == kIdAbort) return End(EnRunEnd::Failed);
    return WriteOutput(dialog, data);
}

void ClExportApp::MakeProgramFolderCurrent() {
    const std::string folder = FolderText(services_.fileSystem.Style(), services_.fileSystem.GetProgramPath());
    if (!folder.empty()) services_.fileSystem.SetCurrentFolder(folder);
}

void ClExportApp::FillDialog(ClConditionDlg& dialog, const StDATAINFO& data) {
    // The user's identifier and selection key the remembered-path record.
    ReadCurrentUser(dialog.userId, dialog.selNo1, dialog.selNo2);
    dialog.jigyouKind = data.jigyouKind;
    dialog.pastResults = data.dataKind == kDataKindPastResults ? 1 : 0;
    dialog.companyText = FormatDataText(0, &data);
    dialog.periodText = FormatDataText(1, &data);
    dialog.seizoText = data.seizoGenkaFlag != 0 ? "あり" : "なし";
    dialog.presetPath = caller_.complete ? caller_.presetPath : std::string();
}

StRUNOUTCOME ClExportApp::WriteOutput(ClConditionDlg& dialog, const StDATAINFO& data) {
    const std::string outputPath = dialog.outputPath;
    auto window = services_.progressWindows.Create();
    if (caller_.complete) window->SetParent(caller_.window);
    window->Show();
    services_.waitCursor.Begin();
    ClProgressDlg progress(*window);
    progress.ResetMain();

    StRUNOUTCOME outcome{EnRunEnd::Failed, nullptr};
    {
        ClSumCollector collector;
        collector.SetProgress(&progress);
        collector.SetModel(model_);
        ClReportBuilder builder(progress, model_, dialog.incomeKind, edition_);
        // A failed collection ends the run like a failed write, before the
        // output file is even created.
        const bool written = collector.Collect(data, dialog.incomeKind) &&
                             builder.WriteReport(outputPath.c_str(), caller_.functionId, data);
        if (written) {
            // A caller fixed the path: only the kind is remembered.
            dialog.WriteRememberedPath(0, 0, dialog.incomeKind, caller_.complete ? nullptr : outputPath.c_str());
            window->Close();
            services_.waitCursor.Restore();
            outcome = End(EnRunEnd::Written, kDoneMessage, caller_.window);
        } else {
            // Told over the progress window, before it closes.
            outcome = End(EnRunEnd::Failed, kFailedMessage, window->Window());
            window->Close();
            services_.waitCursor.Restore();
        }
    }
    services_.waitCursor.End();
    return outcome;
}

int ClExportApp::ExitInstance() {
    FreeSumModel(model_);
    if (ClAccConnect* connection = ClAccConnect::Inst()) {
        connection->LogOut();
        connection->Terminate();
        connection->Release();
    }
    if (caller_.complete) {
        services_.caller.Enable(caller_.window);
        services_.caller.Post(caller_.window, caller_.message, static_cast<std::intptr_t>(caller_.functionId),
                              resultCode_);
    }
    return resultCode_;
}
