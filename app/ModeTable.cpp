#include "app/ModeTable.h"

#include <initializer_list>

#include "base/AsciiCase.h"

namespace {

bool IsOneOf(std::u16string_view mode, std::initializer_list<std::u16string_view> names) {
    for (auto name : names)
        if (mode == name) return true;
    return false;
}

int StartPage(std::u16string_view mode) {
    struct Page {
        std::u16string_view latin, chinese;
        int number;
    };
    static constexpr Page kPages[] = {
        {u"jiemian", u"界面", 1}, {u"mabiao", u"码表", 2}, {u"gaoji", u"高级", 3}, {u"about", u"关于", 4}};
    for (const Page& page : kPages)
        if (EqualsIgnoringAsciiCase(mode, page.latin) || mode == page.chinese) return page.number;
    return 0;
}

}  // namespace

ModeChoice ChooseMode(std::u16string_view mode) {
    if (IsOneOf(mode, {u"gaojishezhi", u"高级设置"}))
        return {ModeDialog::advancedSettings, u"高级设置模式", ViewerQuery::none, 0, 0};
    if (mode == u"showurl") return {ModeDialog::htmlPage, nullptr, ViewerQuery::none, 0, 0};
    if (mode == u"dict") return {ModeDialog::dictionary, u"微型词典", ViewerQuery::none, 0, 0};
    if (mode == u"update") return {ModeDialog::update, nullptr, ViewerQuery::none, 0, 0};
    if (IsOneOf(mode, {u"shuchufancha", u"输出反查"}))
        return {ModeDialog::viewer, u"码表浏览", ViewerQuery::recentOutput, 0, 0};
    if (IsOneOf(mode, {u"jiantiebanfancha", u"剪贴板反查"}))
        return {ModeDialog::viewer, u"码表浏览", ViewerQuery::clipboard, 0, 0};
    if (IsOneOf(mode, {u"anjianshezhi", u"按键设置"}))
        return {ModeDialog::keyFunctions, u"按键功能定义", ViewerQuery::none, 0, 0};
    if (IsOneOf(mode, {u"tianjiayonghuci", u"添加用户词"}))
        return {ModeDialog::addWord, nullptr, ViewerQuery::none, 0, 0};
    if (IsOneOf(mode, {u"zaixianjiaci", u"在线加词", u"jianqiebanjiaci", u"剪贴板加词"}))
        return {ModeDialog::addWord, nullptr, ViewerQuery::none, 1, 0};
    if (IsOneOf(mode, {u"help", u"帮助首页"})) return {ModeDialog::help, nullptr, ViewerQuery::none, 0, 0};
    return {ModeDialog::settings, u"使用设置", ViewerQuery::none, 0, StartPage(mode)};
}

std::u16string WindowTitle(const char16_t* prefix, std::u16string_view displayName) {
    std::u16string title = std::u16string(prefix) + u" - " + std::u16string(displayName);
    if (title.size() > 127) title.resize(127);
    return title;
}
