// Drives the real program from the test process: waits for its windows, reads
// and presses message boxes, sets and reads control texts, sends commands and
// takes screenshots, all by window messages and with time-outs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Checks `condition` until it holds or `milliseconds` have passed, handling
// the messages of the test's own windows meanwhile.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds);

// A visible top-level window of the process with this class and title, or null
// after the time-out. An empty class or title matches any.
HWND WaitForWindow(unsigned long processId, const std::wstring& className, const std::wstring& title,
                   int milliseconds);

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
std::wstring ControlText(HWND dialog, int id);
bool SetControlText(HWND dialog, int id, const std::wstring& text);
// The command a click on the control `id` of `dialog` sends.
void SendCommand(HWND dialog, int id);

struct MessageBoxContent {
    std::wstring caption;
    std::wstring text;
    std::vector<int> buttons;  // ids of the visible push buttons, in order
};
MessageBoxContent ReadMessageBox(HWND box);
// Presses the message box button `id` (IDOK, IDYES, ...).
void PressButton(HWND box, int id);

// Saves what the window shows on screen as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::filesystem::path& file);
// build-tree/screenshots/NAME.bmp; the folder is created.
std::filesystem::path ScreenshotPath(const std::string& name);

// config.exe of this build.
std::filesystem::path ConfigProgram();

class ChildProcess;
// The exit code once the program has ended within the time, else none.
std::optional<int> WaitForExit(ChildProcess& program, int milliseconds);
