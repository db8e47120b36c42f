#pragma once
// A progress view that records what the window would have shown. Base is
// ClProgressView or a platform window built on it.
#include <string>
#include <vector>

#include "common/ProgressDlg.h"

template <class Base>
class ClRecordingProgressViewOf : public Base {
public:
    std::vector<std::string> captions;
    int mainPos = 0, mainHigh = 0, mainStepSize = 0;
    int activityPos = 0, activityHigh = 0, activitySteps = 0;
    int pulses = 0;     // every pulse starts by setting the activity range
    std::string order;  // C caption, S main step, A activity step, T to the top, R repaint
    std::vector<std::string>* captionLog = nullptr;  // gets "%" and the percentage

    void SetCaption(const char* text) override {
        captions.emplace_back(text);
        order += 'C';
        std::string digits = "%";
        for (const char* p = text; *p; ++p) {
            if (*p >= '0' && *p <= '9') digits += *p;
        }
        if (captionLog) captionLog->push_back(digits);
    }
    void SetMainRange(int, int high) override { mainHigh = high; }
    void SetMainStep(int step) override { mainStepSize = step; }
    void SetMainPos(int pos) override { mainPos = pos; }
    void StepMain() override {
        mainPos += mainStepSize;
        order += 'S';
    }
    void SetActivityRange(int, int high) override {
        activityHigh = high;
        ++pulses;
    }
    void SetActivityStep(int) override {}
    void SetActivityPos(int pos) override { activityPos = pos; }
    void StepActivity() override {
        activityPos = activityPos < activityHigh ? activityPos + 1 : 0;  // past its end it starts over
        ++activitySteps;
        order += 'A';
    }
    void BringToTop() override { order += 'T'; }
    void Repaint() override { order += 'R'; }
};

using ClRecordingProgressView = ClRecordingProgressViewOf<ClProgressView>;
