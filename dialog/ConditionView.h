#pragma once
// The conditions dialog (resource 130) as a platform window. The window only
// draws the controls and forwards what the user does to ClConditionEvents;
// every decision is taken by ClConditionDlg.
#include <cstdint>
#include <memory>
#include <string>

#include "common/Window.h"
#include "resources/ResourceIds.h"

// Control identifiers of resource 130.
namespace ctl {
constexpr int kCompanyText = IDC_COMPANY_TEXT;
constexpr int kPeriodText = IDC_PERIOD_TEXT;
constexpr int kSeizoText = IDC_SEIZO_TEXT;
constexpr int kBusinessRadio = IDC_BUSINESS_RADIO;
constexpr int kRealEstateRadio = IDC_REAL_ESTATE_RADIO;
constexpr int kOtherRadio = IDC_OTHER_RADIO;
constexpr int kExecuteButton = IDC_EXECUTE;
constexpr int kCancelButton = IDC_CANCEL;
constexpr int kOutputGroup = IDC_OUTPUT_GROUP;
constexpr int kPathEdit = IDC_PATH_EDIT;
constexpr int kBrowseButton = IDC_BROWSE;
}  // namespace ctl

// Modal results. kIdAbort: the window could not go on (a path fixed by the
// caller was refused where it cannot be corrected); the run fails.
constexpr int kIdExecute = IDC_EXECUTE;
constexpr int kIdCancel = IDC_CANCEL;
constexpr int kIdAbort = 3;

// Virtual-key codes the dialog reacts to.
namespace vk {
constexpr int kReturn = 0x0D;
constexpr int kEscape = 0x1B;
constexpr int kF12 = 0x7B;
}  // namespace vk

// A keyboard message as the window received it.
struct StKEYMSG {
    bool keyDown = true;  // false for every other message
    int key = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// The save-file dialog's parameters (CFileDialog for saving).
struct StSAVEFILEREQUEST {
    std::string title;
    std::string folder;    // initial folder; may be empty
    std::string fileName;  // initial file name
    std::string defaultExt;
    std::string filter;  // "Name (*.x)|*.x||"
    std::uint32_t flags = 0;
};

// What the window forwards.
class ClConditionEvents {
public:
    virtual ~ClConditionEvents() = default;
    virtual bool OnInitDialog() = 0;
    virtual void OnBrowse() = 0;   // the browse button
    virtual void OnExecute() = 0;  // the execute button
    virtual void OnCancel() = 0;   // the cancel button, Esc, the close box
    // Every key message before the window handles it; true when consumed.
    virtual bool PreTranslateMessage(const StKEYMSG& msg) = 0;
};

class ClConditionView {
public:
    virtual ~ClConditionView() = default;
    // Shows the window, calls events.OnInitDialog, forwards the user's actions
    // until EndDialog is called, then closes it and returns EndDialog's result.
    virtual int RunModal(ClConditionEvents& events) = 0;
    virtual void EndDialog(int result) = 0;
    // The dialog as the owner of its message boxes.
    virtual VkWindow Window() = 0;

    virtual void SetText(int id, const std::string& text) = 0;  // Shift_JIS
    virtual std::string GetText(int id) = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) = 0;
    virtual void SetFocus(int id) = 0;
    virtual int GetFocus() = 0;  // 0 when no control of the dialog has it
    // Selects the whole text of an edit and scrolls the caret into view.
    virtual void SelectAllText(int id) = 0;
    virtual void LimitText(int id, int bytes) = 0;
    // The save-file dialog; true with the chosen full path on OK.
    virtual bool BrowseSaveFile(const StSAVEFILEREQUEST& request, std::string& path) = 0;
};

class ClConditionViewFactory {
public:
    virtual ~ClConditionViewFactory() = default;
    // The dialog's window with parent (0: none); never null.
    virtual std::unique_ptr<ClConditionView> Create(VkWindow parent) = 0;
};
