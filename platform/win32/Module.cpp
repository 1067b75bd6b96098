// Module loading through the Win32 loader.
#include "platform/Module.h"

#include <windows.h>

ModuleHandle LoadModuleFile(const char16_t* path) { return LoadLibraryW(reinterpret_cast<const wchar_t*>(path)); }

void* FindModuleExport(ModuleHandle module, const char* name) {
    return module ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name)) : nullptr;
}

void FreeModuleFile(ModuleHandle module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}
