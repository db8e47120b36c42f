#include "platform/posix/ConsoleConditionView.h"

#include <cstdio>

#include "dialog/PathHelpers.h"
#include "common/Sjis.h"
#include "resources/ConditionDialog.h"

namespace {

constexpr char kCommands[] =
    "コマンド: 1 / 2 / 3（事業区分） path 出力先 / browse（参照） / execute または F12（実行） / "
    "cancel または Esc（キャンセル）";
constexpr char kUnknownCommand[] = "コマンドが正しくありません。";
constexpr char kRadioDisabled[] = "この事業区分は選択できません。";
constexpr char kPathFixed[] = "出力先は変更できません。";
constexpr char kPathTooLong[] = "出力先は %d バイト以内で入力してください。";
constexpr char kBrowseDisabled[] = "参照は使用できません。";
constexpr char kDisabledMark[] = "（選択不可）";
constexpr char kFixedMark[] = "（変更不可）";
constexpr char kFolderLabel[] = "  フォルダ      : ";
constexpr char kFileNameLabel[] = "  ファイル名    : ";
constexpr char kFilterLabel[] = "  ファイルの種類: ";
constexpr char kBrowsePrompt[] = "保存するファイルのパスを入力してください（空行で取り消し）> ";
constexpr char kNoSuchFolder[] = "フォルダが存在しません。";
constexpr std::uint32_t kPathMustExist = 0x800;
// What a terminal sends for the keys themselves, followed by Enter.
constexpr char kF12Key[] = "\x1b[24~";
constexpr char kEscKey[] = "\x1b";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsCommand(const std::string& word, const char* name) { return sjis::EqualIgnoringCase(word, name); }

}  // namespace

int ClConsoleConditionView::RunModal(ClConditionEvents& events) {
    texts_.emplace(ctl::kOutputGroup, dlg130::kOutputGroup);
    events.OnInitDialog();
    std::string line;
    while (!ended_) {
        Draw();
        console_.Write("> ");
        if (!console_.ReadLine(line)) {
            console_.WriteLine("");
            events.OnCancel();  // the end of input closes the dialog
            break;
        }
        Dispatch(events, line);
    }
    return result_;
}

void ClConsoleConditionView::EndDialog(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
}

void ClConsoleConditionView::Draw() {
    auto row = [this](const char* label, int id) {
        console_.WriteLine(std::string("  ") + label + " " + dlg130::kColon + " " + texts_[id]);
    };
    console_.WriteLine("");
    console_.WriteLine(dlg130::kCaption);
    row(dlg130::kCompanyLabel, ctl::kCompanyText);
    row(dlg130::kPeriodLabel, ctl::kPeriodText);
    row(dlg130::kSeizoLabel, ctl::kSeizoText);
    console_.WriteLine(std::string("  ") + dlg130::kCategoryGroup);
    int number = 1;
    for (const dlg130::StRADIO& radio : dlg130::kRadios) {
        console_.WriteLine("    " + std::to_string(number++) + " " +
                           (checks_[radio.id] ? "(*) " : "( ) ") + radio.text +
                           (IsEnabled(radio.id) ? "" : kDisabledMark));
    }
    console_.WriteLine("  " + texts_[ctl::kOutputGroup]);
    console_.WriteLine("    " + texts_[ctl::kPathEdit] + (IsEnabled(ctl::kPathEdit) ? "" : kFixedMark));
    console_.WriteLine(std::string("  [") + dlg130::kBrowseButton + "]" +
                       (IsEnabled(ctl::kBrowseButton) ? "" : kDisabledMark) + "  [" +
                       dlg130::kExecuteButton + "]  [" + dlg130::kCancelButton + "]");
    console_.WriteLine(kCommands);
}

void ClConsoleConditionView::Dispatch(ClConditionEvents& events, const std::string& line) {
    // "path" takes the rest of the line as it stands, blanks included.
    if (line.compare(0, 5, "path ") == 0 || line == "path") {
        TypePath(line.size() > 5 ? line.substr(5) : std::string());
        return;
    }
    const std::string word = Trimmed(line);
    if (word == "1" || word == "2" || word == "3") {
        Choose(dlg130::kRadios[word[0] - '1'].id);
    } else if (IsCommand(word, "browse")) {
        if (IsEnabled(ctl::kBrowseButton)) {
            events.OnBrowse();
        } else {
            Refuse(kBrowseDisabled);
        }
    } else if (IsCommand(word, "execute")) {
        events.OnExecute();
    } else if (IsCommand(word, "F12") || line == kF12Key) {
        events.PreTranslateMessage({true, vk::kF12});
    } else if (IsCommand(word, "cancel")) {
        events.OnCancel();
    } else if (IsCommand(word, "Esc") || line == kEscKey) {
        if (!events.PreTranslateMessage({true, vk::kEscape})) events.OnCancel();
    } else if (!word.empty()) {
        Refuse(kUnknownCommand);
    }
}

void ClConsoleConditionView::Choose(int radio) {
    if (!IsEnabled(radio)) {
        Refuse(kRadioDisabled);
        return;
    }
    for (const dlg130::StRADIO& other : dlg130::kRadios) checks_[other.id] = other.id == radio;
    focus_ = radio;
}

void ClConsoleConditionView::TypePath(const std::string& text) {
    if (!IsEnabled(ctl::kPathEdit)) {
        Refuse(kPathFixed);
        return;
    }
    auto limit = limits_.find(ctl::kPathEdit);
    if (limit != limits_.end() && text.size() > static_cast<std::size_t>(limit->second)) {
        char message[128];
        std::snprintf(message, sizeof message, kPathTooLong, limit->second);
        Refuse(message);
        return;
    }
    texts_[ctl::kPathEdit] = text;
    focus_ = ctl::kPathEdit;
}

void ClConsoleConditionView::Refuse(const char* text) { console_.WriteLine(text); }

bool ClConsoleConditionView::BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) {
    const PathStyle style = fs_.Style();
    console_.WriteLine("");
    console_.WriteLine(request.title);
    console_.WriteLine(kFolderLabel + request.folder);
    console_.WriteLine(kFileNameLabel + request.fileName);
    console_.WriteLine(kFilterLabel + request.filter.substr(0, request.filter.find('|')));
    std::string line;
    for (;;) {
        console_.Write(kBrowsePrompt);
        if (!console_.ReadLine(line) || line.empty()) return false;
        std::string chosen = line;
        // A bare name is taken in the folder shown, as in a file dialog.
        if (chosen[0] != Separator(style) && !request.folder.empty()) chosen = request.folder + chosen;
        if (!request.defaultExt.empty() && FileNameText(style, chosen).find('.') == std::string::npos) {
            chosen += "." + request.defaultExt;
        }
        const std::string folder = FolderText(style, chosen);
        if ((request.flags & kPathMustExist) && !folder.empty() && !fs_.IsFolder(folder)) {
            console_.WriteLine(kNoSuchFolder);
            continue;
        }
        path = chosen;
        return true;
    }
}
