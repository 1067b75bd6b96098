// The open and export file dialogs of the program. Each remembers the folder
// of its last successful choice for the rest of the run.
#pragma once

#include <windows.h>

#include <string_view>

// Filters are given as "name|pattern|name|pattern".
// 1 when an existing file was chosen (its path in `file`), else 0 and `file`
// empty. Starts in `startFolder` when given, else in the remembered folder.
int ShowOpenFileDialog(std::u16string_view title, std::u16string_view filter, char16_t (&file)[260], HWND owner,
                       const char16_t* startFolder = nullptr);

// The save dialog for a settings export ("导出全部设置..."): 1 when a name was
// confirmed (an existing file only after the overwrite prompt), else 0.
int ShowExportFileDialog(char16_t (&file)[260], HWND owner, const char16_t* startFolder = nullptr);
