#include "E2eFixture.h"

using namespace e2e;

TEST_F(E2eTest, StandAloneRunWritesTheFileAndRemembersItsPath) {
    const std::string file = out + "/result.xml";
    StOUTCOME run = Run("path " + file + "\nexecute\n", DataSet());
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find(U8(u8"所得税 - 集計条件")), std::string::npos);
    EXPECT_NE(run.out.find(U8(u8"事業所名 ：  山田商店")), std::string::npos);
    EXPECT_NE(run.out.find(U8(u8"会計期間 ：  2025/01/01～2025/12/31")), std::string::npos);
    EXPECT_NE(run.out.find(U8(u8"製造原価 ： なし")), std::string::npos);
    EXPECT_NE(run.out.find(U8(u8"[所得税] 情報\n所得税情報の出力が終了しました。\n\nアプリケーションを終了します。")),
              std::string::npos);
    EXPECT_EQ(run.err, "");  // standard error is no terminal: no progress line

    EXPECT_EQ(Read(file), Read(std::string(ORBEK_SOURCE_DIR) + "/tests/e2e/golden/white-business.xml"));
    EXPECT_EQ(Read(engineFolder + "Orbek17Plus.env"), "user01/1/3:0/0/1/" + file + "\n");
}

TEST_F(E2eTest, DemoDataSetRunsWithoutAnyFile) {
    const std::string file = out + "/demo.xml";
    StOUTCOME run = Run("path " + file + "\nexecute\n", "");
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Read(file).rfind(kProlog, 0), 0u);
    // Without a folder in the data set the record goes to the user's data folder.
    const std::string record = Read(root.path + "/xdg/varnoke/Orbek17Plus.env");
    EXPECT_NE(record.find(":0/0/1/" + file + "\n"), std::string::npos) << record;
}

TEST_F(E2eTest, SecondRunProposesTheRememberedKindAndPath) {
    const std::string file = out + "/again.xml";
    const std::string dataSet = DataSet();
    ASSERT_EQ(Run("2\npath " + file + "\nexecute\n", dataSet).status, 0);
    StOUTCOME second = Run("execute\ny\n", dataSet);
    EXPECT_EQ(second.status, 0) << second.out;
    EXPECT_NE(second.out.find(U8(u8"(*) その他所得用（一般用）")), std::string::npos);
    EXPECT_NE(second.out.find("    " + file + "\n"), std::string::npos);
    EXPECT_NE(second.out.find(kOverwrite), std::string::npos);
    EXPECT_NE(Read(file).find("<SYOTOKUSYURUI>2</SYOTOKUSYURUI>"), std::string::npos);
    // A refused path is not replaced by the remembered one: execute refuses until a path is given.
    const std::string written = Read(file);
    StOUTCOME refused = Run("path again.xml\nexecute\ncancel\n", dataSet);
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find(U8(u8"データ出力先が指定されていません。")), std::string::npos) << refused.out;
    EXPECT_EQ(Read(file), written);
}

TEST_F(E2eTest, EveryPathRefusalKeepsTheDialogOpen) {
    ::mkdir((out + "/dir").c_str(), 0755);
    const std::string badChar = U8(u8"データの出力先に不正な文字が含まれています。");
    const std::string noFileName = U8(u8"ファイル名が指定されていません。");
    const std::pair<std::string, std::string> refusals[] = {
        {"", U8(u8"データ出力先が指定されていません。")},
        {"//x.xml", badChar},
        {out + "/a,b.xml", badChar},
        {out + "/a\\b.xml", badChar},
        {"relative.xml", U8(u8"出力先は / で始まる絶対パスで入力してください。")},
        {out + "/", noFileName},
        {out + "/dir", noFileName}};
    std::string input;
    for (const auto& [path, message] : refusals) input += "path " + path + "\nexecute\n";
    // Control characters, typed or browsed, are refused and never reach the terminal raw.
    input += "path " + out + "/a\x1b[31mb.xml\nexecute\nbrowse\n" + out + "/a\007b.xml\nexecute\n";
    // A NUL would cut the path for every system call: "a.xml" would be replaced, "n.xml" made a folder.
    input += "path " + out + "/n.xml" + std::string(1, '\0') + "/x.xml\nexecute\nbrowse\n" + out + "/a.xml" +
             std::string(1, '\0') + ".txt\nexecute\n";
    StOUTCOME run = Run(input + "cancel\n", DataSet());
    EXPECT_EQ(Count(run.out, badChar), 7u) << run.out;
    EXPECT_EQ(run.out.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_NE(run.out.find(out + "/a^[[31mb.xml"), std::string::npos) << run.out;
    EXPECT_EQ(run.status, 1);
    std::size_t at = 0;
    for (const auto& [path, message] : refusals) {
        at = run.out.find(message, at);
        ASSERT_NE(at, std::string::npos) << path << "\n" << run.out;
        ++at;
    }
    EXPECT_NE(run.out.find(kCancelled, at), std::string::npos);
    EXPECT_FALSE(Exists(out + "/a.xml") || Exists(out + "/n.xml"));
}

// In one dialog: overwriting refused, a creation that fails midway rolled
// back, a missing folder not created, then created.
TEST_F(E2eTest, QuestionsAboutFilesAndFoldersDecideWhatIsWritten) {
    const std::string exists = out + "/exists.xml", made = out + "/new/sub/made.xml";
    std::ofstream(exists) << "old";
    // 86 characters are 172 bytes of Shift_JIS but 258 of UTF-8: more than
    // a name on disk may have.
    std::string longName;
    for (int i = 0; i < 86; ++i) longName += U8(u8"表");
    StOUTCOME run = Run("path " + exists + "\nexecute\nn\n" + "path " + out + "/made/" + longName +
                            "/x.xml\nexecute\ny\n" + "path " + made + "\nexecute\nn\nexecute\ny\n",
                        DataSet());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find(U8(u8"[所得税] 確認\n") + kOverwrite), std::string::npos) << run.out;
    EXPECT_EQ(Read(exists), "old");
    EXPECT_NE(run.out.find(U8(u8"フォルダの作成に失敗しました。")), std::string::npos) << run.out;
    EXPECT_FALSE(Exists(out + "/made"));
    EXPECT_EQ(Count(run.out, U8(u8"指定されたフォルダは存在しません。")), 3u);
    EXPECT_EQ(Read(made).rfind(kProlog, 0), 0u);
}

TEST_F(E2eTest, StandardEditionWritesItsOwnNames) {
    const std::string file = out + "/base.xml";
    StOUTCOME run = Run("path " + file + "\nexecute\n", DataSet(), {}, false, Program("Orbek17Base"));
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(Read(file).find("<PROGRAMNAME>Varnoke\x82\x50\x82\x56</PROGRAMNAME>"), std::string::npos);
    EXPECT_TRUE(Exists(engineFolder + "Orbek17Base.env"));
    EXPECT_FALSE(Exists(engineFolder + "Orbek17Plus.env"));
}
