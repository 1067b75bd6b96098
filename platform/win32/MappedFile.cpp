// MappedFile on Win32: a shared read/write file mapping of the whole file.
#include "platform/MappedFile.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "platform/MappedFileCommon.h"

namespace {

HANDLE FileOf(const MappedFile& file) { return reinterpret_cast<HANDLE>(file.fileHandle); }
HANDLE MappingOf(const MappedFile& file) { return reinterpret_cast<HANDLE>(file.mappingHandle); }
const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// Maps `size` bytes of the record's open file; false leaves no mapping behind.
bool MapView(MappedFile& file, uint32_t size) {
    HANDLE mapping = CreateFileMappingW(FileOf(file), nullptr, PAGE_READWRITE, 0, size, nullptr);
    if (!mapping) return false;
    void* view = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size);
    if (!view) {
        CloseHandle(mapping);
        return false;
    }
    file.mappingHandle = reinterpret_cast<intptr_t>(mapping);
    file.view = static_cast<uint8_t*>(view);
    file.size = size;
    return true;
}

void Unmap(MappedFile& file) {
    if (file.view) {
        FlushViewOfFile(file.view, file.size);
        UnmapViewOfFile(file.view);
    }
    if (file.mappingHandle) CloseHandle(MappingOf(file));
    file.view = nullptr;
    file.mappingHandle = 0;
}

void CloseFileAndClear(MappedFile& file) {
    if (file.fileHandle) CloseHandle(FileOf(file));
    ClearMappedFile(file);
}

bool SetLength(HANDLE handle, uint32_t length) {
    LARGE_INTEGER position;
    position.QuadPart = length;
    return SetFilePointerEx(handle, position, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
}

// Windows refuses to open a read-only file for writing; Wine running as root
// does not, so the attribute is checked here as well.
bool IsReadOnly(const char16_t* path) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

MappedFile* OpenMappedFile(const char16_t* path) {
    HANDLE handle = IsReadOnly(path) ? INVALID_HANDLE_VALUE : CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        auto* file = NewMappedFile();
        if (!file) {
            CloseHandle(handle);
            return nullptr;
        }
        file->fileHandle = reinterpret_cast<intptr_t>(handle);
        // A mapping of length 0 cannot be created, so an empty file is read instead.
        if (MapView(*file, GetFileSize(handle, nullptr))) {
            CopyMappedFilePath(*file, path);
            return file;
        }
        CloseFileAndClear(*file);
        delete file;
    }
    return ReadWholeFile(path);
}

MappedFile* ReadWholeFile(const char16_t* path) {
    HANDLE handle = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER length;
    uint8_t* buffer = nullptr;
    if (GetFileSizeEx(handle, &length) && static_cast<uint64_t>(length.QuadPart) <= kMaxMappedFileLength) {
        const auto n = static_cast<uint32_t>(length.QuadPart);
        buffer = static_cast<uint8_t*>(std::calloc(n + 2, 1));
        DWORD done = 0;
        for (uint32_t at = 0; buffer && at < n; at += done) {
            if (!ReadFile(handle, buffer + at, n - at, &done, nullptr) || done == 0) {
                std::free(buffer);
                buffer = nullptr;
            }
        }
        auto* file = buffer ? NewMappedFile() : nullptr;
        if (file) {
            CloseHandle(handle);
            file->size = n + 2;
            file->view = buffer;
            CopyMappedFilePath(*file, path);
            return file;
        }
        std::free(buffer);
    }
    CloseHandle(handle);
    return nullptr;
}

MappedFile* CreateMappedFile(const char16_t* path, uint32_t length) {
    HANDLE handle = CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    auto* file = NewMappedFile();
    if (!file) {
        CloseHandle(handle);
        return nullptr;
    }
    file->fileHandle = reinterpret_cast<intptr_t>(handle);
    if (SetLength(handle, length) && MapView(*file, length)) {
        CopyMappedFilePath(*file, path);
        return file;
    }
    CloseFileAndClear(*file);
    delete file;
    return nullptr;
}

uint32_t ResizeMappedView(MappedFile* file, uint32_t newLength) {
    Unmap(*file);
    if (SetLength(FileOf(*file), newLength) && MapView(*file, newLength)) return file->size;
    CloseFileAndClear(*file);
    return 0;
}

void ReleaseMappedFileContents(MappedFile& file) {
    if (file.fileHandle) {
        Unmap(file);
        CloseFileAndClear(file);
    } else {
        std::free(file.view);
        ClearMappedFile(file);
    }
}

void FlushMappedFile(const MappedFile& file) {
    if (file.fileHandle && file.view) FlushViewOfFile(file.view, file.size);
}

uint32_t CurrentFileLength(const MappedFile& file) {
    if (!file.fileHandle) return 0;
    return GetFileSize(FileOf(file), nullptr);
}
