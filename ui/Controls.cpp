#include "ui/Controls.h"

#include "ui/WideText.h"

std::u16string Control::Text() const {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window_)), u'\0');
    if (text.empty()) return text;
    // The length may be an overestimate for some controls; the copy says how many.
    const int copied = GetWindowTextW(window_, Wide(text.data()), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void Control::SetText(std::u16string_view text) const { SetWindowTextW(window_, Wide(text).c_str()); }
