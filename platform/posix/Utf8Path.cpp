#include "platform/posix/Utf8Path.h"

#include "base/Utf8.h"

std::string Utf8Path(const char16_t* path) { return Utf8Of(path); }
