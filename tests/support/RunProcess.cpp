#include "tests/support/RunProcess.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

std::filesystem::path ProgramDir() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
#endif
}

std::filesystem::path BuiltProgram(const std::string& name) {
#ifdef _WIN32
    return ProgramDir() / (name + ".exe");
#else
    return ProgramDir() / name;
#endif
}

#ifdef _WIN32

namespace {

std::wstring QuotedArguments(const std::vector<std::string>& arguments) {
    std::wstring tail;
    for (const auto& argument : arguments) {
        if (!tail.empty()) tail += L' ';
        tail += L"\"" + std::filesystem::path(argument).wstring() + L"\"";
    }
    return tail;
}

}  // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments)
    : ChildProcess(program, QuotedArguments(arguments)) {}

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::wstring& commandTail) {
    std::wstring line = L"\"" + program.wstring() + L"\" " + commandTail;
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION info{};
    if (CreateProcessW(program.wstring().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        handle_ = reinterpret_cast<intptr_t>(info.hProcess);
    }
}

ChildProcess::~ChildProcess() {
    if (!handle_) return;
    HANDLE process = reinterpret_cast<HANDLE>(handle_);
    if (!exitCode_) TerminateProcess(process, 99);
    CloseHandle(process);
}

std::optional<int> ChildProcess::Wait(int milliseconds) {
    if (exitCode_ || !handle_) return exitCode_;
    HANDLE process = reinterpret_cast<HANDLE>(handle_);
    if (WaitForSingleObject(process, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    exitCode_ = static_cast<int>(code);
    return exitCode_;
}

unsigned long ChildProcess::processId() const {
    return handle_ ? GetProcessId(reinterpret_cast<HANDLE>(handle_)) : 0;
}

#else

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> texts{program.string()};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, texts[0].c_str(), nullptr, nullptr, argv.data(), environ) == 0) handle_ = pid;
}

ChildProcess::~ChildProcess() {
    if (!handle_ || exitCode_) return;
    kill(static_cast<pid_t>(handle_), SIGKILL);
    waitpid(static_cast<pid_t>(handle_), nullptr, 0);
}

std::optional<int> ChildProcess::Wait(int milliseconds) {
    if (exitCode_ || !handle_) return exitCode_;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        int status = 0;
        if (waitpid(static_cast<pid_t>(handle_), &status, WNOHANG) == static_cast<pid_t>(handle_)) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return exitCode_;
        }
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

unsigned long ChildProcess::processId() const { return static_cast<unsigned long>(handle_); }

#endif

bool ChildProcess::started() const { return handle_ != 0; }
