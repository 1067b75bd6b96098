// Clearing a table as the management page does: temp.dmg by pointing its
// index back at its fixed slots, every other table with ClearTable.
#pragma once

#include <string_view>

#include "platform/MappedFile.h"

// Points index slot k at temp.dmg's fixed slot k for all 512 slots and sets
// entryCount to 0; dataStart and the prefix table stay. False, the table
// unchanged, when the file is too short to hold the fixed slots.
bool ClearTemporaryTable(MappedFile* table);

// ClearTemporaryTable for a path containing "temp.dmg", else ClearTable.
// False when there is nothing to clear.
bool ClearTableAt(MappedFile* table, std::u16string_view path);
