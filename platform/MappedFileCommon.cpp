// The platform-independent parts of MappedFile.
#include "platform/MappedFileCommon.h"

#include <new>

MappedFile* NewMappedFile() { return new (std::nothrow) MappedFile{}; }

void CopyMappedFilePath(MappedFile& file, const char16_t* path) {
    int n = 0;
    for (; n < kPathUnits - 1 && path[n] != 0; ++n) file.path[n] = path[n];
    file.path[n] = 0;
}

void ClearMappedFile(MappedFile& file) {
    file.size = 0;
    file.fileHandle = 0;
    file.mappingHandle = 0;
    file.view = nullptr;
}

uint32_t ResizeMappedFile(MappedFile* file, uint32_t newLength) {
    if (!file->fileHandle) {
        // An in-memory copy cannot be resized: it is left empty.
        ReleaseMappedFileContents(*file);
        return 0;
    }
    return ResizeMappedView(file, newLength);
}

uint32_t ReopenMappedFile(MappedFile* file) {
    ReleaseMappedFileContents(*file);
    MappedFile* fresh = OpenMappedFile(file->path);
    if (!fresh) return 0;
    file->fileHandle = fresh->fileHandle;
    file->mappingHandle = fresh->mappingHandle;
    file->size = fresh->size;
    file->view = fresh->view;
    delete fresh;
    return file->size;
}

void CloseMappedFile(MappedFile* file) {
    if (!file) return;
    ReleaseMappedFileContents(*file);
    delete file;
}
