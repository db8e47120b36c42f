// Runs that write their remembered paths at the same time, as processes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "dialog/ConditionDlg.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"
#include "doubles/Standin.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

constexpr int kRuns = 8;
constexpr int kRecordsPerRun = 10;

// One run's records, user "user<run>" on data 0 to kRecordsPerRun - 1; the
// exit status is 0 when every write reported success.
[[noreturn]] void WriteRecords(const std::string& folder, int run, int startSignal) {
    char go = 0;
    (void)::read(startSignal, &go, 1);  // returns when the parent lets all start together
    ClTestStandin engine(R"({"format": 1, "appFolders": {"1": ")" + folder + "/\"}}");
    ClPosixFileSystem fs;
    ClScriptedConditionView view;
    ClRecordingMessageBox box;
    ClConditionDlg dialog(view, fs, box, "Orbek17Plus.env");
    std::snprintf(dialog.userId, sizeof dialog.userId, "user%d", run);
    int written = 0;
    for (int data = 0; data < kRecordsPerRun; ++data) {
        dialog.selNo2 = data;
        written += dialog.WriteRememberedPath(0, 0, 1, "/out.xml");
    }
    ::_exit(written == kRecordsPerRun ? 0 : 1);
}

}  // namespace

TEST(RememberedPathOverlap, OverlappingRunsKeepEveryRecord) {
    TempFolder temp;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> runs;
    for (int run = 0; run < kRuns; ++run) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            WriteRecords(temp.path, run, start[0]);
        }
        runs.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);  // every run starts now
    for (pid_t pid : runs) {
        int status = -1;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::ifstream file(temp.path + "/Orbek17Plus.env");
    std::set<std::string> records;
    for (std::string line; std::getline(file, line);) records.insert(line);
    EXPECT_EQ(records.size(), static_cast<std::size_t>(kRuns * kRecordsPerRun));
}
