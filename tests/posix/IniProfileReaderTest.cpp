#include "platform/posix/IniProfileReader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"

TEST(IniProfileReader, ReadsAsTheWindowsReaderDoes) {
    TempFolder folder;
    const std::string path = folder.path + "/QuillonDef.ini";
    std::ofstream(path) << "; comment\r\n[Other]\r\nQL14=9\r\n  [ programlevel ]  \r\n"
                           "  ql14  =  01 x  \r\nEmpty=\r\n"
                           "Q1=\"1\"\nQ2='1'\nQ3=\"1\nQ4=\"\"\nQ5=\"\nQ6=\"1'\nQ7=\" 1 \"\n";
    ClIniProfileReader reader;
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "QL14", "1"), "01 x");
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "Empty", "1"), "");
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "Missing", "1"), "1");
    // One pair of quotes around a value goes, as on Windows.
    const std::pair<const char*, const char*> quoted[] = {
        {"Q1", "1"}, {"Q2", "1"}, {"Q3", "\"1"}, {"Q4", ""}, {"Q5", "\""}, {"Q6", "\"1'"}, {"Q7", " 1 "}};
    for (const auto& [key, value] : quoted) EXPECT_EQ(reader.GetString(path, "ProgramLevel", key, "d"), value) << key;
}
