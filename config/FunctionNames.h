// Function names: how a FunctionSet is written as the value of a line of the
// key function section of the settings text.
#pragma once

#include <string>
#include <string_view>

#include "config/FunctionSet.h"

constexpr size_t kFunctionListUnits = 255;

// Every function whose name occurs anywhere in the text, whatever separates
// the names. The groups share one number field, so the last group name found
// sets the number of all; of "定制1" to "定制3" and "第1候选定制" to
// "第10候选定制" only the first found counts.
FunctionSet ParseFunctionList(std::u16string_view text);

// The names of the functions in the set, each followed by a comma (the last
// one too), except "定制1" to "定制3", which have none. Of the "配置 - "
// functions only the first is written.
std::u16string FunctionListOf(FunctionSet functions);
