#include "platform/posix/IniProfileReader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"

TEST(IniProfileReader, ReadsAsTheWindowsReaderDoes) {
    TempFolder folder;
    const std::string path = folder.path + "/QuillonDef.ini";
    std::ofstream(path) << "; comment\r\n[Other]\r\nQL14=9\r\n  [ programlevel ]  \r\n"
                           "  ql14  =  01 x  \r\nEmpty=\r\n";
    ClIniProfileReader reader;
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "QL14", "1"), "01 x");
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "Empty", "1"), "");
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "Missing", "1"), "1");
}
