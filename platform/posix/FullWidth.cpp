#include "platform/FullWidth.h"

#include "report/FullWidthMap.h"

std::string MapFullWidth(std::string_view sjis) { return FullWidthForm(sjis); }
