#pragma once
// Records every message box; Yes/No boxes take their answers from a queue
// (Yes when it is empty).
#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

struct StSHOWNBOX {
    VkWindow owner;
    std::string text;
    std::string caption;
    std::uint32_t style;
};

class RecordingMessageBox final : public ClMessageBox {
public:
    int Show(VkWindow owner, const char* text, const char* caption, std::uint32_t style) override {
        shown.push_back({owner, text, caption, style});
        if (log) log->push_back("MessageBox");
        if ((style & 0x0F) != mb::kYesNo) return mb::kIdOk;
        if (answers.empty()) return mb::kIdYes;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const StSHOWNBOX& box : shown) texts.push_back(box.text);
        return texts;
    }

    std::vector<StSHOWNBOX> shown;
    std::deque<int> answers;
    std::vector<std::string>* log = nullptr;  // gets "MessageBox" for each box
};
