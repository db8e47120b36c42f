#include "app/ExportApp.h"

#include <cstring>
#include <new>

#include "common/AppName.h"
#include "dialog/ConditionDlg.h"
#include "dialog/PathHelpers.h"
#include "engine/SumCollector.h"
#include "report/ReportBuilder.h"

namespace {

constexpr char kDoneMessage[] = "所得税情報の出力が終了しました。\n\nアプリケーションを終了します。";
constexpr char kFailedMessage[] = "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。";
constexpr char kNoDataMessage[] = "選択されているデータが見つかりません。\n\nアプリケーションを終了します。";

}  // namespace

ClExportApp::ClExportApp(const StEDITION& edition, const StAPPSERVICES& services)
    : edition_(edition), services_(services) {}

bool ClExportApp::InitInstance(const char* commandLine) {
    try {
        return Run(commandLine);
    } catch (const std::bad_alloc&) {
        resultCode = kFailed;  // out of memory: nothing (more) is written
        return false;
    }
}

bool ClExportApp::Run(const char* commandLine) {
    ClAccConnect* connection = ClAccConnect::Inst();
    if (!connection) {
        resultCode = kFailed;
        return false;
    }
    std::memset(connection->appName, 0, sizeof connection->appName);
    std::memcpy(connection->appName, kAppName, sizeof kAppName);
    connection->SetAppType(edition_.appType);
    connection->SetUseDataType(kUseDataTypeIncomeTax);
    if (connection->Initiate() != VK_OK) {
        resultCode = kFailed;  // the command line is not read yet: no notice
        return false;
    }

    if (ParseCommandLine(commandLine)) {
        startedByCaller = 1;
        services_.caller.Disable(callerWindow);
        connection->ownerWindow = callerWindow;
    }
    MakeProgramFolderCurrent();
    if (!CheckInstallation(1)) {
        resultCode = kFailed;
        return false;
    }
    const std::int32_t link = connection->ExpSysLink();
    if (link != VK_OK) {
        resultCode = link == kLinkDeclined ? kNotWritten : kFailed;
        return false;
    }

    StDATAINFO data{};
    if (!FindSelectedData(&data)) {
        // An all-zero record would be exported as a nameless company.
        services_.messageBox.Show(callerWindow, kNoDataMessage, kAppName, mb::kIconWarning);
        resultCode = kFailed;
        return false;
    }
    auto view = services_.conditionViews.Create(startedByCaller ? callerWindow : 0);
    ClConditionDlg dialog(*view, services_.fileSystem, services_.messageBox,
                          edition_.envFileName);
    FillDialog(dialog, data);
    const int modal = dialog.DoModal();
    if (modal == kIdCancel || modal == kIdAbort) {
        resultCode = modal == kIdCancel ? kNotWritten : kFailed;
        return false;
    }
    return WriteOutput(dialog, data);
}

void ClExportApp::MakeProgramFolderCurrent() {
    const std::string folder =
        FolderText(services_.fileSystem.Style(), services_.fileSystem.GetProgramPath());
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
    dialog.presetPath = startedByCaller ? presetPath : std::string();
}

bool ClExportApp::WriteOutput(ClConditionDlg& dialog, const StDATAINFO& data) {
    const std::string outputPath = dialog.outputPath;
    auto window = services_.progressWindows.Create();
    if (startedByCaller) window->SetParent(callerWindow);
    window->Show();
    services_.waitCursor.Begin();
    ClProgressDlg progress(*window);
    progress.ResetMain();

    bool written = false;
    {
        ClSumCollector collector;
        collector.SetProgress(&progress);
        collector.SetModel(model);
        ClReportBuilder builder(progress, model, dialog.incomeKind, edition_);
        // A failed collection ends the run like a failed write, before the
        // output file is even created.
        written = collector.Collect(data, dialog.incomeKind) &&
                  builder.WriteReport(outputPath.c_str(), functionId, data);
        if (written) {
            // A caller fixed the path: only the kind is remembered.
            dialog.WriteRememberedPath(0, 0, dialog.incomeKind,
                                       startedByCaller ? nullptr : outputPath.c_str());
            window->Close();
            services_.waitCursor.Restore();
            services_.messageBox.Show(callerWindow, kDoneMessage, kAppName, mb::kIconInformation);
        } else {
            services_.messageBox.Show(window->Window(), kFailedMessage, kAppName, mb::kIconWarning);
            window->Close();
            services_.waitCursor.Restore();
            resultCode = kFailed;
        }
    }
    services_.waitCursor.End();
    return written;
}

int ClExportApp::ExitInstance() {
    FreeSumModel(model);
    if (ClAccConnect* connection = ClAccConnect::Inst()) {
        connection->LogOut();
        connection->Terminate();
        connection->Release();
    }
    if (startedByCaller) {
        services_.caller.Enable(callerWindow);
        services_.caller.Post(callerWindow, callerMessage, static_cast<std::intptr_t>(functionId),
                              resultCode);
    }
    return resultCode;
}
