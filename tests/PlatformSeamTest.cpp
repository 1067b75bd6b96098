// The OS seam that the installation environment stands on: registry strings,
// GUID texts, the module system folder. Runs natively (in-memory registry)
// and under Wine (the real registry).
#include <gtest/gtest.h>

#include <string>

#include "base/Guid.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    ~RegistryTest() override { DeleteMachineKey(kKey); }
    std::u16string Read(const char16_t* key, const char16_t* name, uint32_t capacity, bool* ok) {
        std::u16string buffer(capacity, u'#');
        *ok = ReadMachineString(key, name, buffer.data(), capacity);
        return buffer.c_str();
    }

    static constexpr const char16_t* kKey = u"Software\\ZevaroIME3Test\\{Seam}";
};

TEST_F(RegistryTest, ReadsWhatWasWrittenOnlyWhenItFitsWhole) {
    ASSERT_TRUE(WriteMachineString(kKey, u"DisplayName", u"泽瓦五笔"));
    bool ok = false;
    EXPECT_EQ(Read(kKey, u"DisplayName", 64, &ok), u"泽瓦五笔");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Read(kKey, u"DisplayName", 5, &ok), u"泽瓦五笔");  // four units and the NUL
    EXPECT_TRUE(ok);
    EXPECT_EQ(Read(kKey, u"DisplayName", 4, &ok), u"");
    EXPECT_FALSE(ok);
}

TEST_F(RegistryTest, KeysAndValuesIgnoreCaseAndTrailingBackslash) {
    ASSERT_TRUE(WriteMachineString(kKey, u"IMEName", u"zvime"));
    bool ok = false;
    EXPECT_EQ(Read(u"SOFTWARE\\zevaroime3test\\{seam}\\", u"imename", 56, &ok), u"zvime");
    EXPECT_TRUE(ok);
}

TEST_F(RegistryTest, MissingKeyOrValueFailsWithAnEmptyBuffer) {
    bool ok = true;
    EXPECT_EQ(Read(kKey, u"IMEName", 56, &ok), u"");
    EXPECT_FALSE(ok);
    ASSERT_TRUE(WriteMachineString(kKey, u"IMEName", u"zvime"));
    EXPECT_EQ(Read(kKey, u"DataLocation", 260, &ok), u"");
    EXPECT_FALSE(ok);
    ASSERT_TRUE(DeleteMachineKey(kKey));
    EXPECT_EQ(Read(kKey, u"IMEName", 56, &ok), u"");
    EXPECT_FALSE(ok);
}

TEST(GuidTextTest, ParsesOnlyTheBracedRegistryForm) {
    const auto guid = ParseGuidText(u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C60}");
    ASSERT_TRUE(guid);
    const GuidBytes expected{0x52, 0x1A, 0x3C, 0x8B, 0x1E, 0x6F, 0x1B, 0x4C,
                             0x9E, 0x1D, 0x2A, 0x7F, 0x4E, 0x3B, 0x5C, 0x60};
    EXPECT_EQ(*guid, expected);
    EXPECT_EQ(FormatGuidText(expected), u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C60}");
    EXPECT_EQ(ParseGuidText(u"{8b3c1a52-6f1e-4c1b-9e1d-2a7f4e3b5c60}"), expected);

    for (const char16_t* bad : {u"8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C60", u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C6}",
                                u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5C60", u"{8B3C1A52+6F1E-4C1B-9E1D-2A7F4E3B5C60}",
                                u"{8B3C1A52-6F1E-4C1B-9E1D-2A7F4E3B5CG0}", u""})
        EXPECT_FALSE(ParseGuidText(bad)) << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
}

TEST(SystemInfoTest, ModuleSystemFolderEndsInABackslashOrSlash) {
    const std::u16string folder = ModuleSystemFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.back() == u'\\' || folder.back() == u'/');
    uint8_t record[kVersionRecordSize];
    QueryVersionRecord(record);
    EXPECT_EQ(record[0] | record[1] << 8, kVersionRecordSize);
}

}  // namespace
