#include "DialogFixture.h"

TEST_F(DialogTest, CategoryFollowsTheBusinessTypeThenTheRememberedKind) {
    struct Case {
        std::uint8_t jigyouKind;
        int remembered;  // 0: no record
        std::int16_t kind;
        std::vector<int> disabled;
    };
    const Case cases[] = {
        {1, 0, 1, {ctl::kRealEstateRadio}},
        {2, 0, 3, {ctl::kBusinessRadio, ctl::kOtherRadio}},
        {3, 0, 1, {}},
        {0, 0, 1, {}},
        {1, 2, 2, {ctl::kRealEstateRadio}},                  // a remembered kind whose radio is enabled
        {2, 1, 3, {ctl::kBusinessRadio, ctl::kOtherRadio}},  // and one whose radio is not
    };
    const int radios[] = {ctl::kBusinessRadio, ctl::kOtherRadio, ctl::kRealEstateRadio};
    for (const Case& c : cases) {
        fs.files.clear();
        if (c.remembered) {
            fs.AddFile("/data/varnoke/Orbek17Plus.env",
                       "user01/1/3:0/0/" + std::to_string(c.remembered) + "//home/u/b.xml\n");
        }
        ClScriptedConditionView v;
        auto dlg = Make(v);
        dlg->jigyouKind = c.jigyouKind;
        dlg->OnInitDialog();
        EXPECT_EQ(dlg->incomeKind, c.kind) << int(c.jigyouKind);
        const int kindRadio[] = {0, ctl::kBusinessRadio, ctl::kOtherRadio, ctl::kRealEstateRadio};
        for (int radio : radios) {
            const bool disabled = std::count(c.disabled.begin(), c.disabled.end(), radio) > 0;
            EXPECT_EQ(v.IsEnabled(radio), !disabled) << int(c.jigyouKind) << " " << radio;
            EXPECT_EQ(v.GetCheck(radio), radio == kindRadio[c.kind]) << int(c.jigyouKind) << " " << radio;
        }
    }
}

TEST_F(DialogTest, ProposalIsTheEnginesFolderElseTheTemporaryFolder) {
    EngineFolders("/srv/exports/");
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().outputPath, "/srv/exports/*.xml");
    EngineFolders("");
    fs.tempFolder = "/tmp";
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().outputPath, "/tmp/*.xml");
}

TEST_F(DialogTest, EnterMovesThroughTheDialogAndPressesButtonsF12Executes) {
    Dialog().OnInitDialog();
    view.focus = ctl::kBusinessRadio;
    // A radio, the path (its text selected), browse and execute (pressed; the path refused).
    for (int next : {ctl::kPathEdit, ctl::kBrowseButton, ctl::kExecuteButton, ctl::kPathEdit}) {
        EXPECT_TRUE(Press(vk::kReturn));
        EXPECT_EQ(view.focus, next);
    }
    EXPECT_EQ(view.selectedAll, (std::vector<int>{ctl::kPathEdit, ctl::kPathEdit}));
    EXPECT_EQ(view.browsed.size(), 1u);
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kBadChar});  // the "*" of the proposal
    view.focus = 0;
    EXPECT_FALSE(Press(vk::kReturn));
    EXPECT_FALSE(Press(vk::kEscape));

    fs.AddFolder("/tmp");
    view.texts[ctl::kPathEdit] = "/tmp/out.xml";
    EXPECT_FALSE(Press(vk::kF12, true));
    EXPECT_FALSE(Dialog().PreTranslateMessage({false, vk::kF12}));  // key up
    EXPECT_EQ(view.result, ClScriptedConditionView::kNotEnded);
    EXPECT_TRUE(Press(vk::kF12));
    EXPECT_EQ(view.result, kIdExecute);
}

TEST_F(DialogTest, PresetPathIsFixedAndNotAskedAboutOverwriting) {
    fs.AddFile("/tmp/out.xml", "old");
    Dialog().presetPath = "/tmp/out.xml";
    Dialog().OnInitDialog();
    EXPECT_FALSE(view.IsEnabled(ctl::kPathEdit));
    EXPECT_FALSE(view.IsEnabled(ctl::kBrowseButton));
    EXPECT_EQ(view.texts[ctl::kOutputGroup], "出力先");
    view.focus = ctl::kOtherRadio;
    EXPECT_TRUE(Press(vk::kReturn));
    EXPECT_EQ(view.focus, ctl::kExecuteButton);
    EXPECT_TRUE(Press(vk::kReturn));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(view.result, kIdExecute);
}

// The caller's path cannot be corrected, and Cancel would report the user's
// choice: after the refusal the dialog ends for a failed run.
TEST_F(DialogTest, ARefusedFixedPathEndsTheDialogAsFailed) {
    fs.AddFile("/tmp/kept.xml", "old");
    fs.notWritable.insert("/tmp/kept.xml");
    const std::pair<const char*, const char*> cases[] = {{"/srv/a,b.xml", msg::kBadChar},
                                                         {"/tmp/kept.xml", msg::kReadOnlyFile}};
    for (const auto& [path, message] : cases) {
        ClScriptedConditionView v;
        auto dialog = Make(v);
        box.shown.clear();
        dialog->presetPath = path;
        EXPECT_EQ(dialog->DoModal(), kIdAbort) << path;
        EXPECT_EQ(box.Texts(), (std::vector<std::string>{message, msg::kFixedPathRefused})) << path;
    }
}

TEST_F(DialogTest, BrowseStartsFromThePathAndTakesTheChoice) {
    UseWindowsPaths();
    view.texts[ctl::kPathEdit] = "C:out.xml";
    Dialog().OnBrowse();  // cancelled: the text stays
    ASSERT_EQ(view.browsed.size(), 1u);
    EXPECT_EQ(view.browsed[0].folder, "C:");
    EXPECT_EQ(view.browsed[0].fileName, "out.xml");
    EXPECT_EQ(view.browsed[0].flags, 0x180Cu);
    EXPECT_EQ(view.texts[ctl::kPathEdit], "C:out.xml");
    view.browseAnswer = "D:\\表\\chosen.xml";
    Dialog().OnBrowse();
    EXPECT_EQ(view.browsed[1].folder, "C:");
    EXPECT_EQ(view.texts[ctl::kPathEdit], "D:\\表\\chosen.xml");
    EXPECT_EQ(view.focus, ctl::kExecuteButton);
}
