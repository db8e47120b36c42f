#include "common/Sjis.h"

#include <gtest/gtest.h>

// Engine fields are read as views inside their block: a lead byte that ends
// the view stands alone, whatever byte follows it in the block.
TEST(Sjis, ACharacterNeverReachesPastItsText) {
    const std::string_view field("a\x95\x5C", 2);  // 表's lead byte ends the field, its trail byte lies beyond
    EXPECT_EQ(sjis::CharLengthAt(field, 1), 1u);
    EXPECT_EQ(sjis::CutLength(field, 1), 1u);
    EXPECT_TRUE(sjis::EqualIgnoringCase(field, std::string_view("A\x95\x41", 2)));
}

// Microsoft's table with the user-defined rows: 9 604 pairs (the Windows
// tests hold the whole table against MultiByteToWideChar).
TEST(Sjis, AssignedPairsAreCodePage932s) {
    int assigned = 0;
    for (unsigned lead = 0; lead < 256; ++lead) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            assigned += sjis::IsAssignedPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        }
    }
    EXPECT_EQ(assigned, 9604);
    EXPECT_TRUE(sjis::IsAssignedPair(0xF0, 0x40));  // user-defined
    EXPECT_TRUE(sjis::IsAssignedPair(0xFC, 0x4B));  // the last IBM extension
    EXPECT_FALSE(sjis::IsAssignedPair(0xFC, 0x4C));
    EXPECT_FALSE(sjis::IsAssignedPair(0x85, 0x40));  // an empty row
    EXPECT_FALSE(sjis::IsAssignedPair(0x81, 0x7F));  // never a trail byte
}
