// Opening stdio files by wide path.
#include "platform/StdioFile.h"

#include <stdio.h>

std::FILE* OpenFileForReading(const char16_t* path) { return _wfopen(reinterpret_cast<const wchar_t*>(path), L"rb"); }

std::FILE* OpenFileForWriting(const char16_t* path) { return _wfopen(reinterpret_cast<const wchar_t*>(path), L"wb"); }
