// The value texts, bounded copies, account-name marks, the company name's cut and
// the splitting of the special-circumstances remarks, where the golden reports do not reach.
#include <gtest/gtest.h>

#include <cstdint>

#include "report/KamokuMarks.h"
#include "report/ReportBuilder.h"
#include "report/TokusyuJijou.h"
#include "report/ValueText.h"

TEST(ValueText, TextsAtTheirLimitsAndBoundedCopies) {
    EXPECT_EQ(AmountText(-9999), "");  // truncated toward zero: no "-0"
    EXPECT_EQ(AmountText(INT64_MIN), "-922337203685477");
    EXPECT_EQ(ContractMonthText(99), "");
    // A cut never splits a character: the 0x5C of 表 is no backslash, the 0x95 of ＆ (0x81 0x95) no lead byte.
    EXPECT_EQ(ClReportBuilder::CopyBounded("ab表", 3), "ab");
    EXPECT_EQ(ClReportBuilder::CopyBounded("abcde＆xyz", 7), "abcde＆");
    EXPECT_EQ(ClReportBuilder::CopyBounded("abcde＆xyz", 6), "abcde");
    EXPECT_EQ(ClReportBuilder::CopyBounded("ﾊﾟｰﾄ", 2), "ﾊﾟ");  // half-width kana are single bytes
}

TEST(KamokuMarks, RemovesWholeMarkCharactersOnly) {
    std::string out = "unchanged";
    EXPECT_FALSE(StripKamokuMarks("", out));
    EXPECT_EQ(out, "unchanged");
    // 】 is 0x81 0x7A; inside ー (0x81 0x5B) followed by z no mark starts. An unfinished mark is text.
    for (auto [name, stripped] :
         {std::pair{"ソー(製)z", "ソーz"}, {"(製", "(製"}, {" 《通信》　（費）［１］", "通信費１"}}) {
        ASSERT_TRUE(StripKamokuMarks(name, out));
        EXPECT_EQ(out, stripped);
    }
}

TEST(FullWidth, CompanyNameIsCutAt63BytesBetweenCharacters) {
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(std::string(30, 'a')).size(), 60u);
    // Byte 63 would be the lead byte of the 32nd letter.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(std::string(40, 'a')), [] {
        std::string wide;
        for (int i = 0; i < 31; ++i) wide += "ａ";
        return wide;
    }());
    // A lead byte without its trail byte, as byte 63, is cut off too.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(std::string(31, 'a') + "\x81\x01").size(), 62u);
    // IBM extensions (﨑 FA B1, 髙 FB FC) and a user-defined character (F0 40) are
    // characters like any other: their second bytes are no kana or letters.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName("山\xFA\xB1商店 \xFB\xFC\xF0\x40 ｱB"),
              "山\xFA\xB1商店　\xFB\xFC\xF0\x40　アＢ");
    // Single bytes that stay single shift the characters: 63 bytes fit exactly.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName("\x7F" + std::string(40, 'b')).size(), 63u);
}

TEST(TokusyuJijou, SplitsAtLineBreaksWidthAndCharactersWithinTheFirst960Bytes) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTokusyuJijou(std::string(130, 'x'), 60, 3),
              (Lines{std::string(60, 'x'), std::string(60, 'x'), "xxxxxxxxxx"}));
    // A double-byte character on bytes 59 and 60 begins the next line, also when its trail byte is 0x5C.
    EXPECT_EQ(SplitTokusyuJijou(std::string(59, 'a') + "表", 60, 2), (Lines{std::string(59, 'a'), "表"}));
    EXPECT_EQ(SplitTokusyuJijou("A\rB\nC", 60, 2), (Lines{"A\rB\nC", ""}));  // lone CR and LF are text
    EXPECT_EQ(SplitTokusyuJijou("1\r\n2\r\n3\r\n4", 60, 3), (Lines{"1", "2", "3"}));
    EXPECT_TRUE(SplitTokusyuJijou("abc", 60, 0).empty());
    // The 16th line of 60 bytes would end at byte 960, which is not examined.
    Lines first960(16, std::string(60, 'z'));
    first960[15].clear();
    EXPECT_EQ(SplitTokusyuJijou(std::string(1000, 'z'), 60, 16), first960);
    // A CR at byte 959 with its LF at byte 960 still ends a line that is written.
    EXPECT_EQ(SplitTokusyuJijou(std::string(959, 'v') + "\r\n" + std::string(30, 'w'), 1000, 2),
              (Lines{std::string(959, 'v'), ""}));
    // A line still open at byte 960 is dropped.
    EXPECT_EQ(SplitTokusyuJijou(std::string(950, 'y') + "\r\n" + std::string(30, 'w'), 1000, 2),
              (Lines{std::string(950, 'y'), ""}));
}
