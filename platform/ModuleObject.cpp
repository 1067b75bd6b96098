// The call of ZVITFGetObject, the same on every platform.
#include "platform/ModuleObject.h"

namespace {

// Its result is ignored: only the object it stores counts.
using GetObjectExport = int32_t (*)(int32_t kind, void** object);

}  // namespace

void* GetModuleObject(ModuleHandle module, int32_t kind) {
    void* address = FindModuleExport(module, "ZVITFGetObject");
    if (!address) return nullptr;
    void* object = nullptr;
    reinterpret_cast<GetObjectExport>(address)(kind, &object);
    return object;
}
