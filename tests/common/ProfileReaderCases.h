#pragma once
// The cases both platforms' profile readers share: each reads a file as
// GetPrivateProfileStringA does.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>

#include "services/ProfileReader.h"

// Writes a definition file at path (ASCII), reads it, then reads it once removed.
inline void ExpectReadsAsWindowsDoes(ClProfileReader& reader, const std::string& path) {
    std::ofstream(path, std::ios::binary) << "; comment\r\n[Other]\r\nQL14=9\r\n  [ programlevel ]  \r\n"
                                             "  ql14  =  01 x  \r\nEmpty=\r\nLONG=1234567890123456789\r\n"
                                             "Q1=\"1\"\nQ2='1'\nQ3=\"1\nQ4=\"\"\nQ5=\"\nQ6=\"1'\nQ7=\" 1 \"\n";
    using Case = std::tuple<const char*, const char*, const char*>;  // section, key, value read
    for (auto [section, key, value] : {Case{"ProgramLevel", "QL14", "01 x"},
                                       {"PROGRAMLEVEL", "Empty", ""},
                                       {"ProgramLevel", "Missing", "d"},
                                       {"NoSection", "QL14", "d"},
                                       {"ProgramLevel", "LONG", "1234567890123456789"},
                                       // One pair of quotes around a value goes.
                                       {"ProgramLevel", "Q1", "1"},
                                       {"ProgramLevel", "Q2", "1"},
                                       {"ProgramLevel", "Q3", "\"1"},
                                       {"ProgramLevel", "Q4", ""},
                                       {"ProgramLevel", "Q5", "\""},
                                       {"ProgramLevel", "Q6", "\"1'"},
                                       {"ProgramLevel", "Q7", " 1 "}}) {
        EXPECT_EQ(reader.GetString(path, section, key, "d"), value) << section << "/" << key;
    }
    std::remove(path.c_str());
    EXPECT_EQ(reader.GetString(path, "ProgramLevel", "QL14", "d"), "d");
}
