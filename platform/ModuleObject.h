// Objects of the input method's module. The module exports ZVITFGetObject,
// which is looked up by name at each use; an object is a table of plain
// function pointers whose slot 0 releases it.
#pragma once

#include <cstdint>

#include "platform/Module.h"

// ZVITFGetObject(kind, &object) with object preset to null; null when the
// module, the export or the object is missing.
void* GetModuleObject(ModuleHandle module, int32_t kind);
