// The installation environment: what a sound installation gives, every cause
// of refusal, the temporary table reset and picking up grown tables. Runs
// natively (in-memory registry and module) and under Wine (the real ones).
#include "app/ImeEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "app/RecentOutput.h"
#include "app/VersionNotice.h"
#include "base/FixedText.h"
#include "base/LittleEndian.h"
#include "config/SettingsFile.h"
#include "tests/support/TestInstallation.h"
#ifndef _WIN32
#include "platform/posix/FakeSystem.h"
#endif

namespace {

using EnvironmentPtr = std::unique_ptr<ImeEnvironment, EnvironmentDeleter>;

EnvironmentPtr Create(const CommandLineOptions& options) { return EnvironmentPtr(CreateEnvironment(options)); }

uint32_t TempEntryCount(const ImeEnvironment& environment) {
    return reinterpret_cast<const Le32*>(environment.tempTable->view + 4)->get();
}

void SetTempEntryCount(ImeEnvironment& environment, uint32_t count) {
    reinterpret_cast<Le32*>(environment.tempTable->view + 4)->set(count);
}

TEST(EnvironmentTest, ASoundInstallationMapsItsFilesFindsItsBlocksAndLoadsItsModule) {
    TestInstallation installation;
    WriteBytes(installation.DataFile("dict.dms"), {1, 2, 3});
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    const ImeEnvironment& e = *environment;
    EXPECT_TRUE(e.configFile && e.mainTable && e.tempTable && e.dictionary);
    EXPECT_FALSE(e.englishTable || e.characterTable || e.associationTable || e.traditionalTable ||
                 e.simplifiedTable);
    EXPECT_TRUE(e.softConfig && e.imeConfig && e.dmeConfig && e.skinConfig);
    EXPECT_EQ(std::memcmp(e.guid, installation.guid.data(), 16), 0);
    EXPECT_EQ(TextOf(e.guidText), installation.guidText);
    EXPECT_EQ(TextOf(e.imeName), installation.imeName);
    EXPECT_EQ(TextOf(e.installDirectory), installation.installDir().u16string() + u"\\");
    EXPECT_EQ(TextOf(e.dataDirectory), TestInstallation::FolderText(installation.dataDir()));
    EXPECT_TRUE(e.module);
    EXPECT_EQ(e.versionRecord[0] | e.versionRecord[1] << 8, kVersionRecordSize);
}

struct Refusal {
    const char* name;
    std::function<void(TestInstallation&, CommandLineOptions&)> breakIt;
};

class EnvironmentRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(EnvironmentRefusalTest, RefusesTheInstallation) {
    TestInstallation installation;
    CommandLineOptions options = installation.Options();
    GetParam().breakIt(installation, options);
    EXPECT_FALSE(Create(options));
}

// Changes bytes of a data file in place.
void Patch(const TestInstallation& installation, const std::string& file, size_t at,
           const std::vector<uint8_t>& bytes) {
    auto content = ReadBytes(installation.DataFile(file));
    ASSERT_LE(at + bytes.size(), content.size());
    std::copy(bytes.begin(), bytes.end(), content.begin() + static_cast<std::ptrdiff_t>(at));
    WriteBytes(installation.DataFile(file), content);
}

// Where the named block starts in config.dsc.
size_t BlockOffset(const TestInstallation& installation, const char* name) {
    auto content = ReadBytes(installation.DataFile("config.dsc"));
    return static_cast<size_t>(FindSettingsBlock(content.data(), static_cast<uint32_t>(content.size()), name) -
                               content.data());
}

INSTANTIATE_TEST_SUITE_P(
    Causes, EnvironmentRefusalTest,
    ::testing::Values(
        Refusal{"NoGuid", [](TestInstallation&, CommandLineOptions& o) { o.imeGuidText[0] = 0; }},
        Refusal{"GuidWithoutBraces",
                [](TestInstallation& i, CommandLineOptions& o) { CopyCut(o.imeGuidText, i.guidText.substr(1, 36)); }},
        Refusal{"NoImeName", [](TestInstallation& i, CommandLineOptions&) { i.RemoveRegistryValue(u"IMEName"); }},
        Refusal{"ImeNameTooLong",
                [](TestInstallation& i, CommandLineOptions&) { i.SetRegistryValue(u"IMEName", std::u16string(56, u'n')); }},
        Refusal{"NoInstallLocation",
                [](TestInstallation& i, CommandLineOptions&) { i.RemoveRegistryValue(u"InstallLocation"); }},
        Refusal{"NoDataLocation", [](TestInstallation& i, CommandLineOptions&) { i.RemoveRegistryValue(u"DataLocation"); }},
        Refusal{"DataLocationWithoutSeparator",
                [](TestInstallation& i, CommandLineOptions&) { i.SetRegistryValue(u"DataLocation", i.dataDir().u16string()); }},
        Refusal{"NoConfigFile",
                [](TestInstallation& i, CommandLineOptions&) { std::filesystem::remove(i.DataFile("config.dsc")); }},
        Refusal{"NoMainTable",
                [](TestInstallation& i, CommandLineOptions&) { std::filesystem::remove(i.DataFile("main.dmg")); }},
        Refusal{"MainTableOfAnotherGuid", [](TestInstallation& i, CommandLineOptions&) { Patch(i, "main.dmg", 12, {0xEE}); }},
        Refusal{"MainTableOfAnotherFormat", [](TestInstallation& i, CommandLineOptions&) { Patch(i, "main.dmg", 28, {0x03, 0x03}); }},
        Refusal{"MainTableTooShortForItsHeader",
                [](TestInstallation& i, CommandLineOptions&) { WriteBytes(i.DataFile("main.dmg"), std::vector<uint8_t>(20, 0)); }},
        Refusal{"MissingBlock",
                [](TestInstallation& i, CommandLineOptions&) {
                    Patch(i, "config.dsc", BlockOffset(i, "zv_skin_config_data_default") + 5, {'x'});
                }},
        Refusal{"SoftwareBlockOfAnotherGuid",
                [](TestInstallation& i, CommandLineOptions&) {
                    Patch(i, "config.dsc", BlockOffset(i, "zv_soft_config_data_default") + 40, {0xEE});
                }},
        Refusal{"ModuleNotLoadable", [](TestInstallation& i, CommandLineOptions&) { i.RemoveModule(); }}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(EnvironmentTest, BlockNamesAreFoundIgnoringCase) {
    TestInstallation installation;
    Patch(installation, "config.dsc", BlockOffset(installation, "zv_ime_config_data_default") + 5, {'Z', 'V'});
    EXPECT_TRUE(Create(installation.Options()));
}

TEST(EnvironmentTest, RefreshReopensOnlyTablesWhoseLengthChanged) {
    TestInstallation installation;
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    MappedFile* main = environment->mainTable;
    uint8_t* const view = main->view;

    // Another record writes without changing the length: nothing to re-open.
    MappedFilePtr other(OpenMappedFile(installation.DataFile("main.dmg").u16string().c_str()));
    ASSERT_TRUE(other);
    other->view[100] = 7;
    RefreshCodeTables(environment.get());
    EXPECT_EQ(main->view[100], 7);
    EXPECT_EQ(main->size, 65696u);

    ASSERT_EQ(ResizeMappedFile(other.get(), 70000), 70000u);
    other->view[69999] = 9;
    RefreshCodeTables(environment.get());
    EXPECT_EQ(environment->mainTable, main);
    ASSERT_EQ(main->size, 70000u);
    EXPECT_EQ(main->view[69999], 9);
    (void)view;
}

TEST(BootStampTest, IsTheStartTimeIn256SecondSteps) {
    EXPECT_EQ(BootStamp(0, 0x12345), 0x12300u);
    EXPECT_EQ(BootStamp(5000, 0x12305), 0x12300u);
    EXPECT_EQ(BootStamp(6000, 0x12305), 0x12200u);
    // Past the wrap of the millisecond counter the uptime restarts near zero,
    // so the stamp moves on by about 49.7 days.
    EXPECT_EQ(BootStamp(0xFFFFFFFF, 4294967 + 0x100000), 0x100000u);
    EXPECT_EQ(BootStamp(0, 4294967 + 0x100000), (4294967u + 0x100000u) & ~0xFFu);
}

TEST(TemporaryTableTest, IsEmptiedOncePerBootStampWhenTheOptionIsSet) {
    TestInstallation installation;
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    ImeEnvironment& e = *environment;
    e.imeConfig->optionFlags.setFlag(kOptionTempWordsClearedAtBoot, true);
    SetTempEntryCount(e, 5);
    e.tempTable->view[156 + 65535] = 1;

    ResetTemporaryTable(&e, 0x5000);
    EXPECT_EQ(TempEntryCount(e), 0u);
    EXPECT_EQ(reinterpret_cast<const Le32*>(e.tempTable->view)->get(), e.tempTable->size);
    EXPECT_EQ(e.tempTable->view[156 + 65535], 0);
    EXPECT_EQ(e.imeConfig->bootStamp.get(), 0x5000u);

    SetTempEntryCount(e, 5);
    ResetTemporaryTable(&e, 0x5000);
    EXPECT_EQ(TempEntryCount(e), 5u) << "the same boot must not empty it twice";
    ResetTemporaryTable(&e, 0x5100);
    EXPECT_EQ(TempEntryCount(e), 0u);

    SetTempEntryCount(e, 5);
    e.imeConfig->optionFlags.setFlag(kOptionTempWordsClearedAtBoot, false);
    ResetTemporaryTable(&e, 0x5200);
    EXPECT_EQ(TempEntryCount(e), 5u) << "the option is off";
}

TEST(TemporaryTableTest, ATableTooShortForItsPrefixTableIsLeftAlone) {
    TestInstallation installation;
    WriteBytes(installation.DataFile("temp.dmg"), std::vector<uint8_t>(1000, 0xAA));
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    environment->imeConfig->optionFlags.setFlag(kOptionTempWordsClearedAtBoot, true);
    ResetTemporaryTable(environment.get(), 0x5000);
    EXPECT_EQ(environment->tempTable->view[4], 0xAA);
    EXPECT_EQ(environment->imeConfig->bootStamp.get(), 0u);
}

TEST(TemporaryTableTest, AMissingTemporaryTableIsFine) {
    TestInstallation installation;
    std::filesystem::remove(installation.DataFile("temp.dmg"));
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    EXPECT_FALSE(environment->tempTable);
}

#ifndef _WIN32
// Natively the clock is set, so whole starts can be compared.
TEST(TemporaryTableTest, TwoStartsOfOneBootEmptyItOnceAndANewBootAgain) {
    TestInstallation installation;
    {
        EnvironmentPtr environment = Create(installation.Options());
        ASSERT_TRUE(environment);
        environment->imeConfig->optionFlags.setFlag(kOptionTempWordsClearedAtBoot, true);
        SetTempEntryCount(*environment, 5);
    }
    SetFakeClock(10000, 1000000);
    EnvironmentPtr first = Create(installation.Options());
    ASSERT_TRUE(first);
    EXPECT_EQ(TempEntryCount(*first), 0u);
    SetTempEntryCount(*first, 5);
    first.reset();

    SetFakeClock(20000, 1000010);  // ten seconds later, same boot
    EnvironmentPtr second = Create(installation.Options());
    ASSERT_TRUE(second);
    EXPECT_EQ(TempEntryCount(*second), 5u);
    second.reset();

    SetFakeClock(1000, 2000000);  // restarted since
    EnvironmentPtr third = Create(installation.Options());
    ASSERT_TRUE(third);
    EXPECT_EQ(TempEntryCount(*third), 0u);
    SetFakeClock(0, 0);
}
#endif

TEST(EnvironmentTest, VersionNoticeWhenTheRunningVersionDiffers) {
    TestInstallation installation;
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    CommandLineOptions options = installation.Options();
    EXPECT_FALSE(NeedsVersionNotice(*environment, options));
    CopyCut(options.currentVersion, TextOf(environment->softConfig->programVersionText));
    EXPECT_FALSE(NeedsVersionNotice(*environment, options));
    CopyCut(options.currentVersion, u"3.2.0.1");
    EXPECT_TRUE(NeedsVersionNotice(*environment, options));
}

TEST(RecentOutputTest, AppendsTheNewestRecordsInStoredOrderWithin127Units) {
    TestInstallation installation;
    EnvironmentPtr environment = Create(installation.Options());
    ASSERT_TRUE(environment);
    ImeConfigData& ime = *environment->imeConfig;
    char16_t buffer[128] = {u'x'};

    ime.recentOutputCount = 0;
    GetRecentOutput(ime, 1, buffer);
    EXPECT_EQ(std::u16string(buffer), u"");

    const char16_t* texts[] = {u"我们", u"中国", u"人民"};
    for (int i = 0; i < 3; ++i) CopyCut(ime.recentOutput[i].text, texts[i]);
    ime.recentOutputCount = 3;
    GetRecentOutput(ime, 1, buffer);
    EXPECT_EQ(std::u16string(buffer), u"人民");
    GetRecentOutput(ime, 2, buffer);
    EXPECT_EQ(std::u16string(buffer), u"中国人民");
    GetRecentOutput(ime, 16, buffer);
    EXPECT_EQ(std::u16string(buffer), u"我们中国人民");

    for (int i = 0; i < 16; ++i) CopyCut(ime.recentOutput[i].text, std::u16string(100, static_cast<char16_t>(u'a' + i)));
    ime.recentOutputCount = 1000;  // more than the block has room for
    GetRecentOutput(ime, 16, buffer);
    EXPECT_EQ(std::u16string(buffer), std::u16string(100, u'a') + std::u16string(27, u'b'));
    GetRecentOutput(ime, 1, buffer);
    EXPECT_EQ(std::u16string(buffer), std::u16string(100, u'p'));
}

}  // namespace
