#include "common/ProgressDlg.h"

#include <gtest/gtest.h>

#include "doubles/RecordingProgressView.h"

TEST(ProgressDlg, AdvanceStepsOncePerValueAndCaptionsEveryTenth) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    view.mainPos = 7;
    dlg.ResetMain();
    EXPECT_EQ(view.mainHigh, 1000);
    dlg.Advance(300, 400);
    EXPECT_EQ(view.mainPos, 101);
    ASSERT_EQ(view.captions.size(), 11u);
    EXPECT_EQ(view.captions.front(), "集計中 30％");
    EXPECT_EQ(view.captions.back(), "集計中 40％");
    EXPECT_EQ(view.activitySteps, 101 * 6);
    // Caption, step, the pulse's six bursts, then the repaint of the value.
    EXPECT_EQ(view.order.substr(0, 21), "CSATRATRATRATRATRATRR");

    dlg.Advance(401, 405);      // no multiple of ten: no caption
    dlg.Advance(500, 499);      // backward: nothing
    dlg.Advance(32766, 32767);  // the largest value still ends
    EXPECT_EQ(view.captions.size(), 11u);
    EXPECT_EQ(view.mainPos, 101 + 5 + 2);
}

TEST(ProgressDlg, EveryPulseStartsFromAnEmptyBar) {
    ClRecordingProgressView view;
    view.activityPos = 3;
    ClProgressDlg(view).Pulse();
    EXPECT_EQ(view.activityHigh, 5);
    EXPECT_EQ(view.activityPos, 0);  // the sixth step starts over
    EXPECT_EQ(view.order, "ATRATRATRATRATRATR");
}
