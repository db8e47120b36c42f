#include "platform/posix/Console.h"

#include "services/CodePage.h"

namespace {
constexpr char kInvalidInput[] =
    "入力にシフトJIS（コードページ932）で表せない文字があります。入力し直してください。";
}

void ClConsole::Write(const std::string& sjis) {
    out_ << SjisToUtf8Lossy(sjis);
    out_.flush();
}

bool ClConsole::ReadLine(std::string& sjis) {
    std::string line;
    while (std::getline(in_, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Lines that nobody typed are shown, so that a transcript reads as a session.
        if (!interactive_) out_ << line << "\n" << std::flush;
        if (auto converted = Utf8ToSjis(line)) {
            sjis = std::move(*converted);
            return true;
        }
        WriteLine(kInvalidInput);
    }
    return false;
}
