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

std::int64_t MonotonicMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
}  // namespace

ClConsoleProgressWindow::ClConsoleProgressWindow(std::ostream& out, bool drawing, Clock clock)
    : out_(out),
      drawing_(drawing),
      clock_(clock ? std::move(clock) : Clock(MonotonicMilliseconds)),
      caption_(SjisToUtf8Lossy(kInitialCaption)) {}

void ClConsoleProgressWindow::StBAR::Step() {
    pos += step;
    if ((pos > high || pos < low) && high > low) pos = low + (pos - low) % (high - low);
}

int ClConsoleProgressWindow::StBAR::Cells(int width) const {
    if (high <= low) return 0;
    const int clamped = pos < low ? low : pos > high ? high : pos;
    return static_cast<int>(static_cast<long long>(clamped - low) * width / (high - low));
}

void ClConsoleProgressWindow::SetCaption(const char* text) {
    caption_ = SjisToUtf8Lossy(text ? text : "");
}

std::string ClConsoleProgressWindow::Line() const {
    return caption_ + " " + BarText(main_.Cells(kMainCells), kMainCells) + " " +
           BarText(activity_.Cells(kActivityCells), kActivityCells);
}

void ClConsoleProgressWindow::Show() {
    shown_ = true;
    Draw(true);
}

void ClConsoleProgressWindow::Close() {
    if (!shown_) return;
    Draw(true);
    if (drawing_) out_ << "\n" << std::flush;
    shown_ = false;
}

void ClConsoleProgressWindow::Draw(bool final) {
    if (!drawing_ || !shown_) return;
    const auto now = clock_();
    if (!final && !drawn_.empty() && now - drawnAt_ < kFrameMilliseconds) return;
    std::string line = Line();
    if (line == drawn_) return;
    out_ << "\r" << line << "\x1b[K" << std::flush;
    drawn_ = std::move(line);
    drawnAt_ = now;
}
