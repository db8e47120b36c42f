#pragma once
// The application object: the whole run from the engine connection to the
// completion notice. InitInstance does the one job of the program;
// ExitInstance follows it in every case.
#include <cstdint>
#include <string>

#include "common/Window.h"
#include "engine/SumModel.h"

class ClCallerNotifier;
class ClConditionDlg;
class ClConditionViewFactory;
class ClFileSystem;
class ClMessageBox;
class ClProfileReader;
class ClProgressWindowFactory;
class ClSetData;
class ClWaitCursor;
struct StDATAINFO;
struct StEDITION;

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

// The caller's command line "window,message,functionId,outputPath". What was
// read before a missing comma stays read.
struct StCOMMANDLINE {
    bool complete = false;  // all three commas: the accounting application started the run
    VkWindow window = 0;
    std::uint32_t message = 0;
    std::int16_t functionId = 1;
    std::string presetPath;
};

// How a run ends, and what the user was told then (null: nothing).
enum class EnRunEnd { Written, NotWritten, Failed };
struct StRUNOUTCOME {
    EnRunEnd end;
    const char* message;
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

    // The fields of the caller's command line; the path is the whole rest,
    // commas and all.
    static StCOMMANDLINE ParseCommandLine(const char* text);
    // The company data the user selected: 1 when found; 0 for a null output
    // or when no record matches (the output is then all zero).
    int FindSelectedData(StDATAINFO* out);
    // Kind 0: " company name"; kind 1: " yyyy/mm/dd～yyyy/mm/dd"; else "".
    static std::string FormatDataText(int kind, const StDATAINFO* record);
    // 1 when the income-tax application's installation fits, else 0 (after
    // showing why, when showMessage is non-zero).
    int CheckInstallation(std::int32_t showMessage);

    // Result codes.
    static constexpr std::int32_t kWritten = 0;
    static constexpr std::int32_t kNotWritten = 1;
    static constexpr std::int32_t kFailed = 2;

private:
    // The current user's identifier and selected numbers (the second is the
    // selected data); left as they were when the engine has no user object.
    static void ReadCurrentUser(char userId[65], std::int32_t& selNo1, std::int32_t& selNo2);
    static std::int32_t ResultCode(EnRunEnd end);
    StRUNOUTCOME Run(const char* commandLine);
    // Shows message (when there is one) over owner and ends the run with end.
    StRUNOUTCOME End(EnRunEnd end, const char* message = nullptr, VkWindow owner = 0);
    void MakeProgramFolderCurrent();
    void FillDialog(ClConditionDlg& dialog, const StDATAINFO& data);
    StRUNOUTCOME WriteOutput(ClConditionDlg& dialog, const StDATAINFO& data);

    const StEDITION& edition_;
    StAPPSERVICES services_;
    StCOMMANDLINE caller_;  // complete only in a run the accounting application started
    std::int32_t resultCode_ = kWritten;
    StSUMMODEL model_;
    ClSetData* setData_ = nullptr;  // the engine's, kept for the run
};
