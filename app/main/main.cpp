// The console program: the run of ClExportApp with the terminal in place of
// the windows, the stand-in engine and a file descriptor as the caller.
// Usage: Orbek17Plus [WINDOW,MESSAGE,FUNCTIONID,OUTPUTPATH] | --help | --version
// The exit status is the result code: 0 written, 1 not written, 2 failure.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>

#include "app/ExportApp.h"
#include "editions/Edition.h"
#include "services/CodePage.h"
#include "platform/posix/Console.h"
#include "platform/posix/ConsoleConditionView.h"
#include "platform/posix/ConsoleMessageBox.h"
#include "platform/posix/ConsoleProgressWindow.h"
#include "platform/posix/FdCallerNotifier.h"
#include "platform/posix/IniProfileReader.h"
#include "platform/posix/PatientWrite.h"
#include "platform/posix/PosixFileSystem.h"
#include "standin/StandinEngine.h"
#include "OrbekVersion.h"

namespace {

// Within 80 columns (a character of two bytes takes two).
constexpr const char* kUsage[] = {
    " [WINDOW,MESSAGE,FUNCTIONID,OUTPUTPATH]",
    "事業所データから所得税申告ソフト用の XML ファイルを作ります。",
    "引数なしで起動すると、集計条件の画面で事業区分と出力先を指定します。",
    "会計ソフトからの起動では、通知を受けるファイル記述子（3 以上）、メッセージ、",
    "機能 ID、出力先（空でもよい）をカンマで区切って渡します。",
    "  --help     この説明を表示して終了します。",
    "  --version  バージョンを表示して終了します。",
    "終了コード: 0 出力した、1 出力しなかった（キャンセルなど）、2 失敗",
};
constexpr int kTerminalWaitMs = 5000;  // for room on a full non-blocking terminal

// --help and --version answer without starting a run. True when one of them
// was given (and answered).
bool AnsweredOption(int argc, char** argv, ClConsole& console) {
    if (argc != 2) return false;
    const std::string option = argv[1];
    const std::string name = ORBEK_EDITION.programName;
    if (option == "--version") {
        console.WriteLine(name + " " ORBEK_VERSION_TEXT);
    } else if (option == "--help") {
        console.WriteLine("使い方: " + name + kUsage[0]);
        for (std::size_t i = 1; i < std::size(kUsage); ++i) console.WriteLine(kUsage[i]);
    } else {
        return false;
    }
    return true;
}

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

    // Standard output written so that one failed write (a full non-blocking
    // terminal, EIO) drops that text only, not every line after it.
    ClPatientOutBuf standardOutput(STDOUT_FILENO, kTerminalWaitMs);
    std::ostream out(&standardOutput);
    ClConsole console(std::cin, out, ::isatty(STDIN_FILENO) == 1);
    if (AnsweredOption(argc, argv, console)) return 0;
    ClConsoleMessageBox messageBox(console);
    SetCurrentMessageBox(&messageBox);  // the engine's messages too
    ClPosixFileSystem fileSystem;
    ClIniProfileReader profile;
    ClConsoleConditionViewFactory conditionViews(console, fileSystem);
    ClConsoleProgressFactory progressWindows(std::cerr, ::isatty(STDERR_FILENO) == 1, console);
    ClFdCallerNotifier caller;
    ClNoWaitCursor waitCursor;
    VkBindStandin();

    ClExportApp app(ORBEK_EDITION,
                    {fileSystem, profile, messageBox, conditionViews, progressWindows, caller, waitCursor});
    app.InitInstance(CommandLine(argc, argv).c_str());
    const int status = app.ExitInstance();
    SetCurrentMessageBox(nullptr);
    return status;
}
