// The value texts, bounded copies, account-name marks, full-width mapping and
// the splitting of the special-circumstances remarks, where the golden reports do not reach.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/CodePage.h"
#include "report/FullWidthMap.h"
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
    for (auto [name, stripped] : {std::pair{"ソー(製)z", "ソーz"}, {"(製", "(製"}, {" 《通信》　（費）［１］", "通信費１"}}) {
        ASSERT_TRUE(StripKamokuMarks(name, out));
        EXPECT_EQ(out, stripped);
    }
}

TEST(FullWidth, MapsEverySingleByteCharacterAndComposesVoicedMarks) {
    for (int b = 0x21; b <= 0x7E; ++b) {  // the forms U+FF01 to U+FF5E, as code page 932 holds them
        const char32_t wide = U'\uFF01' + static_cast<char32_t>(b - 0x21);
        const std::string utf8 = {static_cast<char>(0xE0 | (wide >> 12)), static_cast<char>(0x80 | ((wide >> 6) & 0x3F)),
                                  static_cast<char>(0x80 | (wide & 0x3F))};
        EXPECT_EQ(FullWidthForm(std::string(1, static_cast<char>(b))), Utf8ToSjis(utf8).value_or("?")) << b;
    }
    EXPECT_EQ(FullWidthForm(" ｡｢､ｦｧｯｰｱﾝﾞﾟ"), "　。「、ヲァッーアン゛゜");
    for (int b : {0x00, 0x09, 0x1F, 0x7F, 0x80, 0xA0, 0xFD, 0xFE, 0xFF}) {  // everything else passes unchanged
        EXPECT_EQ(FullWidthForm(std::string(1, static_cast<char>(b))), std::string(1, static_cast<char>(b))) << b;
    }
    EXPECT_EQ(FullWidthForm("表ａ"), "表ａ");
    EXPECT_EQ(FullWidthForm("ｶﾞｳﾞﾊﾟﾄﾞﾎﾞﾎﾟ"), "ガヴパドボポ");
    EXPECT_EQ(FullWidthForm("ｱﾞｶﾟﾞ"), "ア゛カ゜゛");  // no composed form: the marks stand alone
}

TEST(FullWidth, CompanyNameIsCutAt63BytesBetweenCharacters) {
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(std::string(30, 'a')).size(), 60u);
    // Byte 63 would be the lead byte of the 32nd letter.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(std::string(40, 'a')), FullWidthForm(std::string(31, 'a')));
    // Single bytes that stay single shift the characters: 63 bytes fit exactly.
    EXPECT_EQ(ClReportBuilder::ToFullWidthName("\x7F" + std::string(40, 'b')).size(), 63u);
}

TEST(TokusyuJijou, SplitsAtLineBreaksWidthAndCharactersWithinTheFirst960Bytes) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTokusyuJijou(std::string(130, 'x'), 60, 3), (Lines{std::string(60, 'x'), std::string(60, 'x'), "xxxxxxxxxx"}));
    // A double-byte character on bytes 59 and 60 begins the next line, also when its trail byte is 0x5C.
    EXPECT_EQ(SplitTokusyuJijou(std::string(59, 'a') + "表", 60, 2), (Lines{std::string(59, 'a'), "表"}));
    EXPECT_EQ(SplitTokusyuJijou("A\rB\nC", 60, 2), (Lines{"A\rB\nC", ""}));  // lone CR and LF are text
    EXPECT_EQ(SplitTokusyuJijou("1\r\n2\r\n3\r\n4", 60, 3), (Lines{"1", "2", "3"}));
    EXPECT_TRUE(SplitTokusyuJijou("abc", 60, 0).empty());
    // The 16th line of 60 bytes would end at byte 960, which is not examined.
    Lines first960(16, std::string(60, 'z'));
    first960[15].clear();
    EXPECT_EQ(SplitTokusyuJijou(std::string(1000, 'z'), 60, 16), first960);
    // A line still open at byte 960 is dropped.
    EXPECT_EQ(SplitTokusyuJijou(std::string(950, 'y') + "\r\n" + std::string(30, 'w'), 1000, 2),
              (Lines{std::string(950, 'y'), ""}));
}
