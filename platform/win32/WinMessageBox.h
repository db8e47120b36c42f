#pragma once
// The Windows message box: MessageBoxA takes the program's Shift_JIS texts
// as they stand (the ANSI code page is 932).
#include "services/MessageBox.h"

class ClWinMessageBox final : public ClMessageBox {
public:
    int Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) override;
};
