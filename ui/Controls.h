// Thin wrappers for the controls of a dialog: a window handle with the few
// operations the dialogs use. They own nothing; the dialog owns the windows.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

class Control {
public:
    Control() = default;
    explicit Control(HWND window) : window_(window) {}
    Control(HWND dialog, int id) : window_(GetDlgItem(dialog, id)) {}

    HWND window() const { return window_; }
    std::u16string Text() const;
    void SetText(std::u16string_view text) const;
    void Show(bool shown) const { ShowWindow(window_, shown ? SW_SHOW : SW_HIDE); }
    void Enable(bool enabled) const { EnableWindow(window_, enabled); }
    bool Visible() const { return IsWindowVisible(window_) != FALSE; }
    void Focus() const { SetFocus(window_); }

private:
    HWND window_ = nullptr;
};

class CheckBox : public Control {
public:
    using Control::Control;
    bool Checked() const { return SendMessageW(window(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) const { SendMessageW(window(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
};

class Edit : public Control {
public:
    using Control::Control;
    void SelectAll() const { SendMessageW(window(), EM_SETSEL, 0, -1); }
};
