// Start-up of config.exe: a start that names no installation is refused with
// the stop message, and the process ends when it is confirmed.
#include <gtest/gtest.h>

#include "tests/support/RunProcess.h"
#include "tests/win/driver/WindowDriver.h"

namespace {

TEST(StartupTest, WithoutAnInstallationShowsTheStopMessageAndEnds) {
    ChildProcess program(ConfigProgram(), std::wstring(L"/do jiemian"));
    ASSERT_TRUE(program.started());

    HWND box = WaitForWindow(program.processId(), L"#32770", L"配置程序", 30000);
    ASSERT_TRUE(box) << "no message box appeared";
    const MessageBoxContent content = ReadMessageBox(box);
    EXPECT_EQ(content.text, L"非法的软件环境，本程序无法继续。");
    EXPECT_EQ(content.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(SaveScreenshot(box, ScreenshotPath("startup-stop-message")));

    EXPECT_FALSE(program.Wait(0).has_value()) << "the program must wait for the message to be confirmed";
    PressButton(box, IDOK);
    EXPECT_EQ(program.Wait(10000), 1);
}

}  // namespace
