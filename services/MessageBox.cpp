#include "services/MessageBox.h"

namespace {
class ClSilentMessageBox final : public ClMessageBox {
public:
    int Show(VkWindow, const char*, const char*, std::uint32_t style) override {
        return (style & 0x0F) == mb::kYesNo ? mb::kIdNo : mb::kIdOk;
    }
};
ClSilentMessageBox g_silent;
ClMessageBox* g_current = &g_silent;
}  // namespace

ClMessageBox& CurrentMessageBox() { return *g_current; }
void SetCurrentMessageBox(ClMessageBox* box) { g_current = box ? box : &g_silent; }
