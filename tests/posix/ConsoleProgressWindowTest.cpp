#include "platform/posix/ConsoleProgressWindow.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/TestSupport.h"

TEST(ConsoleProgressWindow, CoalescesRedrawsAndAlwaysDrawsTheEnd) {
    std::ostringstream out;
    std::int64_t now = 0;
    ClConsoleProgressWindow window(out, true, nullptr, [&now] { return now; });
    ClProgressDlg progress(window);
    window.Show();
    progress.ResetMain();
    const std::string first = out.str();
    EXPECT_EQ(first, "\r" + U8(u8"集計中") + " [" + std::string(30, '-') + "] [-----]\x1b[K");

    progress.Advance(100, 300);  // all within one frame: nothing more is drawn
    EXPECT_EQ(out.str(), first);
    now += 50;
    window.Repaint();
    EXPECT_NE(out.str().find("\r" + U8(u8"集計中 30％ [######")), std::string::npos);
    const std::size_t drawn = out.str().size();
    now += 50;
    window.Repaint();  // nothing changed
    EXPECT_EQ(out.str().size(), drawn);

    progress.Advance(301, 1000);  // drawn once as it starts, then the frame is full
    window.Close();
    const std::string text = out.str().substr(drawn);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    // 901 steps of 1000: the bar stands short of its end at 100 percent; the
    // activity bar has started over after its sixth step.
    EXPECT_EQ(text.substr(text.rfind('\r')),
              "\r" + U8(u8"集計中 100％") + " [" + std::string(27, '#') + "---] [#----]\x1b[K\n");
}

// A message box while the window is up: the progress line ends before it,
// showing where the work stood, and is not drawn again, not even when the
// window closes.
TEST(ConsoleProgressWindow, OtherOutputEndsTheLineForGood) {
    std::ostringstream terminal;
    std::istringstream none;
    ClConsole console(none, terminal, false);
    std::int64_t now = 0;
    {
        ClConsoleProgressWindow window(terminal, true, &console, [&now] { return now; });
        ClProgressDlg progress(window);
        window.Show();
        progress.ResetMain();
        progress.Advance(0, 100);  // within the first frame: not drawn yet
        console.WriteLine("box");
        now += 1000;
        progress.Advance(101, 200);
        window.Close();
        console.WriteLine("end");
    }
    console.WriteLine("after");
    // Ended where the work stood.
    EXPECT_EQ(terminal.str(), "\r" + U8(u8"集計中") + " [" + std::string(30, '-') + "] [-----]\x1b[K" + "\r" +
                                  U8(u8"集計中 10％") + " [###" + std::string(27, '-') +
                                  "] [#----]\x1b[K\nbox\nend\nafter\n");
}
