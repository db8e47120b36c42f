#include "platform/posix/ConsoleProgressWindow.h"

#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"

namespace {
std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}
}  // namespace

TEST(ConsoleProgressWindow, DrawsNothingWithoutATerminal) {
    std::ostringstream out;
    {
        ClConsoleProgressWindow window(out, false);
        window.Show();
        ClProgressDlg(window).Advance(0, 1000);
        window.Close();
    }
    EXPECT_EQ(out.str(), "");
}

TEST(ConsoleProgressWindow, CoalescesRedrawsAndAlwaysDrawsTheEnd) {
    std::ostringstream out;
    std::int64_t now = 0;
    ClConsoleProgressWindow window(out, true, [&now] { return now; });
    ClProgressDlg progress(window);
    window.Show();
    progress.ResetMain();
    const std::string first = out.str();
    EXPECT_EQ(first, "\r" + Utf8(u8"集計中") + " [" + std::string(30, '-') + "] [-----]\x1b[K");

    progress.Advance(100, 300);  // all within one frame: nothing more is drawn
    EXPECT_EQ(out.str(), first);
    now += 50;
    window.Repaint();
    EXPECT_EQ(Count(out.str(), "\r"), 2u);
    EXPECT_NE(out.str().find(Utf8(u8"集計中 30％ [######")), std::string::npos);
    now += 50;
    window.Repaint();  // nothing changed
    EXPECT_EQ(Count(out.str(), "\r"), 2u);

    progress.Advance(301, 1000);  // drawn once as it starts, then the frame is full
    window.Close();
    const std::string text = out.str();
    EXPECT_EQ(Count(text, "\r"), 4u);
    // 901 steps of 1000: the bar stands short of its end at 100 percent.
    EXPECT_EQ(text.substr(text.rfind('\r')), "\r" + Utf8(u8"集計中 100％") + " [" +
                                                 std::string(27, '#') + "---] [#----]\x1b[K\n");
}

TEST(ConsoleProgressWindow, ActivityBarStartsOverPastItsEnd) {
    std::ostringstream out;
    ClConsoleProgressWindow window(out, true, [] { return std::int64_t{0}; });
    window.Show();
    ClProgressDlg(window).Pulse();  // six steps over 0..5
    window.Close();
    const std::string text = out.str();
    EXPECT_NE(text.find("] [#----]\x1b[K\n"), std::string::npos);
}
