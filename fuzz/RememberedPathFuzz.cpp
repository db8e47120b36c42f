// The remembered-path file as it may lie on disk. The first line of the input
// is the user identifier, the rest the file. A record that reads is written
// back as a caller-started run does (the path as read, a new kind) and must
// read back as written, with every other record kept in its order; a failed
// write leaves the file as it was.
#include <algorithm>
#include <cstring>

#include "FuzzCheck.h"
#include "dialog/ConditionDlg.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"
#include "doubles/Standin.h"

namespace {

constexpr char kFile[] = "/data/varnoke/Orbek17Plus.env";

// The first line of text (without its LF), taken off it.
std::string_view TakeLine(std::string_view& text) {
    const std::string_view line = text.substr(0, text.find('\n'));
    text.remove_prefix(std::min(line.size() + 1, text.size()));
    return line;
}

// The lines of before that are not key's records must stay in after, in order.
bool KeepsOthers(std::string_view before, std::string_view after, std::string_view key) {
    while (!before.empty()) {
        const std::string_view line = TakeLine(before);
        if (line.starts_with(key)) continue;
        bool kept = false;
        while (!kept && !after.empty()) kept = TakeLine(after) == line;
        if (!kept) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::Bytes(data, size);
    const std::size_t lf = input.find('\n');
    if (lf == std::string_view::npos) return 0;
    const std::string_view user = input.substr(0, std::min<std::size_t>(lf, 64));
    const std::string before(input.substr(lf + 1));

    // The engine names the folder of the remembered-path file.
    ClTestStandin engine(R"({"format": 1, "appFolders": {"1": "/data/varnoke/"}})");
    ClFakeFileSystem fs;
    fs.AddFile(kFile, before);
    ClRecordingMessageBox box;
    ClScriptedConditionView view;
    ClConditionDlg dialog(view, fs, box, "Orbek17Plus.env");
    std::memcpy(dialog.userId, user.data(), user.size());
    dialog.selNo1 = 1;
    dialog.selNo2 = 3;
    const std::string key = std::string(dialog.userId) + "/1/3:";

    std::int16_t kind = 0;
    std::string path;
    const bool found = dialog.ReadRememberedPath(kind, path) == 1;
    dialog.rememberedPath = found ? path : "/out/a.xml";
    const std::int16_t newKind = found && kind == 3 ? 1 : 3;

    const bool written = dialog.WriteRememberedPath(0, 0, newKind, nullptr) == 1;
    const std::string after = fs.files[kFile];
    if (!written) {
        fuzz::Check(after == before, "a failed write leaves the file as it was");
        fuzz::Check(dialog.rememberedPath.find_first_of("\r\n") != std::string::npos,
                    "a path without line breaks is always written");
        return 0;
    }
    std::int16_t readKind = 0;
    std::string readPath;
    fuzz::Check(dialog.ReadRememberedPath(readKind, readPath) == 1, "the record written reads back");
    fuzz::Check(readKind == newKind && readPath == dialog.rememberedPath, "the record read back is the one written");
    fuzz::Check(KeepsOthers(before, after, key), "the other records stay, in their order");
    return 0;
}
