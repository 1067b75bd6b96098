// C stdio files opened by their UTF-16 path in binary mode, for the text files
// that are read or written whole.
#pragma once

#include <cstdio>
#include <memory>

// Null when the file cannot be opened.
std::FILE* OpenFileForReading(const char16_t* path);
// Creates the file or truncates it; null when that fails.
std::FILE* OpenFileForWriting(const char16_t* path);

struct StdioFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using StdioFilePtr = std::unique_ptr<std::FILE, StdioFileCloser>;
