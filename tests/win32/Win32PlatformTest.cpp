// The Windows layer against the real calls (under Wine in CI).
#include "platform/win32/WinApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "common/FileCases.h"
#include "common/Sjis.h"
#include "services/OutputFile.h"
#include "services/TaskMemory.h"
#include "support/TestSupport.h"

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
        // This run's own folder, so that what a failed run left cannot fail the next; its name
        // ends in 表 (0x95 0x5C), whose 0x5C is no separator.
        folder_ = std::string(temp) + "obk" + std::to_string(GetCurrentProcessId()) + "\x95\x5C\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        target_ = folder_ + "out.xml";
        DeleteFileA(target_.c_str());
    }
    void TearDown() override {
        DeleteFileA(target_.c_str());
        EXPECT_EQ(Names(), std::set<std::string>{}) << "temporary file left behind";
        RemoveDirectoryA(folder_.c_str());
    }
    std::string Read() const { return ReadFileBytes(target_); }
    void Put(const std::string& bytes) const { std::ofstream(target_, std::ios::binary) << bytes; }
    // The names in the folder, folders included.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            if (std::strcmp(found.cFileName, ".") && std::strcmp(found.cFileName, "..")) names.insert(found.cFileName);
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return names;
    }
    std::string folder_;
    std::string target_;
};

TEST_F(Win32OutputFile, OnlyACommitReplacesTheTarget) {
    Put("old");
    ExpectOnlyACommitReplaces(folder_, "out.xml", [](const std::string& path) { return ReadFileBytes(path); });
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
    ExpectRefusedCreates(folder_, '\\');
}

// A target of 259 bytes with a short name: the temporary name beside it
// takes the path past MAX_PATH, and must still be made and renamed.
TEST_F(Win32OutputFile, ATargetJustWithinMaxPathIsWritten) {
    std::string deep = folder_;
    std::vector<std::string> made;
    // Folders of at most 100 bytes, each with its separator, up to 256 bytes.
    const std::size_t left = 256 - folder_.size(), count = (left + 100) / 101;
    for (std::size_t i = 0; i < count; ++i) {
        deep += std::string((left - count) / count + (i < (left - count) % count ? 1 : 0), 'd') + "\\";
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
        made.push_back(deep);
    }
    const std::string target = deep + "a.x";
    ASSERT_EQ(target.size(), 259u);
    auto file = NewOutputFile();
    EXPECT_TRUE(file->Create(target.c_str()) && file->Write("new", 3) && file->Commit());
    file->Close();
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_TRUE(DeleteFileA(target.c_str()));
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder) {
        EXPECT_TRUE(RemoveDirectoryA(folder->c_str())) << "left in " << *folder;
    }
}

// Only this program's names count, and only files over an hour old; a
// folder of such a name stays.
TEST_F(Win32OutputFile, StaleTemporaryFilesAreRemovedWhenTheNextIsMade) {
    const std::set<std::string> kept = {"~ob0a1b3.tmp",  "~ob0a1b4",    "~OB0A1B5.TMP",
                                        "x~ob0a1b6.tmp", "~ob0a1b.tmp", "~ob0a1b7.tmp"};
    ASSERT_TRUE(CreateDirectoryA((folder_ + "~ob0a1b7.tmp").c_str(), nullptr));
    for (const std::string& name : kept) std::ofstream(folder_ + name) << "left";
    std::ofstream(folder_ + "~ob0a1b2.tmp") << "stale";
    FILETIME old;
    GetSystemTimeAsFileTime(&old);
    ULARGE_INTEGER ticks{{old.dwLowDateTime, old.dwHighDateTime}};
    ticks.QuadPart -= 2ull * 3600 * 10000000;
    old = {ticks.LowPart, ticks.HighPart};
    for (const std::string& name : Names()) {
        if (name == "~ob0a1b3.tmp") continue;  // fresh
        HANDLE entry = CreateFileA((folder_ + name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        ASSERT_NE(entry, INVALID_HANDLE_VALUE) << name;
        EXPECT_TRUE(SetFileTime(entry, nullptr, nullptr, &old)) << name;
        CloseHandle(entry);
    }
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(target_.c_str()));
    file->Close();
    EXPECT_EQ(Names(), kept);
    RemoveDirectoryA((folder_ + "~ob0a1b7.tmp").c_str());
    for (const std::string& name : kept) DeleteFileA((folder_ + name).c_str());
}

}  // namespace
