#pragma once
// The three values in which the two deliverables differ.
#include <cstdint>

struct StEDITION {
    const char* programName;         // "Orbek17Plus" / "Orbek17Base"
    std::int32_t appType;            // announced to the engine: 3 / 0
    const char* defaultProductName;  // Shift_JIS, written when SUPPORT.INF has none
    const char* envFileName;         // the remembered-path file
};

extern const StEDITION kOrbek17Plus;
extern const StEDITION kOrbek17Base;
