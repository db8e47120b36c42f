#include "platform/posix/ConsoleProgressWindow.h"

#include <time.h>

#include "services/CodePage.h"

namespace {
constexpr char kInitialCaption[] = "集計中";
constexpr int kMainCells = 30;
constexpr int kActivityCells = 5;
constexpr std::int64_t kFrameMilliseconds = 50;  // about 20 lines a second

std::string BarText(int cells, int width) {
    return "[" + std::string(static_cast<std::size_t>(cells), '#') +
           std::string(static_cast<std::size_t>(width - cells), '-') + "]";
}

// The filled cells of a bar width cells wide.
int Cells(const StPROGRESSBAR& bar, int width) {
    if (bar.high <= bar.low) return 0;
    const int clamped = bar.pos < bar.low ? bar.low : bar.pos > bar.high ? bar.high : bar.pos;
    return static_cast<int>(static_cast<long long>(clamped - bar.low) * width / (bar.high - bar.low));
}

std::int64_t MonotonicMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
}  // namespace

ClConsoleProgressWindow::ClConsoleProgressWindow(std::ostream& out, bool drawing, ClConsole* console, Clock clock)
    : out_(out),
      drawing_(drawing),
      console_(console),
      clock_(clock ? std::move(clock) : Clock(MonotonicMilliseconds)),
      caption_(SjisToUtf8Lossy(kInitialCaption)) {}

void ClConsoleProgressWindow::SetCaption(const char* text) { caption_ = SjisToUtf8Lossy(text ? text : ""); }

std::string ClConsoleProgressWindow::Line() const {
    return caption_ + " " + BarText(Cells(main_, kMainCells), kMainCells) + " " +
           BarText(Cells(activity_, kActivityCells), kActivityCells);
}

void ClConsoleProgressWindow::Show() {
    shown_ = true;
    lineEnded_ = false;
    if (console_) console_->SetBeforeOutput([this] { EndLine(); });
    Draw(true);
}

void ClConsoleProgressWindow::Close() {
    if (!shown_) return;
    EndLine();
    if (console_) console_->SetBeforeOutput({});
    shown_ = false;
}

void ClConsoleProgressWindow::EndLine() {
    if (lineEnded_) return;
    Draw(true);  // where the work stands
    if (drawing_ && !drawn_.empty()) out_ << "\n" << std::flush;
    lineEnded_ = true;
}

void ClConsoleProgressWindow::Draw(bool final) {
    if (!drawing_ || !shown_ || lineEnded_) return;
    const auto now = clock_();
    if (!final && !drawn_.empty() && now - drawnAt_ < kFrameMilliseconds) return;
    std::string line = Line();
    if (line == drawn_) return;
    out_ << "\r" << line << "\x1b[K" << std::flush;
    drawn_ = std::move(line);
    drawnAt_ = now;
}
