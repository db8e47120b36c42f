// The project's own full-width table, where Windows maps with LCMapStringA.
#include "platform/posix/FullWidthMap.h"

#include <gtest/gtest.h>

#include "services/CodePage.h"

TEST(FullWidth, MapsEverySingleByteCharacterAndComposesVoicedMarks) {
    for (int b = 0x21; b <= 0x7E; ++b) {  // the forms U+FF01 to U+FF5E, as code page 932 holds them
        const char32_t wide = U'\uFF01' + static_cast<char32_t>(b - 0x21);
        const std::string utf8 = {static_cast<char>(0xE0 | (wide >> 12)),
                                  static_cast<char>(0x80 | ((wide >> 6) & 0x3F)),
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
