#include <unistd.h>

#include "E2eFixture.h"

using namespace e2e;

TEST_F(E2eTest, CallerFixesThePathAndGetsItsNotices) {
    std::ofstream(engineFolder + "Orbek17Plus.env") << "user01/1/3:0/0/1//srv/old.xml\n";
    const std::string file = out + "/fixed by caller.xml";
    StOUTCOME run = Run("path /tmp/other.xml\n2\nexecute\n", DataSet(), {"3,1234,-7," + file}, true);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.notices, "disable\nenable\npost 1234 -7 0\n");
    EXPECT_NE(run.out.find(U8(u8"出力先は変更できません。")), std::string::npos);
    EXPECT_NE(run.out.find(file + U8(u8"（変更不可）")), std::string::npos);
    const std::string xml = Read(file);
    EXPECT_NE(xml.find("<FUNCTIONID>-7</FUNCTIONID>"), std::string::npos);
    EXPECT_NE(xml.find("<SYOTOKUSYURUI>2</SYOTOKUSYURUI>"), std::string::npos);
    // The caller's path is not remembered; the kind is.
    EXPECT_EQ(Read(engineFolder + "Orbek17Plus.env"), "user01/1/3:0/0/2//srv/old.xml\n");
}

// Cancels, refusals, installation levels and engine faults: the status, the
// one message box shown (or nothing at all) and the caller's notices.
TEST_F(E2eTest, RunsThatEndWithoutAFile) {
    const auto faulty = [this](const char* op, int result) {
        return DataSet(3,
                       R"("faults": [{"op": ")" + std::string(op) + R"(", "result": )" + std::to_string(result) + "}]");
    };
    const std::string info = U8(u8"[所得税] 情報\n"), warning = U8(u8"[所得税] 警告\n");
    const std::string tooOld =
        warning + U8(u8"ご利用の連動コンポーネントは、インストールされているQuillon所得税では使用できません。\n");
    const std::string taxAppTooOld = tooOld + U8(u8"Quillon所得税の最新版");
    const std::string componentTooOld = tooOld + U8(u8"連動コンポーネントの最新版");
    const std::string noData =
        warning + U8(u8"選択されているデータが見つかりません。\n\nアプリケーションを終了します。");
    const std::string environment =
        warning + U8(u8"動作環境が不正です。\nQuillon所得税が正しくインストールされているか確認してください。");
    const std::string refused = "disable\nenable\npost 5 6 2\n";
    struct Case {
        std::string input, dataSet;
        std::vector<std::string> args;
        int status;
        std::string box, notices;
        const char* definition = nullptr;  // QuillonDef.ini beside a copy of the program; "-": none
    };
    const Case cases[] = {
        {"cancel\n", DataSet(), {}, 1, info + kCancelled, ""},
        {"Esc\n", DataSet(), {}, 1, info + kCancelled, ""},
        {"", DataSet(), {}, 1, info + kCancelled, ""},
        {"cancel\n", DataSet(), {"3,77,5,"}, 1, info + kCancelled, "disable\nenable\npost 77 5 1\n"},
        {"cancel\n", DataSet(), {"9,77,5,"}, 1, info + kCancelled, ""},  // an unopened descriptor
        {"execute\n", DataSet(4), {}, 1, warning + U8(u8"過去実績データは、連携の対象として使用できません。"), ""},
        // No company of the data set is the selected one: no dialog.
        {"execute\n", DataSet(7), {"3,77,5,"}, 2, noData, "disable\nenable\npost 77 5 2\n"},
        {"cancel\n", DataSet(), {"3,5,6,"}, 2, environment, refused, "-"},
        {"cancel\n", DataSet(), {"3,5,6,"}, 2, environment, refused, "[ProgramLevel]\nQL14=\n"},
        {"cancel\n", DataSet(), {"3,5,6,"}, 2, taxAppTooOld, refused, "[ProgramLevel]\nQL14=0\n"},
        {"cancel\n", DataSet(), {"3,5,6,"}, 2, componentTooOld, refused, "[programlevel]\n ql14 = 3 \n"},
        {"cancel\n", DataSet(), {}, 1, info + kCancelled, "", "[Other]\nQL14=0\n"},  // usable: on to the dialog
        // The command line is not read before the connection: no notice.
        {"execute\n", faulty("ClAccConnect::Initiate", 3), {"3,1,1,"}, 2, "", ""},
        {"execute\n", faulty("ClAccConnect::ExpSysLink", 1), {"3,1,1,"}, 1, "", "disable\nenable\npost 1 1 1\n"},
        {"execute\n", faulty("ClAccConnect::ExpSysLink", 9), {"3,1,1,"}, 2, "", "disable\nenable\npost 1 1 2\n"},
    };
    const std::string copy = root.path + "/Orbek17Plus", definition = root.path + "/QuillonDef.ini";
    std::ofstream(copy, std::ios::binary) << std::ifstream(Program(), std::ios::binary).rdbuf();
    ::chmod(copy.c_str(), 0755);
    for (const Case& c : cases) {
        ::unlink(definition.c_str());
        if (c.definition && *c.definition != '-') std::ofstream(definition) << c.definition;
        StOUTCOME run = Run(c.input, c.dataSet, c.args, true, c.definition ? copy : Program());
        const std::string what = c.input + c.dataSet + (c.definition ? c.definition : "");
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.notices, c.notices) << what;
        // One message box, or no output at all.
        EXPECT_EQ(Count(run.out, U8(u8"[所得税]")), std::size_t{!c.box.empty()}) << run.out;
        EXPECT_EQ(run.out.empty(), c.box.empty()) << run.out;
        EXPECT_NE(run.out.find(c.box), std::string::npos) << run.out;
    }
    EXPECT_FALSE(Exists(engineFolder + "Orbek17Plus.env"));

    const std::string invalid = root.path + "/invalid.json";
    std::ofstream(invalid) << "{\"format\": 2}";
    StOUTCOME run = Run("execute\n", invalid);
    EXPECT_EQ(run.status, 2);  // named in a warning box, which a program without a terminal still shows
    EXPECT_NE(run.out.find(U8(u8"[所得税] 警告")), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("invalid.json"), std::string::npos) << run.out;
}
