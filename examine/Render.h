#pragma once
// The view as aligned text (Shift_JIS, converted for the terminal by the
// caller) and as one self-contained HTML page (UTF-8).
#include <string>

#include "examine/View.h"

std::string RenderText(const StVIEW& view);
std::string RenderHtml(const StVIEW& view);
