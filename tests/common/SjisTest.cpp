#include "common/Sjis.h"

#include <gtest/gtest.h>

// Engine fields are read as views inside their block: a lead byte that ends
// the view stands alone, whatever byte follows it in the block.
TEST(Sjis, ACharacterNeverReachesPastItsText) {
    const std::string_view field("a\x95\x5C", 2);  // 表's lead byte ends the field, its trail byte lies beyond
    EXPECT_EQ(sjis::CharLengthAt(field, 1), 1u);
    EXPECT_EQ(sjis::CutLength(std::string_view("a\x95\x5C" "b", 2), 1), 1u);
    EXPECT_TRUE(sjis::EqualIgnoringCase(field, std::string_view("A\x95\x41", 2)));
}
