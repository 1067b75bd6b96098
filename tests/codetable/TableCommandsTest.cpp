// What replacing and clearing do for each table and row of the page.
#include "codetable/TableCommands.h"

#include <gtest/gtest.h>

#include "codetable/ReplaceMessages.h"

namespace {

TEST(TableCommandsTest, ReplaceByTableAndRow) {
    struct Case {
        const char16_t* path;
        bool main;
        int row;
        uint32_t flags;
        ReplaceAction action;
    };
    const Case cases[] = {
        {u"D:\\ime\\main.dmg", true, 0, 1, ReplaceAction::ReplaceWholeTable},
        {u"D:\\ime\\main.dmg", true, 0, 2, ReplaceAction::None},
        {u"D:\\ime\\main.dmg", true, 3, 3, ReplaceAction::ReplaceCategory},
        {u"D:\\ime\\main.dmg", true, 31, 1, ReplaceAction::ReplaceCategory},
        {u"D:\\ime\\main.dmg", true, 5, 0, ReplaceAction::None},
        {u"D:\\ime\\main.dmg", true, 32, 1, ReplaceAction::None},
        {u"D:\\ime\\temp.dmg", false, 0, 1, ReplaceAction::None},
        {u"D:\\ime\\sysl.dmg", false, 0, 0, ReplaceAction::ImportWordList},
        {u"D:\\ime\\engl.dmg", false, 0, 0, ReplaceAction::ImportWordList},
        {u"D:\\ime\\other.dmg", false, 0, 1, ReplaceAction::None},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplaceActionFor(c.path, c.main, c.row, c.flags), c.action) << c.row;
    EXPECT_EQ(ReplaceQuestion(ReplaceAction::ReplaceWholeTable), kReplaceTableQuestion);
    EXPECT_EQ(ReplaceQuestion(ReplaceAction::ReplaceCategory), kReplaceCategoryQuestion);
    EXPECT_EQ(ReplaceQuestion(ReplaceAction::ImportWordList), nullptr);
}

TEST(TableCommandsTest, ClearByTableAndRow) {
    struct Case {
        bool main;
        int row;
        uint32_t flags;
        ClearAction action;
    };
    const Case cases[] = {
        {true, 0, 1, ClearAction::ClearMainTable},  {true, 0, 0, ClearAction::None},
        {true, 4, 1, ClearAction::RemoveCategory},  {true, 4, 2, ClearAction::NotPermitted},
        {true, 40, 1, ClearAction::None},           {false, 0, 0, ClearAction::ClearTable},
    };
    for (const Case& c : cases) EXPECT_EQ(ClearActionFor(c.main, c.row, c.flags), c.action) << c.row;
    EXPECT_EQ(ClearQuestion(ClearAction::RemoveCategory), kClearTableQuestion);
    EXPECT_EQ(ClearQuestion(ClearAction::NotPermitted), nullptr);
    EXPECT_EQ(CategoryMask(4), 16u);
}

}  // namespace
