#pragma once
// Case tables kept as data beside the goldens. A case file holds cases apart
// by blank lines, each a run of "name: value" lines; a "#" line is a comment.
// Values are UTF-8 in the file, taken as the program's text (Shift_JIS) or as
// UTF-8 (JSON). The escapes \t, \r, \n, \\ and \xHH stand for their bytes as
// they are, so that bytes no character holds can be given as well.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "services/CodePage.h"
#include "support/TestSupport.h"

// A value as the program's text: the text between escapes converted, each
// escape's byte as it is. Escapes are found in the UTF-8 text, where no trail
// byte looks like "\\"; with sjis false the text stays UTF-8.
inline std::string CaseValue(const std::string& utf8, bool sjis = true) {
    std::string value, run;
    const auto flush = [&] {
        const auto text = sjis ? Utf8ToSjis(run) : run;
        EXPECT_TRUE(text) << "no code page 932 form: " << run;
        value += text.value_or("");
        run.clear();
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\\' || i + 1 == utf8.size()) {
            run += utf8[i];
            continue;
        }
        flush();
        const char e = utf8[++i];
        EXPECT_NE(std::string_view("trnx\\").find(e), std::string_view::npos) << "unknown escape \\" << e;
        value += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e;
        if (e == 'x') value.back() = static_cast<char>(std::stoi(utf8.substr(i + 1, 2), nullptr, 16)), i += 2;
    }
    flush();
    return value;
}

struct StCASE {
    std::string where;                          // file:line of its first line, for messages
    std::map<std::string, std::string> fields;  // as in the file
    // The field's value in Shift_JIS, or (Utf8) in UTF-8; empty when the case does not give it.
    std::string operator[](const std::string& name) const { return CaseValue(Raw(name)); }
    std::string Utf8(const std::string& name) const { return CaseValue(Raw(name), false); }
    std::string Raw(const std::string& name) const {
        const auto it = fields.find(name);
        return it == fields.end() ? "" : it->second;
    }
    bool Has(const std::string& name) const { return fields.count(name) != 0; }
};

// The cases of a file below tests/; a file without any fails the test.
inline std::vector<StCASE> ReadCases(const std::string& file) {
    std::vector<StCASE> cases;
    std::istringstream lines(ReadFileBytes(ORBEK_SOURCE_DIR "/tests/" + file));
    int number = 0;
    bool open = false;
    for (std::string line; std::getline(lines, line);) {
        const std::string where = file + ":" + std::to_string(++number);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') {
            open = open && !line.empty();
            continue;
        }
        if (!open) cases.push_back({where, {}}), open = true;
        const std::size_t colon = line.find(':');
        EXPECT_NE(colon, std::string::npos) << where << ": no \"name: value\"";
        if (colon == std::string::npos) continue;
        const std::size_t start = line.compare(colon, 2, ": ") == 0 ? colon + 2 : colon + 1;
        cases.back().fields[line.substr(0, colon)] = line.substr(start);
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << file;
    return cases;
}
