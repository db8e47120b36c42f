// Whether the income-tax application that reads the output is installed in a
// release this component fits: "QuillonDef.ini" in the program's folder,
// [ProgramLevel] QL14.
#include "common/AppName.h"
#include "app/DecimalText.h"
#include "app/ExportApp.h"
#include "dialog/PathHelpers.h"
#include "common/Sjis.h"
#include "engine/VkEngine.h"
#include "services/MessageBox.h"
#include "services/ProfileReader.h"

namespace {

constexpr char kDefinitionFile[] = "QuillonDef.ini";
constexpr std::size_t kDefinitionPathCapacity = 517;
constexpr std::size_t kValueChars = 15;

// Levels that refuse, with what the user is told. Level 0 (usable) has none.
struct StLEVELMESSAGE {
    int level;
    const char* text;
};
constexpr StLEVELMESSAGE kLevelMessages[] = {
    {-1, "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。"},
    {1,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。"},
    {2,
     "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
     "連動コンポーネントの最新版を入手してインストールしてからご利用ください。"},
};

}  // namespace

int ClExportApp::CheckInstallation(std::int32_t showMessage) {
    ClFileSystem& fs = services_.fileSystem;
    std::string path = fs.GetCurrentFolder();
    if (!path.empty()) AddTrailingBackslash(fs.Style(), path, kDefinitionPathCapacity);
    path += kDefinitionFile;

    int level = -1;
    if (fs.IsFile(path)) {  // a folder or a pipe of that name is no definition file
        std::string value = services_.profile.GetString(path, "ProgramLevel", "QL14", "1");
        value.resize(sjis::CutLength(value, kValueChars));
        if (!value.empty()) {
            const std::int32_t number = DecimalValue(value);
            level = number == 1 ? 0 : number > 1 ? 2 : 1;
        }
    }
    for (const StLEVELMESSAGE& row : kLevelMessages) {
        if (row.level != level) continue;
        ClAccConnect* connection = ClAccConnect::Inst();
        if (showMessage && connection) connection->DispMsg(0, row.text, kAppName, mb::kIconWarning);
        return 0;
    }
    return 1;
}
