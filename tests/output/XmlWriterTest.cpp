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

TEST_F(XmlWriterTest, WritesEachLineInOneWrite) {
    EXPECT_EQ(writer.WriteLine("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"), 1);
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 1);
    EXPECT_EQ(writer.WriteStartTag(line, "SYSTEM", 1), 1);
    EXPECT_EQ(writer.WriteElement(line, "VERSION", "1", 2), 1);
    EXPECT_EQ(line, "\t\t<VERSION>1</VERSION>\r\n");  // the caller's buffer holds the line
    EXPECT_EQ(writer.WriteStartTag(line, "FUDOUSAN_UTIWAKE", 4, "COUNT", "3"), 1);
    EXPECT_EQ(writer.WriteElement(line, "EMPTY", "", 3), 1);
    EXPECT_EQ(writer.WriteEndTag(line, "SYSTEM", 1), 1);
    EXPECT_EQ(writer.WriteEndTag(line, "REPORT", -2), 1);
    const std::vector<std::string> expected = {
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n",
        "<REPORT>\r\n",
        "\t<SYSTEM>\r\n",
        "\t\t<VERSION>1</VERSION>\r\n",
        "\t\t\t\t<FUDOUSAN_UTIWAKE COUNT=\"3\">\r\n",
        "\t\t\t<EMPTY></EMPTY>\r\n",
        "\t</SYSTEM>\r\n",
        "</REPORT>\r\n",
    };
    EXPECT_EQ(file.writes, expected);
}

TEST_F(XmlWriterTest, AttributesNeedNameAndValueAndTheFirstBeforeTheSecond) {
    writer.WriteStartTag(line, "A", 0, "X", "1", "Y", "2");
    writer.WriteStartTag(line, "B", 0, "X", nullptr, "Y", "2");
    writer.WriteStartTag(line, "C", 0, nullptr, "1", "Y", "2");
    writer.WriteStartTag(line, "D", 0, "X", "1", "Y", nullptr);
    writer.WriteElement(line, "E", "t", 0, "X", "a\"b");
    EXPECT_EQ(file.Content(),
              "<A X=\"1\" Y=\"2\">\r\n<B>\r\n<C>\r\n<D X=\"1\">\r\n<E X=\"a&quot;b\">t</E>\r\n");
}

TEST_F(XmlWriterTest, EscapesTheFiveBytesAndPassesDoubleByteText) {
    EXPECT_EQ(ClXmlWriter::Escape("A&B<C>\"'"), "A&amp;B&lt;C&gt;&quot;&apos;");
    // "表" and "ソ" end in 0x5C, "ー" in 0x5B: double-byte text passes unchanged.
    const char* kanji = "所得税 表ソー＆";
    EXPECT_EQ(ClXmlWriter::Escape(kanji), kanji);
    writer.WriteElement(line, "NAME", kanji, 1);
    EXPECT_EQ(file.Content(), std::string("\t<NAME>") + kanji + "</NAME>\r\n");
}

TEST_F(XmlWriterTest, LongTextIsNeitherCutNorOverflowing) {
    std::string text;
    for (int i = 0; i < 200; ++i) text += "&漢";
    std::string expected;
    for (int i = 0; i < 200; ++i) expected += "&amp;漢";
    EXPECT_EQ(ClXmlWriter::Escape(text.c_str()), expected);
    EXPECT_EQ(writer.WriteElement(line, "T", text.c_str(), 2, "N", text.c_str()), 1);
    EXPECT_EQ(file.Content(), "\t\t<T N=\"" + expected + "\">" + expected + "</T>\r\n");
}

TEST_F(XmlWriterTest, FailedWriteClosesTheFileAndEveryLaterWriteFails) {
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

TEST_F(XmlWriterTest, CommitThenCloseAndCloseTwice) {
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 1);
    EXPECT_EQ(writer.Commit(), 1);
    EXPECT_TRUE(file.committed);
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_EQ(file.closes, 1);
    EXPECT_EQ(writer.WriteLine("x"), 0);  // no file any more

    ClMemoryOutputFile refusing;
    refusing.refuseCommit = true;
    ASSERT_EQ(writer.Open(&refusing, "out.xml"), 0);
    EXPECT_EQ(writer.Commit(), 0);
    EXPECT_FALSE(refusing.open);
    EXPECT_EQ(writer.WriteLine("y"), 0);
    writer.Close();  // before the file goes
}

TEST(XmlWriter, OpenResults) {
    ClMemoryOutputFile file;
    ClXmlWriter writer;
    EXPECT_EQ(writer.Close(), 0);  // never opened: nothing happens
    EXPECT_EQ(file.closes, 0);
    EXPECT_EQ(writer.Open(nullptr, "out.xml"), -1);
    EXPECT_EQ(writer.Open(&file, nullptr), -1);
    EXPECT_EQ(writer.Open(&file, ""), -1);
    EXPECT_FALSE(file.open);

    file.refuseCreate = true;
    std::string line;
    EXPECT_EQ(writer.Open(&file, "out.xml"), -1);
    // The report frame does not look at the open: its first write fails.
    EXPECT_EQ(writer.WriteStartTag(line, "REPORT", 0), 0);
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_TRUE(file.writes.empty());
}

}  // namespace
