// Starts another program of the build (the tests' peers) and waits for it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The folder holding the running test program and the programs built with it.
std::filesystem::path ProgramDir();

// The build's program `name` ("mapped_file_peer"), with ".exe" on Windows.
std::filesystem::path BuiltProgram(const std::string& name);

class ChildProcess {
public:
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments);
#ifdef _WIN32
    // The command line is the program's quoted path, a blank and `commandTail`
    // exactly as given.
    ChildProcess(const std::filesystem::path& program, const std::wstring& commandTail);
#endif
    ~ChildProcess();  // ends the child if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const;
    unsigned long processId() const;
    // The exit code, or none when the child has not ended within the time.
    std::optional<int> Wait(int milliseconds);

private:
    intptr_t handle_ = 0;  // process HANDLE on Windows, pid on POSIX
    std::optional<int> exitCode_;
};
