// The mode table: exact mode names, single-instance titles, settings pages.
#include "app/ModeTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
    std::u16string mode;
    ModeDialog dialog;
    std::u16string titlePrefix;  // empty: no single-instance search
    ViewerQuery viewerQuery;
    int addWordMode;
    int startPage;
};

class ChooseModeTest : public ::testing::TestWithParam<Row> {};

TEST_P(ChooseModeTest, PicksTheRow) {
    const Row& row = GetParam();
    const ModeChoice choice = ChooseMode(row.mode);
    EXPECT_EQ(choice.dialog, row.dialog);
    EXPECT_EQ(choice.titlePrefix ? std::u16string(choice.titlePrefix) : std::u16string(), row.titlePrefix);
    EXPECT_EQ(choice.viewerQuery, row.viewerQuery);
    EXPECT_EQ(choice.addWordMode, row.addWordMode);
    EXPECT_EQ(choice.startPage, row.startPage);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ChooseModeTest,
    ::testing::Values(Row{u"gaojishezhi", ModeDialog::advancedSettings, u"高级设置模式", ViewerQuery::none, 0, 0},
                      Row{u"高级设置", ModeDialog::advancedSettings, u"高级设置模式", ViewerQuery::none, 0, 0},
                      Row{u"showurl", ModeDialog::htmlPage, u"", ViewerQuery::none, 0, 0},
                      Row{u"dict", ModeDialog::dictionary, u"微型词典", ViewerQuery::none, 0, 0},
                      Row{u"update", ModeDialog::update, u"", ViewerQuery::none, 0, 0},
                      Row{u"shuchufancha", ModeDialog::viewer, u"码表浏览", ViewerQuery::recentOutput, 0, 0},
                      Row{u"输出反查", ModeDialog::viewer, u"码表浏览", ViewerQuery::recentOutput, 0, 0},
                      Row{u"jiantiebanfancha", ModeDialog::viewer, u"码表浏览", ViewerQuery::clipboard, 0, 0},
                      Row{u"剪贴板反查", ModeDialog::viewer, u"码表浏览", ViewerQuery::clipboard, 0, 0},
                      Row{u"anjianshezhi", ModeDialog::keyFunctions, u"按键功能定义", ViewerQuery::none, 0, 0},
                      Row{u"按键设置", ModeDialog::keyFunctions, u"按键功能定义", ViewerQuery::none, 0, 0},
                      Row{u"tianjiayonghuci", ModeDialog::addWord, u"", ViewerQuery::none, 0, 0},
                      Row{u"添加用户词", ModeDialog::addWord, u"", ViewerQuery::none, 0, 0},
                      Row{u"zaixianjiaci", ModeDialog::addWord, u"", ViewerQuery::none, 1, 0},
                      Row{u"在线加词", ModeDialog::addWord, u"", ViewerQuery::none, 1, 0},
                      Row{u"jianqiebanjiaci", ModeDialog::addWord, u"", ViewerQuery::none, 1, 0},
                      Row{u"剪贴板加词", ModeDialog::addWord, u"", ViewerQuery::none, 1, 0},
                      Row{u"help", ModeDialog::help, u"", ViewerQuery::none, 0, 0},
                      Row{u"帮助首页", ModeDialog::help, u"", ViewerQuery::none, 0, 0},
                      // Everything else opens the settings window; its pages ignore case.
                      Row{u"", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 0},
                      Row{u"jiemian", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 1},
                      Row{u"界面", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 1},
                      Row{u"MaBiao", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 2},
                      Row{u"码表", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 2},
                      Row{u"GAOJI", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 3},
                      Row{u"高级", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 3},
                      Row{u"About", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 4},
                      Row{u"关于", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 4},
                      // Mode names themselves are case-sensitive.
                      Row{u"Update", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 0},
                      Row{u"Dict", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 0},
                      Row{u"jiemianx", ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, 0}));

TEST(WindowTitleTest, JoinsPrefixAndDisplayNameWithin127Units) {
    EXPECT_EQ(WindowTitle(u"使用设置", u"泽瓦五笔"), u"使用设置 - 泽瓦五笔");
    EXPECT_EQ(WindowTitle(u"微型词典", u""), u"微型词典 - ");
    const std::u16string title = WindowTitle(u"码表浏览", std::u16string(200, u'x'));
    EXPECT_EQ(title.size(), 127u);
    EXPECT_EQ(title.substr(0, 7), u"码表浏览 - ");
}

}  // namespace
