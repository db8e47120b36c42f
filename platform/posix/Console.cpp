#include "platform/posix/Console.h"

#include "services/CodePage.h"

namespace {
constexpr char kInvalidInput[] = "シフトJIS（コードページ932）で表せない文字があります。入力し直してください。";

// Control characters other than TAB and LF shown as a terminal echoes typed
// ones ("^[" for ESC), so that no text can steer the terminal. Both code page
// 932 and UTF-8 hold them as single bytes that no other character contains.
std::string Visible(const std::string& text) {
    std::string shown;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t' && b != '\n') || b == 0x7F) {
            shown += '^';
            shown += static_cast<char>(b ^ 0x40);
        } else {
            shown += c;
        }
    }
    return shown;
}
}  // namespace

void ClConsole::Write(const std::string& sjis) {
    BeforeOutput();
    out_ << SjisToUtf8Lossy(Visible(sjis));
    out_.flush();
}

bool ClConsole::ReadLine(std::string& sjis, const std::string& prompt, bool* refused) {
    std::string line;
    for (;;) {
        Write(prompt);
        if (!std::getline(in_, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Lines that nobody typed are shown, so that a transcript reads as a session.
        if (!interactive_) out_ << Visible(line) << "\n" << std::flush;
        if (auto converted = Utf8ToSjis(line)) {
            sjis = std::move(*converted);
            return true;
        }
        WriteLine(kInvalidInput);
        if (refused) {
            *refused = true;
            sjis = Utf8ToSjisLossy(line);
            return true;
        }
    }
}
