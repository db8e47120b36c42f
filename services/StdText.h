#pragma once
// The console tools' command line and their standard output and error, as
// the person at the terminal or console reads them.
#include <string>
#include <string_view>
#include <vector>

enum class EnStdStream { Out, Err };

// The arguments after the program's name, in UTF-8 (on Windows taken from the
// wide command line, so that any file name comes through).
std::vector<std::string> ArgumentsUtf8(int argc, char** argv);

// Writes the program's Shift_JIS text. Linux: in the codeset of the locale,
// a character it lacks, or a byte that is no character, one "?". Windows: to
// a console as UTF-16; redirected, in the ANSI code page (on a Japanese
// Windows the bytes unchanged). False when the stream takes no more.
bool WriteStdText(EnStdStream stream, std::string_view sjis);
// The same for UTF-8 text; on Linux it is written unchanged.
bool WriteStdUtf8(EnStdStream stream, std::string_view utf8);
