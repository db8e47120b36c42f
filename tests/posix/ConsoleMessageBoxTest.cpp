#include "platform/posix/ConsoleMessageBox.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"

namespace {
struct Terminal {
    explicit Terminal(const std::string& typed, bool interactive = false)
        : in(typed), console(in, out, interactive), box(console) {}
    std::istringstream in;
    std::ostringstream out;
    ClConsole console;
    ClConsoleMessageBox box;
};
}  // namespace

TEST(ConsoleMessageBox, ShowsCaptionIconWordAndTextInUtf8) {
    Terminal t("unread\n");
    EXPECT_EQ(t.box.Show(0, "ファイル名が指定されていません。", "所得税", 48), mb::kIdOk);
    EXPECT_EQ(t.out.str(), Utf8(u8"[所得税] 警告\nファイル名が指定されていません。\n\n"));
    std::string rest;
    std::getline(t.in, rest);
    EXPECT_EQ(rest, "unread");  // no terminal: an OK box reads nothing
}

TEST(ConsoleMessageBox, OkWaitsForEnterOnATerminal) {
    Terminal t("\nnext\n", true);
    t.box.Show(0, "text", "所得税", 64);
    EXPECT_NE(t.out.str().find(Utf8(u8"情報")), std::string::npos);
    std::string rest;
    std::getline(t.in, rest);
    EXPECT_EQ(rest, "next");
}

TEST(ConsoleMessageBox, YesNoReadsOneAnswer) {
    EXPECT_EQ(Terminal("y\n").box.Show(0, "q", "c", 36), mb::kIdYes);
    EXPECT_EQ(Terminal("YES\n").box.Show(0, "q", "c", 36), mb::kIdYes);
    EXPECT_EQ(Terminal("n\n").box.Show(0, "q", "c", 36), mb::kIdNo);
    EXPECT_EQ(Terminal("No\r\n").box.Show(0, "q", "c", 36), mb::kIdNo);
    EXPECT_EQ(Terminal("").box.Show(0, "q", "c", 36), mb::kIdNo);
    EXPECT_EQ(Terminal("maybe\ny\n").box.Show(0, "q", "c", 36), mb::kIdYes);
    Terminal t("\xF0\x9F\x98\x80\nn\n");  // an emoji has no code page 932 form
    EXPECT_EQ(t.box.Show(0, "q", "c", 36), mb::kIdNo);
    EXPECT_NE(t.out.str().find(Utf8(u8"入力し直してください")), std::string::npos);
    EXPECT_NE(t.out.str().find(Utf8(u8"確認")), std::string::npos);
}
