// Exports broken on purpose (the cases in data/broken.cases): each fault is
// reported on its line, with exit status 1 and the summary still shown; what
// is no export at all gives 2.
#include <algorithm>

#include "ExamineFixture.h"
#include "OrbekVersion.h"
#include "support/CaseFile.h"

namespace {

// The 1-based line on which needle first stands.
int LineOf(std::string_view bytes, std::string_view needle) {
    const auto at = static_cast<std::ptrdiff_t>(bytes.find(needle));
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + at, '\n'));
}

TEST(BrokenFile, EachFaultIsReportedOnItsLine) {
    const std::string demo = ReadFileBytes(kDemo);
    for (const StCASE& b : ReadCases("examine/data/broken.cases")) {
        const std::string name = b.where + " " + b["name"];
        std::string broken = Replaced(demo, b["find"], b["replacement"]);
        if (b.Has("cut")) broken.resize(demo.find(b["find"]) + b["replacement"].size());
        const StRUN run = RunInspect({WriteTemp("broken.xml", broken)});
        EXPECT_EQ(run.status, b.Has("warning") ? 0 : 1) << name;
        const std::string expected = "  " + std::to_string(LineOf(demo, b["line"])) + "行目";
        bool found = false;
        for (std::size_t at = run.out.find(expected); at != std::string::npos; at = run.out.find(expected, at + 1)) {
            found = found || run.out.substr(at, run.out.find('\n', at) - at).find(b["message"]) != std::string::npos;
        }
        EXPECT_TRUE(found) << name << ": " << Utf8(expected + " … " + b["message"]) << "\nnot in:\n"
                           << Utf8(run.out.substr(run.out.find("■ 検査")));
        EXPECT_NE(run.out.find("会社名"), std::string::npos) << name << ": the summary is shown as well";
        EXPECT_EQ(run.out.find("加入団体名") != std::string::npos, !b.Has("cut")) << name << ": read to the end";
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n') > 1 &&
                      run.out.find("すべての検査に合格しました") != std::string::npos,
                  b.Has("warning"))
            << name;
    }
}

TEST(NoExport, GivesStatus2) {
    const std::vector<std::string> files = {
        WriteTemp("html.xml", "<?xml version=\"1.0\"?>\r\n<html><body/></html>\r\n"),
        WriteTemp("text.xml", "Orbek17 is not XML at all\n"),
        WriteTemp("empty.xml", ""),
        ORBEK_BINARY_DIR "/inspect-test/no-such-file.xml",
        ORBEK_BINARY_DIR "/inspect-test",  // a folder
    };
    for (const std::string& file : files) {
        const StRUN run = RunInspect({file});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_TRUE(run.out.empty()) << file;
        EXPECT_NE(run.err.find(file), std::string::npos) << file;
    }
}

TEST(Arguments, HelpVersionAndMistakes) {
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        // arguments, status, start of output
        {{"--help"}, 0, "使い方: orbek-inspect"},
        {{"--version"}, 0, "orbek-inspect " ORBEK_VERSION_TEXT "\n"},
        {{}, 2, ""},
        {{"--bogus", kDemo}, 2, ""},
        {{kDemo, kDemo}, 2, ""},
        {{"--diff", kDemo}, 2, ""},
    };
    for (const auto& [args, status, out] : cases) {
        const StRUN run = RunInspect(args);
        EXPECT_EQ(run.status, status) << args.size();
        EXPECT_TRUE(run.out.starts_with(out)) << Utf8(run.out);
        EXPECT_EQ(run.err.find("使い方") != std::string::npos, status == 2) << "usage on mistakes only";
    }
}

}  // namespace
