// The base of every dialog: a window from a resource template whose static
// procedure keeps `this` and dispatches to virtual handlers. Modal dialogs
// run their own message loop, so that the process-wide key and focus rules
// and each dialog's own keys are looked at before the dialog's keyboard
// handling. No exception leaves a handler back into Windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog of template `templateId` modally; the value given to
    // End(), or -1 when the window could not be created.
    INT_PTR RunModal(HWND owner, int templateId);
    // Creates the dialog as a child or modeless window; null on failure.
    HWND Create(HWND parent, int templateId);

    HWND window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void End(INT_PTR result);
    void SetTitle(std::u16string_view title) const;

    // The outermost modal dialog running: the application's main window.
    static HWND MainWindow();

    // Looked at for every message the modal loops take from the queue, before
    // the dialog's own keys; true consumes the message.
    using MessageFilter = std::function<bool(MSG&)>;
    static void SetMessageFilter(MessageFilter filter);

protected:
    // True lets Windows put the focus on the first control.
    virtual bool OnInit() { return true; }
    // True when handled. IDOK and IDCANCEL go to OnOk and OnCancel unless
    // handled here.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    // A key-down message for a window of this dialog, before its keyboard
    // handling; true consumes it.
    virtual bool OnKeyDown(const MSG& message);
    virtual void OnOk() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Any other message; true when handled, with `result` as its answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void OnDestroy() {}

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool PreTranslate(MSG& message);

    HWND window_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = -1;
};
