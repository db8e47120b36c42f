// The console program: the run of ClExportApp with the terminal in place of
// the windows, the stand-in engine and a file descriptor as the caller.
// Usage: Orbek17Plus [WINDOW,MESSAGE,FUNCTIONID,OUTPUTPATH]
// The exit status is the result code: 0 written, 1 not written, 2 failure.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>

#include "app/ExportApp.h"
#include "services/CodePage.h"
#include "platform/posix/Console.h"
#include "platform/posix/ConsoleConditionView.h"
#include "platform/posix/ConsoleMessageBox.h"
#include "platform/posix/ConsoleProgressWindow.h"
#include "platform/posix/FdCallerNotifier.h"
#include "platform/posix/IniProfileReader.h"
#include "platform/posix/PosixFileSystem.h"
#include "standin/StandinEngine.h"

namespace {

// The arguments as one command line in Shift_JIS. A character code page 932
// cannot hold becomes "?", which the output-path check refuses.
std::string CommandLine(int argc, char** argv) {
    std::string utf8;
    for (int i = 1; i < argc; ++i) utf8 += (i > 1 ? " " : "") + std::string(argv[i]);
    return Utf8ToSjisLossy(utf8);
}

}  // namespace

int main(int argc, char** argv) {
    // A caller that stops reading its notices must not end the program.
    std::signal(SIGPIPE, SIG_IGN);

    ClConsole console(std::cin, std::cout, ::isatty(STDIN_FILENO) == 1);
    ClConsoleMessageBox messageBox(console);
    SetCurrentMessageBox(&messageBox);  // the engine's messages too
    ClPosixFileSystem fileSystem;
    ClIniProfileReader profile;
    ClConsoleConditionViewFactory conditionViews(console, fileSystem);
    ClConsoleProgressFactory progressWindows(std::cerr, ::isatty(STDERR_FILENO) == 1);
    ClFdCallerNotifier caller;
    ClNoWaitCursor waitCursor;
    VkBindStandin();

    ClExportApp app(ORBEK_EDITION, {fileSystem, profile, messageBox, conditionViews,
                                    progressWindows, caller, waitCursor});
    app.InitInstance(CommandLine(argc, argv).c_str());
    const int status = app.ExitInstance();
    SetCurrentMessageBox(nullptr);
    return status;
}
