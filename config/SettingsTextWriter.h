// Writing every setting of the input method as one editable text: a UTF-8
// file of seven sections, each a banner of comment lines and a [-name-]
// header followed by key=value lines. The DME and skin sections are the
// module's own text, made by its settings object.
#pragma once

#include <cstdio>
#include <string_view>

#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SettingsTextObject.h"
#include "config/SkinConfigData.h"

// Writes `text`, cut to 65,535 units, as UTF-8 cut to 65,535 bytes at a
// character boundary. A surrogate without its partner is written as U+FFFD.
// False when the bytes cannot be written.
bool WriteUtf8Text(std::FILE* file, std::u16string_view text);

// Creates or truncates the file and writes the byte order mark and the
// sections. `settings` is the module's settings object, or null: without it,
// or without its writeSettingsText, the DME and skin sections hold only their
// banners. False when the file cannot be created or written.
bool WriteSettingsText(const char16_t* path, const ImeConfigData& ime, const SettingsTextTable* settings,
                       const DmeConfigData& dme, const SkinConfigData& skin);
