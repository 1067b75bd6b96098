// A complete installation of the input method for tests: install and data
// folders with config.dsc, main.dmg and temp.dmg, the registry values under
// its GUID and a loadable module. Tests break one piece to see the refusal.
#pragma once

#include <filesystem>
#include <string>

#include "app/CommandLine.h"
#include "base/Guid.h"
#include "tests/support/TempDir.h"

class TestInstallation {
public:
    TestInstallation();
    ~TestInstallation();
    TestInstallation(const TestInstallation&) = delete;
    TestInstallation& operator=(const TestInstallation&) = delete;

    // The command line options that name this installation.
    CommandLineOptions Options() const;
    std::filesystem::path DataFile(const std::string& name) const { return dataDir_ / name; }
    const std::filesystem::path& installDir() const { return installDir_; }
    const std::filesystem::path& dataDir() const { return dataDir_; }

    void SetRegistryValue(const char16_t* name, const std::u16string& value) const;
    // Rewrites the key with every value but `name`.
    void RemoveRegistryValue(const char16_t* name) const;
    void RemoveModule() const;

    const GuidBytes guid;
    const std::u16string guidText;
    const std::u16string imeName;
    // A folder as the registry stores it: Windows form, with the backslash.
    static std::u16string FolderText(const std::filesystem::path& folder);

private:
    void WriteRegistry(const char16_t* skipped) const;
    std::u16string KeyPath() const;
    std::u16string ModulePath() const;

    TempDir dir_;
    std::filesystem::path installDir_;
    std::filesystem::path dataDir_;
};

// A freshly written empty code table of the input method `guid`.
std::vector<uint8_t> EmptyTable(const GuidBytes& guid);
