// Helpers shared by the platform implementations of MappedFile.
#pragma once

#include "platform/MappedFile.h"

// Largest file that fits the 32-bit size with the two bytes of an in-memory copy.
constexpr uint64_t kMaxMappedFileLength = 0x7FFFFFFF;

// A zero-filled record, or null when memory is short.
MappedFile* NewMappedFile();
void CopyMappedFilePath(MappedFile& file, const char16_t* path);
// Leaves the record empty: no handles, no view, size 0.
void ClearMappedFile(MappedFile& file);

// Resizes a record that has a file: flushes and unmaps the view, sets the
// file's length and maps it again; 0 leaves the record empty. Implemented by
// each platform.
uint32_t ResizeMappedView(MappedFile* file, uint32_t newLength);

// Flushes, unmaps and closes the file, or frees the in-memory copy, and leaves
// the record empty. Implemented by each platform.
void ReleaseMappedFileContents(MappedFile& file);
