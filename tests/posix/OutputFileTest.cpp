#include "platform/OutputFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/orbek-out-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        target = dir / "report.xml";
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }

    fs::path dir;
    fs::path target;
};

TEST_F(OutputFileTest, CommitReplacesTheTargetAndLeavesNoTemporaryFile) {
    Put(target, "old");
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(target.c_str()));
    ASSERT_TRUE(file->Write("<A>\r\n", 5));
    ASSERT_TRUE(file->Write("\x8f\x8a", 2));
    EXPECT_EQ(Read(target), "old");  // nothing reaches the target before the commit
    EXPECT_EQ(Entries(), 2u);
    ASSERT_TRUE(file->Commit());
    file->Close();
    EXPECT_EQ(Read(target), "<A>\r\n\x8f\x8a");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, CloseWithoutCommitRemovesTheTemporaryFileAndKeepsTheTarget) {
    Put(target, "old");
    {
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(target.c_str()));
        ASSERT_TRUE(file->Write("partial", 7));
        file->Close();
        EXPECT_FALSE(file->Write("x", 1));
        EXPECT_FALSE(file->Commit());
    }
    EXPECT_EQ(Read(target), "old");
    EXPECT_EQ(Entries(), 1u);
    {
        auto file = NewOutputFile();  // destroyed without Close
        ASSERT_TRUE(file->Create((dir / "new.xml").c_str()));
    }
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, TargetsThatCannotBeWrittenFailAtCreate) {
    auto file = NewOutputFile();
    EXPECT_FALSE(file->Create((dir / "missing" / "r.xml").c_str()));
    EXPECT_FALSE(file->Create(dir.c_str()));  // a folder
    EXPECT_FALSE(file->Create((dir.string() + "/").c_str()));
    EXPECT_FALSE(file->Create(""));
    EXPECT_FALSE(file->Create("\x82"));  // not code page 932
    EXPECT_FALSE(file->Write("x", 1));
    EXPECT_EQ(Entries(), 0u);
}

TEST_F(OutputFileTest, ShiftJisPathBecomesUtf8AndTheModeIsKept) {
    const fs::path utf8Target = dir / reinterpret_cast<const char*>(u8"所得税.xml");
    Put(utf8Target, "old");
    ASSERT_EQ(chmod(utf8Target.c_str(), 0640), 0);
    const std::string sjisTarget = dir.string() + "/所得税.xml";  // narrow literal: Shift_JIS
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(sjisTarget.c_str()));
    ASSERT_TRUE(file->Write("new", 3));
    ASSERT_TRUE(file->Commit());
    EXPECT_EQ(Read(utf8Target), "new");
    struct stat st {};
    ASSERT_EQ(stat(utf8Target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
