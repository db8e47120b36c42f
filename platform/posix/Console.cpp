#include "platform/posix/Console.h"

#include "platform/CodePage.h"

namespace {
constexpr char kInvalidInput[] =
    "シフトJIS（コードページ932）で表せない文字があります。入力し直してください。";
}

void ClConsole::Write(const std::string& sjis) {
    BeforeOutput();
    out_ << SjisToUtf8Lossy(sjis);
    out_.flush();
}

bool ClConsole::ReadLine(std::string& sjis, const std::string& prompt) {
    std::string line;
    for (;;) {
        Write(prompt);
        if (!std::getline(in_, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Lines that nobody typed are shown, so that a transcript reads as a session.
        if (!interactive_) out_ << line << "\n" << std::flush;
        if (auto converted = Utf8ToSjis(line)) {
            sjis = std::move(*converted);
            return true;
        }
        WriteLine(kInvalidInput);
    }
}
