// UTF-16 paths of the portable code as the UTF-8 bytes that POSIX calls take.
#pragma once

#include <string>

std::string Utf8Path(const char16_t* path);
