#include "output/SupportInfo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/MessageBox.h"
#include "support/FailAllocations.h"

namespace fs = std::filesystem;

namespace {

class ClRecordingMessageBox final : public ClMessageBox {
public:
    struct StShown {
        std::string text, caption;
        std::uint32_t style;
    };
    std::vector<StShown> shown;
    int Show(VkWindow, const char* text, const char* caption, std::uint32_t style) override {
        shown.push_back({text, caption, style});
        return mb::kIdOk;
    }
};

class SupportInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("orbek-support-" + std::to_string(std::random_device()()));
        fs::create_directory(dir);
        info.SetFolder((dir.string() + "/").c_str());
        SetCurrentMessageBox(&messages);
    }
    void TearDown() override {
        SetCurrentMessageBox(nullptr);
        fs::remove_all(dir);
    }
    void WriteFile(const std::string& bytes) {
        std::ofstream(dir / "SUPPORT.INF", std::ios::binary) << bytes;
    }

    fs::path dir;
    ClRecordingMessageBox messages;
    ClSupportInfo info;
};

TEST_F(SupportInfoTest, ValuesEndAtTheirLine) {
    WriteFile("[=製品名=]Varnoke１７ PRO\r\n[=会社名=]x\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]17.00.05\r\nrest");
    EXPECT_STREQ(info.GetProductName(), "Varnoke１７ PRO");  // a marker at the very start
    EXPECT_STREQ(info.GetProductVersion(), "17.00.05");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SupportInfoTest, NoFileGivesEmptyValuesWithoutAMessage) {
    EXPECT_EQ(info.Load(), 0);
    EXPECT_STREQ(info.GetProductName(), "");
    WriteFile("[=製品名=]late");  // not read again
    EXPECT_STREQ(info.GetProductVersion(), "");
    EXPECT_STREQ(info.GetProductName(), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SupportInfoTest, ValueEndsAtTheEndOfFileMarkOrWhereTheBytesEnd) {
    WriteFile("[=製品ﾊﾞｰｼﾞｮﾝ=]17.1\x1A" "garbage[=製品名=]ABC");
    EXPECT_STREQ(info.GetProductVersion(), "17.1");
    EXPECT_STREQ(info.GetProductName(), "ABC");  // never runs into the filler
}

TEST_F(SupportInfoTest, OnlyTheFirst30000BytesAreSearched) {
    const std::string head(29980, 'x');
    WriteFile(head + "\r\n[=製品名=]tailtailtail\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]1\r\n");
    EXPECT_STREQ(info.GetProductName(), "tailtail");  // cut where the buffer ends
    EXPECT_STREQ(info.GetProductVersion(), "");
}

TEST_F(SupportInfoTest, LongValuesAreCutWithoutSplittingACharacter) {
    std::string odd = "a";
    std::string even;
    for (int i = 0; i < 150; ++i) {
        odd += "漢";
        even += "漢";
    }
    WriteFile("[=製品名=]" + odd + "\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]" + even + "\r\n");
    EXPECT_EQ(std::string(info.GetProductName()), odd.substr(0, 255));
    EXPECT_EQ(std::string(info.GetProductVersion()), even.substr(0, 254));
}

TEST_F(SupportInfoTest, MarkerMustStartACharacter) {
    // "ー" is 0x81 0x5B: its second byte is "[" but starts no marker.
    WriteFile("ー=製品名=]wrong\r\n[=製品名=]right\r\n");
    EXPECT_STREQ(info.GetProductName(), "right");
}

TEST_F(SupportInfoTest, NoMemoryShowsTheMessageOnEveryLookup) {
    WriteFile("[=製品名=]A\r\n");
    {
        ClFailAllocations noBuffer(
            [](std::size_t size) { return size == ClSupportInfo::kBufferSize; });
        EXPECT_STREQ(info.GetProductName(), "");
        EXPECT_STREQ(info.GetProductVersion(), "");
    }
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "ﾒﾓﾘが不足しています。");
    EXPECT_EQ(messages.shown[0].caption, "所得税");
    EXPECT_EQ(messages.shown[0].style, mb::kOk);
    EXPECT_STREQ(info.GetProductName(), "A");  // memory again: the file is read
}

TEST_F(SupportInfoTest, ReadsFromTheCurrentFolderByDefault) {
    const std::string sjisName = "所得税";  // a Shift_JIS folder name
    const fs::path sub = dir / std::u8string(u8"所得税");
    fs::create_directory(sub);
    std::ofstream(sub / "SUPPORT.INF", std::ios::binary) << "[=製品名=]here\r\n";
    ClSupportInfo inFolder;
    inFolder.SetFolder((dir.string() + "/" + sjisName + "/").c_str());
    EXPECT_STREQ(inFolder.GetProductName(), "here");

    const fs::path previous = fs::current_path();
    fs::current_path(sub);
    ClSupportInfo current;
    EXPECT_STREQ(current.GetProductName(), "here");
    fs::current_path(previous);
}

}  // namespace
