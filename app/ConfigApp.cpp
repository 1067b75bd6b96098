// config.exe: one mode per process, chosen by the command line.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/CommandLine.h"

namespace {

// The common control classes, ActiveX hosting and the rich edit 2.0 class
// that the dialogs of every mode rely on; released when the program ends.
class ControlLibraries {
public:
    ControlLibraries() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                         ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                         ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS};
        InitCommonControlsEx(&classes);
        oleReady_ = SUCCEEDED(OleInitialize(nullptr));
        richEdit_ = LoadLibraryW(L"riched20.dll");
    }
    ~ControlLibraries() {
        if (richEdit_) FreeLibrary(richEdit_);
        if (oleReady_) OleUninitialize();
    }
    ControlLibraries(const ControlLibraries&) = delete;
    ControlLibraries& operator=(const ControlLibraries&) = delete;

private:
    bool oleReady_ = false;
    HMODULE richEdit_ = nullptr;
};

std::u16string_view ProcessCommandLine() {
    return SkipProgramPath(reinterpret_cast<const char16_t*>(GetCommandLineW()));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ControlLibraries libraries;
    const CommandLineOptions options = ParseCommandLine(ProcessCommandLine());
    (void)options;

    // The installation environment is not built yet: every start is treated
    // as a broken installation.
    MessageBoxW(nullptr, L"非法的软件环境，本程序无法继续。", L"配置程序", MB_OK | MB_ICONSTOP);
    return 1;
}
