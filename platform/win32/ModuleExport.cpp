// Exports of a loaded module on Win32.
#include <windows.h>

#include "platform/ModuleObject.h"

void* FindModuleExport(ModuleHandle module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}
