#include "platform/posix/ConsoleMessageBox.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TestSupport.h"

namespace {
// Shows a box with style on a console that reads typed; what the box returned.
int Show(const std::string& typed, std::uint32_t style, bool terminal, std::string* out = nullptr,
         std::string* unread = nullptr) {
    std::istringstream in(typed);
    std::ostringstream shown;
    ClConsole console(in, shown, terminal);
    const int answer = ClConsoleMessageBox(console).Show(0, "ファイル名が指定されていません。", "所得税", style);
    if (out) *out = shown.str();
    if (unread) std::getline(in, *unread);
    return answer;
}
}  // namespace

TEST(ConsoleMessageBox, OkWaitsForEnterOnATerminalAndYesNoReadsOneAnswer) {
    std::string out, unread;
    EXPECT_EQ(Show("\nnext\n", 64, true, &out, &unread), mb::kIdOk);
    EXPECT_EQ(out.find(U8(u8"[所得税] 情報\nファイル名が指定されていません。\n")), 0u);
    EXPECT_EQ(unread, "next");

    EXPECT_EQ(Show("YES\n", 36, false), mb::kIdYes);
    EXPECT_EQ(Show("No\r\n", 36, false), mb::kIdNo);
    EXPECT_EQ(Show("", 36, false), mb::kIdNo);
    EXPECT_EQ(Show("\xF0\x9F\x98\x80\nn\n", 36, false, &out), mb::kIdNo);  // no code page 932 form
    // Refused, then asked again with the prompt.
    EXPECT_NE(out.find(U8(u8"入力し直してください。\nはい(y) / いいえ(n) > n\n")), std::string::npos) << out;
}
