#pragma once
// Symbolic links on the way to the file a rename replaces. Paths are UTF-8,
// in which no multibyte character holds a '/'.
#include <string>

// The folder part of path ("." when there is none).
std::string FolderOf(const std::string& path);

// Turns path into the file its chain of symbolic links ends in: a rename
// over that file leaves the link a link. A link to nothing yet leads to the
// file to be made. False for a loop, an unreadable link, or a path that
// cannot be examined.
bool FollowLinks(std::string& path);
