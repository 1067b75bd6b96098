#include "codetable/ImportMessages.h"

#include "base/DecimalText.h"

std::u16string ImportLogLine(ImportRefusal refusal, std::u16string_view word) {
    const char16_t* reason = u"";
    switch (refusal) {
        case ImportRefusal::NoEntry: reason = u"无法创建词条"; break;
        case ImportRefusal::CategoryMismatch: reason = u"与所选分类不匹配的词条类别"; break;
        case ImportRefusal::Undeleted: reason = u"存在于系统码表，已取消删除标志"; break;
        case ImportRefusal::AlreadyPresent: reason = u"已存在于系统码表，未做任何操作"; break;
        case ImportRefusal::Duplicate: reason = u"重复的词条定义"; break;
        case ImportRefusal::MarkedDeleted: reason = u"存在于系统码表，并已设置删除标准"; break;
        case ImportRefusal::WordTooLong: reason = u"自动构词长度不能大于30"; break;
        case ImportRefusal::NoWordCode: reason = u"无法依据构词规则生成目标编码"; break;
        case ImportRefusal::WordAlreadyPresent: reason = u"已存在于系统码表"; break;
        case ImportRefusal::WordDuplicate: reason = u"重复的定义"; break;
    }
    return std::u16string(word) + u" ----------" + reason + u"\r\n";
}

std::u16string ImportResultQuestion(uint64_t added, uint64_t refused) {
    return u"成功添加词条数: " + DecimalText(static_cast<int64_t>(added)) + u"\r\n无法添加的词条个数为: " +
           DecimalText(static_cast<int64_t>(refused)) + u"。\r\n是否现在查看无法导入的词条？";
}

std::u16string ImportResultMessage(uint64_t added) {
    return u"批量加词完成，成功添加词条数: " + DecimalText(static_cast<int64_t>(added));
}
