#include "services/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, WaveDashFollowsTheMicrosoftTable) {
    const std::string utf8 = reinterpret_cast<const char*>(u8"～");  // U+FF5E
    EXPECT_EQ(Utf8ToSjis(utf8), std::optional<std::string>("\x81\x60"));
    EXPECT_EQ(SjisToUtf8("\x81\x60"), std::optional<std::string>(utf8));
}

TEST(CodePage, RefusesWhatCodePage932CannotHold) {
    EXPECT_FALSE(Utf8ToSjis("\xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(SjisToUtf8("\x82").has_value());  // a lone lead byte
    EXPECT_EQ(SjisToUtf8Lossy("a\x82"), "a\xEF\xBF\xBD");
}
