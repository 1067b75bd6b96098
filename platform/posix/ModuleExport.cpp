// Exports of a loaded module on POSIX: the native build has no input method
// module of its own, but tests hand in the test program itself.
#include <dlfcn.h>

#include "platform/ModuleObject.h"

void* FindModuleExport(ModuleHandle module, const char* name) {
    if (!module) return nullptr;
    return dlsym(reinterpret_cast<void*>(module), name);
}
