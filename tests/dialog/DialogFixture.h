#pragma once
// A conditions dialog over doubles: engine, file system, message box, window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>

#include "dialog/ConditionDlg.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/Messages.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"
#include "doubles/Standin.h"

class DialogTest : public ::testing::Test {
protected:
    DialogTest() { EngineFolders(""); }

    // A dialog over v for user "user01" and data 1/3 of business type 3.
    std::unique_ptr<ClConditionDlg> Make(ClScriptedConditionView& v) {
        auto dialog = std::make_unique<ClConditionDlg>(v, fs, box, "Orbek17Plus.env");
        std::strcpy(dialog->userId, "user01");
        dialog->selNo1 = 1;
        dialog->selNo2 = 3;
        dialog->jigyouKind = 3;
        return dialog;
    }
    ClConditionDlg& Dialog() {
        if (!dialog_) dialog_ = Make(view);
        return *dialog_;
    }
    // A new engine with these folders, taken as they stand (POSIX paths on Windows too).
    void EngineFolders(const std::string& folder0, const std::string& folder1 = "/data/varnoke/") {
        engine.reset();
        engine.emplace(R"({"format": 1, "appFolders": {"0": )" + HexText(folder0) + R"(, "1": )" + HexText(folder1) +
                       "}}");
    }
    void UseWindowsPaths() { fs = ClFakeFileSystem(EnPathStyle::Windows); }
    bool Press(int key, bool ctrl = false) { return Dialog().PreTranslateMessage({true, key, false, ctrl}); }
    bool LeftOpenForCorrection() const {
        return view.result == ClScriptedConditionView::kNotEnded && view.focus == ctl::kPathEdit &&
               !view.selectedAll.empty() && view.selectedAll.back() == ctl::kPathEdit;
    }

    std::optional<ClTestStandin> engine;
    ClFakeFileSystem fs;
    ClRecordingMessageBox box;
    ClScriptedConditionView view;

private:
    std::unique_ptr<ClConditionDlg> dialog_;
};
