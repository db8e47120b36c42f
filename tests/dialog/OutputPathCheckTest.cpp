#include "DialogFixture.h"

TEST_F(DialogTest, EmptyPathIsRefusedAfterTheKindIsTaken) {
    Dialog().OnInitDialog();
    view.checks = {{ctl::kBusinessRadio, false}, {ctl::kOtherRadio, true}};
    view.texts[ctl::kPathEdit] = "";
    Dialog().OnExecute();
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kNoPath});
    EXPECT_EQ(box.shown[0].style, 48u);
    EXPECT_EQ(box.shown[0].owner, ScriptedConditionView::kWindow);
    EXPECT_EQ(box.shown[0].caption, msg::kCaption);
    EXPECT_TRUE(LeftOpenForCorrection());
    EXPECT_EQ(Dialog().incomeKind, 2);
}

TEST_F(DialogTest, PosixPathRefusals) {
    fs.AddFolder("/tmp/dir");
    fs.AddFolder("/ro");
    fs.readOnlyVolumes.insert("/ro");
    const std::pair<std::string, const char*> cases[] = {
        {"/tmp/a,b.xml", msg::kBadChar},
        {"//tmp/a.xml", msg::kBadChar},
        {"/tmp/a\\b.xml", msg::kBadChar},
        {"/tmp/" + std::string(260, 'a') + ".xml", msg::kBadChar},
        {"out.xml", msg::kBadDrive},
        {"/ro/out.xml", msg::kBadDrive},
        {"/tmp/", msg::kNoFileName},
        {"/tmp/dir", msg::kNoFileName},
    };
    for (const auto& [path, message] : cases) {
        box.shown.clear();
        EXPECT_EQ(Execute(path), ScriptedConditionView::kNotEnded) << path;
        EXPECT_EQ(box.Texts(), std::vector<std::string>{message}) << path;
        EXPECT_TRUE(LeftOpenForCorrection()) << path;
    }
    EXPECT_TRUE(fs.created.empty());
}

TEST_F(DialogTest, WindowsDriveDecisions) {
    UseWindowsPaths();
    fs.driveTypes = {{"D:\\", drive::kCdRom}, {"R:\\", drive::kRamDisk},
                     {"U:\\", drive::kUnknown}, {"N:\\", drive::kNoRootDir},
                     {"E:\\", drive::kRemovable}, {"X:\\", 9}};
    fs.AddFolder("E:\\");
    fs.notWritable.insert("E:\\");
    EXPECT_EQ(Dialog().IsValidDrive("C:\\out.xml"), 1);
    EXPECT_EQ(Dialog().IsValidDrive("c:\\out.xml"), 1);
    EXPECT_EQ(Dialog().IsValidDrive("D:\\out.xml"), 0);
    EXPECT_EQ(Dialog().IsValidDrive("R:\\out.xml"), 0);
    EXPECT_EQ(Dialog().IsValidDrive("U:\\out.xml"), 0);
    EXPECT_EQ(Dialog().IsValidDrive("N:\\out.xml"), 1);  // no drive behind the letter
    EXPECT_EQ(Dialog().IsValidDrive("E:\\out.xml"), 0);  // cannot be written
    EXPECT_EQ(Dialog().IsValidDrive("X:\\out.xml"), 1);
    EXPECT_EQ(Dialog().IsValidDrive("1:\\out.xml"), 0);
    EXPECT_EQ(Dialog().IsValidDrive("C:\\a\\\\out.xml"), 0);

    fs.AddFolder("\\\\srv\\share");
    EXPECT_EQ(Dialog().IsValidDrive("\\\\srv\\share\\out.xml"), 1);
    EXPECT_EQ(Dialog().IsValidDrive("\\\\srv\\share"), 0);
    EXPECT_EQ(Dialog().IsValidDrive("\\\\srv\\other\\out.xml"), 0);
    fs.notWritable.insert("\\\\srv\\share");
    EXPECT_EQ(Dialog().IsValidDrive("\\\\srv\\share\\out.xml"), 0);
}

TEST_F(DialogTest, MissingFolderIsCreatedOnlyOnYes) {
    fs.AddFolder("/tmp");
    box.answers = {mb::kIdNo};
    EXPECT_EQ(Execute("/tmp/new/sub/out.xml"), ScriptedConditionView::kNotEnded);
    EXPECT_TRUE(fs.created.empty());
    EXPECT_TRUE(LeftOpenForCorrection());
    Dialog().OnExecute();
    EXPECT_EQ(view.result, kIdExecute);
    EXPECT_EQ(box.Texts(), (std::vector<std::string>{msg::kCreateFolder, msg::kCreateFolder}));
    EXPECT_EQ(box.shown[0].style, 36u);
    EXPECT_EQ(fs.created, (std::vector<std::string>{"/tmp/new", "/tmp/new/sub"}));
}

TEST_F(DialogTest, FailedFolderCreationIsRolledBack) {
    fs.AddFolder("/tmp");
    fs.failCreate.insert("/tmp/a/b");
    EXPECT_EQ(Execute("/tmp/a/b/out.xml"), ScriptedConditionView::kNotEnded);
    EXPECT_EQ(box.Texts(), (std::vector<std::string>{msg::kCreateFolder, msg::kCreateFailed}));
    EXPECT_EQ(fs.removed, std::vector<std::string>{"/tmp/a"});
    EXPECT_TRUE(LeftOpenForCorrection());
}

TEST_F(DialogTest, ExistingFileIsOverwrittenOnlyOnYes) {
    fs.AddFile("/tmp/out.xml", "old");
    box.answers = {mb::kIdNo};
    EXPECT_EQ(Execute("/tmp/out.xml"), ScriptedConditionView::kNotEnded);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kOverwrite});
    EXPECT_TRUE(LeftOpenForCorrection());

    box.shown.clear();
    Dialog().OnExecute();
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kOverwrite});
    EXPECT_EQ(view.result, kIdExecute);
}

TEST_F(DialogTest, FixedPathIsNotAskedAboutOverwriting) {
    fs.AddFile("/tmp/out.xml", "old");
    Dialog().presetPath = "/tmp/out.xml";
    Dialog().OnInitDialog();
    Dialog().OnExecute();
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(view.result, kIdExecute);
}
