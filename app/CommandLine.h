// The command line with which the input method, the installer or the user
// starts the program: the input method's GUID, the mode and its argument.
#pragma once

#include <cstdint>
#include <string_view>

struct CommandLineOptions {
    char16_t imeGuidText[40] = {};     // "/n "
    char16_t mode[256] = {};           // "/do ", or "showurl" / "dict"
    char16_t argument[256] = {};       // page address of "/showurl ", word of "/dict "
    int32_t htmlWidth = -1;            // "/showurlCX "
    int32_t htmlHeight = -1;           // "/showurlCY "
    int32_t htmlLeft = 0;              // -1 when "/showurl " is present
    int32_t htmlTop = 0;
    char16_t currentVersion[40] = {};  // "/currver"
};

// Switches are found by plain substring search anywhere in the text; the first
// occurrence counts and everything else is ignored. Never fails.
CommandLineOptions ParseCommandLine(std::u16string_view commandLine);

// The command line of the process without the program path in front of it.
std::u16string_view SkipProgramPath(std::u16string_view commandLine);
