#pragma once
// The special-circumstances remarks cut into numbered lines.
#include <string>
#include <string_view>
#include <vector>

// Exactly `lines` lines (none for lines < 1) of at most width bytes from the
// first 960 bytes of text. A line ends at CR LF (dropped), at the end of the
// text or at the width, never inside a double-byte character; a line still
// open at byte 960 and lines beyond the count are dropped; missing lines are empty.
std::vector<std::string> SplitTokusyuJijou(std::string_view text, int width, int lines);
