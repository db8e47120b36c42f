#pragma once
// The application object: the whole run from the engine connection to the
// completion notice. InitInstance does the one job of the program;
// ExitInstance follows it in every case.
#include <cstdint>
#include <string>

#include "dialog/ConditionView.h"
#include "editions/Edition.h"
#include "engine/SumModel.h"
#include "engine/VkEngine.h"
#include "services/CallerNotifier.h"
#include "services/FileSystem.h"
#include "services/MessageBox.h"
#include "services/ProfileReader.h"
#include "services/ProgressWindow.h"
#include "services/WaitCursor.h"

class ClConditionDlg;

// What the platform gives the run. The engine is reached through its own
// singletons (VkBindEngine).
struct StAPPSERVICES {
    ClFileSystem& fileSystem;
    ClProfileReader& profile;
    ClMessageBox& messageBox;
    ClConditionViewFactory& conditionViews;
    ClProgressWindowFactory& progressWindows;
    ClCallerNotifier& caller;
    ClWaitCursor& waitCursor;
};

class ClExportApp {
public:
    ClExportApp(const StEDITION& edition, const StAPPSERVICES& services);
    ClExportApp(const ClExportApp&) = delete;
    ClExportApp& operator=(const ClExportApp&) = delete;

    // The run; commandLine is Shift_JIS. False on every failure and cancel.
    bool InitInstance(const char* commandLine);
    // Frees the summary model, closes the engine connection and notifies the
    // caller. Returns the result code (the POSIX program's exit status).
    int ExitInstance();

    // 1 when the text holds all three commas (window, message, function
    // identifier, then the output path), else 0.
    int ParseCommandLine(const char* text);
    // The company data the user selected: 1 when found; 0 for a null output
    // or when no record matches (the output is then all zero).
    int FindSelectedData(StDATAINFO* out);
    // Kind 0: " company name"; kind 1: " yyyy/mm/dd～yyyy/mm/dd"; else "".
    // The text lives in a buffer that the next call overwrites.
    static const char* FormatDataText(int kind, const StDATAINFO* record);
    // 1 when the income-tax application's installation fits, else 0 (after
    // showing why, when showMessage is non-zero).
    int CheckInstallation(std::int32_t showMessage);

    // Result codes.
    static constexpr std::int32_t kWritten = 0;
    static constexpr std::int32_t kNotWritten = 1;
    static constexpr std::int32_t kFailed = 2;

    std::int32_t startedByCaller = 0;
    VkWindow callerWindow = 0;
    std::uint32_t callerMessage = 0;
    std::int16_t functionId = 1;
    std::string presetPath;
    std::int32_t resultCode = kWritten;
    StSUMMODEL model;
    ClSetData* setData = nullptr;  // the engine's, kept for the run

private:
    // The current user's identifier and selected numbers (the second is the
    // selected data); left as they were when the engine has no user object.
    static void ReadCurrentUser(char userId[65], std::int32_t& selNo1, std::int32_t& selNo2);
    bool Run(const char* commandLine);
    void MakeProgramFolderCurrent();
    void FillDialog(ClConditionDlg& dialog, const StDATAINFO& data);
    bool WriteOutput(ClConditionDlg& dialog, const StDATAINFO& data);

    const StEDITION& edition_;
    StAPPSERVICES services_;
};
