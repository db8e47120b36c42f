#pragma once
// Runs the inspector on bytes written to a file, and finds lines in them.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "examine/Examine.h"

std::string ReadBytes(const std::string& path);
// A file below the build folder's inspect-test/ holding bytes.
std::string WriteTemp(const std::string& name, std::string_view bytes);
// The 1-based line on which needle first stands; 0 when it is missing.
int LineOf(std::string_view bytes, std::string_view needle);
// bytes with the first find replaced; fails the test when find is missing.
std::string Replaced(std::string bytes, std::string_view find, std::string_view replacement);
// Output of a run in UTF-8, for comparing with texts in the tests.
std::string Utf8(const std::string& sjis);

inline const std::string kDemo = ORBEK_SOURCE_DIR "/tests/examine/data/blue-demo.xml";
