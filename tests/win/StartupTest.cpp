// Start-up of config.exe on a real installation under Wine: refusals with the
// stop message, the version notice, and a second start that finds the window
// of its mode already open.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "tests/support/RunProcess.h"
#include "tests/support/TestInstallation.h"
#include "tests/win/driver/WindowDriver.h"
#include "ui/WideText.h"

namespace {

constexpr int kWindowTimeout = 30000;

std::wstring NamingArguments(const TestInstallation& installation) {
    return L"/n " + Wide(std::u16string_view(installation.guidText));
}

// Starts the program, expects one message box and presses its only button.
void ExpectMessageBox(const std::wstring& commandLine, const std::wstring& text, int exitCode,
                      const std::string& screenshot = {}) {
    ChildProcess program(ConfigProgram(), commandLine);
    ASSERT_TRUE(program.started());
    HWND box = WaitForWindow(program.processId(), L"#32770", L"配置程序", kWindowTimeout);
    ASSERT_TRUE(box) << "no message box appeared";
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, text);
    EXPECT_EQ(content.buttons, std::vector<int>{IDOK});
    if (!screenshot.empty()) {
        EXPECT_TRUE(SaveScreenshot(box, ScreenshotPath(screenshot)));
    }
    EXPECT_FALSE(program.Wait(0).has_value()) << "the program must wait for the message to be confirmed";
    PressButton(box, IDOK);
    EXPECT_EQ(WaitForExit(program, 10000), exitCode);
}

const std::wstring kStopMessage = L"非法的软件环境，本程序无法继续。";

TEST(StartupTest, WithoutAnInstallationShowsTheStopMessageAndEnds) {
    ExpectMessageBox(L"/do jiemian", kStopMessage, 1, "startup-stop-message");
}

struct BrokenInstallation {
    const char* name;
    std::function<void(TestInstallation&)> breakIt;
};

class StartupRefusalTest : public ::testing::TestWithParam<BrokenInstallation> {};

TEST_P(StartupRefusalTest, ShowsTheStopMessageAndNothingElse) {
    TestInstallation installation;
    GetParam().breakIt(installation);
    ExpectMessageBox(NamingArguments(installation) + L" /do update", kStopMessage, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, StartupRefusalTest,
    ::testing::Values(
        BrokenInstallation{"MissingDataLocation", [](TestInstallation& i) { i.RemoveRegistryValue(u"DataLocation"); }},
        BrokenInstallation{"MissingMainTable",
                           [](TestInstallation& i) { std::filesystem::remove(i.DataFile("main.dmg")); }},
        BrokenInstallation{"MainTableOfAnotherGuid",
                           [](TestInstallation& i) { WriteBytes(i.DataFile("main.dmg"), EmptyTable({})); }},
        BrokenInstallation{"ModuleNotLoadable", [](TestInstallation& i) { i.RemoveModule(); }}),
    [](const ::testing::TestParamInfo<BrokenInstallation>& info) { return std::string(info.param.name); });

TEST(StartupTest, ASoundInstallationRunsTheModeAndEnds) {
    TestInstallation installation;
    ChildProcess program(ConfigProgram(), NamingArguments(installation) + L" /do update");
    EXPECT_EQ(WaitForExit(program, kWindowTimeout), 0);
}

TEST(StartupTest, AnOlderRunningVersionIsNoticedThenTheModeRuns) {
    TestInstallation installation;
    ExpectMessageBox(NamingArguments(installation) + L" /do update /currver 1.0.0.1",
                     L"程序检测到您正在使用旧版的输入法程序，建议重新启动当前程序，以使输入法更新生效。", 0,
                     "startup-version-notice");
}

// A top-level standard dialog window of the test, titled like a running mode.
class OpenModeWindow {
public:
    explicit OpenModeWindow(const wchar_t* title) {
        window_ = CreateWindowExW(0, L"#32770", title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OpenModeWindow::Procedure)));
    }
    ~OpenModeWindow() { DestroyWindow(window_); }
    HWND window() const { return window_; }
    const std::wstring& receivedWord() const { return word_; }
    int copies = 0;
    DWORD receivedKind = 99;
    DWORD receivedSize = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<OpenModeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            ++self->copies;
            self->receivedKind = static_cast<DWORD>(data->dwData);
            self->receivedSize = data->cbData;
            self->word_ = static_cast<const wchar_t*>(data->lpData);
            return TRUE;
        }
        return CallWindowProcW(self->previous_, window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    std::wstring word_;
};

TEST(StartupTest, ASecondStartBringsTheOpenWindowOfItsModeToTheFront) {
    TestInstallation installation;
    OpenModeWindow open(L"使用设置 - 泽瓦五笔测试");
    ShowWindow(open.window(), SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(open.window()));

    ChildProcess program(ConfigProgram(), NamingArguments(installation) + L" /do MaBiao");
    EXPECT_EQ(WaitForExit(program, kWindowTimeout), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(open.window()); }, 5000)) << "the open window was not restored";
}

TEST(StartupTest, ASecondDictionaryStartHandsItsWordToTheOpenDictionary) {
    TestInstallation installation;
    OpenModeWindow open(L"微型词典 - 泽瓦五笔测试");
    ShowWindow(open.window(), SW_SHOWNORMAL);

    ChildProcess program(ConfigProgram(), NamingArguments(installation) + L" /dict 中华人民");
    EXPECT_EQ(WaitForExit(program, kWindowTimeout), 0);
    EXPECT_EQ(open.copies, 1);
    EXPECT_EQ(open.receivedKind, 0u);
    EXPECT_EQ(open.receivedSize, 256u);
    EXPECT_EQ(open.receivedWord(), L"中华人民");
}

}  // namespace
