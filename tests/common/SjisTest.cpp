#include "common/Sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, TrailByteFiveCIsNotABackslash) {
    const std::string text = "表\\";  // 0x95 0x5C, then a real backslash
    EXPECT_TRUE(sjis::IsTrailAt(text, 1));
    EXPECT_FALSE(sjis::IsTrailAt(text, 2));
    EXPECT_EQ(sjis::CharLengthAt(text, 0), 2u);
}

TEST(Sjis, CutNeverSplitsACharacter) {
    for (auto [limit, cut] : {std::pair<std::size_t, std::size_t>{2, 1}, {3, 3}, {4, 3}, {9, 5}}) {
        EXPECT_EQ(sjis::CutLength("aあい", limit), cut) << limit;  // 1 + 2 + 2 bytes
    }
    EXPECT_EQ(sjis::CutLength("ｶﾅ", 1), 1u);  // half-width katakana (0xA1-0xDF) are single bytes
    // A lone lead byte at the end is a character of its own.
    EXPECT_EQ(sjis::CharLengthAt("a\x82", 1), 1u);
    EXPECT_EQ(sjis::CutLength("a\x82", 1), 1u);
}
