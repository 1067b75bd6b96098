// The clipboard helpers against the real clipboard.
#include <gtest/gtest.h>

#include <string>

#include "ui/Clipboard.h"

namespace {

TEST(ClipboardTest, RoundTripsUnicodeTextCutTo127Units) {
    ASSERT_EQ(SetClipboardText(u"中国人abc", 3), 0);
    char16_t buffer[128];
    GetClipboardText(buffer);
    EXPECT_EQ(std::u16string(buffer), u"中国人");

    const std::u16string longText(300, u'字');
    ASSERT_EQ(SetClipboardText(longText.c_str(), static_cast<uint32_t>(longText.size())), 0);
    GetClipboardText(buffer);
    EXPECT_EQ(std::u16string(buffer), std::u16string(127, u'字'));
}

}  // namespace
