// Opening stdio files by the UTF-8 form of the path.
#include "platform/StdioFile.h"

#include <sys/stat.h>

#include "base/Utf8.h"

std::FILE* OpenFileForReading(const char16_t* path) {
    std::FILE* file = std::fopen(Utf8Of(path).c_str(), "rbe");
    // As on Windows, a folder is no file to read.
    struct stat st;
    if (file && (fstat(fileno(file), &st) != 0 || S_ISDIR(st.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

std::FILE* OpenFileForWriting(const char16_t* path) { return std::fopen(Utf8Of(path).c_str(), "wbe"); }
