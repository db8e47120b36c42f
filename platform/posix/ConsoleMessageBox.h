#pragma once
// Message boxes on the console: caption, a word for the icon and the text.
// An OK box waits for Enter only when someone types at a terminal; a Yes/No
// box reads one line: y or yes is Yes, n or no is No, the end of input is No.
#include "services/MessageBox.h"
#include "platform/posix/Console.h"

class ClConsoleMessageBox final : public ClMessageBox {
public:
    explicit ClConsoleMessageBox(ClConsole& console) : console_(console) {}
    int Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) override;

private:
    ClConsole& console_;
};
