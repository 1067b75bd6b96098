// Objects of the input method's module. The module exports ZVITFGetObject,
// which is looked up by name at each use; an object is a table of plain
// function pointers whose slot 0 releases it.
#pragma once

#include <cstdint>

// A loaded module: an HMODULE on Windows, a dlopen handle on POSIX; 0 for none.
using ModuleHandle = intptr_t;

// The address of the module's export `name`; null when the module or the
// export is missing. Implemented by each platform.
void* FindModuleExport(ModuleHandle module, const char* name);

// ZVITFGetObject(kind, &object) with object preset to null; null when the
// module, the export or the object is missing.
void* GetModuleObject(ModuleHandle module, int32_t kind);
