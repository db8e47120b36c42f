#include "services/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, ALoneLeadByteAtTheEndIsNoCharacter) {
    EXPECT_FALSE(SjisToUtf8("\x82").has_value());
    EXPECT_EQ(SjisToUtf8Lossy("a\x82"), "a\xEF\xBF\xBD");
}

// Texts longer than any conversion buffer, with characters of one, two and
// three bytes at every offset, so that one straddles each buffer boundary;
// the wave dash (U+FF5E) as the Microsoft table maps it.
TEST(CodePage, LongTextsRoundTripInBothDirectionsStrictAndLossy) {
    std::string utf8, sjis;
    for (int i = 0; i < 700; ++i) {
        utf8 += reinterpret_cast<const char*>(u8"a表ｱ～");
        sjis += "a\x95\x5C\xB1\x81\x60";
    }
    ASSERT_GT(sjis.size(), 4000u);
    EXPECT_EQ(Utf8ToSjis(utf8), std::optional<std::string>(sjis));
    EXPECT_EQ(SjisToUtf8(sjis), std::optional<std::string>(utf8));
    EXPECT_EQ(Utf8ToSjisLossy(utf8), sjis);
    EXPECT_EQ(SjisToUtf8Lossy(sjis), utf8);
    // One character that cannot be converted, far into the text: strict refuses
    // the whole, lossy replaces that character only.
    const std::string badUtf8 = utf8 + "\xF0\x9F\x98\x80" + utf8;
    EXPECT_FALSE(Utf8ToSjis(badUtf8).has_value());
    EXPECT_EQ(Utf8ToSjisLossy(badUtf8), sjis + "?" + sjis);
    EXPECT_FALSE(SjisToUtf8(sjis + "\xFF" + sjis).has_value());
    EXPECT_EQ(SjisToUtf8Lossy(sjis + "\xFF" + sjis), utf8 + "\xEF\xBF\xBD" + utf8);
}
