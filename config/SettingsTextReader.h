// Reading the settings text back into the IME, DME and skin options blocks:
// the text as the writer makes it, edited by the user or restored from a
// backup. Unknown sections and keys are skipped; nothing is reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/DmeConfigData.h"
#include "config/ImeConfigData.h"
#include "config/SettingsTextObject.h"
#include "config/SkinConfigData.h"

// Units of one line, longer lines are cut and their rest read as the next.
constexpr size_t kTextLineUnits = 1023;

// Reads the line at the start of `text` into `line` and returns the units
// consumed: CR and LF before it, its characters up to CR, LF, the end or 1,023
// units in all, and the CR and LF after it. Two backslashes in a row end the
// line at the first of them, and the rest of that line is skipped. More than
// zero unless `text` is empty.
size_t ReadTextLine(std::u16string_view text, std::u16string& line);

struct KeyValue {
    std::u16string_view key;
    std::u16string_view value;
};

// Splits at the first "=", looked for from the second character when the line
// starts with one (so that "=" can be a key). A value in double quotes is the
// text between the first quote and the next. None without an "=".
std::optional<KeyValue> SplitKeyValue(std::u16string_view line);

// Clears the key bindings, the word code rules, the punctuation table and the
// key radicals of entries 0 to 3, then applies the text line by line (the
// IME, DME and skin sections after the whole text) and stamps the headers of
// the three blocks. The DME and skin lines reach their blocks only through
// the module's settings object; without one, or without its applySetting,
// they are dropped. The text ends at its first NUL.
void ParseSettingsText(DmeConfigData& dme, SkinConfigData& skin, std::u16string_view text, ImeConfigData& ime,
                       const SettingsTextTable* settings);
