#include "output/XmlWriter.h"

#include <gtest/gtest.h>

#include "output/MemoryOutputFile.h"
#include "support/CaseFile.h"

namespace {

class XmlWriterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(writer.Open(&file, "out.xml"), 0); }
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    std::string line;
};

TEST_F(XmlWriterTest, WritesEachLineInOneWriteWithItsAttributesAndEscapedText) {
    EXPECT_EQ(ClXmlWriter::Escape("A&B<C>\"'"), "A&amp;B&lt;C&gt;&quot;&apos;");
    std::string text, escaped;  // neither cut nor overflowing any buffer
    for (int i = 0; i < 200; ++i) text += "&漢", escaped += "&amp;漢";
    EXPECT_EQ(writer.WriteLine("<?xml?>\r\n"), 1);
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0, "X", "1", "Y", "2"), 1);
    // An attribute needs its name and value, and the second the first.
    writer.WriteStartTag(line, "B", 1, "X", nullptr, "Y", "2");
    writer.WriteStartTag(line, "C", 1, nullptr, "1", "Y", "2");
    writer.WriteStartTag(line, "D", 4, "X", "1", "Y", nullptr);
    // "表" and "ソ" end in 0x5C, "ー" in 0x5B: double-byte text passes unchanged.
    EXPECT_EQ(writer.WriteElement(line, "E", "<表ソー＆>", 2, "N", "a\"b"), 1);
    EXPECT_EQ(line, "\t\t<E N=\"a&quot;b\">&lt;表ソー＆&gt;</E>\r\n");  // the caller's buffer holds the line
    EXPECT_EQ(writer.WriteElement(line, "T", text.c_str(), 0, "N", text.c_str()), 1);
    EXPECT_EQ(writer.WriteElement(line, "EMPTY", "", 3), 1);
    EXPECT_EQ(writer.WriteEndTag(line, "REPORT", -2), 1);
    EXPECT_EQ(file.writes,
              (std::vector<std::string>{"<?xml?>\r\n", "<REPORT X=\"1\" Y=\"2\">\r\n", "\t<B>\r\n", "\t<C>\r\n",
                                        "\t\t\t\t<D X=\"1\">\r\n", "\t\t<E N=\"a&quot;b\">&lt;表ソー＆&gt;</E>\r\n",
                                        "<T N=\"" + escaped + "\">" + escaped + "</T>\r\n", "\t\t\t<EMPTY></EMPTY>\r\n",
                                        "</REPORT>\r\n"}));
}

// Only whole code page 932 characters, and of the control bytes only those XML
// allows, reach the file (data/whole-characters.cases).
TEST_F(XmlWriterTest, WritesWholeCharactersOnly) {
    for (const StCASE& c : ReadCases("output/data/whole-characters.cases")) {
        const std::string text = c["text"], written = c["written"];
        EXPECT_EQ(ClXmlWriter::Escape(text.c_str()), written) << c.where;
        ASSERT_EQ(writer.WriteElement(line, "E", text.c_str(), 0, "A", text.c_str()), 1);
        EXPECT_EQ(line, "<E A=\"" + written + "\">" + written + "</E>\r\n") << c.where;
    }
}

TEST_F(XmlWriterTest, FailedWriteClosesTheFileAndEveryLaterCallFails) {
    file.failAtWrite = 2;
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 1);
    EXPECT_EQ(writer.WriteStartTag(line, "SYSTEM", 1), 0);
    EXPECT_FALSE(file.open);
    file.failAtWrite = 0;
    EXPECT_EQ(writer.WriteEndTag(line, "REPORT", 0), 0);
    EXPECT_EQ(writer.WriteLine("x"), 0);
    EXPECT_EQ(writer.Commit(), 0);
    EXPECT_FALSE(file.committed);
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_EQ(file.writes.size(), 1u);
}

TEST_F(XmlWriterTest, CommitThenCloseOnceAndARefusedCommitClosesTheFile) {
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 1);
    EXPECT_EQ(writer.Commit(), 1);
    EXPECT_TRUE(file.committed);
    EXPECT_EQ(writer.Close(), 0);  // no file any more
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_EQ(writer.WriteLine("x"), 0);
    EXPECT_EQ(file.closes, 1);

    ClMemoryOutputFile refusing;
    refusing.refuseCommit = true;
    ASSERT_EQ(writer.Open(&refusing, "out.xml"), 0);
    EXPECT_EQ(writer.Commit(), 0);
    EXPECT_EQ(writer.WriteLine("y"), 0);
    EXPECT_FALSE(refusing.open);
    writer.Close();  // before the file goes
}

TEST(XmlWriter, OpenNeedsAFileAPathAndTheCreation) {
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    EXPECT_EQ(writer.Close(), 0);  // never opened: nothing happens
    EXPECT_EQ(writer.Open(nullptr, "out.xml"), -1);
    EXPECT_EQ(writer.Open(&file, nullptr), -1);
    EXPECT_EQ(writer.Open(&file, ""), -1);
    EXPECT_EQ(file.closes, 0);
    EXPECT_FALSE(file.open);
    file.refuseCreate = true;
    EXPECT_EQ(writer.Open(&file, "out.xml"), -1);
    std::string line;  // the report frame does not look at the open: its first write fails
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 0);
    EXPECT_TRUE(file.writes.empty());
}

}  // namespace
