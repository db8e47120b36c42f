// The console as a user meets it: what is shown, what is refused and how.
#include "E2eFixture.h"
#include "OrbekVersion.h"
#include "services/CodePage.h"

using namespace e2e;

TEST_F(E2eTest, HelpAndVersionAnswerWithoutAnEngine) {
    const std::string broken = root.path + "/broken.json";
    std::ofstream(broken) << "{\"format\": 2}";  // a run would fail connecting
    const std::pair<std::string, std::string> answers[] = {
        {"--version", "Orbek17Plus " ORBEK_VERSION_TEXT "\n"},
        {"--help", U8(u8"使い方: Orbek17Plus [WINDOW,MESSAGE,FUNCTIONID,OUTPUTPATH]\n")}};
    for (const auto& [option, answer] : answers) {
        for (const char* program : {"Orbek17Plus", "Orbek17Base"}) {
            StOUTCOME run = Run("", broken, {option}, false, Program(program));
            EXPECT_EQ(run.status, 0) << option << run.err;
            std::string expected = answer;
            expected.replace(expected.find("Orbek17Plus"), 11, program);
            EXPECT_EQ(run.out.find(expected), 0u) << run.out;
            EXPECT_EQ(run.err, "");
        }
    }
}

// One session: refusals with the prompt shown again, the dialog once and
// then its changes, a trimmed path, a question answered wrongly first.
TEST_F(E2eTest, ConsoleSessionShowsOnlyWhatChanged) {
    const std::string file = out + "/session.xml";
    std::ofstream(file) << "old";
    const std::string input =
        "path " + U8(u8"/x😀.xml") + "\npath rel.xml\n2\nshow\npath  " + file + " \nexecute\nmaybe\ny\n";
    StOUTCOME run = Run(input, DataSet());
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Read(file).rfind(kProlog, 0), 0u);
    const std::pair<const char8_t*, const char8_t*> shown[] = {
        {u8"入力し直してください。\n    \n", u8"> path rel.xml\n"},  // a refused path empties the box
        {u8"出力先は / で始まる絶対パスで入力してください。\n", u8"> 2\n"},
        {u8"    1 ( ) 営業所得用（一般用）\n    2 (*) その他所得用（一般用）\n", u8"> show\n"},
        {u8"y（はい）または n（いいえ）で答えてください。\n", u8"はい(y) / いいえ(n) > y\n"}};
    for (const auto& [what, next] : shown) {
        EXPECT_NE(run.out.find(U8(what) + U8(next)), std::string::npos) << U8(what) << run.out;
    }
    EXPECT_EQ(Count(run.out, U8(u8"所得税 - 集計条件")), 2u);  // at the start and on "show"
    EXPECT_EQ(Count(run.out, U8(u8"事業所名 ：")), 2u);
    EXPECT_EQ(run.out.find("(&"), std::string::npos);
    EXPECT_NE(run.out.find("\n    " + file + "\n"), std::string::npos);
    // Within 80 columns: a character of two Shift_JIS bytes takes two.
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const auto sjis = Utf8ToSjis(line);  // none for the echoed emoji
        if (sjis) {
            EXPECT_LE(sjis->size(), 80u) << line;
        }
    }
}

// The box takes one byte more than the check accepts: 259 bytes are
// written, 261 never reach the check.
TEST_F(E2eTest, TypedPathOf259BytesIsTakenAnd261Refused) {
    const std::string folder = out + "/";
    const std::string taken = folder + std::string(259 - folder.size() - 4, 'a') + ".xml";
    const std::string refused = folder + std::string(261 - folder.size() - 4, 'a') + ".xml";
    ASSERT_EQ(taken.size(), 259u);
    StOUTCOME run = Run("path " + refused + "\npath " + taken + "\nexecute\n", DataSet());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find(U8(u8"出力先は 260 バイト以内で入力してください。")), std::string::npos);
    EXPECT_EQ(Read(taken).rfind(kProlog, 0), 0u);
    EXPECT_FALSE(Exists(refused));
}

// The caller's path cannot be corrected in the dialog: its refusal ends the
// run as failed, and the caller learns it.
TEST_F(E2eTest, RefusedFixedPathFailsTheRun) {
    const std::string file = out + "/a,b.xml";
    StOUTCOME run = Run("execute\ncancel\n", DataSet(), {"3,5,6," + file}, true);
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_EQ(run.notices, "disable\nenable\npost 5 6 2\n");
    EXPECT_NE(run.out.find(U8(u8"データの出力先に不正な文字が含まれています。")), std::string::npos);
    EXPECT_EQ(run.out.find(kCancelled), std::string::npos);
    EXPECT_FALSE(Exists(file));
}
