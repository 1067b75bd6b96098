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
#include "ui/ActivePanel.h"
#include "ui/Dialog.h"
#include "ui/MessageBoxes.h"
#include "ui/WideText.h"
#include "ui/WindowFront.h"
#include "viewer/AddWordDialog.h"

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

// The main settings window's next-page command.
constexpr WPARAM kNextPageCommand = 0x1400;

// Keys and focus for the whole process, before any dialog sees them.
bool PreTranslateAppMessage(MSG& message, ImeEnvironment& environment) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0) {
            if (HWND mainWindow = Dialog::MainWindow()) PostMessageW(mainWindow, WM_SYSCOMMAND, kNextPageCommand, 0);
            return true;
        }
        // Tab walks the controls of the module's panel, which is no dialog of ours.
        HWND panel = ActivePanelWindow();
        if (panel && IsWindowVisible(panel)) {
            SendMessageW(panel, WM_UPDATEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_ACTIVE), 0);
            PostMessageW(panel, WM_NEXTDLGCTL, 0, 0);
            return true;
        }
        return false;
    }
    if (message.message == WM_SETFOCUS) RefreshCodeTables(&environment);
    return false;
}

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
    switch (choice.dialog) {
    case ModeDialog::help:
        OpenHelpFile(environment);
        break;
    case ModeDialog::addWord: {
        CZV_AddUserPhrase2 dialog(environment, static_cast<AddWordMode>(choice.addWordMode), kAddWordCategory);
        dialog.Run(nullptr);
        break;
    }
    default:
        // The dialogs of the other modes hook in here as they are built.
        break;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ControlLibraries libraries;
    const CommandLineOptions options = ParseCommandLine(SkipProgramPath(Portable(GetCommandLineW())));

    EnvironmentPtr environment(CreateEnvironment(options));
    if (!environment) {
        ShowMessage(nullptr, u"非法的软件环境，本程序无法继续。", MB_OK | MB_ICONSTOP);
        return 1;
    }
    if (NeedsVersionNotice(*environment, options))
        ShowMessage(nullptr, u"程序检测到您正在使用旧版的输入法程序，建议重新启动当前程序，以使输入法更新生效。",
                    MB_OK | MB_ICONEXCLAMATION);
    Dialog::SetMessageFilter([&](MSG& message) { return PreTranslateAppMessage(message, *environment); });
    RunMode(*environment, options);
    Dialog::SetMessageFilter(nullptr);
    return 0;
}
