// The sample module's panels inside a window of the test standing in for a
// settings page: each shows the settings of its block, writes a change into
// the block at once (seen through the module's settings text), and goes with
// destroyPanels.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/ImeEnvironment.h"
#include "config/SettingsTextObject.h"
#include "platform/ModuleObject.h"
#include "sampleime/resource.h"
#include "tests/support/SettingsBlocks.h"
#include "tests/win/SampleModule.h"
#include "tests/win/driver/WindowDriver.h"
#include "ui/PanelProvider.h"

namespace {

class SamplePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module_.get());
        environment_->dmeConfig = &blocks_.dme();
        environment_->skinConfig = &blocks_.skin();
        page_ = CreateWindowExW(0, L"STATIC", L"page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 480, 380, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_TRUE(page_);
        provider_ = static_cast<PanelProviderTable*>(GetModuleObject(module_.handle(), kPanelProviderKind));
        ASSERT_TRUE(provider_ && provider_->createPanel && provider_->destroyPanels);
    }
    void TearDown() override {
        if (provider_) provider_->release();
        if (page_) DestroyWindow(page_);
    }

    std::u16string SettingsText(int32_t blockKind) {
        SettingsTextObject object(GetModuleObject(module_.handle(), kSettingsTextObjectKind));
        char16_t buffer[4096] = {};
        object.table()->writeSettingsText(
            blockKind == kDmeBlockKind ? static_cast<void*>(&blocks_.dme()) : &blocks_.skin(), buffer, 4096, blockKind);
        return buffer;
    }
    void Apply(int32_t blockKind, const char16_t* key, const char16_t* value) {
        SettingsTextObject object(GetModuleObject(module_.handle(), kSettingsTextObjectKind));
        object.table()->applySetting(blockKind == kDmeBlockKind ? static_cast<void*>(&blocks_.dme()) : &blocks_.skin(),
                                     key, value, blockKind);
    }
    HWND CreatePanel(int32_t panelKind) { return provider_->createPanel(page_, panelKind, environment_.get()); }
    // The panel is a visible child of the page; its picture is kept.
    void ExpectShownInPage(HWND panel, const std::string& screenshot) {
        ASSERT_TRUE(IsWindow(panel));
        EXPECT_EQ(GetParent(panel), page_);
        EXPECT_TRUE(GetWindowLongW(panel, GWL_STYLE) & WS_CHILD);
        EXPECT_TRUE(IsWindowVisible(panel));
        RedrawWindow(page_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(SaveScreenshot(page_, ScreenshotPath(screenshot)));
    }

    LoadedModule module_{kSampleModule};
    SettingsBlocks blocks_;
    std::unique_ptr<ImeEnvironment> environment_ = std::make_unique<ImeEnvironment>();
    HWND page_ = nullptr;
    PanelProviderTable* provider_ = nullptr;
};

TEST_F(SamplePanelTest, CommonPanelShowsAndWritesTheDmeSettings) {
    Apply(kDmeBlockKind, u"四码唯一自动上屏", u"否");
    HWND panel = CreatePanel(kCommonPanelKind);
    ExpectShownInPage(panel, "sample-common-panel");
    EXPECT_EQ(IsDlgButtonChecked(panel, IDC_AUTO_COMMIT_UNIQUE), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(panel, IDC_EMPTY_CODE_BEEP), BST_UNCHECKED);

    SendDlgItemMessageW(panel, IDC_EMPTY_CODE_BEEP, BM_CLICK, 0, 0);
    EXPECT_EQ(SettingsText(kDmeBlockKind), u"四码唯一自动上屏=否\r\n空码提示音=是\r\n");
    SendDlgItemMessageW(panel, IDC_AUTO_COMMIT_UNIQUE, BM_CLICK, 0, 0);
    EXPECT_EQ(SettingsText(kDmeBlockKind), u"四码唯一自动上屏=是\r\n空码提示音=是\r\n");

    provider_->destroyPanels(kAllPanels);
    EXPECT_FALSE(IsWindow(panel));
}

TEST_F(SamplePanelTest, AppearancePanelShowsAndWritesTheSkinSettings) {
    Apply(kSkinBlockKind, u"候选字号", u"24");
    Apply(kSkinBlockKind, u"背景颜色", u"#FFF4D0");
    Apply(kSkinBlockKind, u"文字颜色", u"#003399");
    HWND panel = CreatePanel(kAppearancePanelKind);
    ExpectShownInPage(panel, "sample-appearance-panel");
    EXPECT_EQ(ControlText(panel, IDC_FONT_SIZE), L"24");
    EXPECT_TRUE(GetDlgItem(panel, IDC_TEXT_COLOUR) && GetDlgItem(panel, IDC_BACKGROUND_COLOUR) &&
                GetDlgItem(panel, IDC_PREVIEW));

    // Choosing 12, as the list box of the combo box would.
    HWND sizes = GetDlgItem(panel, IDC_FONT_SIZE);
    const LRESULT twelve =
        SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"12"));
    ASSERT_NE(twelve, CB_ERR);
    SendMessageW(sizes, CB_SETCURSEL, twelve, 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_FONT_SIZE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    EXPECT_EQ(SettingsText(kSkinBlockKind), u"候选字号=12\r\n文字颜色=#003399\r\n背景颜色=#FFF4D0\r\n");

    provider_->destroyPanels(kAllPanels);
    EXPECT_FALSE(IsWindow(panel));
}

TEST_F(SamplePanelTest, DestroyPanelsEndsEveryPanelAndOtherKindsGetNone) {
    HWND common = CreatePanel(kCommonPanelKind);
    HWND appearance = CreatePanel(kAppearancePanelKind);
    ASSERT_TRUE(IsWindow(common) && IsWindow(appearance));
    for (int32_t kind : {0, 2, 4}) EXPECT_EQ(CreatePanel(kind), nullptr) << "kind " << kind;
    EXPECT_EQ(provider_->createPanel(page_, kCommonPanelKind, nullptr), nullptr);
    EXPECT_TRUE(GetWindow(page_, GW_CHILD));

    provider_->destroyPanels(kAllPanels);
    EXPECT_FALSE(IsWindow(common));
    EXPECT_FALSE(IsWindow(appearance));
    EXPECT_EQ(GetWindow(page_, GW_CHILD), nullptr);
    provider_->destroyPanels(kAllPanels);  // nothing left: no harm
}

}  // namespace
