// The add-word modes of config.exe under Wine: the dialog titled after the
// mode, keys handled before the dialog's own, and the entry stored in
// main.dmg as a second mapping of the file sees it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <iostream>

#include "base/Utf8.h"
#include "codetable/CodeTable.h"
#include "codetable/TableValidation.h"
#include "config/ImeConfigData.h"
#include "config/SettingsFile.h"
#include "platform/MappedFile.h"
#include "tests/codetable/TableTestSupport.h"
#include "tests/support/RunProcess.h"
#include "tests/support/TestInstallation.h"
#include "tests/win/driver/WindowDriver.h"
#include "ui/Clipboard.h"
#include "ui/WideText.h"

namespace {

constexpr int kWindowTimeout = 30000;
constexpr int kWordEdit = 1014;
constexpr int kCodeEdit = 1013;
constexpr int kClipboardBox = 1004;
constexpr int kMessageLine = 1034;

MappedFilePtr Open(const std::filesystem::path& file) { return MappedFilePtr(OpenMappedFile(file.u16string().c_str())); }

// The texts the input method committed, oldest first.
void SetRecentOutput(const TestInstallation& installation, const std::vector<std::u16string>& texts) {
    MappedFilePtr config = Open(installation.DataFile("config.dsc"));
    ASSERT_TRUE(config);
    auto* ime = FindSettingsBlockAs<ImeConfigData>(config->view, config->size);
    ASSERT_TRUE(ime);
    ime->recentOutputCount = static_cast<uint32_t>(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        RecentOutputRecord& record = ime->recentOutput[i];
        record = {};
        for (size_t k = 0; k < texts[i].size(); ++k) record.text[k] = texts[i][k];
    }
}

// A key as the user presses it: posted to the focused control, so it goes
// through the program's message loop.
void PressKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

class AddWordDialogTest : public ::testing::Test {
protected:
    HWND Start(const std::wstring& mode, const std::wstring& titlePrefix) {
        program_ = std::make_unique<ChildProcess>(
            ConfigProgram(), L"/n " + Wide(std::u16string_view(installation.guidText)) + L" /do " + mode);
        if (!program_->started()) return nullptr;
        return WaitForWindow(program_->processId(), L"#32770", titlePrefix + L" - 泽瓦五笔测试", kWindowTimeout);
    }
    std::optional<int> WaitForEnd() { return WaitForExit(*program_, 10000); }
    bool WaitForText(HWND dialog, int id, const std::wstring& text) {
        return WaitUntil([&] { return ControlText(dialog, id) == text; }, 5000);
    }

    TestInstallation installation;
    std::unique_ptr<ChildProcess> program_;
};

TEST_F(AddWordDialogTest, EnterStoresTheWordInTheUserCategory) {
    // The running input method's own mapping of the table.
    MappedFilePtr imeView = Open(installation.DataFile("main.dmg"));
    ASSERT_TRUE(imeView);
    HWND dialog = Start(L"tianjiayonghuci", L"添加词条");
    ASSERT_TRUE(dialog) << "no add-word dialog";
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kClipboardBox)));
    EXPECT_EQ(ControlText(dialog, kMessageLine), L"");
    ASSERT_TRUE(SetControlText(dialog, kWordEdit, L"中国人"));
    ASSERT_TRUE(SetControlText(dialog, kCodeEdit, L"khlw"));
    EXPECT_TRUE(SaveScreenshot(dialog, ScreenshotPath("add-word-add")));

    const auto pressed = std::chrono::steady_clock::now();
    PressKey(GetDlgItem(dialog, kWordEdit), VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10000))
        << "the dialog did not close: " << Utf8Of(Portable(ControlText(dialog, kMessageLine).c_str()));
    std::cout << "confirm to closed dialog: "
              << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pressed).count()
              << " ms\n";
    EXPECT_EQ(WaitForEnd(), 0);

    if (CurrentFileLength(*imeView) != imeView->size) ReopenMappedFile(imeView.get());
    const std::vector<EntryText> entries = EntriesOf(imeView.get());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].code, "khlw");
    EXPECT_EQ(entries[0].word, "中国人");
    EXPECT_EQ(entries[0].flags, (2u << 24) | 1024);
    EXPECT_EQ(ValidateTable(imeView.get(), nullptr, nullptr), "");
}

TEST_F(AddWordDialogTest, RefusalsShowInTheMessageLineAndEscStoresNothing) {
    const std::vector<uint8_t> before = ReadBytes(installation.DataFile("main.dmg"));
    HWND dialog = Start(L"添加用户词", L"添加词条");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(SetControlText(dialog, kWordEdit, L"中国"));
    SendCommand(dialog, IDOK);
    EXPECT_TRUE(WaitForText(dialog, kMessageLine, L"编码不能为空"));
    ASSERT_TRUE(SetControlText(dialog, kCodeEdit, L"kh中"));
    EXPECT_EQ(ControlText(dialog, kMessageLine), L"") << "editing resets the message line";
    SendCommand(dialog, IDOK);
    EXPECT_TRUE(WaitForText(dialog, kMessageLine, L"编码不能非键盘字符"));
    EXPECT_TRUE(SaveScreenshot(dialog, ScreenshotPath("add-word-refused")));
    PressKey(GetDlgItem(dialog, kCodeEdit), VK_ESCAPE);
    EXPECT_EQ(WaitForEnd(), 0);
    EXPECT_EQ(ReadBytes(installation.DataFile("main.dmg")), before);
}

TEST_F(AddWordDialogTest, OnlineModeCutsTheNewestOutputAndUpLengthensIt) {
    SetRecentOutput(installation, {u"你好", u"五笔输入法"});
    HWND dialog = Start(L"zaixianjiaci", L"在线加词");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ControlText(dialog, kWordEdit), L"入法");
    EXPECT_EQ(ControlText(dialog, kMessageLine), L"可用 ↑、↓ 更改词长");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kClipboardBox)));
    EXPECT_TRUE(SaveScreenshot(dialog, ScreenshotPath("add-word-online")));
    HWND word = GetDlgItem(dialog, kWordEdit);
    PressKey(word, VK_UP);
    EXPECT_TRUE(WaitForText(dialog, kWordEdit, L"输入法"));
    PressKey(word, VK_DOWN);
    PressKey(word, VK_DOWN);
    EXPECT_TRUE(WaitForText(dialog, kWordEdit, L"法"));
    SendCommand(dialog, IDCANCEL);
    EXPECT_EQ(WaitForEnd(), 0);
}

TEST_F(AddWordDialogTest, ClipboardChoiceTakesTheWholeClipboardText) {
    HWND dialog = Start(L"jianqiebanjiaci", L"在线加词");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ControlText(dialog, kWordEdit), L"加词");  // no recent output
    const std::u16string copied = u"中华人民共和国";
    ASSERT_EQ(SetClipboardText(copied.c_str(), copied.size()), 0);
    SendMessageW(GetDlgItem(dialog, kClipboardBox), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitForText(dialog, kWordEdit, L"中华人民共和国"));
    SendMessageW(GetDlgItem(dialog, kClipboardBox), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitForText(dialog, kWordEdit, L"加词"));
    SendCommand(dialog, IDCANCEL);
    EXPECT_EQ(WaitForEnd(), 0);
}

}  // namespace
