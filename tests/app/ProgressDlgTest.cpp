#include "app/ProgressDlg.h"

#include <gtest/gtest.h>

#include "app/RecordingProgressView.h"

namespace {

std::string Percent(int value) {
    char text[64];
    std::snprintf(text, sizeof text, "集計中 %d％", value);
    return text;
}

TEST(ProgressDlg, AdvanceStepsOncePerValueAndCaptionsEveryTenth) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    view.mainPos = 7;
    dlg.ResetMain();
    EXPECT_EQ(view.mainHigh, 1000);
    EXPECT_TRUE(view.captions.empty());
    dlg.Advance(300, 400);
    EXPECT_EQ(view.mainPos, 101);
    ASSERT_EQ(view.captions.size(), 11u);
    EXPECT_EQ(view.captions.front(), Percent(30));
    EXPECT_EQ(view.captions.back(), Percent(40));
    EXPECT_EQ(view.activitySteps, 101 * 6);
    EXPECT_EQ(view.repaints, 101 * 7);
    // Caption, step, the pulse's six bursts, then the repaint of the value.
    const std::string first(view.order.begin(), view.order.begin() + 15);
    EXPECT_EQ(first, "CSARARARARARARR");
}

TEST(ProgressDlg, SpansThatMeetWalkTheSharedValueTwice) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    dlg.ResetMain();
    dlg.Advance(100, 300);
    dlg.Advance(300, 400);
    dlg.Advance(401, 405);  // no multiple of ten: no caption
    EXPECT_EQ(view.mainPos, 201 + 101 + 5);
    EXPECT_EQ(view.captions.size(), 21u + 11u);
    EXPECT_EQ(view.captions[0], Percent(10));
    EXPECT_EQ(view.captions[20], Percent(30));
    EXPECT_EQ(view.captions[21], Percent(30));
    dlg.Advance(700, 1000);
    EXPECT_EQ(view.captions.back(), Percent(100));
    EXPECT_LT(view.mainPos, 1000 + 400);
}

TEST(ProgressDlg, BackwardSpanDoesNothingAndTheTopValueEnds) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    dlg.Advance(500, 499);
    EXPECT_TRUE(view.order.empty());
    view.mainStepSize = 1;
    dlg.Advance(32766, 32767);
    EXPECT_EQ(view.mainPos, 2);
}

TEST(ProgressDlg, EveryPulseStartsFromAnEmptyBar) {
    ClRecordingProgressView view;
    ClProgressDlg dlg(view);
    view.activityPos = 3;
    dlg.Pulse();
    EXPECT_EQ(view.activityHigh, 5);
    EXPECT_EQ(view.activitySteps, 6);
    EXPECT_EQ(view.activityMaxSeen, 5);
    EXPECT_EQ(view.activityPos, 0);  // the sixth step starts over
    EXPECT_EQ(view.toTop, 6);
    EXPECT_EQ(view.repaints, 6);
}

}  // namespace
