// The key function section of the settings text ("[-按键功能-]"): one line of
// key name = function list per binding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/DmeConfigData.h"

// The bindings of the plain table, of the Shift table (keys with a Shift
// name only), then of every combination record in record order whose key
// has a name.
std::vector<std::u16string> KeyFunctionLines(const DmeConfigData& dme);

// Binds the functions of the value to the key; a key name that names no key
// changes nothing.
void ApplyKeyFunctionLine(DmeConfigData& dme, std::u16string_view key, std::u16string_view value);
