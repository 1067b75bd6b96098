// Data files edited in place through a shared mapping of the whole file, which
// the running input method maps too. A file that exists but cannot be mapped
// for writing becomes a private in-memory copy whose changes never reach disk.
#pragma once

#include <cstdint>
#include <memory>

constexpr int kPathUnits = 260;

struct MappedFile {
    // Bytes addressable through view: the file length when mapped; the file
    // length + 2 (two trailing zero bytes) for an in-memory copy; 0 when empty.
    uint32_t size;
    char16_t path[kPathUnits];  // cut to 259 units, NUL-terminated
    // Native handles, 0 for none: a HANDLE on Windows; on POSIX the file
    // descriptor (never below 3) and no separate mapping object.
    intptr_t fileHandle;
    intptr_t mappingHandle;
    uint8_t* view;
};

// Each returns the new record (its size is the record's size), or null.
MappedFile* OpenMappedFile(const char16_t* path);
MappedFile* CreateMappedFile(const char16_t* path, uint32_t length);
MappedFile* ReadWholeFile(const char16_t* path);

// Both keep the record's address; view may move. 0 leaves the record empty.
uint32_t ResizeMappedFile(MappedFile* file, uint32_t newLength);
uint32_t ReopenMappedFile(MappedFile* file);

// Writes the view's changes to the file now; nothing for an in-memory copy.
void FlushMappedFile(const MappedFile& file);

// Flushes, unmaps and closes; accepts null.
void CloseMappedFile(MappedFile* file);

// The file's current length on disk (low 32 bits); 0 without a file handle.
// A length that differs from size means another record or process resized it.
uint32_t CurrentFileLength(const MappedFile& file);

inline bool IsMappedToFile(const MappedFile& file) { return file.fileHandle != 0; }

struct MappedFileCloser {
    void operator()(MappedFile* file) const { CloseMappedFile(file); }
};
using MappedFilePtr = std::unique_ptr<MappedFile, MappedFileCloser>;
