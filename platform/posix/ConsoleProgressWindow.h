#pragma once
// The progress window as one line on standard error, redrawn in place with
// the caption and both bars. It is drawn only when what it shows changes,
// at most about 20 times a second; the final state is always drawn. When
// standard error is no terminal nothing is drawn at all.
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "resources/ResourceIds.h"
#include "services/ProgressWindow.h"

class ClConsoleProgressWindow final : public ClProgressWindow {
public:
    // Milliseconds of a monotonic clock. (<chrono> cannot be compiled for
    // code page 932 text, so the clock is the system's own.)
    using Clock = std::function<std::int64_t()>;

    // drawing: the stream is a terminal. clock: for tests; CLOCK_MONOTONIC by default.
    ClConsoleProgressWindow(std::ostream& out, bool drawing, Clock clock = {});
    ~ClConsoleProgressWindow() override { Close(); }
    ClConsoleProgressWindow(const ClConsoleProgressWindow&) = delete;
    ClConsoleProgressWindow& operator=(const ClConsoleProgressWindow&) = delete;

    void SetCaption(const char* text) override;
    void SetMainRange(int low, int high) override { main_.SetRange(low, high); }
    void SetMainStep(int step) override { main_.step = step; }
    void SetMainPos(int pos) override { main_.pos = pos; }
    void StepMain() override { main_.Step(); }
    void SetActivityRange(int low, int high) override { activity_.SetRange(low, high); }
    void SetActivityStep(int step) override { activity_.step = step; }
    void SetActivityPos(int pos) override { activity_.pos = pos; }
    void StepActivity() override { activity_.Step(); }
    void BringToTop() override {}
    void Repaint() override { Draw(false); }

    void SetParent(VkWindow) override {}
    void Show() override;
    void Close() override;
    VkWindow Window() override { return kWindow; }

private:
    static constexpr VkWindow kWindow = IDD_PROGRESS;

    // A progress bar: stepping past the maximum starts it over, as the
    // platform's control does.
    struct StBAR {
        int low = 0;
        int high = 100;
        int step = 10;
        int pos = 0;
        void SetRange(int l, int h) {
            low = l;
            high = h;
            pos = pos < low ? low : pos > high ? high : pos;
        }
        void Step();
        int Cells(int width) const;
    };

    std::string Line() const;
    void Draw(bool final);

    std::ostream& out_;
    bool drawing_;
    bool shown_ = false;
    Clock clock_;
    std::string caption_;  // UTF-8
    StBAR main_;
    StBAR activity_;
    std::string drawn_;  // the line on the terminal
    std::int64_t drawnAt_ = 0;
};

class ClConsoleProgressFactory final : public ClProgressWindowFactory {
public:
    ClConsoleProgressFactory(std::ostream& out, bool drawing) : out_(out), drawing_(drawing) {}
    std::unique_ptr<ClProgressWindow> Create() override {
        return std::make_unique<ClConsoleProgressWindow>(out_, drawing_);
    }

private:
    std::ostream& out_;
    bool drawing_;
};
