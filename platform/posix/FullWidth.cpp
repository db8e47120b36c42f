#include "services/FullWidth.h"

#include "platform/posix/FullWidthMap.h"

std::string MapFullWidth(std::string_view sjis) { return FullWidthForm(sjis); }
