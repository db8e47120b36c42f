// The value texts, bounded copies, account-name marks, full-width mapping and
// the splitting of the special-circumstances remarks.
#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"
#include "report/FullWidthMap.h"
#include "report/KamokuMarks.h"
#include "report/ReportBuilder.h"
#include "report/TokusyuJijou.h"
#include "report/ValueText.h"

TEST(ValueText, AmountsCountsAndDates) {
    EXPECT_EQ(AmountText(12345678), "1234");
    EXPECT_EQ(AmountText(-12345678), "-1234");
    EXPECT_EQ(AmountText(5000), "");
    EXPECT_EQ(AmountText(-9999), "");
    EXPECT_EQ(AmountText(-15000), "-1");
    EXPECT_EQ(AmountText(INT64_MIN), "-922337203685477");
    EXPECT_EQ(CountText(0), "");
    EXPECT_EQ(CountText(-3), "-3");
    EXPECT_EQ(ContractMonthText(20150401), "201504");
    EXPECT_EQ(ContractMonthText(99), "");
    EXPECT_EQ(PaymentDateText(20150401), "20150401");
    EXPECT_EQ(PaymentDateText(0), "");
}

TEST(ValueText, CopyBoundedNeverSplitsACharacter) {
    // 29 bytes, then 表 (0x95 0x5C) at bytes 29 and 30: the 0x5C is no backslash.
    std::string location = "1東京都世田谷区桜丘一丁目二番表";
    ASSERT_EQ(location.size(), 31u);
    EXPECT_EQ(ClReportBuilder::CopyBounded(location, 30), location.substr(0, 29));
    EXPECT_EQ(ClReportBuilder::CopyBounded(location, 31), location);
    // 0x95 as the trail byte of ＆ (0x81 0x95) at the cut is kept: the character ends there.
    std::string amp = "abcde\x81\x95xyz";
    EXPECT_EQ(ClReportBuilder::CopyBounded(amp, 7), "abcde\x81\x95");
    EXPECT_EQ(ClReportBuilder::CopyBounded(amp, 6), "abcde");
    EXPECT_EQ(ClReportBuilder::CopyBounded("ﾊﾟｰﾄ", 2), "ﾊﾟ");  // half-width kana are single bytes
}

TEST(KamokuMarks, RemovesMarksByWholeCharacters) {
    std::string out = "unchanged";
    EXPECT_FALSE(StripKamokuMarks("", out));
    EXPECT_EQ(out, "unchanged");
    ASSERT_TRUE(StripKamokuMarks("【広告】(製)", out));
    EXPECT_EQ(out, "広告");
    ASSERT_TRUE(StripKamokuMarks(" 《通信》　（費）［１］", out));
    EXPECT_EQ(out, "通信費１");
    // ａ (0x82 0x81) followed by @ (0x40) holds the bytes of the full-width space
    // 0x81 0x40 across the character boundary: nothing may be removed.
    ASSERT_TRUE(StripKamokuMarks("ａ@ｂ", out));
    EXPECT_EQ(out, "ａ@ｂ");
    // 】 is 0x81 0x7A; inside ー (0x81 0x5B) followed by z no mark starts.
    ASSERT_TRUE(StripKamokuMarks("ソー(製)z", out));
    EXPECT_EQ(out, "ソーz");
    ASSERT_TRUE(StripKamokuMarks("(製", out));  // an unfinished mark is text
    EXPECT_EQ(out, "(製");
}

TEST(FullWidth, MapsEverySingleByteCharacter) {
    EXPECT_EQ(FullWidthForm(" "), "\x81\x40");
    for (int b = 0x21; b <= 0x7E; ++b) {
        char32_t wide = U'\uFF01' + static_cast<char32_t>(b - 0x21);
        std::string utf8 = {static_cast<char>(0xE0 | (wide >> 12)), static_cast<char>(0x80 | ((wide >> 6) & 0x3F)),
                            static_cast<char>(0x80 | (wide & 0x3F))};
        EXPECT_EQ(FullWidthForm(std::string(1, static_cast<char>(b))), Utf8ToSjis(utf8).value_or("?")) << b;
    }
    EXPECT_EQ(FullWidthForm("\""), "\xFA\x57");
    EXPECT_EQ(FullWidthForm("'"), "\xFA\x56");
    EXPECT_EQ(FullWidthForm("\\"), "\x81\x5F");
    EXPECT_EQ(FullWidthForm("~"), "\x81\x60");
    // Half-width katakana and punctuation, each alone.
    const std::string kana = "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
                             "マミムメモヤユヨラリルレロワン゛゜";
    for (int b = 0xA1; b <= 0xDF; ++b) {
        EXPECT_EQ(FullWidthForm(std::string(1, static_cast<char>(b))), kana.substr(2 * (b - 0xA1), 2)) << b;
    }
    EXPECT_EQ(FullWidthForm("\xB0"), "\x81\x5B");
    EXPECT_EQ(FullWidthForm("\xA4"), "\x81\x41");
    // Everything else passes unchanged, double-byte characters too.
    for (int b : {0x00, 0x09, 0x1F, 0x7F, 0x80, 0xA0, 0xFD, 0xFE, 0xFF}) {
        std::string s(1, static_cast<char>(b));
        EXPECT_EQ(FullWidthForm(s), s) << b;
    }
    EXPECT_EQ(FullWidthForm("表ａ"), "表ａ");
}

TEST(FullWidth, ComposesVoicedMarks) {
    EXPECT_EQ(FullWidthForm("ｶﾞ"), "\x83\x4B");
    EXPECT_EQ(FullWidthForm("ｳﾞ"), "\x83\x94");
    EXPECT_EQ(FullWidthForm("ﾊﾟ"), "\x83\x70");
    EXPECT_EQ(FullWidthForm("ﾄﾞﾎﾞﾎﾟ"), "ドボポ");
    EXPECT_EQ(FullWidthForm("ｱﾞｶﾟﾞ"), "ア゛カ゜゛");  // no composed form: the marks stand alone
    EXPECT_EQ(FullWidthForm("ﾔﾏﾀﾞ商店 ABC"), "ヤマダ商店　ＡＢＣ");
}

TEST(FullWidth, CompanyNameIsBounded) {
    std::string thirty(30, 'a');
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(thirty).size(), 60u);  // never cut
    std::string name(40, 'a');
    std::string wide = ClReportBuilder::ToFullWidthName(name);
    EXPECT_EQ(wide.size(), 62u);  // byte 63 would be the lead byte of the 32nd letter
    EXPECT_EQ(wide, FullWidthForm(std::string(31, 'a')));
    // Single bytes that stay single shift the characters: 63 bytes fit exactly.
    std::string mixed = "\x7F" + std::string(40, 'b');
    EXPECT_EQ(ClReportBuilder::ToFullWidthName(mixed).size(), 63u);
}

TEST(TokusyuJijou, SplitsAtLineBreaksWidthAndCharacters) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitTokusyuJijou("", 60, 5), Lines(5));
    std::string x130(130, 'x');
    EXPECT_EQ(SplitTokusyuJijou(x130, 60, 5), (Lines{std::string(60, 'x'), std::string(60, 'x'), "xxxxxxxxxx", "", ""}));
    // A double-byte character on bytes 59 and 60 begins the next line.
    std::string across = std::string(59, 'a') + "字b";
    EXPECT_EQ(SplitTokusyuJijou(across, 60, 2), (Lines{std::string(59, 'a'), "字b"}));
    // ... also when its trail byte is 0x5C.
    EXPECT_EQ(SplitTokusyuJijou(std::string(59, 'a') + "表", 60, 2), (Lines{std::string(59, 'a'), "表"}));
    EXPECT_EQ(SplitTokusyuJijou("\r\nA\r\n\r\nB", 60, 5), (Lines{"", "A", "", "B", ""}));
    EXPECT_EQ(SplitTokusyuJijou("A\rB\nC", 60, 2), (Lines{"A\rB\nC", ""}));  // lone CR and LF are text
    EXPECT_EQ(SplitTokusyuJijou("1\r\n2\r\n3\r\n4", 60, 3), (Lines{"1", "2", "3"}));
    EXPECT_TRUE(SplitTokusyuJijou("abc", 60, 0).empty());
}

TEST(TokusyuJijou, ExaminesOnlyTheFirst960Bytes) {
    // The 16th line of 60 bytes would end at byte 960, which is not examined.
    std::string text(1000, 'z');
    std::vector<std::string> lines = SplitTokusyuJijou(text, 60, 20);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[14], std::string(60, 'z'));
    EXPECT_EQ(lines[15], "");
    // A line still open at byte 960 is dropped.
    std::string open = std::string(950, 'y') + "\r\n" + std::string(30, 'w');
    lines = SplitTokusyuJijou(open, 1000, 3);
    EXPECT_EQ(lines[0].size(), 950u);
    EXPECT_EQ(lines[1], "");
}
