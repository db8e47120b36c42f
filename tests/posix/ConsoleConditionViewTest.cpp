#include "platform/posix/ConsoleConditionView.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"
#include "services/CodePage.h"
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
    bool Printed(const char8_t* text) const { return out.str().find(Utf8(text)) != std::string::npos; }

    FakeFileSystem fs;
    RecordingMessageBox box;
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
    EXPECT_EQ(Run("3\n2\npath /" + std::string(255, 'a') + "\ncancel\n"), kIdCancel);
    EXPECT_EQ(incomeKind, 1);  // 3 is disabled for jigyouKind 1; 2 is chosen but not executed
    EXPECT_TRUE(Printed(u8"( ) 不動産所得用（選択不可）"));
    EXPECT_TRUE(Printed(u8"(*) その他所得用（一般用）"));
    EXPECT_TRUE(Printed(u8"この事業区分は選択できません。"));
    EXPECT_TRUE(Printed(u8"出力先は 255 バイト以内で入力してください。"));
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
}

TEST_F(ConsoleDialog, TypedPathsAreTrimmedAndMustStartAtTheRoot) {
    fs.AddFolder("/tmp");
    EXPECT_EQ(Run("path  /tmp/x.xml \nexecute\n"), kIdExecute);
    EXPECT_EQ(outputPath, "/tmp/x.xml");
    EXPECT_EQ(Run("path tmp/x.xml\npath\nexecute\ncancel\n"), kIdCancel);
    EXPECT_TRUE(Printed(u8"出力先は / で始まる絶対パスで入力してください。"));
    EXPECT_EQ(outputPath, "");  // "path" alone empties it; then refused on execute
}

// Only the caller's path can be refused without a way to correct it.
TEST_F(ConsoleDialog, ARefusedFixedPathEndsTheDialog) {
    presetPath = "/srv/a,b.xml";
    EXPECT_EQ(Run("F12\ncancel\n"), kIdAbort);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(Printed(u8"出力先は変更できないため、出力を中止します。"));
    presetPath.clear();
    EXPECT_EQ(Run("path /srv/a,b.xml\nexecute\ncancel\n"), kIdCancel);
}

// The dialog once, then what a command changed; every line within 80 columns
// (a Shift_JIS character of two bytes takes two columns) and no mnemonics.
TEST_F(ConsoleDialog, ShowsTheDialogOnceThenItsChanges) {
    EXPECT_EQ(Run("2\nbogus\nshow\ncancel\n"), kIdCancel);
    const std::string text = out.str();
    EXPECT_EQ(text.find(Utf8(u8"(&")), std::string::npos) << text;
    const auto caption = Utf8(u8"所得税 - 集計条件");
    const std::size_t first = text.find(caption), second = text.find(caption, first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.find(caption, second + 1), std::string::npos);
    // After "2" the two radios that changed, nothing else.
    const std::string afterTwo = text.substr(text.find("> 2\n") + 4);
    EXPECT_EQ(afterTwo.substr(0, afterTwo.find(">")),
              Utf8(u8"    1 ( ) 営業所得用（一般用）\n    2 (*) その他所得用（一般用）\n"));
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(Utf8ToSjis(line).value_or(line).size(), 80u) << line;
    }
}
