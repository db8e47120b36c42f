#pragma once
// Runs the inspector on bytes written to a file, and reads and changes exports.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>

#include "examine/Examine.h"
#include "services/CodePage.h"
#include "support/TestSupport.h"

inline const std::string kDemo = ORBEK_SOURCE_DIR "/tests/examine/data/blue-demo.xml";
inline const std::string kGoldenReports = ORBEK_SOURCE_DIR "/tests/report/golden/";

// A file below the build folder's inspect-test/ holding bytes; one folder per
// test, so that tests may run side by side.
inline std::string WriteTemp(const std::string& name, std::string_view bytes) {
    const std::string path = TestFolderIn(ORBEK_BINARY_DIR "/inspect-test") + "/" + name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// bytes with the first find replaced; fails the test when find is missing.
inline std::string Replaced(std::string bytes, std::string_view find, std::string_view replacement) {
    const std::size_t at = bytes.find(find);
    EXPECT_NE(at, std::string::npos) << "fixture text missing: " << find;
    if (at != std::string::npos) bytes.replace(at, find.size(), replacement);
    return bytes;
}

// Output of a run in UTF-8, for comparing with texts in the tests.
inline std::string Utf8(const std::string& sjis) { return SjisToUtf8Lossy(sjis); }

// A golden report (file below tests/report/golden) with its letting rows
// replaced by copies of its first, numbered from 1, each with its own monthly
// rent (80000 + its place); with skipped > 0, the row in that place is left out.
inline std::string WithLettings(const std::string& file, int count, int skipped = 0) {
    std::string bytes = ReadFileBytes(kGoldenReports + file);
    const std::size_t begin = bytes.find("\t\t\t\t<FUDOUSAN_UTIWAKE COUNT=\"1\">");
    const std::size_t end = bytes.find("</FUDOUSAN_UTIWAKE>\r\n", begin) + 21;
    const std::string row = bytes.substr(begin, end - begin);
    std::string rows;
    for (int place = 1, number = 1; place <= count; ++place) {
        if (place == skipped) continue;
        const std::string numbered = Replaced(row, "COUNT=\"1\"", "COUNT=\"" + std::to_string(number++) + "\"");
        rows += Replaced(numbered, "<TINTAIRYOU_TUKIGAKU>80000<",
                         "<TINTAIRYOU_TUKIGAKU>" + std::to_string(80000 + place) + "<");
    }
    bytes.replace(begin, bytes.find("\t\t\t</FUDOUSANSYUUNYUU>") - begin, rows);
    return bytes;
}
