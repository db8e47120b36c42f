// The Windows program: the run of ClExportApp with the real dialogs, message
// boxes and file operations, the stand-in engine, and a window of the
// accounting application as the caller.
// Command line: [WINDOW,MESSAGE,FUNCTIONID,OUTPUTPATH] (Shift_JIS) | --version.
#include "app/ExportApp.h"
#include "editions/Edition.h"
#include "platform/win32/WinCallerNotifier.h"
#include "platform/win32/WinConditionView.h"
#include "platform/win32/WinFileSystem.h"
#include "platform/win32/WinMessageBox.h"
#include "platform/win32/WinProfileReader.h"
#include "platform/win32/WinProgressWindow.h"
#include "platform/win32/WinWaitCursor.h"
#include "standin/StandinEngine.h"

#include "services/StdText.h"
#include "OrbekVersion.h"

#include <objbase.h>
#include "platform/win32/WinApi.h"

#include <cstring>
#include <string>

namespace {

// --version answers without starting a run: on the standard output when the
// program has one (redirected, or started by Wine from a terminal), else in
// a message box.
bool AnsweredVersion(const char* commandLine) {
    if (std::strcmp(commandLine, "--version") != 0) return false;
    const std::string text = std::string(ORBEK_EDITION.programName) + " " ORBEK_VERSION_TEXT;
    if (!WriteStdText(EnStdStream::Out, text + "\n")) {
        MessageBoxA(nullptr, text.c_str(), ORBEK_EDITION.programName, MB_OK | MB_ICONINFORMATION);
    }
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (AnsweredVersion(commandLine ? commandLine : "")) return 0;
    // Controls of the component object model may be hosted; the task-memory
    // blocks of the engine come from the same allocator.
    const bool com = SUCCEEDED(CoInitialize(nullptr));

    ClWinMessageBox messageBox;
    SetCurrentMessageBox(&messageBox);  // the engine's messages too
    ClWinFileSystem fileSystem;
    ClWinProfileReader profile;
    ClWinConditionViewFactory conditionViews;
    ClWinProgressWindowFactory progressWindows;
    ClWinCallerNotifier caller;
    ClWinWaitCursor waitCursor;
    VkBindStandin();

    // The result code also leaves as the exit status, for scripts; the
    // caller has it in the completion notice.
    int status = ClExportApp::kFailed;
    {
        ClExportApp app(ORBEK_EDITION,
                        {fileSystem, profile, messageBox, conditionViews, progressWindows, caller, waitCursor});
        app.InitInstance(commandLine ? commandLine : "");
        status = app.ExitInstance();
    }
    SetCurrentMessageBox(nullptr);
    if (com) CoUninitialize();
    return status;
}
