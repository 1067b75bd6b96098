#include "tests/support/TestModule.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

ModuleHandle TestProgramModule() {
#ifdef _WIN32
    return reinterpret_cast<ModuleHandle>(GetModuleHandleW(nullptr));
#else
    return reinterpret_cast<ModuleHandle>(dlopen(nullptr, RTLD_NOW));
#endif
}
