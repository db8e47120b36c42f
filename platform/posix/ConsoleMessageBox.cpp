#include "platform/posix/ConsoleMessageBox.h"

#include <string>

#include "common/Sjis.h"

namespace {

constexpr char kContinuePrompt[] = "（Enter キーで続けます）";
constexpr char kYesNoPrompt[] = "はい(y) / いいえ(n) > ";
constexpr char kHowToAnswer[] = "y（はい）または n（いいえ）で答えてください。";

const char* IconWord(std::uint32_t style) {
    switch (style & 0xF0) {
        case mb::kIconInformation:
            return "情報";
        case mb::kIconWarning:
            return "警告";
        case mb::kIconQuestion:
            return "確認";
        default:
            return "";
    }
}

}  // namespace

int ClConsoleMessageBox::Show(VkWindow, const char* text, const char* caption, std::uint32_t style) {
    console_.WriteLine(std::string("[") + (caption ? caption : "") + "] " + IconWord(style));
    console_.WriteLine(text ? text : "");
    std::string line;
    if ((style & 0x0F) != mb::kYesNo) {
        if (console_.Interactive()) console_.ReadLine(line, kContinuePrompt);
        console_.WriteLine("");
        return mb::kIdOk;
    }
    for (;;) {
        if (!console_.ReadLine(line, kYesNoPrompt)) {
            console_.WriteLine("");
            return mb::kIdNo;
        }
        if (sjis::EqualIgnoringCase(line, "y") || sjis::EqualIgnoringCase(line, "yes")) return mb::kIdYes;
        if (sjis::EqualIgnoringCase(line, "n") || sjis::EqualIgnoringCase(line, "no")) return mb::kIdNo;
        console_.WriteLine(kHowToAnswer);
    }
}
