#include "platform/posix/ConsoleConditionView.h"

#include <cstdio>

#include "dialog/PathHelpers.h"
#include "common/Sjis.h"
#include "resources/ConditionDialog.h"

namespace {

// Within 80 columns: a character of two bytes takes two columns.
constexpr const char* kCommands[] = {
    "コマンド: 1 / 2 / 3（事業区分） / path 出力先 / browse（参照）",
    "          execute または F12（実行） / cancel または Esc（キャンセル）",
    "          show（画面の再表示）",
};
constexpr char kUnknownCommand[] = "コマンドが正しくありません。";
constexpr char kRadioDisabled[] = "この事業区分は選択できません。";
constexpr char kPathFixed[] = "出力先は変更できません。";
constexpr char kPathTooLong[] = "出力先は %d バイト以内で入力してください。";
constexpr char kPathNotAbsolute[] = "出力先は / で始まる絶対パスで入力してください。";
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

// The text of a control without its keyboard mnemonic ("(&1)", "&D"): the
// console has no such keys.
std::string WithoutMnemonic(const std::string& text) {
    std::string plain = text;
    for (std::size_t amp = NextCharPos(plain, '&', 0); amp != std::string::npos; amp = NextCharPos(plain, '&', amp)) {
        const bool bracketed = amp > 0 && plain[amp - 1] == '(' && amp + 2 < plain.size() && plain[amp + 2] == ')';
        if (bracketed) {
            plain.erase(amp - 1, 4);
            amp -= 1;
        } else {
            plain.erase(amp, 1);
        }
    }
    return plain;
}

// The extension a save-file dialog adds to a name without one: that of the
// filter shown when it names one ("*.xml"), else the default extension.
std::string AddedExtension(const StSAVEFILEREQUEST& request) {
    const std::size_t start = request.filter.find('|');
    if (start != std::string::npos) {
        const std::size_t end = request.filter.find('|', start + 1);
        const std::string pattern = request.filter.substr(start + 1, end - start - 1);
        if (pattern.compare(0, 2, "*.") == 0 && pattern.find_first_of("*?;", 2) == std::string::npos &&
            pattern.size() > 2) {
            return pattern.substr(2);
        }
    }
    return request.defaultExt;
}

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
    if (!ended_) Draw();
    std::string line;
    while (!ended_) {
        bool unreadable = false;
        if (!console_.ReadLine(line, "> ", &unreadable)) {
            console_.WriteLine("");
            events.OnCancel();  // the end of input closes the dialog
            break;
        }
        Dispatch(events, line, unreadable);
        if (!ended_) DrawChanges();
    }
    return result_;
}

void ClConsoleConditionView::EndDialog(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
}

std::vector<std::string> ClConsoleConditionView::Lines() {
    std::vector<std::string> lines{dlg130::kCaption};
    for (const auto& [label, id] :
         {std::pair{dlg130::kCompanyLabel, ctl::kCompanyText}, std::pair{dlg130::kPeriodLabel, ctl::kPeriodText},
          std::pair{dlg130::kSeizoLabel, ctl::kSeizoText}}) {
        lines.push_back(std::string("  ") + label + " " + dlg130::kColon + " " + texts_[id]);
    }
    lines.push_back(std::string("  ") + dlg130::kCategoryGroup);
    int number = 1;
    for (const dlg130::StRADIO& radio : dlg130::kRadios) {
        lines.push_back("    " + std::to_string(number++) + " " + (checks_[radio.id] ? "(*) " : "( ) ") +
                        WithoutMnemonic(radio.text) + (IsEnabled(radio.id) ? "" : kDisabledMark));
    }
    lines.push_back("  " + WithoutMnemonic(texts_[ctl::kOutputGroup]));
    lines.push_back("    " + texts_[ctl::kPathEdit] + (IsEnabled(ctl::kPathEdit) ? "" : kFixedMark));
    lines.push_back("  [" + WithoutMnemonic(dlg130::kBrowseButton) + "]" +
                    (IsEnabled(ctl::kBrowseButton) ? "" : kDisabledMark) + "  [" + dlg130::kExecuteButton + "]  [" +
                    dlg130::kCancelButton + "]");
    return lines;
}

void ClConsoleConditionView::Draw() {
    drawn_ = Lines();
    console_.WriteLine("");
    for (const std::string& line : drawn_) console_.WriteLine(line);
    for (const char* line : kCommands) console_.WriteLine(line);
}

void ClConsoleConditionView::DrawChanges() {
    std::vector<std::string> lines = Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i >= drawn_.size() || lines[i] != drawn_[i]) console_.WriteLine(lines[i]);
    }
    drawn_ = std::move(lines);
}

void ClConsoleConditionView::Dispatch(ClConditionEvents& events, const std::string& line, bool unreadable) {
    const std::string word = Trimmed(line);
    if (word.compare(0, 5, "path ") == 0 || word == "path") {
        TypePath(Trimmed(word.substr(4)), unreadable);
    } else if (unreadable) {
        return;  // the console has said why; no other command holds such characters
    } else if (word == "1" || word == "2" || word == "3") {
        Choose(dlg130::kRadios[word[0] - '1'].id);
    } else if (IsCommand(word, "browse")) {
        if (IsEnabled(ctl::kBrowseButton)) {
            events.OnBrowse();
        } else {
            Refuse(kBrowseDisabled);
        }
    } else if (IsCommand(word, "execute")) {
        Execute(events, false);
    } else if (IsCommand(word, "F12") || line == kF12Key) {
        Execute(events, true);
    } else if (IsCommand(word, "cancel")) {
        events.OnCancel();
    } else if (IsCommand(word, "Esc") || line == kEscKey) {
        if (!events.PreTranslateMessage({true, vk::kEscape})) events.OnCancel();
    } else if (IsCommand(word, "show")) {
        Draw();
    } else if (!word.empty()) {
        Refuse(kUnknownCommand);
    }
}

void ClConsoleConditionView::Execute(ClConditionEvents& events, bool byKey) {
    if (byKey) {
        events.PreTranslateMessage({true, vk::kF12});
    } else {
        events.OnExecute();
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

// A refused path empties the box, as the Windows dialog keeps the refused
// text for Execute to refuse: the path that stood there before (perhaps the
// remembered one) must not be written to by a script that asked for another.
void ClConsoleConditionView::TypePath(const std::string& text, bool unreadable) {
    if (!IsEnabled(ctl::kPathEdit)) {
        Refuse(kPathFixed);
        return;
    }
    const std::string refusal = unreadable ? std::string() : PathRefusal(text);
    texts_[ctl::kPathEdit] = unreadable || !refusal.empty() ? std::string() : text;
    focus_ = ctl::kPathEdit;
    if (!refusal.empty()) Refuse(refusal.c_str());
}

// Why the typed path cannot be taken; empty when it can.
std::string ClConsoleConditionView::PathRefusal(const std::string& text) {
    auto limit = limits_.find(ctl::kPathEdit);
    if (limit != limits_.end() && text.size() > static_cast<std::size_t>(limit->second)) {
        char message[128];
        std::snprintf(message, sizeof message, kPathTooLong, limit->second);
        return message;
    }
    // Without drives, the drive test only asks for a path from the root.
    if (!text.empty() && fs_.Style() == EnPathStyle::Posix && text[0] != '/') return kPathNotAbsolute;
    return {};
}

void ClConsoleConditionView::Refuse(const char* text) { console_.WriteLine(text); }

bool ClConsoleConditionView::BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) {
    const EnPathStyle style = fs_.Style();
    console_.WriteLine("");
    console_.WriteLine(request.title);
    console_.WriteLine(kFolderLabel + request.folder);
    console_.WriteLine(kFileNameLabel + request.fileName);
    console_.WriteLine(kFilterLabel + request.filter.substr(0, request.filter.find('|')));
    const std::string extension = AddedExtension(request);
    std::string line;
    for (;;) {
        if (!console_.ReadLine(line, kBrowsePrompt)) return false;
        std::string chosen = Trimmed(line);
        if (chosen.empty()) return false;
        // A bare name is taken in the folder shown, as in a file dialog.
        if (chosen[0] != Separator(style) && !request.folder.empty()) chosen = request.folder + chosen;
        if (!extension.empty() && FileNameText(style, chosen).find('.') == std::string::npos) {
            chosen += "." + extension;
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
