// The IME section of the settings text ("[-IME设置-]"): the lines written for
// the flag words of the IME options block, and what each line read back does
// to them. Both sides share one vocabulary, so the text reads back as written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/ImeConfigData.h"

// The section's lines after its banner, comment and empty lines included.
std::vector<std::u16string> ImeSettingsLines(const ImeConfigData& ime);

// Keys and whole values are compared ignoring ASCII case; an unknown key
// changes nothing, and an unknown value switches its option off. The
// capability bits are never changed.
void ApplyImeSetting(ImeConfigData& ime, std::u16string_view key, std::u16string_view value);
