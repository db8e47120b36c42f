#include <gtest/gtest.h>

#include "common/ProgressDlg.h"
#include "doubles/RecordingProgressView.h"

// What the window shows: the main bar one step per value, a caption at every
// tenth, a full burst of the activity bar per value, each drawn at once.
TEST(ProgressDlg, AdvanceMovesTheBarOncePerValueCaptionsEveryTenthAndRepaints) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    view.mainPos = 7;
    dlg.ResetMain();
    EXPECT_EQ(view.mainPos, 0);
    EXPECT_EQ(view.mainHigh, 1000);
    dlg.Advance(300, 400);
    EXPECT_EQ(view.mainPos, 101);
    ASSERT_EQ(view.captions.size(), 11u);
    EXPECT_EQ(view.captions.front(), "集計中 30％");
    EXPECT_EQ(view.captions.back(), "集計中 40％");
    EXPECT_EQ(view.pulses, 101);
    EXPECT_EQ(view.activitySteps, 101 * 6);
    EXPECT_EQ(view.toTop, 101 * 6);           // the window stays in front while no messages run
    EXPECT_GE(view.repaints, 101 * 6 + 101);  // every burst step and every value is drawn

    dlg.Advance(401, 405);      // no multiple of ten: no caption
    dlg.Advance(500, 499);      // backward: nothing
    dlg.Advance(32766, 32767);  // the largest value still ends
    EXPECT_EQ(view.captions.size(), 11u);
    EXPECT_EQ(view.mainPos, 101 + 5 + 2);
}

TEST(ProgressDlg, EveryPulseStartsFromAnEmptyBarAndEndsEmpty) {
    ClRecordingProgressView view;
    view.activityPos = 3;
    ClProgressDlg(view).Pulse();
    EXPECT_EQ(view.activityHigh, 5);
    EXPECT_EQ(view.activitySteps, 6);
    EXPECT_EQ(view.activityPos, 0);  // the sixth step starts over
    EXPECT_GE(view.repaints, 6);
}
