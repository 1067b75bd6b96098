// The machine registry through the Win32 registry API.
#include "platform/Registry.h"

#include <windows.h>

namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

bool ReadMachineString(const char16_t* keyPath, const char16_t* valueName, char16_t* buffer, uint32_t capacity) {
    if (capacity == 0) return false;
    buffer[0] = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(keyPath), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD bytes = capacity * 2;
    const LSTATUS status =
        RegQueryValueExW(key, Wide(valueName), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        buffer[0] = 0;
        return false;
    }
    // A value stored without its NUL that fills the buffer exactly did not fit.
    const uint32_t units = bytes / 2;
    if (units > 0 && buffer[units - 1] == 0) return true;
    if (units < capacity) {
        buffer[units] = 0;
        return true;
    }
    buffer[0] = 0;
    return false;
}

bool WriteMachineString(const char16_t* keyPath, const char16_t* valueName, const char16_t* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(keyPath), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    DWORD units = 0;
    while (value[units]) ++units;
    const LSTATUS status = RegSetValueExW(key, Wide(valueName), 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                          (units + 1) * 2);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteMachineKey(const char16_t* keyPath) {
    const LSTATUS status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, Wide(keyPath));
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(keyPath), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, Wide(keyPath));
    }
    return true;
}
