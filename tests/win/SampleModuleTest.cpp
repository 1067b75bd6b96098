// The sample input method module as the program loads it: its objects by
// kind, the code operations, the settings text of its own settings (also
// through the program's settings text writer and reader), its icons, and the
// variant without objects.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "codetable/CodeOps.h"
#include "codetable/EntryKey.h"
#include "config/SettingsTextObject.h"
#include "config/SettingsTextReader.h"
#include "config/SettingsTextWriter.h"
#include "config/TextFile.h"
#include "platform/ModuleObject.h"
#include "tests/support/SettingsBlocks.h"
#include "tests/support/TempDir.h"
#include "tests/win/SampleModule.h"

namespace {

std::u16string TextOf(const SettingsTextTable* settings, const void* block, int32_t blockKind) {
    std::vector<char16_t> buffer(4096, u'\xFFFF');
    settings->writeSettingsText(block, buffer.data(), static_cast<int32_t>(buffer.size()), blockKind);
    return std::u16string(buffer.data());
}

TEST(SampleModuleTest, BothModulesCarryTheIconsTheProgramLoads) {
    for (const char* name : {kSampleModule, kEmptyModule}) {
        LoadedModule module(name);
        ASSERT_TRUE(module.get()) << name;
        for (int id : {111, 117, 118, 119, 120, 121}) {
            HICON icon = static_cast<HICON>(LoadImageW(module.get(), MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
            EXPECT_TRUE(icon) << name << " icon " << id;
            if (icon) DestroyIcon(icon);
        }
    }
}

TEST(SampleModuleTest, HasAnObjectForKindsOneToThreeOnlyAndTheEmptyOneForNone) {
    LoadedModule sample(kSampleModule);
    LoadedModule empty(kEmptyModule);
    ASSERT_TRUE(sample.get() && empty.get());
    for (int32_t kind : {-1, 0, 1, 2, 3, 4, 1000}) {
        const bool known = kind >= 1 && kind <= 3;
        EXPECT_EQ(GetModuleObject(sample.handle(), kind) != nullptr, known) << "kind " << kind;
        EXPECT_EQ(GetModuleObject(empty.handle(), kind), nullptr) << "kind " << kind;
    }
    for (int32_t kind : {1, 2, 3}) {
        const auto* release = static_cast<void (*const*)()>(GetModuleObject(sample.handle(), kind));
        ASSERT_TRUE(*release) << "kind " << kind << " has no release";
        (*release)();
    }
}

std::vector<uint8_t> Code(const std::string& letters) {
    std::vector<uint8_t> bytes(letters.begin(), letters.end());
    bytes.insert(bytes.begin(), static_cast<uint8_t>(letters.size()));
    return bytes;
}

std::vector<uint8_t> Key(const std::string& code, const std::string& word) {
    std::vector<uint8_t> key = Code(code);
    const std::vector<uint8_t> wordBytes = Code(word);
    key.insert(key.end(), wordBytes.begin(), wordBytes.end());
    return key;
}

int Sign(int32_t value) { return (value > 0) - (value < 0); }

TEST(SampleModuleTest, CodeOperationsKeepTheProgramsDefaults) {
    LoadedModule module(kSampleModule);
    CodeOps ops(module.handle());
    ASSERT_TRUE(ops.present());
    EXPECT_EQ(ops.encodeCode(), nullptr);
    EXPECT_EQ(ops.decodeCode(), nullptr);
    ASSERT_TRUE(ops.compareCode() && ops.compareEntry());

    struct Pair {
        std::vector<uint8_t> a, b;
    };
    const Pair pairs[] = {
        {Key("aa", "x"), Key("aa", "x")},    {Key("a", "x"), Key("aa", "x")},       {Key("ab", "x"), Key("aa", "y")},
        {Key("aa", "\xE5"), Key("aa", "a")}, {Key("\x80", "x"), Key("z", "x")},     {Key("abc", "xy"), Key("abc", "x")},
        {Key("", "x"), Key("a", "")},        {Key("wqvb", "x"), Key("wqvb", "xx")},
    };
    for (const Pair& pair : pairs)
        for (const auto& [a, b] : {std::pair{&pair.a, &pair.b}, std::pair{&pair.b, &pair.a}}) {
            EXPECT_EQ(Sign(ops.compareCode()(a->data(), b->data())), CompareCodeBytes(a->data(), b->data()));
            EXPECT_EQ(Sign(ops.compareEntry()(a->data(), b->data())), CompareEntryKeys(a->data(), b->data()));
        }
}

constexpr char16_t kDefaultDmeText[] = u"四码唯一自动上屏=是\r\n空码提示音=否\r\n";
constexpr char16_t kDefaultSkinText[] = u"候选字号=16\r\n文字颜色=#000000\r\n背景颜色=#FFFFFF\r\n";

TEST(SampleModuleTest, SettingsTextOfFreshBlocksIsTheDefaultsAndAppliesBackToTheSameText) {
    LoadedModule module(kSampleModule);
    SettingsTextObject object(GetModuleObject(module.handle(), kSettingsTextObjectKind));
    const SettingsTextTable* settings = object.table();
    ASSERT_TRUE(settings && settings->applySetting && settings->writeSettingsText);
    SettingsBlocks blocks;
    EXPECT_EQ(TextOf(settings, &blocks.dme(), kDmeBlockKind), kDefaultDmeText);
    EXPECT_EQ(TextOf(settings, &blocks.skin(), kSkinBlockKind), kDefaultSkinText);

    struct Line {
        int32_t blockKind;
        const char16_t* key;
        const char16_t* value;
    };
    const Line changes[] = {
        {kDmeBlockKind, u"四码唯一自动上屏", u"否"}, {kDmeBlockKind, u"空码提示音", u"是"},
        {kSkinBlockKind, u"候选字号", u"36"},        {kSkinBlockKind, u"文字颜色", u"#1a2B3c"},
        {kSkinBlockKind, u"背景颜色", u"#F0E0D0"},
    };
    for (const Line& line : changes) {
        void* block = line.blockKind == kDmeBlockKind ? static_cast<void*>(&blocks.dme()) : &blocks.skin();
        settings->applySetting(block, line.key, line.value, line.blockKind);
    }
    const std::u16string dmeText = TextOf(settings, &blocks.dme(), kDmeBlockKind);
    const std::u16string skinText = TextOf(settings, &blocks.skin(), kSkinBlockKind);
    EXPECT_EQ(dmeText, u"四码唯一自动上屏=否\r\n空码提示音=是\r\n");
    EXPECT_EQ(skinText, u"候选字号=36\r\n文字颜色=#1A2B3C\r\n背景颜色=#F0E0D0\r\n");

    // The text applied to fresh blocks gives them the same settings.
    SettingsBlocks copy;
    for (const auto& [text, block, kind] : {std::tuple{dmeText, static_cast<void*>(&copy.dme()), kDmeBlockKind},
                                            std::tuple{skinText, static_cast<void*>(&copy.skin()), kSkinBlockKind}}) {
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find(u"\r\n", at);
            const std::u16string line = text.substr(at, end - at);
            const size_t equals = line.find(u'=');
            settings->applySetting(block, line.substr(0, equals).c_str(), line.substr(equals + 1).c_str(), kind);
            at = end + 2;
        }
    }
    EXPECT_EQ(copy.dmeBytes, blocks.dmeBytes);
    EXPECT_EQ(copy.skinBytes, blocks.skinBytes);
}

struct Line {
    int32_t blockKind;
    const char16_t* key;
    const char16_t* value;
};

void* BlockOf(SettingsBlocks& blocks, int32_t blockKind) {
    return blockKind == kDmeBlockKind ? static_cast<void*>(&blocks.dme()) : &blocks.skin();
}

TEST(SampleModuleTest, LinesItDoesNotKnowOrWhoseValueIsOutOfRangeChangeNothing) {
    LoadedModule module(kSampleModule);
    SettingsTextObject object(GetModuleObject(module.handle(), kSettingsTextObjectKind));
    const SettingsTextTable* settings = object.table();
    ASSERT_TRUE(settings);
    const Line refused[] = {
        {kDmeBlockKind, u"四码唯一自动上屏", u"1"}, {kDmeBlockKind, u"空码提示音", u""},
        {kDmeBlockKind, u"候选字号", u"20"},        {kSkinBlockKind, u"空码提示音", u"是"},
        {kSkinBlockKind, u"候选字号", u"8"},        {kSkinBlockKind, u"候选字号", u"37"},
        {kSkinBlockKind, u"候选字号", u"016"},      {kSkinBlockKind, u"候选字号", u"1a"},
        {kSkinBlockKind, u"文字颜色", u"#12345"},   {kSkinBlockKind, u"文字颜色", u"#12345G"},
        {kSkinBlockKind, u"背景颜色", u"123456"},   {kSkinBlockKind, u"背景颜色", u"#1234567"},
        {kSkinBlockKind, u"未知设置", u"是"},       {3, u"候选字号", u"20"},
    };
    for (size_t i = 0; i < std::size(refused); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        SettingsBlocks blocks;
        const SettingsBlocks before;
        settings->applySetting(BlockOf(blocks, refused[i].blockKind), refused[i].key, refused[i].value,
                               refused[i].blockKind);
        EXPECT_EQ(blocks.dmeBytes, before.dmeBytes);
        EXPECT_EQ(blocks.skinBytes, before.skinBytes);
    }
}

TEST(SampleModuleTest, ATextLongerThanTheBufferIsCutAndTerminated) {
    LoadedModule module(kSampleModule);
    SettingsTextObject object(GetModuleObject(module.handle(), kSettingsTextObjectKind));
    ASSERT_TRUE(object.table());
    SettingsBlocks blocks;
    char16_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), u'\xFFFF');
    object.table()->writeSettingsText(&blocks.skin(), buffer, 8, kSkinBlockKind);
    EXPECT_EQ(std::u16string(buffer), std::u16string(kDefaultSkinText).substr(0, 7));
}

TEST(SampleModuleTest, ADamagedFontSizeInTheSkinAreaReadsAsTheDefault) {
    LoadedModule module(kSampleModule);
    SettingsTextObject object(GetModuleObject(module.handle(), kSettingsTextObjectKind));
    ASSERT_TRUE(object.table());
    for (uint8_t size : {0, 8, 37, 255}) {
        SettingsBlocks blocks;
        // The module's layout: written marker, font size, text and background
        // colour as red, green, blue.
        const uint8_t area[] = {1, size, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
        std::copy(std::begin(area), std::end(area), blocks.skin().moduleData);
        EXPECT_EQ(TextOf(object.table(), &blocks.skin(), kSkinBlockKind),
                  u"候选字号=16\r\n文字颜色=#112233\r\n背景颜色=#445566\r\n")
            << "size " << int{size};
    }
}

TEST(SampleModuleTest, ItsSettingsPassThroughTheProgramsSettingsText) {
    LoadedModule module(kSampleModule);
    SettingsTextObject object(GetModuleObject(module.handle(), kSettingsTextObjectKind));
    const SettingsTextTable* settings = object.table();
    ASSERT_TRUE(settings);
    SettingsBlocks blocks;
    for (const Line& line : {Line{kDmeBlockKind, u"空码提示音", u"是"}, Line{kSkinBlockKind, u"候选字号", u"12"},
                             Line{kSkinBlockKind, u"背景颜色", u"#FFFFE0"}})
        settings->applySetting(BlockOf(blocks, line.blockKind), line.key, line.value, line.blockKind);

    TempDir dir;
    const std::u16string path = dir.File("settings.txt");
    ASSERT_TRUE(WriteSettingsText(path.c_str(), blocks.ime(), settings, blocks.dme(), blocks.skin()));
    std::u16string text;
    ASSERT_EQ(ReadTextFile(path.c_str(), text), kTextFileRead);
    SettingsBlocks read;
    ParseSettingsText(read.dme(), read.skin(), text, read.ime(), settings);
    EXPECT_EQ(TextOf(settings, &read.dme(), kDmeBlockKind), TextOf(settings, &blocks.dme(), kDmeBlockKind));
    EXPECT_EQ(TextOf(settings, &read.skin(), kSkinBlockKind),
              u"候选字号=12\r\n文字颜色=#000000\r\n背景颜色=#FFFFE0\r\n");
}

}  // namespace
