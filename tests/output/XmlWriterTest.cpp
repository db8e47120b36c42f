#include "output/XmlWriter.h"

#include <gtest/gtest.h>

#include "output/MemoryOutputFile.h"

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
// allows, reach the file: in element texts and attribute values alike.
TEST_F(XmlWriterTest, WritesWholeCharactersOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"ab\x95", "ab"},                                // 表 cut by its field's width
        {"\xE0", ""},                                    // nothing but a first byte
        {"\x84\020A", "  A"},                            // a broken pair: the second byte on its own
        {"\x81&\x81<\x81\x7F", " &amp; &lt; \x7F"},      // no second byte before escaped bytes or DEL
        {"\x80\xA0\xFD\xFE\xFF", "     "},               // never a character
        {"\x84\xD3\x88\155A\xEB\x64\xEF\xA0", "  A  "},  // pairs code page 932 leaves unassigned
        {"\x01\x08\x0B\x0C\x0E\x1F", "      "},          // control bytes XML refuses
        {"\t\n\r\x7F", "\t\n\r\x7F"},                    // those it allows
        // Rows FA-FC, user-defined rows F0-F9, half-width kana, second bytes 0x40, 0x7E, 0x80 and 0xFC.
        {"\xFA\x40\xFC\x4B\xF0\x40\xF9\xFC\xA1\xDF\x81\x7E\x81\x80",
         "\xFA\x40\xFC\x4B\xF0\x40\xF9\xFC\xA1\xDF\x81\x7E\x81\x80"},
    };
    for (const auto& [text, written] : cases) {
        EXPECT_EQ(ClXmlWriter::Escape(text), written);
        ASSERT_EQ(writer.WriteElement(line, "E", text, 0, "A", text), 1);
        EXPECT_EQ(line, std::string("<E A=\"") + written + "\">" + written + "</E>\r\n");
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
