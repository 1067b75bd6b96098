// The lines of the import log, each naming the word of a refused line, and
// the results the page shows after a main-table import.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class ImportRefusal {
    NoEntry,              // "%s ----------无法创建词条\r\n"
    CategoryMismatch,     // "%s ----------与所选分类不匹配的词条类别\r\n"
    Undeleted,            // "%s ----------存在于系统码表，已取消删除标志\r\n"
    AlreadyPresent,       // "%s ----------已存在于系统码表，未做任何操作\r\n"
    Duplicate,            // "%s ----------重复的词条定义\r\n"
    MarkedDeleted,        // "%s ----------存在于系统码表，并已设置删除标准\r\n"
    WordTooLong,          // "%s ----------自动构词长度不能大于30\r\n"
    NoWordCode,           // "%s ----------无法依据构词规则生成目标编码\r\n"
    WordAlreadyPresent,   // "%s ----------已存在于系统码表\r\n"
    WordDuplicate,        // "%s ----------重复的定义\r\n"
};

// The log line of a refusal with the word in place of its "%s".
std::u16string ImportLogLine(ImportRefusal refusal, std::u16string_view word);

inline constexpr char16_t kImportLogName[] = u"未能添加的词条.txt";
inline constexpr char16_t kImportResultCaption[] = u"批量添加完成";

// "成功添加词条数: %d\r\n无法添加的词条个数为: %d。\r\n是否现在查看无法导入的词条？"
std::u16string ImportResultQuestion(uint64_t added, uint64_t refused);
// "批量加词完成，成功添加词条数: %d"
std::u16string ImportResultMessage(uint64_t added);
