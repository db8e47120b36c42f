#pragma once
// Path helpers shared by the output-path checks, the remembered-path file and
// the start-up step. All are double-byte aware: the second byte of a Shift_JIS
// character is never taken for a separator, even when its value is 0x5C.
// "Backslash" in the names is the style's separator ("/" for POSIX paths).
// Capacities are those of the fixed buffers the texts are held in: a text
// must stay below its capacity, room for the terminator included.
#include <cstddef>
#include <string>
#include <string_view>

#include "services/FileSystem.h"

// A path buffer: 260 bytes of path and the terminator.
constexpr std::size_t kPathCapacity = 261;
// The longest output path the checks accept: it must fit every path buffer of
// the run, with room left for the separator a folder gets.
constexpr std::size_t kMaxOutputPathBytes = 259;

char Separator(EnPathStyle style);
// True for "\\server\share" paths (Windows style only).
bool IsUncPath(EnPathStyle style, std::string_view path);

// True when index falls on either byte of a double-byte character.
bool IsDbcsPosition(std::string_view text, std::size_t index);
// True when the text's last byte is the second byte of a double-byte character.
bool EndsWithDbcs(std::string_view text);

// True when the path holds no character that a path must not hold.
bool HasValidPathChars(EnPathStyle style, std::string_view path);

// True for a path from a root: "/..." (POSIX); "C:\..." or "\\server\share..."
// (Windows). "rel.xml", "C:rel.xml" and "\rel.xml" depend on the current folder.
bool IsAbsolutePath(EnPathStyle style, std::string_view path);

// True when Windows takes the file name for a device, whatever the folder:
// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, in any case, with or without an
// extension.
bool IsReservedDeviceName(std::string_view fileName);

// Makes folder end with the separator. False for an empty text or when there
// is no room left.
bool AddTrailingBackslash(EnPathStyle style, std::string& folder, std::size_t capacity);

// Reduces path to its folder part (drive and folders), ending with the
// separator. False for an empty path or one without folder part.
bool GetFolderPart(EnPathStyle style, std::string& path);

// Position of the last single-byte character c, or of the first at or after
// from; npos when there is none.
std::size_t LastCharPos(std::string_view text, char c);
std::size_t NextCharPos(std::string_view text, char c, std::size_t from);
// True when a single-byte c at or after from is followed by another c.
bool HasDoubledChar(std::string_view text, char c, std::size_t from);

// The text up to and including the last separator (empty when none), and the
// text after it (the whole text when none).
std::string FolderText(EnPathStyle style, std::string_view path);
std::string FileNameText(EnPathStyle style, std::string_view path);

// True when the folder part of path is an existing folder.
bool IsExistingFolder(ClFileSystem& fs, const std::string& path);

// The root of path ("C:\", "\\server\share", "\" or "/"). False for an
// empty path, a path of capacity bytes or more, or no root.
bool GetRootPart(EnPathStyle style, std::string_view path, std::string& root, std::size_t capacity);

// Creates every missing folder of folder, from the root down. False after a
// failure, with the folders this call created removed again.
bool CreateFolderChain(ClFileSystem& fs, const std::string& folder);

// Removes the folders below deepestExisting down to failed, deepest first,
// those that exist. False when refused (not below it) or a removal failed.
bool RemoveCreatedFolders(ClFileSystem& fs, const std::string& failed, const std::string& deepestExisting);
