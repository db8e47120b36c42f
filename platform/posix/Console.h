#pragma once
// The terminal side of the console program: lines in, text out. The program
// speaks Shift_JIS; the terminal UTF-8. Everything is converted here.
#include <functional>
#include <istream>
#include <ostream>
#include <string>

class ClConsole {
public:
    // interactive: the input is a terminal (someone is typing).
    ClConsole(std::istream& in, std::ostream& out, bool interactive) : in_(in), out_(out), interactive_(interactive) {}

    bool Interactive() const { return interactive_; }

    // Writes Shift_JIS text converted to UTF-8 (bytes that are no code page
    // 932 become U+FFFD).
    void Write(const std::string& sjis);
    void WriteLine(const std::string& sjis) { Write(sjis + "\n"); }

    // Writes the prompt and reads one line (without its line end) as
    // Shift_JIS. A line with a character code page 932 cannot hold is refused
    // with a notice, and the prompt is shown again; with refused given, the
    // refused line is returned instead, "?" in place of such characters, and
    // *refused set. False at the end of the input. Input that is not typed
    // at a terminal is echoed.
    bool ReadLine(std::string& sjis, const std::string& prompt = "", bool* refused = nullptr);

    // Called before anything is written or read: a line that is being
    // redrawn in place on the same terminal (the progress line) ends there.
    // Empty: nothing to call.
    void SetBeforeOutput(std::function<void()> hook) { beforeOutput_ = std::move(hook); }

private:
    void BeforeOutput() const {
        if (beforeOutput_) beforeOutput_();
    }

    std::istream& in_;
    std::ostream& out_;
    bool interactive_;
    std::function<void()> beforeOutput_;
};
