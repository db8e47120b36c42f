#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "support/CaseFile.h"
#include "support/TestSupport.h"
#include "services/CodePage.h"

namespace {

struct StRun {
    int status;
    std::string out, err;
};

// A path as the platform's shell takes it.
std::string NativePath(std::string path) {
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

// In text mode: the tool's lines end in "\r\n" on Windows.
std::string ReadText(const std::string& path) {
    std::stringstream content;
    content << std::ifstream(path).rdbuf();
    return content.str();
}

// A file of the running test's own: tests that run side by side share none.
std::string OwnFile(const std::string& name) {
    return NativePath(TestFolderIn(ORBEK_BINARY_DIR "/vkdataset-test") + "/" + name);
}

// vkdataset run through the shell with args.
StRun Tool(const std::string& args) {
    const std::string base = OwnFile("run");
    const std::string command = "\"" + NativePath(ORBEK_BINARY_DIR "/standin/vkdataset") + "\" " + args + " >\"" +
                                base + ".out\" 2>\"" + base + ".err\"";
#ifdef _WIN32
    const int status = std::system(("\"" + command + "\"").c_str());  // cmd strips the outer quotes
#else
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, ReadText(base + ".out"), ReadText(base + ".err")};
}

// Text as the tool writes it to a file: UTF-8 on Linux; on Windows the ANSI
// code page (932 under the tests' Wine), what type and Notepad expect there.
std::string Redirected(const std::string& utf8) {
#ifdef _WIN32
    return Utf8ToSjis(utf8).value_or("");
#else
    return utf8;
#endif
}

// vkdataset check on a data set given as text.
StRun CheckText(const std::string& json) {
    std::ofstream(OwnFile("text.json"), std::ios::binary) << json;
    return Tool("check \"" + OwnFile("text.json") + "\"");
}

// The first JSON example of the format page: its minimal data set.
std::string MinimalExample() {
    const std::string page = ReadText(ORBEK_SOURCE_DIR "/docs/engine-dataset.md");
    const auto start = page.find("```json\n") + 8;
    return page.substr(start, page.find("```", start) - start);
}

}  // namespace

TEST(VkdatasetTool, ShowsWhatAGoodFileHoldsAndRefusesABadOneWithStatus1) {
    StRun run = Tool("check \"" + NativePath(ORBEK_SOURCE_DIR "/standin/demo/demo-dataset.json") + "\"");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("companies: 3"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(Redirected(U8(u8"山田木工所　山田 太郎  (selected)"))), std::string::npos);
    EXPECT_NE(run.out.find("blue general: pl 45, bsAssets 24, bsLiabilities 24 rows"), std::string::npos);
    EXPECT_NE(run.out.find("dataKind 99 (past results)"), std::string::npos);
    EXPECT_NE(run.out.find("1 business: can be exported\n  2 other: can be exported\n  3 real estate: can be exported"),
              std::string::npos);

    run = CheckText(R"({"format": 1, "companies": [{"dataNo": 1, "dataId": "A"}, {"dataNo": 1, "dataId": "B"}]})");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "engine data set " + OwnFile("text.json") +
                           ": $.companies[1].dataNo: dataNo 1 is already used by companies[0]\n");
}

TEST(VkdatasetTool, WarnsAboutUnknownValuesAndKindsThatCannotBeExported) {
    const std::string blue = R"("aoSiroKind": 3, "jigyouKind": 3, "fiscalFrom": 20250101, "fiscalTo": 20251231)";
    std::string rows42 = R"({"rowCode": 1})";
    for (int i = 2; i <= 42; ++i) rows42 += R"(, {"rowCode": 1})";
    const std::string rows43 = rows42 + R"(, {"rowCode": 43})";  // the 43rd: the income before the deduction
    std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        // data set, out, err
        {MinimalExample(), "1 business: can be exported\n  2 other: can be exported\n  3 real estate: not offered", ""},
        {OneCompany(blue + R"(, "blue": {"general": {"pl": [)" + rows43 + "]}}"), "1 business: can be exported", ""},
        {OneCompany(blue + R"(, "blue": {"general": {"pl": [)" + rows42 + "]}}"), "3 real estate: can be exported",
         "warning: $.companies[0]: income kind 1 (business) cannot be exported: a blue return needs at least 43 "
         "summary rows"},
    };
    for (const StCASE& c : ReadCases("standin/data/advice.cases")) {
        cases.emplace_back(OneCompany(c.Utf8("company")), c.Utf8("out"), c.Utf8("err"));
    }
    for (const auto& [json, out, err] : cases) {
        StRun run = CheckText(json);
        EXPECT_EQ(run.status, 0) << json << run.err;
        EXPECT_NE(run.out.find(out), std::string::npos) << json << "\n" << run.out;
        EXPECT_EQ(run.err.empty(), err.empty()) << json << "\n" << run.err;
        EXPECT_NE(run.err.find(err), std::string::npos) << json << "\n" << run.err;
    }
}

TEST(VkdatasetTool, HelpGoesToStandardOutputAndSyntaxErrorsNameLineAndColumn) {
    StRun help = Tool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: vkdataset check FILE\n", 0), 0u) << help.out;
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(Tool("").status, 1);

    StRun bad = CheckText("{\"format\": 1,\n  \"users\": [}\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find(": $: not JSON: line 2, column 13: unexpected '}'"), std::string::npos) << bad.err;
    EXPECT_EQ(bad.err.find("json.exception"), std::string::npos) << bad.err;
}
