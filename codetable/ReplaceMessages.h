// The questions and results of table replacement and clearing, as the
// management page shows them (caption "配置程序"), and the text reports of a
// build.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char16_t kTableMessageCaption[] = u"配置程序";

inline constexpr char16_t kReplaceTableQuestion[] =
    u"该操作将替换选中码表中已有的全部词条，并且原有词条不可恢复。\r\n确定这样做吗？";
inline constexpr char16_t kReplaceCategoryQuestion[] = u"该操作将会清空当前分类的所有词条，并且不可恢复。\r\n是否继续？";
inline constexpr char16_t kClearTableQuestion[] =
    u"该操作将清空选中码表类型中的所有词条，此操作是不可恢复的。\r\n确定这样做吗？";
inline constexpr char16_t kClearNotPermittedMessage[] = u"当前分类的词条未被授权修改，所以您不能清空此类内容！";

inline constexpr char16_t kSourceDialogTitle[] = u"选择一个文本格式的原始定义文件...";
inline constexpr char16_t kSourceDialogFilter[] = u"TXT文件(*.txt)";

inline constexpr char16_t kReplaceScratchName[] = u"zevaro_temp.dmg";
inline constexpr char16_t kScratchNotAccessibleMessage[] = u"访问 %temp%\\zevaro_temp.dmg失败，替换操作无法继续。";
inline constexpr char16_t kScratchNotCreatedMessage[] = u"无法创建 %temp%\\zevaro_temp.dmg ，替换操作无法继续。";
inline constexpr char16_t kMainNotResizedMessage[] = u"无法重设主码表文件，替换操作无法继续。";

// "格式错误的词条定义: %s %s" with the word and the code.
std::u16string MalformedEntryMessage(std::u16string_view word, std::u16string_view code);

// The statistics of a build: the bytes of its records, the lines of its
// source and the records left after removing duplicates.
std::u16string TableStatisticsMessage(uint64_t recordBytes, uint64_t sourceLines, uint64_t uniqueRecords);
