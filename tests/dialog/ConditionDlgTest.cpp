#include "DialogFixture.h"

namespace {
bool Checked(ScriptedConditionView& v, int id) { return v.GetCheck(id); }
}  // namespace

TEST_F(DialogTest, CategoryFollowsTheBusinessTypeOfTheData) {
    struct Case {
        std::uint8_t jigyouKind;
        std::int16_t kind;
        int checked;
        std::vector<int> disabledRadios;
    };
    const Case cases[] = {
        {1, 1, ctl::kBusinessRadio, {ctl::kRealEstateRadio}},
        {2, 3, ctl::kRealEstateRadio, {ctl::kBusinessRadio, ctl::kOtherRadio}},
        {3, 1, ctl::kBusinessRadio, {}},
        {0, 1, ctl::kBusinessRadio, {}},
    };
    for (const Case& c : cases) {
        ScriptedConditionView v;
        ClConditionDlg dlg(v, fs, box, "Orbek17Plus.env");
        dlg.jigyouKind = c.jigyouKind;
        dlg.OnInitDialog();
        EXPECT_EQ(dlg.incomeKind, c.kind);
        EXPECT_TRUE(Checked(v, c.checked));
        for (int radio : {ctl::kBusinessRadio, ctl::kOtherRadio, ctl::kRealEstateRadio}) {
            bool disabled = std::count(c.disabledRadios.begin(), c.disabledRadios.end(), radio) > 0;
            EXPECT_EQ(v.IsEnabled(radio), !disabled) << int(c.jigyouKind) << " " << radio;
        }
    }
}

TEST_F(DialogTest, RememberedKindIsTakenOnlyWhenItsRadioIsEnabled) {
    fs.AddFile("/data/varnoke/Orbek17Plus.env", "user01/1/3:0/0/1//home/u/a.xml\n");
    Dialog().jigyouKind = 2;
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().incomeKind, 3);
    EXPECT_TRUE(Checked(view, ctl::kRealEstateRadio));
    EXPECT_FALSE(Checked(view, ctl::kBusinessRadio));

    ScriptedConditionView v;
    ClConditionDlg dlg(v, fs, box, "Orbek17Plus.env");
    std::strcpy(dlg.userId, "user01");
    dlg.selNo1 = 1;
    dlg.selNo2 = 3;
    fs.files["/data/varnoke/Orbek17Plus.env"] = "user01/1/3:0/0/2//home/u/b.xml\n";
    dlg.jigyouKind = 1;
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.incomeKind, 2);
    EXPECT_TRUE(Checked(v, ctl::kOtherRadio));
    EXPECT_FALSE(Checked(v, ctl::kBusinessRadio));
    EXPECT_EQ(dlg.outputPath, "/home/u/b.xml");
    EXPECT_EQ(dlg.rememberedPath, "/home/u/b.xml");
    EXPECT_EQ(v.texts[ctl::kPathEdit], "/home/u/b.xml");
}

TEST_F(DialogTest, ProposalIsTheEnginesFolderElseTheTemporaryFolder) {
    engine.folder0 = "/srv/exports/";
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().outputPath, "/srv/exports/*.xml");
    EXPECT_TRUE(Dialog().rememberedPath.empty());

    UseWindowsPaths();
    engine.folder0.clear();
    fs.tempFolder = "C:\\Temp\\表";
    ScriptedConditionView v;
    ClConditionDlg dlg(v, fs, box, "Orbek17Plus.env");
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.outputPath, "C:\\Temp\\表\\*.xml");
}

TEST_F(DialogTest, PresetPathIsFixed) {
    Dialog().presetPath = "/srv/caller/out.xml";
    Dialog().OnInitDialog();
    EXPECT_EQ(Dialog().outputPath, "/srv/caller/out.xml");
    EXPECT_EQ(Dialog().pathFixed, 1);
    EXPECT_FALSE(view.IsEnabled(ctl::kPathEdit));
    EXPECT_FALSE(view.IsEnabled(ctl::kBrowseButton));
    EXPECT_EQ(view.texts[ctl::kOutputGroup], "出力先");

    view.focus = ctl::kOtherRadio;
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_EQ(view.focus, ctl::kExecuteButton);
}

TEST_F(DialogTest, EnterMovesThroughTheDialogAndF12Executes) {
    fs.AddFolder("/tmp");
    Dialog().OnInitDialog();
    view.focus = ctl::kBusinessRadio;
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_EQ(view.focus, ctl::kPathEdit);
    EXPECT_EQ(view.selectedAll, std::vector<int>{ctl::kPathEdit});
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_EQ(view.focus, ctl::kBrowseButton);
    view.focus = 0;
    EXPECT_FALSE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_FALSE(Dialog().PreTranslateMessage({true, vk::kEscape}));

    view.texts[ctl::kPathEdit] = "/tmp/out.xml";
    EXPECT_FALSE(Dialog().PreTranslateMessage({true, vk::kF12, false, true}));  // with Ctrl
    EXPECT_FALSE(Dialog().PreTranslateMessage({false, vk::kF12}));              // key up
    EXPECT_EQ(view.result, ScriptedConditionView::kNotEnded);
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kF12}));
    EXPECT_EQ(view.result, kIdExecute);
}

TEST_F(DialogTest, EnterOnTheButtonsPressesThem) {
    Dialog().OnInitDialog();
    view.focus = ctl::kBrowseButton;
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_EQ(view.browsed.size(), 1u);
    EXPECT_EQ(view.focus, ctl::kExecuteButton);
    EXPECT_TRUE(Dialog().PreTranslateMessage({true, vk::kReturn}));
    EXPECT_EQ(box.Texts(), std::vector<std::string>{msg::kBadChar});  // the "*" of the proposal "*.xml"
}

TEST_F(DialogTest, BrowseStartsFromThePathAndTakesTheChoice) {
    fs.tempFolder = "/tmp/";
    Dialog().OnInitDialog();
    view.browseAnswer = "/home/u/chosen.xml";
    Dialog().OnBrowse();
    ASSERT_EQ(view.browsed.size(), 1u);
    const StSAVEFILEREQUEST& request = view.browsed[0];
    EXPECT_EQ(request.folder, "/tmp/");
    EXPECT_EQ(request.fileName, "*.xml");
    EXPECT_EQ(request.title, "保存ファイルを指定");
    EXPECT_EQ(request.filter, "Xml Files (*.xml)|*.xml||");
    EXPECT_EQ(request.defaultExt, "XML");
    EXPECT_EQ(request.flags, 0x180Cu);
    EXPECT_EQ(view.texts[ctl::kPathEdit], "/home/u/chosen.xml");
    EXPECT_EQ(view.focus, ctl::kExecuteButton);

    view.browseAnswer.clear();
    view.texts[ctl::kPathEdit] = "typed";
    Dialog().OnBrowse();
    EXPECT_EQ(view.browsed[1].folder, "");
    EXPECT_EQ(view.browsed[1].fileName, "typed");
    EXPECT_EQ(view.texts[ctl::kPathEdit], "typed");

    UseWindowsPaths();
    ScriptedConditionView v;
    ClConditionDlg dlg(v, fs, box, "Orbek17Plus.env");
    dlg.OnInitDialog();
    v.texts[ctl::kPathEdit] = "C:out.xml";
    dlg.OnBrowse();
    EXPECT_EQ(v.browsed[0].folder, "C:");
    EXPECT_EQ(v.browsed[0].fileName, "out.xml");
}
