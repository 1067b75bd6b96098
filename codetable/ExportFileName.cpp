#include "codetable/ExportFileName.h"

std::optional<std::u16string> ExportFileName(std::u16string_view folder, std::u16string_view tablePath, int row,
                                             const std::array<uint32_t, kCategoryCount>& categoryFlags,
                                             const std::array<std::u16string, kCategoryCount>& categoryNames) {
    auto in = [&](std::u16string_view name) { return std::u16string(folder) + u"\\导出 - " + std::u16string(name) + u".txt"; };
    if (tablePath.find(u"\\sysl.dmg") != std::u16string_view::npos) return in(u"联想码表");
    if (tablePath.find(u"\\engl.dmg") != std::u16string_view::npos) return in(u"英文码表");
    if (row == 0) return in(u"全部词条");
    if (row < 1 || row >= kCategoryCount || (row > kCategoryAuxiliary && row < kFirstCustomCategory)) return std::nullopt;
    if (row != kCategoryUser && !(categoryFlags[row] & 1)) return std::nullopt;
    std::u16string name = categoryNames[row];
    for (char16_t& c : name)
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) c = u'_';
    const char16_t* kind = row == kCategorySecondary ? u"次显 - " : row == kCategoryAuxiliary ? u"辅码 - " : u"主码 - ";
    return in(kind + name);
}
