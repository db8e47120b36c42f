#include "services/OutputFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempFolder.h"

namespace {

class OutputFileTest : public ::testing::Test {
protected:
    std::string Read(const std::string& name) const {
        std::ifstream in(dir.path + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t Entries() const {
        using std::filesystem::directory_iterator;
        return static_cast<std::size_t>(std::distance(directory_iterator(dir.path), {}));
    }

    TempFolder dir;
    const std::string sjisTarget = dir.path + "/所得税.xml";  // narrow literal: Shift_JIS
    const std::string utf8Name = Utf8(u8"所得税.xml");
};

TEST_F(OutputFileTest, CommitReplacesTheTargetKeepingItsMode) {
    std::ofstream(dir.path + "/" + utf8Name) << "old";
    ASSERT_EQ(chmod((dir.path + "/" + utf8Name).c_str(), 0640), 0);
    auto file = NewOutputFile();
    ASSERT_TRUE(file->Create(sjisTarget.c_str()));
    ASSERT_TRUE(file->Write("<A>\r\n\x8f\x8a", 7));
    EXPECT_EQ(Read(utf8Name), "old");  // nothing reaches the target before the commit
    ASSERT_TRUE(file->Commit());
    file->Close();
    EXPECT_EQ(Read(utf8Name), "<A>\r\n\x8f\x8a");
    EXPECT_EQ(Entries(), 1u);  // no temporary file left
    struct stat st {};
    ASSERT_EQ(stat((dir.path + "/" + utf8Name).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(OutputFileTest, WithoutACommitTheTargetStaysAndNothingIsLeft) {
    std::ofstream(dir.path + "/" + utf8Name) << "old";
    {
        auto file = NewOutputFile();
        ASSERT_TRUE(file->Create(sjisTarget.c_str()));
        ASSERT_TRUE(file->Write("partial", 7));
        file->Close();
        EXPECT_FALSE(file->Write("x", 1));
        EXPECT_FALSE(file->Commit());
        ASSERT_TRUE(NewOutputFile()->Create((dir.path + "/new.xml").c_str()));  // never closed
    }
    EXPECT_EQ(Read(utf8Name), "old");
    EXPECT_EQ(Entries(), 1u);

    auto file = NewOutputFile();
    for (const std::string& target : {dir.path + "/missing/r.xml", dir.path, dir.path + "/",
                                      std::string(), dir.path + "/\x82"}) {  // the last no code page 932
        EXPECT_FALSE(file->Create(target.c_str())) << target;
    }
    EXPECT_FALSE(file->Write("x", 1));
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace
