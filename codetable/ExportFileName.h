// The file an export of the management page writes, by the selected table
// and row, in the export folder.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codetable/CodeTable.h"

// "导出 - 联想码表.txt" and "导出 - 英文码表.txt" for sysl.dmg and engl.dmg,
// "导出 - 全部词条.txt" for row 0 of main.dmg, and for a category "导出 -
// 主码 - ", "次显 - " or "辅码 - " with its name (characters a file name
// cannot hold become "_"), each after `folder` and a backslash. None when
// the row's category may not be changed (bit 0 of its flag word; the user
// table always may) or is no category.
std::optional<std::u16string> ExportFileName(std::u16string_view folder, std::u16string_view tablePath, int row,
                                             const std::array<uint32_t, kCategoryCount>& categoryFlags,
                                             const std::array<std::u16string, kCategoryCount>& categoryNames);

// Shown when no file name is chosen or the table cannot be opened.
inline constexpr char16_t kExportNotPermittedMessage[] = u"该码表未被授权修改！";
