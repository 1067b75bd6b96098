#include "tests/win/driver/WindowDriver.h"

#include <chrono>
#include <fstream>

#include "tests/support/RunProcess.h"

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        // Windows of the test itself keep answering while it waits.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

namespace {

struct WindowQuery {
    unsigned long processId;
    const std::wstring& className;
    const std::wstring& title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != query.processId || !IsWindowVisible(window)) return TRUE;
    if (!query.className.empty() && ClassOf(window) != query.className) return TRUE;
    if (!query.title.empty() && WindowText(window) != query.title) return TRUE;
    query.found = window;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(unsigned long processId, const std::wstring& className, const std::wstring& title,
                   int milliseconds) {
    WindowQuery query{processId, className, title};
    WaitUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
            return query.found != nullptr;
        },
        milliseconds);
    return query.found;
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT is carried across processes, unlike a direct read.
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, std::size(buffer));
    return buffer;
}

std::wstring ControlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? WindowText(control) : std::wstring();
}

bool SetControlText(HWND dialog, int id, const std::wstring& text) {
    HWND control = GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    return control && SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                          SMTO_ABORTIFHUNG, 5000, &result) &&
           result;
}

void SendCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content;
    content.caption = WindowText(box);
    // The message text is the static control with id 0xFFFF.
    content.text = ControlText(box, 0xFFFF);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"Button" && IsWindowVisible(child)) content.buttons.push_back(GetDlgCtrlID(child));
    }
    return content;
}

void PressButton(HWND box, int id) { SendCommand(box, id); }

bool SaveScreenshot(HWND window, const std::filesystem::path& file) {
    // Let the window finish painting before its pixels are read.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    const bool read = copied && GetDIBits(memory, bitmap, 0, height, pixels.data(),
                                          reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read) return false;

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

std::filesystem::path ScreenshotPath(const std::string& name) {
    const auto folder = ProgramDir().parent_path() / "screenshots";
    std::filesystem::create_directories(folder);
    return folder / (name + ".bmp");
}

std::filesystem::path ConfigProgram() { return BuiltProgram("config"); }

std::optional<int> WaitForExit(ChildProcess& program, int milliseconds) {
    WaitUntil([&] { return program.Wait(0).has_value(); }, milliseconds);
    return program.Wait(0);
}
