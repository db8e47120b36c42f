#pragma once
// The cases both platforms' output file and file system share. Paths are as
// the program gives them (Shift_JIS); read gives the bytes a path holds on
// disk. Each platform checks besides that no temporary file is left.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialog/PathHelpers.h"
#include "services/FileSystem.h"
#include "services/OutputFile.h"

using ReadBytes = std::function<std::string(const std::string& path)>;

// In folder (with its separator), where name holds "old": nothing reaches the
// target before the commit, and nothing without one, also from a file never
// closed; a file that was never there is not made without a commit either.
inline void ExpectOnlyACommitReplaces(const std::string& folder, const std::string& name, const ReadBytes& read) {
    const std::string target = folder + name, bytes = "<A>\x8F\x8A\x93\xBE\x90\xC5</A>\r\n";
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(target.c_str()));
    ASSERT_TRUE(file->Write(bytes.data(), bytes.size()));
    EXPECT_EQ(read(target), "old");
    ASSERT_TRUE(file->Commit());
    file->Close();
    EXPECT_EQ(read(target), bytes);
    ASSERT_TRUE(file->Create(target.c_str()));
    ASSERT_TRUE(file->Write("new", 3));
    file->Close();
    EXPECT_FALSE(file->Write("x", 1));  // closed
    EXPECT_FALSE(file->Commit());
    ASSERT_TRUE(NewOutputFile()->Create(target.c_str()));  // never closed
    ASSERT_TRUE(NewOutputFile()->Create((folder + "new.xml").c_str()));
    EXPECT_EQ(read(target), bytes);
}

// Creates that fail in folder (with its separator): in a missing folder, the
// folder itself with or without its separator, no path; the refused file then
// takes no write and no commit.
inline void ExpectRefusedCreates(const std::string& folder, char separator) {
    auto file = NewOutputFile();
    const std::string paths[] = {folder + "missing" + separator + "out.xml", folder,
                                 folder.substr(0, folder.size() - 1), ""};
    for (const std::string& path : paths) EXPECT_FALSE(file->Create(path.c_str())) << path;
    EXPECT_FALSE(file->Write("x", 1));
    EXPECT_FALSE(file->Commit());
}

// A folder 表 (its second byte 0x5C, no separator) in parent (with its
// separator): made, a file ソ.env written into it and read back within a
// limit, the folder refused removal until removeFile took the file.
inline void ExpectDoubleByteFolderCycle(ClFileSystem& fs, const std::string& parent,
                                        const std::function<void(const std::string&)>& removeFile) {
    const char separator = fs.Style() == EnPathStyle::Windows ? '\\' : '/';
    const std::string folder = parent + "\x95\x5C", file = folder + separator + "\x83\x5C.env";
    EXPECT_FALSE(fs.IsFolder(folder));
    ASSERT_TRUE(fs.CreateFolder(folder));
    EXPECT_TRUE(fs.IsFolder(folder + separator));
    EXPECT_TRUE(fs.Access(folder, accessmode::kReadWrite));
    EXPECT_EQ(IsExistingFolder(fs, folder + separator + "out.xml"), 1);
    ASSERT_TRUE(fs.ReplaceFile(file, "a\nb\n"));
    std::string content;
    EXPECT_EQ(fs.ReadFile(file, content, 100), EnReadResult::Read);
    EXPECT_EQ(content, "a\nb\n");
    EXPECT_TRUE(fs.IsFile(file));
    EXPECT_FALSE(fs.IsFile(folder));
    EXPECT_EQ(fs.ReadFile(file, content, 3), EnReadResult::Failed);  // over the limit
    EXPECT_FALSE(fs.ReplaceFile(folder + separator + "missing" + separator + "a.env", "x"));
    EXPECT_FALSE(fs.RemoveFolder(folder));  // not empty
    removeFile(file);
    EXPECT_TRUE(fs.RemoveFolder(folder));
}

// A lock is held by one holder only, and free again once it lets go.
inline void ExpectLockIsExclusive(ClFileSystem& fs, const std::string& path) {
    {
        auto held = fs.LockFile(path);
        ASSERT_TRUE(held);
        EXPECT_FALSE(fs.LockFile(path));
    }
    EXPECT_TRUE(fs.LockFile(path));
}
