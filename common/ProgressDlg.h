#pragma once
// The progress window's logic: the stepping of the main bar and the bursts of
// the activity bar. The window itself is a ClProgressView of the platform.
#include <cstdint>

class ClProgressView {
public:
    virtual ~ClProgressView() = default;
    virtual void SetCaption(const char* text) = 0;  // Shift_JIS
    virtual void SetMainRange(int low, int high) = 0;
    virtual void SetMainStep(int step) = 0;
    virtual void SetMainPos(int pos) = 0;
    virtual void StepMain() = 0;
    virtual void SetActivityRange(int low, int high) = 0;
    virtual void SetActivityStep(int step) = 0;
    virtual void SetActivityPos(int pos) = 0;
    virtual void StepActivity() = 0;
    virtual void BringToTop() = 0;  // to the top and to the foreground
    virtual void Repaint() = 0;     // synchronous
};

// For work that runs without a window: shows nothing.
class ClSilentProgressView final : public ClProgressView {
public:
    void SetCaption(const char*) override {}
    void SetMainRange(int, int) override {}
    void SetMainStep(int) override {}
    void SetMainPos(int) override {}
    void StepMain() override {}
    void SetActivityRange(int, int) override {}
    void SetActivityStep(int) override {}
    void SetActivityPos(int) override {}
    void StepActivity() override {}
    void BringToTop() override {}
    void Repaint() override {}
};

class ClProgressDlg {
public:
    explicit ClProgressDlg(ClProgressView& view) : view_(view) {}

    void ResetMain();
    // Walks the values from..to, both included; nothing when to < from.
    void Advance(std::int16_t from, std::int16_t to);
    void Pulse();

private:
    ClProgressView& view_;
};
