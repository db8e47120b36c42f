#include "platform/posix/ConsoleConditionView.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TestSupport.h"
#include "dialog/ConditionDlg.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/RecordingMessageBox.h"

namespace {

// The commands the whole-run tests do not type.
class ConsoleDialog : public ::testing::Test {
protected:
    int Run(const std::string& typed) {
        std::istringstream in(typed);
        ClConsole console{in, out, false};
        ClConsoleConditionView view(console, fs);
        ClConditionDlg dlg(view, fs, box, "Orbek17Plus.env");
        dlg.jigyouKind = 1;
        dlg.presetPath = presetPath;
        const int result = dlg.DoModal();
        incomeKind = dlg.incomeKind;
        outputPath = dlg.outputPath;
        return result;
    }
    bool Printed(const char8_t* text) const { return out.str().find(U8(text)) != std::string::npos; }

    ClFakeFileSystem fs;
    ClRecordingMessageBox box;
    std::ostringstream out;
    std::string presetPath;
    std::int16_t incomeKind = 0;
    std::string outputPath;
};

}  // namespace

TEST_F(ConsoleDialog, TerminalKeysAndUnknownCommands) {
    fs.AddFolder("/tmp");
    EXPECT_EQ(Run("path /tmp/x.xml\n\x1b[24~\n"), kIdExecute);  // the F12 key of a terminal
    EXPECT_EQ(Run("\x1b\n"), kIdCancel);
    EXPECT_EQ(Run("bogus\n"), kIdCancel);  // then the end of input
    EXPECT_TRUE(Printed(u8"コマンドが正しくありません。"));
}

TEST_F(ConsoleDialog, RefusedCommands) {
    EXPECT_EQ(Run("3\n2\ncancel\n"), kIdCancel);
    EXPECT_EQ(incomeKind, 1);  // 3 is disabled for jigyouKind 1; 2 is chosen but not executed
    EXPECT_TRUE(Printed(u8"( ) 不動産所得用（選択不可）"));
    EXPECT_TRUE(Printed(u8"(*) その他所得用（一般用）"));
    EXPECT_TRUE(Printed(u8"この事業区分は選択できません。"));
    presetPath = "/srv/out.xml";
    EXPECT_EQ(Run("browse\ncancel\n"), kIdCancel);
    EXPECT_TRUE(Printed(u8"参照は使用できません。"));
}

TEST_F(ConsoleDialog, BrowseReadsAFullPath) {
    fs.AddFolder("/home/u");
    fs.tempFolder = "/home/u";  // the engine names no folder
    EXPECT_EQ(Run("browse\n/nowhere/x.xml\n report \nexecute\n"), kIdExecute);
    EXPECT_EQ(outputPath, "/home/u/report.xml");  // in the folder shown, the filter's extension
    EXPECT_TRUE(Printed(u8"保存ファイルを指定"));
    EXPECT_TRUE(Printed(u8"フォルダ      : /home/u/"));
    EXPECT_TRUE(Printed(u8"ファイル名    : *.xml"));
    EXPECT_TRUE(Printed(u8"ファイルの種類: Xml Files (*.xml)"));
    EXPECT_TRUE(Printed(u8"フォルダが存在しません。"));
    EXPECT_EQ(Run("browse\n\ncancel\n"), kIdCancel);
    EXPECT_EQ(outputPath, "/home/u/*.xml");
    fs.AddFolder("/tmp/my.dir");
    fs.tempFolder = "/tmp/my.dir";  // the dot of the folder is no extension of the name
    EXPECT_EQ(Run("browse\nreport\nexecute\n"), kIdExecute);
    EXPECT_EQ(outputPath, "/tmp/my.dir/report.xml");
}
