#include <cstdio>

#include "common/AppName.h"
#include "dialog/ConditionDlg.h"
#include "dialog/PathHelpers.h"

namespace {

constexpr char kNoPathMessage[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
constexpr char kBadCharMessage[] = "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
constexpr char kBadDriveMessage[] = "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
constexpr char kNoFileNameMessage[] = "ファイル名が指定されていません。";
constexpr char kCreateFolderQuestion[] = "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
constexpr char kCreateFolderFailed[] = "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
constexpr char kOverwriteQuestion[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";
constexpr char kBadFileNameMessage[] = "ファイル名が有効でありません。\n\n有効なファイル名を指定してください。";
constexpr char kReadOnlyFileMessage[] = "指定されたファイルは読み取り専用です。\n\n出力先を再入力してください。";
constexpr char kFolderNotWritableMessage[] = "指定されたフォルダには書き込めません。\n\n出力先を再入力してください。";

}  // namespace

bool ClConditionDlg::CheckOutputPath() {
    if (const char* refusal = PathTextRefusal()) {
        Warn(refusal);
        Refuse();
        return false;
    }
    return CheckFolder() && CheckTarget();
}

// A path that is too long fits none of the run's path buffers; it is refused
// like a path with characters a path cannot hold.
const char* ClConditionDlg::PathTextRefusal() {
    const EnPathStyle style = fs_.Style();
    if (outputPath.empty()) return kNoPathMessage;
    if (outputPath.size() > kMaxOutputPathBytes || !HasValidPathChars(style, outputPath)) {
        return kBadCharMessage;
    }
    if (!IsValidDrive(outputPath)) return kBadDriveMessage;
    const std::string fileName = FileNameText(style, outputPath);
    if (fileName.empty()) return kNoFileNameMessage;
    if (style == EnPathStyle::Windows && IsReservedDeviceName(fileName)) return kBadFileNameMessage;
    return nullptr;
}

// What stands at the path must be replaceable, or the folder must take a new
// file, before the figures are collected; only the question is left out for
// a path the caller fixed.
bool ClConditionDlg::CheckTarget() {
    const char* refusal = nullptr;
    if (!fs_.Access(outputPath, accessmode::kExists)) {
        if (!fs_.TakesNewFiles(FolderText(fs_.Style(), outputPath))) refusal = kFolderNotWritableMessage;
    } else if (fs_.IsFolder(outputPath)) {
        refusal = kNoFileNameMessage;
    } else if (!fs_.Access(outputPath, accessmode::kWrite)) {
        refusal = kReadOnlyFileMessage;
    } else if (!pathFixed && !AskYes(kOverwriteQuestion)) {
        Refuse();
        return false;
    }
    if (refusal) {
        Warn(refusal);
        Refuse();
        return false;
    }
    return true;
}

bool ClConditionDlg::CheckFolder() {
    const std::string folder = FolderText(fs_.Style(), outputPath);
    if (folder.empty() || fs_.Access(folder, accessmode::kExists)) return true;
    if (!AskYes(kCreateFolderQuestion)) {
        Refuse();
        return false;
    }
    if (!CreateFolderChain(fs_, folder)) {
        Warn(kCreateFolderFailed);
        Refuse();
        return false;
    }
    return true;
}

int ClConditionDlg::IsValidDrive(const std::string& path) {
    // A path that is not from a root would be written into whatever folder
    // happens to be current.
    if (!IsAbsolutePath(fs_.Style(), path)) return 0;
    if (fs_.Style() == EnPathStyle::Posix) {
        // No drives: a file system that can be written.
        return fs_.IsReadOnlyVolume(path) ? 0 : 1;
    }
    if (!IsUncPath(EnPathStyle::Windows, path)) {
        if (HasDoubledChar(path, '\\', 0)) return 0;
        return IsUsableDriveLetter(path[0], accessmode::kReadWrite);
    }
    // "\\server\share\...": the share must be open for reading and writing.
    const std::size_t serverEnd = NextCharPos(path, '\\', 3);
    const std::size_t shareEnd = serverEnd == std::string::npos ? serverEnd : NextCharPos(path, '\\', serverEnd + 1);
    if (shareEnd == std::string::npos) return 0;
    return fs_.Access(path.substr(0, shareEnd), accessmode::kReadWrite) ? 1 : 0;
}

int ClConditionDlg::IsUsableDriveLetter(char letter, int mode) {
    char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    if (upper < 'A' || upper > 'Z') return 0;
    char root[4] = {};
    std::snprintf(root, sizeof root, "%c:\\", upper);
    switch (fs_.GetDriveType(root)) {
        case drive::kUnknown:
        case drive::kCdRom:
        case drive::kRamDisk:
            return 0;
        case drive::kRemovable:
        case drive::kFixed:
        case drive::kRemote:
            return fs_.Access(root, mode) ? 1 : 0;
        default:  // no drive behind the letter, or a type of its own
            return 1;
    }
}

void ClConditionDlg::Refuse() {
    view_.SetFocus(ctl::kPathEdit);
    view_.SelectAllText(ctl::kPathEdit);
}

void ClConditionDlg::Warn(const char* text) { box_.Show(view_.Window(), text, kAppName, mb::kIconWarning); }

bool ClConditionDlg::AskYes(const char* text) {
    return box_.Show(view_.Window(), text, kAppName, mb::kYesNo | mb::kIconQuestion) != mb::kIdNo;
}
