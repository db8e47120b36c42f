#include "AppFixture.h"

TEST_F(AppTest, InstallationLevels) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {"1", nullptr},
        {"01", nullptr},
        {"  1", nullptr},
        {"1abc", nullptr},
        {std::nullopt, nullptr},  // no entry: the default "1"
        {"0000000000000012", nullptr},  // cut to 15 characters first
        {"0", msg::kTaxAppTooOld},
        {"-3", msg::kTaxAppTooOld},
        {"abc", msg::kTaxAppTooOld},
        {"2", msg::kComponentTooOld},
        {"99999999999", msg::kComponentTooOld},
        {"", msg::kEnvironment},
    };
    fs.currentFolder = "/opt/orbek";
    ClExportApp app(kOrbek17Plus, {fs, profile, box, views, progress, caller, wait});
    for (const auto& [value, message] : cases) {
        engine.dispMsgs.clear();
        profile.value = value;
        EXPECT_EQ(app.CheckInstallation(1), message ? 0 : 1) << value.value_or("(none)");
        if (!message) {
            EXPECT_TRUE(engine.dispMsgs.empty());
            continue;
        }
        ASSERT_EQ(engine.dispMsgs.size(), 1u);
        EXPECT_EQ(engine.dispMsgs[0].text, message);
        EXPECT_EQ(engine.dispMsgs[0].caption, "所得税");
        EXPECT_EQ(engine.dispMsgs[0].style, 48u);
        EXPECT_EQ(engine.dispMsgs[0].owner, 0u);
    }
    EXPECT_EQ(profile.asked.back(), "/opt/orbek/QuillonDef.ini|ProgramLevel|QL14|1");

    profile.value = "0";
    EXPECT_EQ(app.CheckInstallation(0), 0);  // refused without a word
    EXPECT_EQ(engine.dispMsgs.size(), 1u);
}

TEST_F(AppTest, MissingDefinitionFileRefusesTheRun) {
    fs.files.clear();
    EXPECT_EQ(Run("5,99,2,"), 2);
    ASSERT_EQ(engine.dispMsgs.size(), 1u);
    EXPECT_EQ(engine.dispMsgs[0].text, msg::kEnvironment);
    EXPECT_FALSE(Logged("ExpSysLink"));
    EXPECT_EQ(log.back(), "post 5 99 2 2");
}

TEST_F(AppTest, DefinitionFileBesideAFolderEndingInADoubleByteCharacter) {
    FakeFileSystem windows(PathStyle::Windows);
    windows.currentFolder = "C:\\表";  // its second byte is 0x5C
    windows.AddFile("C:\\表\\QuillonDef.ini", "");
    ClExportApp app(kOrbek17Plus, {windows, profile, box, views, progress, caller, wait});
    EXPECT_EQ(app.CheckInstallation(1), 1);
    EXPECT_EQ(profile.asked.back(), "C:\\表\\QuillonDef.ini|ProgramLevel|QL14|1");
}
