// Loading the input method's module by path and looking up its exports by name.
// Natively, modules are objects registered in the process under a path.
#pragma once

#include <cstdint>
#include <map>
#include <string>

using ModuleHandle = void*;

ModuleHandle LoadModuleFile(const char16_t* path);
void* FindModuleExport(ModuleHandle module, const char* name);
void FreeModuleFile(ModuleHandle module);

#ifndef _WIN32
// Natively: makes `path` loadable as a module whose exports are `exports`.
void RegisterInProcessModule(const std::u16string& path, std::map<std::string, void*> exports);
void UnregisterInProcessModule(const std::u16string& path);
#endif
