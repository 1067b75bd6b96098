#include "codetable/ReplaceMessages.h"

#include "base/DecimalText.h"

std::u16string MalformedEntryMessage(std::u16string_view word, std::u16string_view code) {
    std::u16string text = u"格式错误的词条定义: ";
    text.append(word).append(u" ").append(code);
    return text;
}

std::u16string TableStatisticsMessage(uint64_t recordBytes, uint64_t sourceLines, uint64_t uniqueRecords) {
    return u"　　码表信息: \r\n　　  码表大小: " + DecimalText(static_cast<int64_t>(recordBytes)) +
           u"字节\r\n　　  原始码表行数: " + DecimalText(static_cast<int64_t>(sourceLines)) +
           u"\r\n　　  有效编码行数: " + DecimalText(static_cast<int64_t>(uniqueRecords));
}
