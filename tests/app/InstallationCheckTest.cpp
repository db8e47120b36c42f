#include "AppFixture.h"

namespace {
// A message as the engine shows it: the package's name filled in.
std::vector<std::string> Shown(const char* message, std::size_t times = 1) {
    std::string text = message;
    for (auto at = text.find("ES_APRPACKAGENAME"); at != std::string::npos; at = text.find("ES_APRPACKAGENAME")) {
        text.replace(at, 17, kStandinPackageName);
    }
    return std::vector<std::string>(times, text);
}
}  // namespace

TEST_F(AppTest, InstallationLevelsAsTheValueReads) {
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {"01", nullptr}, {"1abc", nullptr}, {"0000000000000012", nullptr},  // cut to 15 characters
        {std::nullopt, nullptr},                                            // the default "1"
        {"-3", msg::kTaxAppTooOld}, {"abc", msg::kTaxAppTooOld},
        {"99999999999", msg::kComponentTooOld}, {"", msg::kEnvironment}};
    fs.currentFolder = "/opt/orbek";
    ClExportApp app = App();
    for (const auto& [value, message] : cases) {
        box.shown.clear();
        platform.level = value;
        EXPECT_EQ(app.CheckInstallation(1), message ? 0 : 1) << value.value_or("(none)");
        EXPECT_EQ(box.Texts(), message ? Shown(message) : std::vector<std::string>{});
    }
    EXPECT_EQ(platform.asked.back(), "/opt/orbek/QuillonDef.ini|ProgramLevel|QL14|1");
    platform.level = "0";
    EXPECT_EQ(app.CheckInstallation(0), 0);  // refused without a word
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(AppTest, OnlyARegularDefinitionFileIsRead) {
    fs.currentFolder = "/opt/orbek";
    ClExportApp app = App();
    fs.files.erase("/opt/orbek/QuillonDef.ini");
    EXPECT_EQ(app.CheckInstallation(1), 0);  // no file
    fs.AddFolder("/opt/orbek/QuillonDef.ini");
    EXPECT_EQ(app.CheckInstallation(1), 0);  // a folder of that name is none either
    EXPECT_EQ(box.Texts(), Shown(msg::kEnvironment, 2));
}

TEST_F(AppTest, DefinitionFileBesideAFolderEndingInADoubleByteCharacter) {
    ClFakeFileSystem windows(EnPathStyle::Windows);
    windows.currentFolder = "C:\\表";  // its second byte is 0x5C
    windows.AddFile("C:\\表\\QuillonDef.ini", "");
    ClExportApp app(kOrbek17Plus, {windows, platform, box, views, platform, platform, platform});
    EXPECT_EQ(app.CheckInstallation(1), 1);
    EXPECT_EQ(platform.asked.back(), "C:\\表\\QuillonDef.ini|ProgramLevel|QL14|1");
}
