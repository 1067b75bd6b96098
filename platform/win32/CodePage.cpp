// The ANSI code page through MultiByteToWideChar.
#include "platform/CodePage.h"

#include <windows.h>

#include <climits>

bool AnsiToUtf16(const uint8_t* bytes, size_t count, std::u16string& text) {
    text.clear();
    if (count == 0) return true;
    if (count > INT_MAX) return false;
    const auto source = reinterpret_cast<const char*>(bytes);
    const int units = MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(count), nullptr, 0);
    if (units <= 0) return false;
    text.resize(static_cast<size_t>(units));
    return MultiByteToWideChar(CP_ACP, 0, source, static_cast<int>(count), reinterpret_cast<wchar_t*>(text.data()),
                               units) == units;
}
