// The sample input method modules of this build, loaded for one test.
#pragma once

#include <windows.h>

#include "platform/Module.h"
#include "tests/support/RunProcess.h"

constexpr char kSampleModule[] = "zvsample.ime";
constexpr char kEmptyModule[] = "zvempty.ime";

class LoadedModule {
public:
    explicit LoadedModule(const char* fileName) : module_(LoadLibraryW((ProgramDir() / fileName).wstring().c_str())) {}
    ~LoadedModule() {
        if (module_) FreeLibrary(module_);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HMODULE get() const { return module_; }
    ModuleHandle handle() const { return module_; }

private:
    HMODULE module_;
};
