#include "codetable/CodeOps.h"

#include <utility>

CodeOps::CodeOps(ModuleHandle module)
    : table_(static_cast<const CodeOpsTable*>(GetModuleObject(module, kCodeOpsKind))) {}

CodeOps::~CodeOps() { Release(); }

CodeOps::CodeOps(CodeOps&& other) noexcept : table_(std::exchange(other.table_, nullptr)) {}

CodeOps& CodeOps::operator=(CodeOps&& other) noexcept {
    if (this != &other) {
        Release();
        table_ = std::exchange(other.table_, nullptr);
    }
    return *this;
}

void CodeOps::Release() {
    if (table_ && table_->release) table_->release();
    table_ = nullptr;
}
