#include "DialogFixture.h"

// The refusals the whole-run tests cannot bring about; the kind is taken first.
TEST_F(DialogTest, RefusalsKeepTheDialogOpenForCorrection) {
    fs.AddFolder("/ro");
    fs.readOnlyVolumes.insert("/ro");
    fs.AddFile("/tmp/kept.xml", "old");
    fs.notWritable = {"/tmp/kept.xml", "/srv/closed"};
    fs.AddFolder("/srv/closed");
    const std::pair<std::string, const char*> cases[] = {
        {"", msg::kNoPath},
        {"/tmp/" + std::string(260, 'a') + ".xml", msg::kBadChar},
        {"/ro/out.xml", msg::kBadDrive},
        {"out.xml", msg::kBadDrive},  // in whatever folder is current
        {"/tmp/kept.xml", msg::kReadOnlyFile},
        {"/srv/closed/out.xml", msg::kFolderNotWritable},
    };
    for (const auto& [path, message] : cases) {
        box.shown.clear();
        Dialog().OnInitDialog();
        view.checks = {{ctl::kBusinessRadio, false}, {ctl::kOtherRadio, true}};
        view.texts[ctl::kPathEdit] = path;
        Dialog().OnExecute();
        ASSERT_EQ(box.Texts(), std::vector<std::string>{message}) << path;
        EXPECT_EQ(box.shown[0].style, 48u);
        EXPECT_EQ(box.shown[0].owner, ClScriptedConditionView::kWindow);
        EXPECT_EQ(box.shown[0].caption, msg::kCaption);
        EXPECT_TRUE(LeftOpenForCorrection()) << path;
        EXPECT_EQ(Dialog().incomeKind, 2);
    }
}

TEST_F(DialogTest, WindowsDriveDecisions) {
    UseWindowsPaths();
    fs.driveTypes = {{"D:\\", drive::kCdRom},     {"R:\\", drive::kRamDisk},   {"U:\\", drive::kUnknown},
                     {"N:\\", drive::kNoRootDir}, {"E:\\", drive::kRemovable}, {"X:\\", 9}};
    fs.AddFolder("E:\\");
    fs.notWritable.insert("E:\\");
    fs.AddFolder("\\\\srv\\share");
    const std::pair<const char*, int> cases[] = {
        {"C:\\out.xml", 1},      {"c:\\out.xml", 1},
        {"D:\\out.xml", 0},      {"R:\\out.xml", 0},
        {"U:\\out.xml", 0},      {"N:\\out.xml", 1},  // no drive behind the letter
        {"E:\\out.xml", 0},                           // cannot be written
        {"X:\\out.xml", 1},      {"1:\\out.xml", 0},
        {"C:\\a\\\\out.xml", 0}, {"\\\\srv\\share\\out.xml", 1},
        {"\\\\srv\\share", 0},   {"\\\\srv\\other\\out.xml", 0},
    };
    for (const auto& [path, valid] : cases) EXPECT_EQ(Dialog().IsValidDrive(path), valid) << path;
    for (const char* relative : {"out.xml", "C:out.xml", "\\out.xml", "x\\out.xml"}) {
        EXPECT_EQ(Dialog().IsValidDrive(relative), 0) << relative;
    }
    fs.notWritable.insert("\\\\srv\\share");
    EXPECT_EQ(Dialog().IsValidDrive("\\\\srv\\share\\out.xml"), 0);
}

// 259 bytes is the longest path the run's 260-byte buffers hold.
TEST_F(DialogTest, PathLengthLimitSeenFromBothSides) {
    fs.AddFolder("/tmp");
    using Texts = std::vector<std::string>;
    const std::tuple<std::size_t, int, Texts> cases[] = {{259, kIdExecute, {}},
                                                         {260, ClScriptedConditionView::kNotEnded, {msg::kBadChar}}};
    for (const auto& [length, result, texts] : cases) {
        ClScriptedConditionView v;
        auto dialog = Make(v);
        box.shown.clear();
        dialog->OnInitDialog();
        v.texts[ctl::kPathEdit] = "/tmp/" + std::string(length - 9, 'a') + ".xml";
        ASSERT_EQ(v.texts[ctl::kPathEdit].size(), length);
        dialog->OnExecute();
        EXPECT_EQ(v.result, result) << length;
        EXPECT_EQ(box.Texts(), texts) << length;
    }
}

// Windows opens these names as devices in any folder: never a file to write.
TEST_F(DialogTest, WindowsDeviceNamesAreNoFileNames) {
    UseWindowsPaths();
    fs.AddFolder("C:\\out");
    const std::pair<const char*, bool> names[] = {
        {"NUL", true},          {"con", true},       {"Aux.xml", true},   {"prn.tar.gz", true},    {"COM1", true},
        {"lpt9.xml", true},     {"nul .xml", true},  {"CON.", true},      {"COM0.xml", false},     {"LPT10", false},
        {"console.xml", false}, {"nul1.xml", false}, {"xnul.xml", false}, {"\x83\x6D.xml", false},
    };
    for (const auto& [name, device] : names) {
        box.shown.clear();
        view.result = ClScriptedConditionView::kNotEnded;
        Dialog().OnInitDialog();
        view.texts[ctl::kPathEdit] = std::string("C:\\out\\") + name;
        Dialog().OnExecute();
        EXPECT_EQ(box.Texts(), device ? std::vector<std::string>{msg::kBadFileName} : std::vector<std::string>{})
            << name;
        EXPECT_EQ(view.result, device ? ClScriptedConditionView::kNotEnded : kIdExecute) << name;
    }
}
