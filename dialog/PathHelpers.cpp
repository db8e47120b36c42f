#include "dialog/PathHelpers.h"

#include <optional>

#include "common/Sjis.h"

namespace {

// Calls visit(position, length in bytes) for each character, from the start,
// until it returns false. Walking whole characters is what keeps a second
// byte 0x5C from being taken for a backslash.
template <typename Visit>
void ForEachChar(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t len = sjis::CharLengthAt(text, i);
        if (!visit(i, len)) return;
        i += len;
    }
}

// True when the character at pos is the single-byte c.
bool IsCharAt(std::string_view text, std::size_t pos, char c) {
    return pos < text.size() && text[pos] == c && !sjis::IsTrailAt(text, pos);
}

}  // namespace

std::size_t NextCharPos(std::string_view text, char c, std::size_t from) {
    std::size_t found = std::string_view::npos;
    ForEachChar(text, [&](std::size_t i, std::size_t len) {
        if (i >= from && len == 1 && text[i] == c) {
            found = i;
            return false;
        }
        return true;
    });
    return found;
}

bool HasDoubledChar(std::string_view text, char c, std::size_t from) {
    bool doubled = false;
    ForEachChar(text, [&](std::size_t i, std::size_t len) {
        doubled = i >= from && len == 1 && text[i] == c && i + 1 < text.size() && text[i + 1] == c;
        return !doubled;
    });
    return doubled;
}

namespace {

// Position of the last single-byte c or alt; npos when none.
std::size_t LastCharPosOfEither(std::string_view text, char c, char alt) {
    std::size_t found = std::string_view::npos;
    ForEachChar(text, [&](std::size_t i, std::size_t len) {
        if (len == 1 && (text[i] == c || (alt && text[i] == alt))) found = i;
        return true;
    });
    return found;
}

// True when test(index, length) holds for a character of text.
template <typename Test>
bool AnyChar(std::string_view text, Test test) {
    bool any = false;
    ForEachChar(text, [&](std::size_t i, std::size_t len) {
        any = test(i, len);
        return !any;
    });
    return any;
}

bool HasAnyOf(std::string_view text, std::string_view chars) {
    return AnyChar(text, [&](std::size_t i, std::size_t len) {
        return len == 1 && chars.find(text[i]) != std::string_view::npos;
    });
}

// A pair code page 932 does not assign names no file Windows could make.
bool HasUnassignedPair(std::string_view text) {
    return AnyChar(text, [&](std::size_t i, std::size_t len) {
        return len == 2 &&
               !sjis::IsAssignedPair(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1]));
    });
}

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && static_cast<unsigned char>(path[0]) < 0x80 && path[1] == ':';
}

// End of "\\server\share" and the start of what follows its separator.
struct StUNCROOT {
    std::size_t rootEnd;
    std::size_t restStart;
};
std::optional<StUNCROOT> UncRoot(std::string_view path) {
    std::size_t serverEnd = NextCharPos(path, '\\', 2);
    if (serverEnd == std::string_view::npos) return std::nullopt;
    std::size_t shareEnd = NextCharPos(path, '\\', serverEnd + 1);
    if (shareEnd == std::string_view::npos) return StUNCROOT{path.size(), path.size()};
    return StUNCROOT{shareEnd, shareEnd + 1};
}

// Where the part after the root begins (PathSkipRootA); none for a relative path.
std::optional<std::size_t> SkipRoot(EnPathStyle style, std::string_view path) {
    if (style == EnPathStyle::Posix) {
        if (!path.empty() && path[0] == '/') return 1;
        return std::nullopt;
    }
    if (IsUncPath(style, path)) {
        auto unc = UncRoot(path);
        if (!unc) return std::nullopt;
        return unc->restStart;
    }
    if (HasDriveLetter(path) && path.size() >= 3 && path[2] == '\\') return 3;
    if (!path.empty() && path[0] == '\\') return 1;
    return std::nullopt;
}

// Length of the root (PathStripToRootA); none for a path without one.
std::optional<std::size_t> RootLength(EnPathStyle style, std::string_view path) {
    if (style == EnPathStyle::Posix) return SkipRoot(style, path);
    if (IsUncPath(style, path)) {
        auto unc = UncRoot(path);
        return unc ? unc->rootEnd : path.size();
    }
    if (HasDriveLetter(path)) return path.size() >= 3 && path[2] == '\\' ? 3 : 2;
    if (!path.empty() && path[0] == '\\') return 1;
    return std::nullopt;
}

// Windows names are compared without regard to the case of single-byte
// letters; POSIX names exactly.
bool SameNameText(EnPathStyle style, std::string_view a, std::string_view b) {
    return style == EnPathStyle::Posix ? a == b : sjis::EqualIgnoringCase(a, b);
}

// Folder part with the separator, its root (with the separator) and the rest.
struct StSPLITFOLDER {
    std::string root;
    std::string rest;
};
std::optional<StSPLITFOLDER> SplitFolder(EnPathStyle style, std::string folder) {
    if (!GetFolderPart(style, folder) || !AddTrailingBackslash(style, folder, kPathCapacity)) {
        return std::nullopt;
    }
    auto restStart = SkipRoot(style, folder);
    StSPLITFOLDER split;
    if (!restStart || !GetRootPart(style, folder, split.root, kPathCapacity) ||
        !AddTrailingBackslash(style, split.root, kPathCapacity)) {
        return std::nullopt;
    }
    split.rest = folder.substr(*restStart);
    return split;
}

}  // namespace

bool IsUncPath(EnPathStyle style, std::string_view path) {
    return style == EnPathStyle::Windows && path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

char Separator(EnPathStyle style) { return style == EnPathStyle::Posix ? '/' : '\\'; }

bool IsDbcsPosition(std::string_view text, std::size_t index) {
    int result = 0;
    ForEachChar(text, [&](std::size_t i, std::size_t len) {
        if (index < i + len) {
            result = len == 2 ? true : false;
            return false;
        }
        return true;
    });
    return result;
}

bool EndsWithDbcs(std::string_view text) { return !text.empty() && sjis::IsTrailAt(text, text.size() - 1); }

bool HasValidPathChars(EnPathStyle style, std::string_view path) {
    // No path holds a control character (NUL included: every system call
    // would see the path cut there); none is a second byte either.
    static constexpr std::string_view kControls{
        "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"
        "\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F",
        33};
    if (HasAnyOf(path, kControls) || HasUnassignedPair(path)) return false;
    if (style == EnPathStyle::Posix) {
        return !HasDoubledChar(path, '/', 0) && !HasAnyOf(path, "\\:,;*?\"><|");
    }
    std::string_view examined = path;
    if (!IsUncPath(style, path)) {
        if (HasDoubledChar(path, '\\', 0)) return false;
        std::size_t colon = NextCharPos(path, ':', 0);
        if (colon != std::string_view::npos) examined = path.substr(colon + 1);
    } else {
        if (HasDoubledChar(path, '\\', 3)) return false;
        examined = path.substr(2);
    }
    return !HasAnyOf(examined, "/:,;*?\"><|");
}

bool IsAbsolutePath(EnPathStyle style, std::string_view path) {
    if (style == EnPathStyle::Posix) return !path.empty() && path[0] == '/';
    return IsUncPath(style, path) || (HasDriveLetter(path) && path.size() >= 3 && path[2] == '\\');
}

bool IsReservedDeviceName(std::string_view fileName) {
    // The device is named by the text before the first dot, blanks at its end dropped.
    std::string_view base = fileName.substr(0, NextCharPos(fileName, '.', 0));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (sjis::EqualIgnoringCase(base, device)) return true;
    }
    if (base.size() != 4 || base[3] < '1' || base[3] > '9') return false;
    return sjis::EqualIgnoringCase(base.substr(0, 3), "COM") || sjis::EqualIgnoringCase(base.substr(0, 3), "LPT");
}

bool AddTrailingBackslash(EnPathStyle style, std::string& folder, std::size_t capacity) {
    if (folder.empty()) return false;
    const char sep = Separator(style);
    if (!EndsWithDbcs(folder) && folder.back() == sep) return true;
    if (folder.size() + 1 >= capacity) return false;
    folder += sep;
    return true;
}

bool GetFolderPart(EnPathStyle style, std::string& path) {
    if (path.empty()) return false;
    const char sep = Separator(style);
    std::string part;
    if (style == EnPathStyle::Windows) {
        // As _splitpath: the drive, then the folders up to the last "\" or "/".
        std::size_t driveLen = HasDriveLetter(path) ? 2 : 0;
        std::string_view afterDrive = std::string_view(path).substr(driveLen);
        std::size_t last = LastCharPosOfEither(afterDrive, '\\', '/');
        part = path.substr(0, driveLen + (last == std::string_view::npos ? 0 : last + 1));
    } else {
        part = FolderText(style, path);
    }
    if (part.empty()) return false;
    if (EndsWithDbcs(part) || (part.back() != sep && part.size() < path.size())) part += sep;
    path = part;
    return true;
}

std::size_t LastCharPos(std::string_view text, char c) { return LastCharPosOfEither(text, c, '\0'); }

std::string FolderText(EnPathStyle style, std::string_view path) {
    std::size_t last = LastCharPos(path, Separator(style));
    return std::string(last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1));
}

std::string FileNameText(EnPathStyle style, std::string_view path) {
    std::size_t last = LastCharPos(path, Separator(style));
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

bool IsExistingFolder(ClFileSystem& fs, const std::string& path) {
    std::string folder = path;
    GetFolderPart(fs.Style(), folder);
    return fs.IsFolder(folder);
}

bool GetRootPart(EnPathStyle style, std::string_view path, std::string& root, std::size_t capacity) {
    if (path.empty() || capacity == 0 || path.size() >= capacity) return false;
    auto len = RootLength(style, path);
    if (!len) return false;
    root.assign(path.substr(0, *len));
    return true;
}

bool CreateFolderChain(ClFileSystem& fs, const std::string& folder) {
    const EnPathStyle style = fs.Style();
    if (folder.empty() || folder.size() >= kPathCapacity - 1) return false;
    std::string work = folder;
    if (!GetFolderPart(style, work) || work.empty()) return false;
    if (!AddTrailingBackslash(style, work, kPathCapacity)) return false;
    auto restStart = SkipRoot(style, work);
    if (!restStart) return false;  // a relative folder cannot be created
    std::string root;
    if (!GetRootPart(style, work, root, kPathCapacity) || !AddTrailingBackslash(style, root, kPathCapacity))
        return false;

    const std::string_view rest = std::string_view(work).substr(*restStart);
    const char sep = Separator(style);
    std::string deepestExisting = root;
    bool failed = false;
    ForEachChar(rest, [&](std::size_t i, std::size_t len) {
        if (len != 1 || rest[i] != sep) return true;
        std::string partial = root + std::string(rest.substr(0, i));
        AddTrailingBackslash(style, partial, kPathCapacity);
        if (IsExistingFolder(fs, partial)) {
            deepestExisting = partial;
        } else if (!fs.CreateFolder(partial)) {
            RemoveCreatedFolders(fs, partial, deepestExisting);
            failed = true;
        }
        return !failed;
    });
    return !failed;
}

bool RemoveCreatedFolders(ClFileSystem& fs, const std::string& failed, const std::string& deepestExisting) {
    const EnPathStyle style = fs.Style();
    auto f = SplitFolder(style, failed);
    auto e = SplitFolder(style, deepestExisting);
    if (!f || !e || !SameNameText(style, f->root, e->root) || e->rest.size() > f->rest.size() ||
        !SameNameText(style, std::string_view(f->rest).substr(0, e->rest.size()), e->rest)) {
        return false;
    }
    const char sep = Separator(style);
    const std::string_view rest = f->rest;
    for (std::size_t k = rest.size(); k-- > 1;) {  // from the last byte back to the second
        if (!IsCharAt(rest, k, sep)) continue;
        if (k <= e->rest.size() && SameNameText(style, rest.substr(0, k), std::string_view(e->rest).substr(0, k))) {
            break;
        }
        std::string candidate = f->root + std::string(rest.substr(0, k)) + sep;
        if (fs.IsFolder(candidate) && !fs.RemoveFolder(candidate)) return false;
    }
    return true;
}
