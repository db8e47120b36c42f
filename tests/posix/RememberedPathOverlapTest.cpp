// Runs that write their remembered paths at the same time, as processes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/TestSupport.h"
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

// Every user's file in one folder; then each in a folder of its own, as a
// symbolic link to one shared file.
TEST(RememberedPathOverlap, OverlappingRunsKeepEveryRecord) {
    for (const bool linked : {false, true}) {
        TempFolder temp;
        const std::string shared = temp.path + "/shared.env";
        auto folderOf = [&](int run) { return linked ? temp.path + "/u" + std::to_string(run) : temp.path; };
        for (int run = 0; linked && run < kRuns; ++run) {
            ASSERT_EQ(::mkdir(folderOf(run).c_str(), 0755), 0);
            ASSERT_EQ(::symlink(shared.c_str(), (folderOf(run) + "/Orbek17Plus.env").c_str()), 0);
        }
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> runs;
        for (int run = 0; run < kRuns; ++run) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::close(start[1]);
                WriteRecords(folderOf(run), run, start[0]);
            }
            runs.push_back(pid);
        }
        ::close(start[0]);
        ::close(start[1]);  // every run starts now
        for (pid_t pid : runs) {
            int status = -1;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << linked;
        }
        std::ifstream file(linked ? shared : temp.path + "/Orbek17Plus.env");
        std::set<std::string> records;
        for (std::string line; std::getline(file, line);) records.insert(line);
        EXPECT_EQ(records.size(), static_cast<std::size_t>(kRuns * kRecordsPerRun)) << linked;
        EXPECT_TRUE(!linked || std::filesystem::is_symlink(folderOf(0) + "/Orbek17Plus.env"));
    }
}
