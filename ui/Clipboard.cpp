#include "ui/Clipboard.h"

#include <windows.h>

#include <cstring>

#include "base/FixedText.h"
#include "ui/WideText.h"

namespace {

// Open for the life of the object.
class OpenClipboardScope {
public:
    OpenClipboardScope() : open_(OpenClipboard(nullptr)) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

void GetClipboardText(char16_t (&buffer)[128]) {
    buffer[0] = 0;
    OpenClipboardScope clipboard;
    if (!clipboard) return;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return;
    const auto* text = static_cast<const char16_t*>(GlobalLock(data));
    if (!text) return;
    // The block may hold no terminator within its size.
    const size_t units = GlobalSize(data) / sizeof(char16_t);
    CopyCut(buffer, TextOf(text, units));
    GlobalUnlock(data);
}

int SetClipboardText(const char16_t* text, uint32_t length) {
    OpenClipboardScope clipboard;
    if (!clipboard) return -1;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (static_cast<SIZE_T>(length) + 1) * sizeof(char16_t));
    if (!block) return -1;
    auto* copy = static_cast<char16_t*>(GlobalLock(block));
    if (!copy) {
        GlobalFree(block);
        return -1;
    }
    std::memcpy(copy, text, length * sizeof(char16_t));
    copy[length] = 0;
    GlobalUnlock(block);
    // The clipboard owns the block once it has taken it.
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        return -1;
    }
    return 0;
}
