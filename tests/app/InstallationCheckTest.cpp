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
    using Texts = std::vector<std::string>;
    const std::tuple<std::optional<std::string>, int, Texts> cases[] = {
        // the value read, the result, the boxes
        {"01", 1, {}},
        {"1abc", 1, {}},
        {"0000000000000012", 1, {}},  // cut to 15 characters
        {std::nullopt, 1, {}},        // the default "1"
        {"-3", 0, Shown(msg::kTaxAppTooOld)},
        {"abc", 0, Shown(msg::kTaxAppTooOld)},
        {"99999999999", 0, Shown(msg::kComponentTooOld)},
        {"", 0, Shown(msg::kEnvironment)}};
    fs.currentFolder = "/opt/orbek";
    ClExportApp app = App();
    for (const auto& [value, result, texts] : cases) {
        box.shown.clear();
        platform.level = value;
        EXPECT_EQ(app.CheckInstallation(1), result) << value.value_or("(none)");
        EXPECT_EQ(box.Texts(), texts) << value.value_or("(none)");
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
