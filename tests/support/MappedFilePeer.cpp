// A second process for the sharing tests of MappedFile: it maps the same file
// as the test and talks to it through the shared bytes.
//
//   mapped_file_peer handshake PATH   writes 0x11 at byte 0, then waits (up to
//                                     10 s) until the test writes 0x22 at byte 1
//   mapped_file_peer grow PATH LENGTH grows the file through its own record and
//                                     writes 0x33 into its last byte
// Exit code 0 on success, 2 for bad arguments, 3 when the file cannot be
// mapped, 4 on a time-out or a failed resize.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/MappedFile.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string command = argv[1];
    MappedFilePtr file(OpenMappedFile(std::filesystem::path(argv[2]).u16string().c_str()));
    if (!file || !IsMappedToFile(*file) || file->size < 2) return 3;

    if (command == "handshake") {
        volatile uint8_t* view = file->view;
        view[0] = 0x11;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (view[1] != 0x22) {
            if (std::chrono::steady_clock::now() >= deadline) return 4;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 0;
    }
    if (command == "grow" && argc == 4) {
        const auto length = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10));
        if (ResizeMappedFile(file.get(), length) != length) return 4;
        file->view[length - 1] = 0x33;
        return 0;
    }
    return 2;
}
