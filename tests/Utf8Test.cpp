// UTF-16 to UTF-8 and back, with U+FFFD for what has no form on the other side.
#include "base/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8Test, EncodesEveryLengthAndLoneSurrogates) {
    EXPECT_EQ(Utf8Of(u"a\u00E9中\U00020000"), "a\xC3\xA9\xE4\xB8\xAD\xF0\xA0\x80\x80");
    EXPECT_EQ(Utf8Of(u"\xD840" u"a\xDC00"), "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
}

TEST(Utf8Test, DecodesAndReplacesEachByteOfAMalformedSequence) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    for (const Case& c : {Case{"a\xC3\xA9\xE4\xB8\xAD\xF0\xA0\x80\x80", u"a\u00E9中\U00020000"},
                          Case{"\x80" "a", u"\uFFFDa"}, Case{"\xE4\xB8", u"\uFFFD\uFFFD"},
                          Case{"\xC0\xAF", u"\uFFFD\uFFFD"},           // overlong
                          Case{"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // a surrogate
                          Case{"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, Case{"\xE4" "ab", u"\uFFFDab"}}) {
        EXPECT_EQ(Utf16Of(c.bytes), c.text) << c.bytes.size() << " bytes";
    }
}

}  // namespace
