#include <unistd.h>

#include "E2eFixture.h"

using namespace e2e;

TEST_F(E2eTest, CallerFixesThePathAndGetsItsNotices) {
    std::ofstream(engineFolder + "Orbek17Plus.env") << "user01/1/3:0/0/1//srv/old.xml\n";
    const std::string file = out + "/fixed by caller.xml";
    StOUTCOME run = Run("path /tmp/other.xml\n2\nexecute\n", DataSet(), {"3,1234,-7," + file}, true);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.notices, "disable\nenable\npost 1234 -7 0\n");
    EXPECT_NE(run.out.find(Utf8(u8"出力先は変更できません。")), std::string::npos);
    EXPECT_NE(run.out.find(file + Utf8(u8"（変更不可）")), std::string::npos);
    const std::string xml = Read(file);
    EXPECT_NE(xml.find("<FUNCTIONID>-7</FUNCTIONID>"), std::string::npos);
    EXPECT_NE(xml.find("<SYOTOKUSYURUI>2</SYOTOKUSYURUI>"), std::string::npos);
    // The caller's path is not remembered; the kind is.
    EXPECT_EQ(Read(engineFolder + "Orbek17Plus.env"), "user01/1/3:0/0/2//srv/old.xml\n");
}

TEST_F(E2eTest, CallerLearnsOfACancel) {
    StOUTCOME run = Run("cancel\n", DataSet(), {"3,77,5,"}, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.notices, "disable\nenable\npost 77 5 1\n");
    // An unopened descriptor: the notices are dropped, the run is the same.
    run = Run("cancel\n", DataSet(), {"9,77,5,"}, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.notices, "");
}

TEST_F(E2eTest, EngineFaults) {
    const std::string initiate = DataSet(3, R"("faults": [{"op": "ClAccConnect::Initiate", "result": 3}])");
    StOUTCOME run = Run("execute\n", initiate, {"3,1,1,"}, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.notices, "");  // the command line was never read
    EXPECT_EQ(run.out, "");

    const std::string stop = DataSet(3, R"("faults": [{"op": "ClAccConnect::ExpSysLink", "result": 1}])");
    run = Run("execute\n", stop, {"3,1,1,"}, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.notices, "disable\nenable\npost 1 1 1\n");
    EXPECT_EQ(run.out, "");

    const std::string broken = DataSet(3, R"("faults": [{"op": "ClAccConnect::ExpSysLink", "result": 9}])");
    run = Run("execute\n", broken, {"3,1,1,"}, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.notices, "disable\nenable\npost 1 1 2\n");

    const std::string invalid = root.path + "/invalid.json";
    std::ofstream(invalid) << "{\"format\": 2}";
    run = Run("execute\n", invalid);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("invalid.json"), std::string::npos) << run.err;
}

TEST_F(E2eTest, InstallationCheckLevels) {
    // The program with a definition file of the test's own beside it.
    const std::string folder = root.path + "/program";
    ::mkdir(folder.c_str(), 0755);
    const std::string program = folder + "/Orbek17Plus";
    std::ofstream(program, std::ios::binary) << std::ifstream(Program(), std::ios::binary).rdbuf();
    ::chmod(program.c_str(), 0755);
    const std::string definition = folder + "/QuillonDef.ini";
    const std::string tooOldTaxApp = Utf8(u8"Quillon所得税の最新版を入手してインストールしてからご利用ください。");
    const std::string tooOldComponent = Utf8(u8"連動コンポーネントの最新版を入手してインストールしてからご利用ください。");
    const std::string environment = Utf8(u8"動作環境が不正です。\nQuillon所得税が正しくインストールされているか確認してください。");
    const std::pair<const char*, std::string> cases[] = {
        {nullptr, environment},
        {"[ProgramLevel]\nQL14=\n", environment},
        {"[ProgramLevel]\nQL14=0\n", tooOldTaxApp},
        {"[programlevel]\n ql14 = 3 \n", tooOldComponent},
        {"[Other]\nQL14=0\n", ""},
    };
    for (const auto& [content, message] : cases) {
        ::unlink(definition.c_str());
        if (content) std::ofstream(definition) << content;
        StOUTCOME run = Run("cancel\n", DataSet(), {"3,5,6,"}, true, program);
        if (message.empty()) {
            EXPECT_EQ(run.status, 1) << content;  // usable: on to the dialog
            continue;
        }
        EXPECT_EQ(run.status, 2) << (content ? content : "(none)");
        EXPECT_NE(run.out.find(Utf8(u8"[所得税] 警告\n")), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
        EXPECT_EQ(run.notices, "disable\nenable\npost 5 6 2\n");
    }
}
