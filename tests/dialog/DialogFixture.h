#pragma once
// A conditions dialog over doubles: engine, file system, message box, window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "dialog/ConditionDlg.h"
#include "doubles/FakeEngine.h"
#include "doubles/FakeFileSystem.h"
#include "doubles/Messages.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/ScriptedConditionView.h"

class DialogTest : public ::testing::Test {
protected:
    ClConditionDlg& Dialog() {
        if (!dialog_) {
            dialog_ = std::make_unique<ClConditionDlg>(view, fs, box, "Orbek17Plus.env");
            std::strcpy(dialog_->userId, "user01");
            dialog_->selNo1 = 1;
            dialog_->selNo2 = 3;
            dialog_->jigyouKind = 3;
        }
        return *dialog_;
    }
    void UseWindowsPaths() { fs = FakeFileSystem(PathStyle::Windows); }

    // Initialises the dialog, types path and presses Execute; the modal result
    // (ScriptedConditionView::kNotEnded while the dialog stays open).
    int Execute(const std::string& path) {
        Dialog().OnInitDialog();
        view.texts[ctl::kPathEdit] = path;
        Dialog().OnExecute();
        return view.result;
    }
    bool LeftOpenForCorrection() const {
        return view.result == ScriptedConditionView::kNotEnded && view.focus == ctl::kPathEdit &&
               !view.selectedAll.empty() && view.selectedAll.back() == ctl::kPathEdit;
    }

    FakeEngine engine;
    FakeFileSystem fs;
    RecordingMessageBox box;
    ScriptedConditionView view;

private:
    std::unique_ptr<ClConditionDlg> dialog_;
};
