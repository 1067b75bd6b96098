// The module's objects by kind: panels (1), settings text (2), code
// operations (3).
#pragma once

#include <cstdint>

// Null for a kind the module has no object of.
void* ObjectOfKind(int32_t kind);
