#include "output/SupportInfo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "doubles/FailAllocations.h"
#include "doubles/RecordingMessageBox.h"
#include "services/ReadFile.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class SupportInfoTest : public ::testing::Test {
protected:
    SupportInfoTest() {
        fs::create_directories(dir / u8"所得税");
        fs::current_path(dir);  // the file is read from the current directory
        SetCurrentMessageBox(&messages);
    }
    ~SupportInfoTest() override {
        SetCurrentMessageBox(nullptr);
        fs::current_path(home);
    }
    void WriteFile(const std::string& bytes) { std::ofstream(dir / "SUPPORT.INF", std::ios::binary) << bytes; }

    TempFolder temp;
    const fs::path dir = temp.path;
    const fs::path home = fs::current_path();
    ClRecordingMessageBox messages;
    ClSupportInfo info;
};

TEST_F(SupportInfoTest, ValuesEndAtTheirLineTheEndOfFileMarkOrTheSearchedBytes) {
    std::string kanji;
    for (int i = 0; i < 150; ++i) kanji += "漢";
    const std::pair<std::string, std::pair<std::string, std::string>> cases[] = {
        // A marker at the very start; other items are not taken for the product's.
        {"[=製品名=]Varnoke１７ PRO\r\n[=会社名=]x\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]17.00.05\r\nrest",
         {"Varnoke１７ PRO", "17.00.05"}},
        {"[=製品ﾊﾞｰｼﾞｮﾝ=]17.1\032garbage[=製品名=]ABC", {"ABC", "17.1"}},  // never runs into the filler
        // "ー" is 0x81 0x5B: its second byte is "[" but starts no marker.
        {"ー=製品名=]wrong\r\n[=製品名=]right\r\n", {"right", ""}},
        // Only the first 30000 bytes are searched: the value is cut where they end.
        {std::string(29980, 'x') + "\r\n[=製品名=]tailtailtail\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]1\r\n", {"tailtail", ""}},
        // Long values are cut to 255 bytes without splitting a character.
        {"[=製品名=]a" + kanji + "\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]" + kanji, {("a" + kanji).substr(0, 255), kanji.substr(0, 254)}},
    };
    for (const auto& [file, values] : cases) {
        WriteFile(file);
        ClSupportInfo fresh;
        EXPECT_EQ(values, std::make_pair(std::string(fresh.GetProductName()), std::string(fresh.GetProductVersion())));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SupportInfoTest, NoMemoryShowsTheMessageOnEveryLookup) {
    WriteFile("[=製品名=]A\r\n");
    {
        ClFailAllocations noBuffer([](std::size_t size) { return size == ClSupportInfo::kBufferSize; });
        EXPECT_STREQ(info.GetProductName(), "");
        EXPECT_STREQ(info.GetProductVersion(), "");
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>(2, "ﾒﾓﾘが不足しています。"));
    EXPECT_EQ(messages.shown[1].caption, "所得税");
    EXPECT_EQ(messages.shown[1].style, 0x30u);
    EXPECT_STREQ(info.GetProductName(), "A");  // memory again: the file is read
}

TEST_F(SupportInfoTest, NoFileIsLookedForOnceWithoutAMessageAndAShiftJisPathIsRead) {
    EXPECT_EQ(info.Load(), 0);
    WriteFile("[=製品名=]late");
    EXPECT_STREQ(info.GetProductName(), "");
    EXPECT_TRUE(messages.shown.empty());
    std::ofstream(dir / u8"所得税" / "SUPPORT.INF", std::ios::binary) << "here";  // a folder with a Shift_JIS name
    char head[8] = {};
    EXPECT_EQ(ReadFileHead((dir.string() + "/所得税/SUPPORT.INF").c_str(), head, sizeof head), 4);
    EXPECT_STREQ(head, "here");
}

}  // namespace
