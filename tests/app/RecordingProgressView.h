#pragma once
// A progress view that records what the window would have shown.
#include <string>
#include <vector>

#include "app/ProgressDlg.h"

class ClRecordingProgressView final : public ClProgressView {
public:
    std::vector<std::string> captions;
    int mainPos = 0;
    int mainHigh = 0;
    int mainStepSize = 0;
    int activityPos = 0;
    int activityHigh = 0;
    int activitySteps = 0;
    int activityMaxSeen = 0;
    int toTop = 0;
    int repaints = 0;
    std::vector<char> order;  // C caption, S main step, A activity step, R repaint
    int pulses = 0;
    std::vector<std::string>* captionLog = nullptr;  // gets "%" and the percentage

    void SetCaption(const char* text) override {
        captions.emplace_back(text);
        order.push_back('C');
        if (captionLog) {
            std::string digits = "%";
            for (const char* p = text; *p; ++p) {
                if (*p >= '0' && *p <= '9') digits += *p;
            }
            captionLog->push_back(digits);
        }
    }
    void SetMainRange(int, int high) override { mainHigh = high; }
    void SetMainStep(int step) override { mainStepSize = step; }
    void SetMainPos(int pos) override { mainPos = pos; }
    void StepMain() override {
        mainPos += mainStepSize;
        order.push_back('S');
    }
    void SetActivityRange(int, int high) override {
        activityHigh = high;
        ++pulses;  // every pulse starts by setting the range
    }
    void SetActivityStep(int) override {}
    void SetActivityPos(int pos) override { activityPos = pos; }
    void StepActivity() override {
        // Past its maximum a progress bar starts over.
        activityPos = activityPos + 1 > activityHigh ? 0 : activityPos + 1;
        if (activityPos > activityMaxSeen) activityMaxSeen = activityPos;
        ++activitySteps;
        order.push_back('A');
    }
    void BringToTop() override { ++toTop; }
    void Repaint() override {
        ++repaints;
        order.push_back('R');
    }
};
