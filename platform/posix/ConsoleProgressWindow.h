#pragma once
// The progress window as one line on standard error, redrawn in place with
// the caption and both bars. It is drawn only when what it shows changes,
// at most about 20 times a second; the final state is always drawn. When
// standard error is no terminal nothing is drawn at all. Anything else the
// console writes first ends the line, which is not drawn again: a message
// box shown while the window is up stands on lines of its own.
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/ProgressBarState.h"
#include "platform/posix/Console.h"
#include "resources/ResourceIds.h"

class ClConsoleProgressWindow final : public ClKeptBarsWindow {
public:
    // Milliseconds of a monotonic clock. (<chrono> cannot be compiled for
    // code page 932 text, so the clock is the system's own.)
    using Clock = std::function<std::int64_t()>;

    // drawing: the stream is a terminal. console: the program's other
    // output (may be null). clock: for tests; CLOCK_MONOTONIC by default.
    ClConsoleProgressWindow(std::ostream& out, bool drawing, ClConsole* console = nullptr, Clock clock = {});
    ~ClConsoleProgressWindow() override { Close(); }
    ClConsoleProgressWindow(const ClConsoleProgressWindow&) = delete;
    ClConsoleProgressWindow& operator=(const ClConsoleProgressWindow&) = delete;

    void SetCaption(const char* text) override;
    void BringToTop() override {}
    void Repaint() override { Draw(false); }

    void SetParent(VkWindow) override {}
    void Show() override;
    void Close() override;
    VkWindow Window() override { return kWindow; }

private:
    static constexpr VkWindow kWindow = IDD_PROGRESS;

    std::string Line() const;
    void Draw(bool final);
    void EndLine();

    std::ostream& out_;
    bool drawing_;
    ClConsole* console_;
    bool shown_ = false;
    bool lineEnded_ = false;  // other output came: the line stays as it is
    Clock clock_;
    std::string caption_;  // UTF-8
    std::string drawn_;    // the line on the terminal
    std::int64_t drawnAt_ = 0;
};

class ClConsoleProgressFactory final : public ClProgressWindowFactory {
public:
    ClConsoleProgressFactory(std::ostream& out, bool drawing, ClConsole& console)
        : out_(out), drawing_(drawing), console_(console) {}
    std::unique_ptr<ClProgressWindow> Create() override {
        return std::make_unique<ClConsoleProgressWindow>(out_, drawing_, &console_);
    }

private:
    std::ostream& out_;
    bool drawing_;
    ClConsole& console_;
};
