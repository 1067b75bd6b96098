// The one record of the running installation: its registry values, its mapped
// data files, the four settings blocks inside config.dsc and the input method's
// module. Its byte layout is fixed on the 32-bit build because the record is
// handed to the module.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/CommandLine.h"
#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SkinConfigData.h"
#include "config/SoftConfigData.h"
#include "platform/MappedFile.h"
#include "platform/Module.h"
#include "platform/SystemInfo.h"

struct ImeEnvironment {
    uint8_t reserved0[66140];
    // Mapped data files; null when the file could not be opened (only
    // config.dsc and main.dmg are certain to be there).
    MappedFile* configFile;        // config.dsc
    MappedFile* mainTable;         // main.dmg
    MappedFile* englishTable;      // engl.dmg
    MappedFile* tempTable;         // temp.dmg
    MappedFile* characterTable;    // danzi.dmi
    MappedFile* associationTable;  // sysl.dmg
    MappedFile* traditionalTable;  // traditional.dms
    MappedFile* simplifiedTable;   // simplified.dms
    MappedFile* dictionary;        // dict.dms
    // The settings blocks inside the config.dsc view.
    SoftConfigData* softConfig;
    ImeConfigData* imeConfig;
    DmeConfigData* dmeConfig;
    SkinConfigData* skinConfig;
    uint8_t reserved1[2640];
    uint8_t guid[16];
    char16_t guidText[40];          // with braces, as on the command line
    char16_t imeName[56];           // module file name without ".ime"
    char16_t installDirectory[260]; // always ends in a backslash
    char16_t dataDirectory[260];    // exactly as stored in the registry
    uint8_t reserved2[3196];
    ModuleHandle module;
    uint8_t versionRecord[kVersionRecordSize];
    uint8_t reserved3[4];
};

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(ImeEnvironment) == 73560);
static_assert(offsetof(ImeEnvironment, configFile) == 66140);
static_assert(offsetof(ImeEnvironment, mainTable) == 66144);
static_assert(offsetof(ImeEnvironment, englishTable) == 66148);
static_assert(offsetof(ImeEnvironment, tempTable) == 66152);
static_assert(offsetof(ImeEnvironment, characterTable) == 66156);
static_assert(offsetof(ImeEnvironment, associationTable) == 66160);
static_assert(offsetof(ImeEnvironment, traditionalTable) == 66164);
static_assert(offsetof(ImeEnvironment, simplifiedTable) == 66168);
static_assert(offsetof(ImeEnvironment, dictionary) == 66172);
static_assert(offsetof(ImeEnvironment, softConfig) == 66176);
static_assert(offsetof(ImeEnvironment, imeConfig) == 66180);
static_assert(offsetof(ImeEnvironment, dmeConfig) == 66184);
static_assert(offsetof(ImeEnvironment, skinConfig) == 66188);
static_assert(offsetof(ImeEnvironment, guid) == 68832);
static_assert(offsetof(ImeEnvironment, guidText) == 68848);
static_assert(offsetof(ImeEnvironment, imeName) == 68928);
static_assert(offsetof(ImeEnvironment, installDirectory) == 69040);
static_assert(offsetof(ImeEnvironment, dataDirectory) == 69560);
static_assert(offsetof(ImeEnvironment, module) == 73276);
static_assert(offsetof(ImeEnvironment, versionRecord) == 73280);
#endif

// Null for a broken installation; shows nothing itself.
ImeEnvironment* CreateEnvironment(const CommandLineOptions& options);
// Unloads the module, clears the block addresses, flushes and closes every
// file and frees the record. Accepts null.
void ReleaseEnvironment(ImeEnvironment* environment);

// Reads HKLM\Software\ZevaroIME3\<GUID>\<valueName> into `buffer`; false (and
// an empty buffer) when it is missing or does not fit.
bool ReadImeRegistryValue(const char16_t* guidText, const char16_t* valueName, char16_t* buffer, uint32_t capacity);

// Opens the nine data files; fails when config.dsc or main.dmg cannot be opened.
bool MapDataFiles(ImeEnvironment* environment);
void CloseDataFiles(ImeEnvironment* environment);
ModuleHandle LoadImeModule(ImeEnvironment* environment);

// Re-opens each code table whose file another record or process has resized.
void RefreshCodeTables(ImeEnvironment* environment);

// Empties temp.dmg after a restart of Windows, when the user asked for that.
// The boot stamp is the calendar time of the start, in 256-second steps.
uint64_t BootStamp(uint32_t millisecondsSinceStart, int64_t calendarSeconds);
void ResetTemporaryTable(ImeEnvironment* environment, uint64_t bootStamp);

struct EnvironmentDeleter {
    void operator()(ImeEnvironment* environment) const { ReleaseEnvironment(environment); }
};
