#include "ui/Dialog.h"

#include <utility>

#include "ui/WideText.h"

namespace {

HWND mainWindow = nullptr;
Dialog::MessageFilter& Filter() {
    static Dialog::MessageFilter filter;
    return filter;
}

// Messages whose answer is the procedure's return value rather than
// DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON;
}

}  // namespace

Dialog::~Dialog() {
    if (window_) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

HWND Dialog::MainWindow() { return mainWindow; }

void Dialog::SetMessageFilter(MessageFilter filter) { Filter() = std::move(filter); }

INT_PTR Dialog::RunModal(HWND owner, int templateId) {
    modal_ = true;
    ended_ = false;
    result_ = -1;
    if (!CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, Procedure,
                            reinterpret_cast<LPARAM>(this)))
        return -1;
    const bool outermost = !mainWindow;
    if (outermost) mainWindow = window_;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);

    if (!ended_) ShowWindow(window_, SW_SHOW);
    MSG message;
    while (!ended_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
            break;
        }
        if (got < 0) break;
        if (PreTranslate(message) || IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    // The owner comes back before this window goes, so the activation
    // returns to it.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    if (outermost) mainWindow = nullptr;
    DestroyWindow(window_);
    return result_;
}

HWND Dialog::Create(HWND parent, int templateId) {
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, Procedure,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result) {
    if (!modal_) return;
    result_ = result;
    ended_ = true;
    PostMessageW(window_, WM_NULL, 0, 0);  // wakes the loop
}

void Dialog::SetTitle(std::u16string_view title) const { SetWindowTextW(window_, Wide(title).c_str()); }

bool Dialog::OnCommand(int, int, HWND) { return false; }
bool Dialog::OnNotify(const NMHDR&, LRESULT&) { return false; }
bool Dialog::OnKeyDown(const MSG&) { return false; }
bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Dialog::PreTranslate(MSG& message) {
    if (Filter() && Filter()(message)) return true;
    const bool ours = message.hwnd == window_ || IsChild(window_, message.hwnd);
    return ours && message.message == WM_KEYDOWN && OnKeyDown(message);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) return FALSE;
    try {
        return dialog->Dispatch(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through Windows: the dialog ends instead.
        dialog->End(-1);
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
        if (id == IDOK) OnOk();
        else if (id == IDCANCEL) OnCancel();
        else return FALSE;
        return TRUE;
    }
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        window_ = nullptr;
        return FALSE;
    default: {
        LRESULT result = 0;
        if (!OnMessage(message, wParam, lParam, result)) return FALSE;
        if (ReturnsDirectly(message)) return static_cast<INT_PTR>(result);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}
