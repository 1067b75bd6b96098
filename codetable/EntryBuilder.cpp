#include "codetable/EntryBuilder.h"

#include <cstring>

#include "base/DecimalText.h"
#include "base/Utf8.h"
#include "codetable/CodeTable.h"
#include "codetable/CodeText.h"

namespace {

// Cuts `code` at the marker and gives the text after it; false when absent.
bool CutAt(std::u16string& code, std::u16string_view marker, MarkerEscapes escapes, std::u16string& after) {
    const size_t at = FindCodeMarker(code, marker, escapes);
    if (at == std::u16string::npos) return false;
    after = code.substr(at + marker.size());
    code.resize(at);
    return true;
}

}  // namespace

size_t FindCodeMarker(std::u16string_view code, std::u16string_view marker, MarkerEscapes escapes) {
    size_t at = code.find(marker);
    if (escapes == MarkerEscapes::Honoured)
        while (at != std::u16string_view::npos && at > 0 && code[at - 1] == u'#') at = code.find(marker, at + 1);
    return at;
}

uint32_t CutCodeMarkers(std::u16string& code, MarkerEscapes escapes) {
    EntryFlags flags;
    std::u16string after;
    if (CutAt(code, u"#序", escapes, after)) flags.setOrder(static_cast<uint16_t>(LeadingNumber(after)));
    if (CutAt(code, u"#类", escapes, after)) {
        const int32_t n = LeadingNumber(after);
        flags.setCategory(static_cast<uint8_t>((n < 1 ? 1 : n > 16 ? 16 : n) + kFirstCustomCategory - 1));
    }
    if (CutAt(code, u"#用", escapes, after)) flags.setCategory(kCategoryUser);
    if (CutAt(code, u"#次", escapes, after)) flags.setCategory(kCategorySecondary);
    if (CutAt(code, u"#辅", escapes, after)) flags.setCategory(kCategoryAuxiliary);
    if (CutAt(code, u"#固", escapes, after)) flags.setPinned(true);
    if (CutAt(code, u"#删", escapes, after)) flags.setDeleted(true);
    return flags.value;
}

std::vector<uint8_t> BuildEntry(std::u16string& code, std::u16string_view word, EncodeCodeFunction encode) {
    if (code.empty() || word.empty() || word.size() > kMaxEntryTextUnits) return {};
    const uint32_t flags = CutCodeMarkers(code);

    std::string codeBytes;
    int32_t codeLength;
    if (encode) {
        codeLength = encode(code.c_str(), nullptr, 0);
    } else {
        if (code.size() > kMaxEntryTextUnits) return {};
        FoldCodeCharacters(code);
        codeBytes = Utf8Of(code);
        codeLength = static_cast<int32_t>(codeBytes.size());
    }
    const std::string wordBytes = Utf8Of(word);
    const auto wordLength = static_cast<int32_t>(wordBytes.size());
    if (codeLength < 1 || codeLength > kMaxEntryFieldBytes || wordLength > kMaxEntryFieldBytes) return {};

    std::vector<uint8_t> record(codeLength + wordLength + 6, 0);
    StoreU32(record.data(), flags);
    if (encode) {
        if (encode(code.c_str(), record.data() + 4, codeLength) != codeLength) return {};
        record[4] = static_cast<uint8_t>(codeLength);
    } else {
        record[4] = static_cast<uint8_t>(codeLength);
        std::memcpy(record.data() + 5, codeBytes.data(), codeLength);
    }
    record[5 + codeLength] = static_cast<uint8_t>(wordLength);
    std::memcpy(record.data() + 6 + codeLength, wordBytes.data(), wordLength);
    return record;
}
