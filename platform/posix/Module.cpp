// Natively a module is a set of exports registered in the process under a path.
#include "platform/Module.h"

#include <mutex>

namespace {

struct InProcessModules {
    std::mutex lock;
    std::map<std::u16string, std::map<std::string, void*>> byPath;
};

InProcessModules& Modules() {
    static InProcessModules modules;
    return modules;
}

}  // namespace

void RegisterInProcessModule(const std::u16string& path, std::map<std::string, void*> exports) {
    std::lock_guard guard(Modules().lock);
    Modules().byPath[path] = std::move(exports);
}

void UnregisterInProcessModule(const std::u16string& path) {
    std::lock_guard guard(Modules().lock);
    Modules().byPath.erase(path);
}

// The handle is the module's entry in the table; a module must stay registered
// while it is loaded.
ModuleHandle LoadModuleFile(const char16_t* path) {
    std::lock_guard guard(Modules().lock);
    const auto it = Modules().byPath.find(path);
    return it == Modules().byPath.end() ? nullptr : &it->second;
}

void* FindModuleExport(ModuleHandle module, const char* name) {
    if (!module) return nullptr;
    std::lock_guard guard(Modules().lock);
    const auto& exports = *static_cast<std::map<std::string, void*>*>(module);
    const auto it = exports.find(name);
    return it == exports.end() ? nullptr : it->second;
}

void FreeModuleFile(ModuleHandle) {}
