// Clock, system folders and the version record on Win32.
#include "platform/SystemInfo.h"

#include <windows.h>

#include <cstring>
#include <ctime>

uint32_t MillisecondsSinceStart() { return GetTickCount(); }

int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

namespace {

using GetFolderFunction = UINT(WINAPI*)(LPWSTR, UINT);

// GetSystemWow64DirectoryW exists only on 64-bit capable systems, so it is
// looked up by name in the kernel library.
std::u16string Wow64Folder() {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    HMODULE loaded = kernel ? nullptr : LoadLibraryW(L"kernel32.dll");
    if (!kernel) kernel = loaded;
    std::u16string folder;
    if (kernel) {
        auto function = reinterpret_cast<GetFolderFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemWow64DirectoryW")));
        wchar_t buffer[MAX_PATH] = {};
        if (function && function(buffer, MAX_PATH) < MAX_PATH) folder = reinterpret_cast<const char16_t*>(buffer);
    }
    if (loaded) FreeLibrary(loaded);
    return folder;
}

}  // namespace

std::u16string ModuleSystemFolder() {
    std::u16string folder = Wow64Folder();
    if (folder.empty()) {
        wchar_t buffer[MAX_PATH] = {};
        if (GetSystemDirectoryW(buffer, MAX_PATH) < MAX_PATH) folder = reinterpret_cast<const char16_t*>(buffer);
    }
    if (!folder.empty() && folder.back() != u'\\') folder += u'\\';
    return folder;
}

void QueryVersionRecord(uint8_t (&record)[kVersionRecordSize]) {
    static_assert(sizeof(OSVERSIONINFOW) == kVersionRecordSize);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    std::memcpy(record, &info, sizeof info);
}
