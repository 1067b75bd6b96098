// MappedFile on POSIX: a shared read/write mmap of the whole file, with the
// same semantics as the Windows file mapping.
#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/MappedFileCommon.h"
#include "base/Utf8.h"

namespace {

int FdOf(const MappedFile& file) { return static_cast<int>(file.fileHandle); }

// Descriptors 0 to 2 are moved up so that 0 can mean "no file".
int OpenFd(const char16_t* path, int flags, mode_t mode = 0) {
    int fd = open(Utf8Of(path).c_str(), flags | O_CLOEXEC, mode);
    if (fd < 0 || fd > 2) return fd;
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

bool MapView(MappedFile& file, uint32_t size) {
    if (size == 0) return false;  // as on Windows, an empty mapping does not exist
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, FdOf(file), 0);
    if (view == MAP_FAILED) return false;
    file.view = static_cast<uint8_t*>(view);
    file.size = size;
    return true;
}

void Unmap(MappedFile& file) {
    if (file.view) {
        msync(file.view, file.size, MS_SYNC);
        munmap(file.view, file.size);
    }
    file.view = nullptr;
}

void CloseFileAndClear(MappedFile& file) {
    if (file.fileHandle) close(FdOf(file));
    ClearMappedFile(file);
}

// The read-only attribute of Windows is a file without write permission bits
// here; root could otherwise open it for writing.
bool IsReadOnly(int fd) {
    struct stat st;
    return fstat(fd, &st) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

uint32_t LengthOf(int fd) {
    struct stat st;
    return fstat(fd, &st) == 0 ? static_cast<uint32_t>(st.st_size) : 0;
}

}  // namespace

MappedFile* OpenMappedFile(const char16_t* path) {
    int fd = OpenFd(path, O_RDWR);
    if (fd >= 0) {
        auto* file = IsReadOnly(fd) ? nullptr : NewMappedFile();
        if (file) {
            file->fileHandle = fd;
            if (MapView(*file, LengthOf(fd))) {
                CopyMappedFilePath(*file, path);
                return file;
            }
            CloseFileAndClear(*file);
            delete file;
        } else {
            close(fd);
        }
    }
    return ReadWholeFile(path);
}

MappedFile* ReadWholeFile(const char16_t* path) {
    int fd = OpenFd(path, O_RDONLY);
    if (fd < 0) return nullptr;
    struct stat st;
    MappedFile* file = nullptr;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= kMaxMappedFileLength) {
        const auto n = static_cast<uint32_t>(st.st_size);
        auto* buffer = static_cast<uint8_t*>(std::calloc(n + 2, 1));
        uint32_t at = 0;
        while (buffer && at < n) {
            ssize_t done = read(fd, buffer + at, n - at);
            if (done <= 0) break;
            at += static_cast<uint32_t>(done);
        }
        file = buffer && at == n ? NewMappedFile() : nullptr;
        if (file) {
            file->size = n + 2;
            file->view = buffer;
            CopyMappedFilePath(*file, path);
        } else {
            std::free(buffer);
        }
    }
    close(fd);
    return file;
}

MappedFile* CreateMappedFile(const char16_t* path, uint32_t length) {
    int fd = OpenFd(path, O_RDWR | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return nullptr;
    auto* file = NewMappedFile();
    if (!file) {
        close(fd);
        return nullptr;
    }
    file->fileHandle = fd;
    if (ftruncate(fd, length) == 0 && MapView(*file, length)) {
        CopyMappedFilePath(*file, path);
        return file;
    }
    CloseFileAndClear(*file);
    delete file;
    return nullptr;
}

uint32_t ResizeMappedView(MappedFile* file, uint32_t newLength) {
    Unmap(*file);
    if (ftruncate(FdOf(*file), newLength) == 0 && MapView(*file, newLength)) return file->size;
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
    if (file.fileHandle && file.view) msync(file.view, file.size, MS_SYNC);
}

uint32_t CurrentFileLength(const MappedFile& file) {
    return file.fileHandle ? LengthOf(FdOf(file)) : 0;
}
