#pragma once
// A progress view that keeps what the window would show: the bars'
// positions, the captions and how often it was brought up and repainted.
// Base is ClProgressView or a platform window built on it.
#include <string>
#include <vector>

#include "common/ProgressDlg.h"

template <class Base>
class ClRecordingProgressViewOf : public Base {
public:
    std::vector<std::string> captions;
    int mainPos = 0, mainHigh = 0, mainStepSize = 0;
    int activityPos = 0, activityHigh = 0, activitySteps = 0;
    int pulses = 0;  // every pulse starts by setting the activity range
    int toTop = 0, repaints = 0;

    void SetCaption(const char* text) override { captions.emplace_back(text); }
    void SetMainRange(int, int high) override { mainHigh = high; }
    void SetMainStep(int step) override { mainStepSize = step; }
    void SetMainPos(int pos) override { mainPos = pos; }
    void StepMain() override { mainPos += mainStepSize; }
    void SetActivityRange(int, int high) override {
        activityHigh = high;
        ++pulses;
    }
    void SetActivityStep(int) override {}
    void SetActivityPos(int pos) override { activityPos = pos; }
    void StepActivity() override {
        activityPos = activityPos < activityHigh ? activityPos + 1 : 0;  // past its end it starts over
        ++activitySteps;
    }
    void BringToTop() override { ++toTop; }
    void Repaint() override { ++repaints; }
};

using ClRecordingProgressView = ClRecordingProgressViewOf<ClProgressView>;
