// The portable code's UTF-16 texts as the wchar_t texts of the Win32 API: the
// same 16-bit units, so only the pointer type changes.
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* Wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* Portable(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline char16_t* Portable(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
