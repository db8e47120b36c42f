#pragma once
// What a progress-bar control holds, kept by a progress window that paints
// its bars itself or only now and then: stepping past the maximum starts the
// bar over, as the platform's control does.
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
