#pragma once
// Text in a code page against Windows' UTF-16, for the calls that take wide
// text (XmlLite, the console, the command line). Lossy both ways: a byte that
// is no character becomes the code page's replacement character, a character
// the code page lacks its default character ("?").
#include <string>
#include <string_view>

constexpr unsigned kCodePage932 = 932;
constexpr unsigned kCodePageUtf8 = 65001;

std::wstring CodePageToWideLossy(unsigned codePage, std::string_view bytes);
std::string WideToCodePageLossy(unsigned codePage, std::wstring_view wide);
