#include "tests/support/TestModule.h"

#ifdef _WIN32
#include <windows.h>
#endif

ModuleHandle TestProgramModule([[maybe_unused]] void* getObject) {
#ifdef _WIN32
    return GetModuleHandleW(nullptr);
#else
    RegisterInProcessModule(u"test-program.ime", {{"ZVITFGetObject", getObject}});
    return LoadModuleFile(u"test-program.ime");
#endif
}
