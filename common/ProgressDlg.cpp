#include "common/ProgressDlg.h"

#include <cstdio>

void ClProgressDlg::ResetMain() {
    view_.SetMainRange(0, 1000);
    view_.SetMainStep(1);
    view_.SetMainPos(0);
}

void ClProgressDlg::Advance(std::int16_t from, std::int16_t to) {
    // int, so that a span ending at the largest 16-bit value still ends.
    for (int v = from; v <= to; ++v) {
        if (v % 10 == 0) {
            char caption[64] = {};
            std::snprintf(caption, sizeof caption, "集計中 %d％", v / 10);
            view_.SetCaption(caption);
        }
        view_.StepMain();
        Pulse();
        view_.Repaint();
    }
}

void ClProgressDlg::Pulse() {
    view_.SetActivityRange(0, 5);
    view_.SetActivityStep(1);
    view_.SetActivityPos(0);
    for (int i = 0; i < 6; ++i) {
        view_.StepActivity();
        view_.BringToTop();
        view_.Repaint();
    }
}
