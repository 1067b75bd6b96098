// config.exe: one mode per process, chosen by the command line. Builds the
// installation environment, finds an already open window of the mode or runs
// the mode, and releases the environment before the process ends.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <memory>

#include "app/CommandLine.h"
#include "app/ImeEnvironment.h"
#include "app/ModeTable.h"
#include "app/VersionNotice.h"
#include "base/FixedText.h"
#include "ui/WideText.h"
#include "ui/WindowFront.h"

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

using EnvironmentPtr = std::unique_ptr<ImeEnvironment, EnvironmentDeleter>;

// A running dictionary takes the word of a second start and comes forward itself.
void HandWordToDictionary(HWND dictionary, const CommandLineOptions& options) {
    char16_t word[128];
    CopyCut(word, TextOf(options.argument));
    COPYDATASTRUCT data{0, sizeof word, word};
    SendMessageW(dictionary, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

void OpenHelpFile(const ImeEnvironment& environment) {
    const std::u16string path = std::u16string(TextOf(environment.installDirectory)) + u"main.chm";
    if (path.size() >= kPathUnits) return;
    ShellExecuteW(nullptr, L"open", Wide(path.c_str()), L"", L"", SW_SHOWNORMAL);
}

void RunMode(ImeEnvironment& environment, const CommandLineOptions& options) {
    char16_t displayName[64];
    ReadImeRegistryValue(environment.guidText, u"DisplayName", displayName, std::size(displayName));
    const ModeChoice choice = ChooseMode(TextOf(options.mode));
    if (choice.titlePrefix) {
        if (HWND open = FindDialogByTitle(WindowTitle(choice.titlePrefix, TextOf(displayName)))) {
            if (choice.dialog == ModeDialog::dictionary)
                HandWordToDictionary(open, options);
            else
                BringWindowToFront(open);
            return;
        }
    }
    if (choice.dialog == ModeDialog::help) OpenHelpFile(environment);
    // The dialogs of the other modes hook in here as they are built.
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ControlLibraries libraries;
    const CommandLineOptions options = ParseCommandLine(SkipProgramPath(Portable(GetCommandLineW())));

    EnvironmentPtr environment(CreateEnvironment(options));
    if (!environment) {
        MessageBoxW(nullptr, L"非法的软件环境，本程序无法继续。", L"配置程序", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (NeedsVersionNotice(*environment, options))
        MessageBoxW(nullptr, L"程序检测到您正在使用旧版的输入法程序，建议重新启动当前程序，以使输入法更新生效。", L"配置程序",
                    MB_OK | MB_ICONEXCLAMATION);
    RunMode(*environment, options);
    return 0;
}
