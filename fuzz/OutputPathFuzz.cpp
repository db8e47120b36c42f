// The output-path check and the path helpers, in both path styles. The first
// input byte chooses the style and the situation (bit 0 Windows paths, bit 1
// a path fixed by the caller, bit 2 an existing file at the path, bit 3 the
// deepest new folder cannot be made); the rest is the path as typed.
#include "FuzzCheck.h"
#include "dialog/ConditionDlg.h"
#include "dialog/PathHelpers.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"

namespace {

constexpr std::size_t kCapacity = 261;

ClFakeFileSystem MakeFileSystem(EnPathStyle style, const std::string& path, unsigned flags) {
    ClFakeFileSystem fs(style);
    fs.AddFolder(style == EnPathStyle::Windows ? "C:\\data" : "/data");
    if (flags & 4) fs.files[path] = "old";
    if (flags & 8) {
        std::string deepest = FolderText(style, path);
        while (deepest.size() > 1 && deepest.back() == Separator(style) && !EndsWithDbcs(deepest)) {
            deepest.pop_back();
        }
        fs.failCreate.insert(deepest);
    }
    return fs;
}

void CheckHelpers(EnPathStyle style, const std::string& path) {
    fuzz::Check(FolderText(style, path) + FileNameText(style, path) == path, "folder and file name make up the path");
    fuzz::Check(EndsWithDbcs(path) == (!path.empty() && IsDbcsPosition(path, path.size() - 1) == 1),
                "a text ends with a double-byte character exactly when its last byte is in one");
    std::string folder = path;
    if (AddTrailingBackslash(style, folder, kCapacity) == 1) {
        fuzz::Check(folder.compare(0, path.size(), path) == 0 && folder.size() <= path.size() + 1,
                    "a separator is only ever appended");
    }
    std::string part = path;
    if (GetFolderPart(style, part) == 1) fuzz::Check(!part.empty(), "a folder part is never empty");
    std::string root;
    if (GetRootPart(style, path, root, kCapacity)) {
        fuzz::Check(!root.empty() && root.size() <= path.size() + 1, "a root is part of its path");
    }
}

// True when the path is one the output-path check lets through to the folder
// chain: valid characters, and on Windows a drive letter with its root (the
// drive test refuses any other first byte; shares are left to the dialog check).
bool PassesPathChecks(EnPathStyle style, const std::string& path) {
    if (HasValidPathChars(style, path) != 1) return false;
    if (style == EnPathStyle::Posix) return true;
    const auto letter = static_cast<unsigned char>(path.empty() ? 0 : path[0]);
    return path.size() >= 3 && ((letter | 0x20) >= 'a' && (letter | 0x20) <= 'z') && path[1] == ':' && path[2] == '\\';
}

// A chain that made nothing succeeds only where nothing was to be made: the
// root (a drive without a folder behind it, as the drive test allows).
bool FolderReady(ClFakeFileSystem& fs, const std::string& path) {
    return IsExistingFolder(fs, path) != 0 || fs.created.empty();
}

void CheckFolderChain(EnPathStyle style, const std::string& path, unsigned flags) {
    if (!PassesPathChecks(style, path)) return;
    ClFakeFileSystem fs = MakeFileSystem(style, path, flags);
    const auto before = fs.folders;
    const std::string folder = FolderText(style, path);
    if (CreateFolderChain(fs, folder) == 1) {
        fuzz::Check(FolderReady(fs, path), "a created chain exists");
    } else {
        fuzz::Check(fs.folders == before, "a failed chain is removed again");
    }
}

void CheckDialog(EnPathStyle style, const std::string& path, unsigned flags) {
    ClFakeFileSystem fs = MakeFileSystem(style, path, flags);
    ClRecordingMessageBox box;
    ClScriptedConditionView view;
    view.typed = path;
    ClConditionDlg dialog(view, fs, box, "Orbek17Plus.env");
    dialog.jigyouKind = 3;
    if (flags & 2) dialog.presetPath = path;
    if (dialog.DoModal() != kIdExecute) return;
    fuzz::Check(!FileNameText(style, path).empty(), "an accepted path names a file");
    fuzz::Check(HasValidPathChars(style, path) == 1, "an accepted path has valid characters");
    fuzz::Check(FolderText(style, path).empty() || FolderReady(fs, path), "an accepted path's folder exists");
    // A path fixed by the caller skips the existing-entry test.
    fuzz::Check((flags & 2) || !fs.IsFolder(path), "an accepted path is no folder");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const EnPathStyle style = (flags & 1) ? EnPathStyle::Windows : EnPathStyle::Posix;
    const std::string_view rest = fuzz::Bytes(data + 1, size - 1);
    const std::string path(rest.substr(0, rest.find('\0')));
    CheckHelpers(style, path);
    CheckFolderChain(style, path, flags);
    CheckDialog(style, path, flags);
    return 0;
}
