#include "app/ImeEnvironment.h"

#include <cstring>
#include <new>
#include <string>

#include "base/FixedText.h"
#include "base/Guid.h"
#include "codetable/CodeTable.h"
#include "config/SettingsFile.h"
#include "platform/Registry.h"

namespace {

// Appends `name` to `folder`; false when the path does not fit in 260 units.
bool JoinPath(const char16_t* folder, size_t folderCapacity, const char16_t* name, char16_t (&path)[kPathUnits]) {
    std::u16string joined(TextOf(folder, folderCapacity));
    joined += name;
    if (joined.size() >= kPathUnits) return false;
    CopyCut(path, joined);
    return true;
}

MappedFile* OpenDataFile(const ImeEnvironment& environment, const char16_t* name) {
    char16_t path[kPathUnits];
    if (!JoinPath(environment.dataDirectory, std::size(environment.dataDirectory), name, path)) return nullptr;
    return OpenMappedFile(path);
}

// main.dmg must be written for this input method and in the known format.
bool MainTableBelongsTo(MappedFile& file, const uint8_t (&guid)[16]) {
    if (file.size < kCodeTableHeaderSize) return false;
    const CodeTableHeader header = CodeTable(&file).header();
    return std::memcmp(header.imeGuid, guid, sizeof header.imeGuid) == 0 && header.formatVersion == kFormatVersion;
}

bool FindBlocks(ImeEnvironment& environment) {
    const MappedFile& file = *environment.configFile;
    environment.softConfig = FindSettingsBlockAs<SoftConfigData>(file.view, file.size);
    environment.imeConfig = FindSettingsBlockAs<ImeConfigData>(file.view, file.size);
    environment.dmeConfig = FindSettingsBlockAs<DmeConfigData>(file.view, file.size);
    environment.skinConfig = FindSettingsBlockAs<SkinConfigData>(file.view, file.size);
    return environment.softConfig && environment.imeConfig && environment.dmeConfig && environment.skinConfig;
}

void ClearBlocks(ImeEnvironment& environment) {
    environment.softConfig = nullptr;
    environment.imeConfig = nullptr;
    environment.dmeConfig = nullptr;
    environment.skinConfig = nullptr;
}

void FreeModule(ImeEnvironment& environment) {
    if (environment.module) FreeModuleFile(environment.module);
    environment.module = nullptr;
}

ImeEnvironment* Fail(ImeEnvironment* environment) {
    FreeModule(*environment);
    ClearBlocks(*environment);
    CloseDataFiles(environment);
    delete environment;
    return nullptr;
}

}  // namespace

bool ReadImeRegistryValue(const char16_t* guidText, const char16_t* valueName, char16_t* buffer, uint32_t capacity) {
    buffer[0] = 0;
    char16_t key[128];
    CopyCut(key, u"Software\\ZevaroIME3\\" + std::u16string(TextOf(guidText, 40)) + u"\\");
    return ReadMachineString(key, valueName, buffer, capacity);
}

ImeEnvironment* CreateEnvironment(const CommandLineOptions& options) {
    auto* environment = new (std::nothrow) ImeEnvironment{};
    if (!environment) return nullptr;
    ImeEnvironment& e = *environment;
    QueryVersionRecord(e.versionRecord);
    CopyCut(e.guidText, TextOf(options.imeGuidText));
    // A text that is no GUID leaves the field zero, and the checks below fail.
    if (const auto guid = ParseGuidText(TextOf(e.guidText))) std::memcpy(e.guid, guid->data(), 16);

    if (!ReadImeRegistryValue(e.guidText, u"IMEName", e.imeName, std::size(e.imeName))) return Fail(environment);
    if (!ReadImeRegistryValue(e.guidText, u"InstallLocation", e.installDirectory, std::size(e.installDirectory)))
        return Fail(environment);
    std::u16string install(TextOf(e.installDirectory));
    if (install.empty() || install.back() != u'\\') {
        if (install.size() + 1 >= std::size(e.installDirectory)) return Fail(environment);
        CopyCut(e.installDirectory, install + u'\\');
    }
    if (!ReadImeRegistryValue(e.guidText, u"DataLocation", e.dataDirectory, std::size(e.dataDirectory)))
        return Fail(environment);

    if (!MapDataFiles(environment)) return Fail(environment);
    if (!MainTableBelongsTo(*e.mainTable, e.guid)) return Fail(environment);
    if (!FindBlocks(e)) return Fail(environment);
    if (std::memcmp(e.softConfig->imeGuid, e.guid, 16) != 0) return Fail(environment);
    ResetTemporaryTable(environment, BootStamp(MillisecondsSinceStart(), CalendarSeconds()));
    if (!LoadImeModule(environment)) return Fail(environment);
    return environment;
}

void ReleaseEnvironment(ImeEnvironment* environment) {
    if (!environment) return;
    FreeModule(*environment);
    ClearBlocks(*environment);
    CloseDataFiles(environment);
    delete environment;
}

bool MapDataFiles(ImeEnvironment* environment) {
    ImeEnvironment& e = *environment;
    e.configFile = OpenDataFile(e, u"config.dsc");
    e.mainTable = OpenDataFile(e, u"main.dmg");
    if (!e.configFile || !e.mainTable) {
        CloseDataFiles(environment);
        return false;
    }
    e.englishTable = OpenDataFile(e, u"engl.dmg");
    e.tempTable = OpenDataFile(e, u"temp.dmg");
    e.characterTable = OpenDataFile(e, u"danzi.dmi");
    e.associationTable = OpenDataFile(e, u"sysl.dmg");
    e.traditionalTable = OpenDataFile(e, u"traditional.dms");
    e.simplifiedTable = OpenDataFile(e, u"simplified.dms");
    e.dictionary = OpenDataFile(e, u"dict.dms");
    return true;
}

void CloseDataFiles(ImeEnvironment* environment) {
    for (MappedFile** slot :
         {&environment->configFile, &environment->mainTable, &environment->tempTable, &environment->associationTable,
          &environment->simplifiedTable, &environment->traditionalTable, &environment->characterTable,
          &environment->englishTable, &environment->dictionary}) {
        CloseMappedFile(*slot);
        *slot = nullptr;
    }
}

ModuleHandle LoadImeModule(ImeEnvironment* environment) {
    const std::u16string folder = ModuleSystemFolder();
    if (folder.empty()) return nullptr;
    char16_t path[kPathUnits];
    const std::u16string name = std::u16string(TextOf(environment->imeName)) + u".ime";
    if (!JoinPath(folder.c_str(), folder.size() + 1, name.c_str(), path)) return nullptr;
    environment->module = LoadModuleFile(path);
    return environment->module;
}

void RefreshCodeTables(ImeEnvironment* environment) {
    for (MappedFile* table : {environment->mainTable, environment->tempTable, environment->englishTable,
                              environment->associationTable}) {
        if (table && IsMappedToFile(*table) && CurrentFileLength(*table) != table->size) ReopenMappedFile(table);
    }
}

uint64_t BootStamp(uint32_t millisecondsSinceStart, int64_t calendarSeconds) {
    const int64_t uptime = millisecondsSinceStart / 1000;
    return static_cast<uint64_t>(calendarSeconds - uptime) & ~uint64_t{0xFF};
}

void ResetTemporaryTable(ImeEnvironment* environment, uint64_t bootStamp) {
    MappedFile* temp = environment->tempTable;
    ImeConfigData* ime = environment->imeConfig;
    if (!temp || !ime || !(ime->optionFlags & kOptionTempWordsClearedAtBoot)) return;
    if (ime->bootStamp == bootStamp) return;
    // A file too short for the header and prefix table is no table to empty.
    const CodeTable table(temp);
    if (!table.hasView()) return;
    table.setDataStart(temp->size);
    table.setEntryCount(0);
    std::memset(temp->view + kPrefixTableOffset, 0, kPrefixTableSize);
    ime->bootStamp = bootStamp;
}
