#pragma once
// Message boxes. The program shows every message through the current message
// box of the process: the platform's (console or Windows) in the program,
// a recording one in tests.
// Implemented by platform/posix/ConsoleMessageBox.cpp and
// platform/win32/WinMessageBox.cpp (tests: tests/doubles/RecordingMessageBox.h);
// passed in: app/main hands one to ClExportApp in StAPPSERVICES and makes it
// current (CurrentMessageBox, services/MessageBox.cpp) for the layers below.
#include <cstdint>

#include "common/Window.h"

// Styles and results with their Windows values.
namespace mb {
constexpr std::uint32_t kOk = 0x00;
constexpr std::uint32_t kYesNo = 0x04;
constexpr std::uint32_t kIconQuestion = 0x20;
constexpr std::uint32_t kIconWarning = 0x30;
constexpr std::uint32_t kIconInformation = 0x40;
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace mb

class ClMessageBox {
public:
    virtual ~ClMessageBox() = default;
    // text and caption are Shift_JIS; returns mb::kIdOk, kIdYes or kIdNo.
    virtual int Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) = 0;
};

// The current message box; never null (a silent one answering OK/No until set).
ClMessageBox& CurrentMessageBox();
// Makes box current (not owned); null restores the silent one.
void SetCurrentMessageBox(ClMessageBox* box);
