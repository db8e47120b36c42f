#pragma once
// Records every message box; a Yes/No box is answered Yes.
#include <string>
#include <vector>

#include "services/MessageBox.h"

struct StSHOWNBOX {
    VkWindow owner;
    std::string text;
    std::string caption;
    std::uint32_t style;
};

class ClRecordingMessageBox final : public ClMessageBox {
public:
    int Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) override {
        shown.push_back({owner, text, caption, style});
        if (log) log->push_back("MessageBox");
        return (style & 0x0F) == mb::kYesNo ? mb::kIdYes : mb::kIdOk;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const StSHOWNBOX& box : shown) texts.push_back(box.text);
        return texts;
    }

    std::vector<StSHOWNBOX> shown;
    std::vector<std::string>* log = nullptr;  // gets "MessageBox" for each box
};
