#pragma once
// What a progress-bar control holds, kept by a progress window that paints
// its bars itself or only now and then: stepping past the maximum starts the
// bar over, as the platform's control does.
#include "services/ProgressWindow.h"

struct StPROGRESSBAR {
    int low = 0;
    int high = 100;
    int step = 10;
    int pos = 0;

    void SetRange(int l, int h) {
        low = l;
        high = h;
        pos = pos < low ? low : pos > high ? high : pos;
    }
    void Step() {
        pos += step;
        if ((pos > high || pos < low) && high > low) pos = low + (pos - low) % (high - low);
    }
    bool operator==(const StPROGRESSBAR&) const = default;
};

// A progress window whose two bars are kept as state; it draws them when it
// paints.
class ClKeptBarsWindow : public ClProgressWindow {
public:
    void SetMainRange(int low, int high) override { main_.SetRange(low, high); }
    void SetMainStep(int step) override { main_.step = step; }
    void SetMainPos(int pos) override { main_.pos = pos; }
    void StepMain() override { main_.Step(); }
    void SetActivityRange(int low, int high) override { activity_.SetRange(low, high); }
    void SetActivityStep(int step) override { activity_.step = step; }
    void SetActivityPos(int pos) override { activity_.pos = pos; }
    void StepActivity() override { activity_.Step(); }

protected:
    StPROGRESSBAR main_;
    StPROGRESSBAR activity_;
};
