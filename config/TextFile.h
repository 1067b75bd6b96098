// Loading a whole text file in any encoding a user may save it in: UTF-8 with
// or without its byte order mark, UTF-16 little- or big-endian with theirs, or
// the system's ANSI code page.
#pragma once

#include <string>

enum TextFileStatus {
    kTextFileRead = 0,
    kTextFileCannotOpen = 1,  // also when it cannot be read whole
    kTextFileNoMemory = 2,
    kTextFileNoPath = -1,
};

// The text of the file up to its first NUL; `text` is left empty unless the
// file was read.
TextFileStatus ReadTextFile(const char16_t* path, std::u16string& text);
