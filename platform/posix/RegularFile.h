#pragma once
// Opening files that the program only reads (the definition file, the
// support information, the remembered paths). Opening never blocks, and only
// a regular file is read: a FIFO, a device or a folder at that name counts
// as no file at all.
#include <cstddef>
#include <string>

#include "services/FileSystem.h"

// A descriptor open for reading on the regular file at the UTF-8 path, or -1
// with why in *why (NoFile or Failed) when given.
int OpenRegularFile(const std::string& utf8Path, EnReadResult* why = nullptr);

// Reads the whole regular file at the UTF-8 path, of at most maxSize bytes.
EnReadResult ReadRegularFile(const std::string& utf8Path, std::string& content, std::size_t maxSize);
