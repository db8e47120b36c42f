#include "ReportOutput.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "editions/Edition.h"
#include "platform/CodePage.h"

BuilderRun::BuilderRun(ReportFixture& f, std::int16_t incomeKind)
    : builder(progress, f.model, incomeKind, kOrbek17Plus) {
    writer.Open(&file, "memory.xml");
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string Show(const std::string& line) {
    std::string shown = SjisToUtf8Lossy(line);
    std::string out;
    for (char c : shown) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}
}  // namespace

::testing::AssertionResult SameReportBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    std::vector<std::string> e = SplitLines(expected);
    std::vector<std::string> a = SplitLines(actual);
    auto failure = ::testing::AssertionFailure();
    failure << "report differs (" << e.size() << " expected lines, " << a.size() << " written)\n";
    int shown = 0;
    for (std::size_t i = 0; i < std::max(e.size(), a.size()) && shown < 20; ++i) {
        const std::string none = "(none)";
        const std::string& el = i < e.size() ? e[i] : none;
        const std::string& al = i < a.size() ? a[i] : none;
        if (el == al) continue;
        failure << "line " << i + 1 << "\n  expected: " << Show(el) << "\n  written:  " << Show(al) << "\n";
        ++shown;
    }
    return failure;
}

std::string Joined(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) (out += line) += "\r\n";
    return out;
}
