// The Windows layer against the real calls (under Wine in CI).
#include "platform/win32/WinApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "common/Sjis.h"
#include "services/OutputFile.h"
#include "services/TaskMemory.h"

namespace {

// Everything the program passes to the "A" calls is Shift_JIS.
TEST(Win32Environment, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

// The pairs the exporter lets through are exactly those Windows converts.
TEST(Win32Environment, AssignedPairsAreThoseWindowsConverts) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!sjis::IsLeadByte(static_cast<unsigned char>(lead))) continue;
        for (unsigned trail = 0; trail < 256; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2];
            const bool converts = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) == 1;
            EXPECT_EQ(sjis::IsAssignedPair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)),
                      converts)
                << std::hex << lead << ' ' << trail;
        }
    }
}

TEST(Win32TaskMemory, BlocksAreZeroedAndKnowTheirSize) {
    auto* block = static_cast<unsigned char*>(TaskMemAlloc(100));
    ASSERT_NE(block, nullptr);
    EXPECT_GE(TaskMemSize(block), 100u);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(block[i], 0) << i;
    TaskMemFree(block);
    EXPECT_EQ(TaskMemSize(nullptr), 0u);
    TaskMemFree(nullptr);
}

class Win32OutputFile : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        // The folder name ends in 表 (0x95 0x5C): its 0x5C is no separator.
        folder_ = std::string(temp) + "obk\x95\x5C\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        target_ = folder_ + "out.xml";
        DeleteFileA(target_.c_str());
    }
    void TearDown() override {
        DeleteFileA(target_.c_str());
        EXPECT_EQ(FilesInFolder(), 0) << "temporary file left behind";
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Read() const {
        std::ifstream in(target_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Put(const std::string& bytes) const {
        std::ofstream(target_, std::ios::binary) << bytes;
    }
    int FilesInFolder() const {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return 0;
        int count = 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                target_ != folder_ + found.cFileName)
                ++count;
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return count;
    }
    std::string folder_;
    std::string target_;
};

// Nothing reaches the target before Commit, and nothing without it.
TEST_F(Win32OutputFile, OnlyACommitReplacesTheTarget) {
    Put("old");
    auto file = NewOutputFile();
    const std::string bytes = "<A>\x8F\x8A\x93\xBE\x90\xC5</A>\r\n";
    ASSERT_TRUE(file->Create(target_.c_str()) && file->Write(bytes.data(), bytes.size()));
    EXPECT_EQ(Read(), "old");
    ASSERT_TRUE(file->Commit());
    file->Close();
    EXPECT_EQ(Read(), bytes);
    ASSERT_TRUE(file->Create(target_.c_str()) && file->Write("new", 3));
    file.reset();
    EXPECT_EQ(Read(), bytes);
}

// A reader of the target that holds on makes the commit fail, the target as
// it was; one that lets go within a moment (as a run reading the remembered
// paths does) is waited for.
TEST_F(Win32OutputFile, AReaderOfTheTargetIsWaitedForAMomentOnly) {
    Put("old");
    HANDLE reader = CreateFileA(target_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(target_.c_str()) && file->Write("new", 3));
    EXPECT_FALSE(file->Commit());
    file->Close();
    EXPECT_EQ(Read(), "old");
    HANDLE closer = CreateThread(
        nullptr, 0,
        [](void* handle) -> DWORD {
            Sleep(200);
            CloseHandle(static_cast<HANDLE>(handle));
            return 0;
        },
        reader, 0, nullptr);
    ASSERT_NE(closer, nullptr);
    ASSERT_TRUE(file->Create(target_.c_str()) && file->Write("new", 3));
    EXPECT_TRUE(file->Commit());
    WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);
    EXPECT_EQ(Read(), "new");
}

TEST_F(Win32OutputFile, TargetsThatCannotBeWrittenFailAtCreate) {
    Put("old");
    ASSERT_TRUE(SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY));
    auto file = NewOutputFile();
    EXPECT_FALSE(file->Create(target_.c_str()));
    SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Read(), "old");
    EXPECT_FALSE(file->Create((folder_ + "missing\\out.xml").c_str()));
    EXPECT_FALSE(file->Create(folder_.c_str()));
    EXPECT_FALSE(file->Create(folder_.substr(0, folder_.size() - 1).c_str()));
    EXPECT_FALSE(file->Create(""));
    EXPECT_FALSE(file->Write("x", 1));
    EXPECT_FALSE(file->Commit());
}

}  // namespace
