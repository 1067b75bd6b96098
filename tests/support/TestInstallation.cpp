#include "tests/support/TestInstallation.h"

#include <atomic>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "base/FixedText.h"
#include "codetable/CodeTable.h"
#include "config/ConfigFileBuilder.h"
#include "platform/Module.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "tests/support/RunProcess.h"

namespace {

GuidBytes RandomGuid() {
    std::random_device random;
    GuidBytes guid;
    for (auto& byte : guid) byte = static_cast<uint8_t>(random());
    return guid;
}

std::u16string UniqueImeName() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const std::string name = "zvtest" + std::to_string(random() % 100000) + "x" + std::to_string(counter++);
    return std::u16string(name.begin(), name.end());
}

#ifndef _WIN32
// ZVITFGetObject of the stand-in module: it has no objects.
int32_t NoObjects(int32_t, void** object) {
    *object = nullptr;
    return 0;
}
#endif

}  // namespace

std::vector<uint8_t> EmptyTable(const GuidBytes& guid) {
    CodeTableHeader header = NewTableHeader(KindCodeTable);
    header.dataStart = kEmptyTableSize;
    std::memcpy(header.imeGuid, guid.data(), guid.size());
    std::vector<uint8_t> table(kEmptyTableSize, 0);
    std::memcpy(table.data(), &header, sizeof header);
    return table;
}

std::u16string TestInstallation::FolderText(const std::filesystem::path& folder) {
    return folder.u16string() + static_cast<char16_t>(std::filesystem::path::preferred_separator);
}

TestInstallation::TestInstallation()
    : guid(RandomGuid()),
      guidText(FormatGuidText(guid)),
      imeName(UniqueImeName()),
      installDir_(dir_.path() / "install"),
      dataDir_(dir_.path() / "data") {
    std::filesystem::create_directories(installDir_);
    std::filesystem::create_directories(dataDir_);
    ConfigFileIdentity identity;
    std::copy(guid.begin(), guid.end(), identity.imeGuid.begin());
    identity.displayName = u"泽瓦五笔测试";
    WriteBytes(DataFile("config.dsc"), BuildConfigFile(identity));
    WriteBytes(DataFile("main.dmg"), EmptyTable(guid));
    WriteBytes(DataFile("temp.dmg"), EmptyTable(guid));
    WriteRegistry(nullptr);
#ifdef _WIN32
    std::filesystem::copy_file(BuiltProgram("test_ime_module").replace_extension(".dll"),
                               std::filesystem::path(ModulePath()),
                               std::filesystem::copy_options::overwrite_existing);
#else
    RegisterInProcessModule(ModulePath(), {{"ZVITFGetObject", reinterpret_cast<void*>(&NoObjects)}});
#endif
}

TestInstallation::~TestInstallation() {
    DeleteMachineKey(KeyPath().c_str());
    RemoveModule();
}

CommandLineOptions TestInstallation::Options() const {
    CommandLineOptions options;
    CopyCut(options.imeGuidText, guidText);
    return options;
}

std::u16string TestInstallation::KeyPath() const { return u"Software\\ZevaroIME3\\" + guidText + u"\\"; }

std::u16string TestInstallation::ModulePath() const { return ModuleSystemFolder() + imeName + u".ime"; }

void TestInstallation::WriteRegistry(const char16_t* skipped) const {
    const std::u16string values[][2] = {{u"IMEName", imeName},
                                        {u"InstallLocation", installDir_.u16string()},
                                        {u"DataLocation", FolderText(dataDir_)},
                                        {u"DisplayName", u"泽瓦五笔测试"}};
    for (const auto& value : values) {
        if (skipped && value[0] == skipped) continue;
        ASSERT_TRUE(WriteMachineString(KeyPath().c_str(), value[0].c_str(), value[1].c_str()));
    }
}

void TestInstallation::SetRegistryValue(const char16_t* name, const std::u16string& value) const {
    ASSERT_TRUE(WriteMachineString(KeyPath().c_str(), name, value.c_str()));
}

void TestInstallation::RemoveRegistryValue(const char16_t* name) const {
    DeleteMachineKey(KeyPath().c_str());
    WriteRegistry(name);
}

void TestInstallation::RemoveModule() const {
#ifdef _WIN32
    std::error_code error;
    std::filesystem::remove(std::filesystem::path(ModulePath()), error);
#else
    UnregisterInProcessModule(ModulePath());
#endif
}
