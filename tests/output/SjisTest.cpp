#include "output/Sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, TrailByteFiveCIsNotABackslash) {
    const std::string text = "表\\";  // 0x95 0x5C, then a real backslash
    ASSERT_EQ(text.size(), 3u);
    EXPECT_TRUE(sjis::IsTrailAt(text, 1));
    EXPECT_FALSE(sjis::IsTrailAt(text, 2));
    EXPECT_EQ(sjis::CharLengthAt(text, 0), 2u);
}

TEST(Sjis, CutNeverSplitsACharacter) {
    const std::string text = "aあい";  // 1 + 2 + 2 bytes
    EXPECT_EQ(sjis::CutLength(text, 2), 1u);
    EXPECT_EQ(sjis::CutLength(text, 3), 3u);
    EXPECT_EQ(sjis::CutLength(text, 4), 3u);
    EXPECT_EQ(sjis::CutLength(text, 9), 5u);
    // Half-width katakana (0xA1-0xDF) are single bytes.
    EXPECT_EQ(sjis::CutLength("ｶﾅ", 1), 1u);
}

TEST(Sjis, LoneLeadByteAtTheEndIsACharacterOfItsOwn) {
    const std::string text = "a\x82";
    EXPECT_EQ(sjis::CharLengthAt(text, 1), 1u);
    EXPECT_EQ(sjis::CutLength(text, 1), 1u);
}
