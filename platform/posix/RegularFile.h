#pragma once
// Opening files that the program only reads (the definition file, the
// support information, the remembered paths). Opening never blocks, and only
// a regular file is read: a FIFO, a device or a folder at that name counts
// as no file at all.
#include <cstddef>
#include <string>

// A descriptor open for reading on the regular file at the UTF-8 path, or -1.
int OpenRegularFile(const std::string& utf8Path);

// Reads the whole regular file at the UTF-8 path. False when there is none,
// it cannot be read, or it holds more than maxSize bytes.
bool ReadRegularFile(const std::string& utf8Path, std::string& content, std::size_t maxSize);
