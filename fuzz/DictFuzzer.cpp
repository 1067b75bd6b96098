// Arbitrary bytes opened as dict.dms: the three lookups and the decoding of
// every record they return never read outside the view.
//
// An input is the file without its prefix table, which the dictionary never
// reads: the first 156 bytes are the header, the rest is the file from the
// offset array on. Inputs shorter than a header are used as the whole file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/Utf8.h"
#include "dict/DictData.h"

namespace {

constexpr size_t kHeader = 156;
constexpr size_t kSkipped = kDictOffsetsAt - kHeader;

void Visit(const std::unique_ptr<DictResultList>& list) {
    if (!list) return;
    for (const DictRecord& record : list->records) {
        DecodeRecordHeadword(record);
        DecodeRecordText(record);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool whole = size < kHeader;
    const size_t length = whole ? size : size + kSkipped;
    if (length > 0x7FFFFFFF) return 0;
    // Exactly the file's bytes on the heap, so the sanitizer sees any overrun.
    auto* view = static_cast<uint8_t*>(std::calloc(length ? length : 1, 1));
    if (whole) {
        std::memcpy(view, data, size);
    } else {
        std::memcpy(view, data, kHeader);
        std::memcpy(view + kDictOffsetsAt, data + kHeader, size - kHeader);
    }
    MappedFile file{};
    file.size = static_cast<uint32_t>(length);
    file.view = view;

    for (const char16_t* query : {u"中", u"中国", u"a", u"\U0001F600"}) {
        Visit(FindExactEntries(&file, query));
        Visit(FindRelatedEntries(&file, query));
        Visit(FindContainingEntries(&file, query));
    }
    // The input's last bytes, read as UTF-8, are a query the fuzzer steers.
    const size_t tail = size < 6 ? size : 6;
    const std::u16string steered = Utf16Of(std::string_view(reinterpret_cast<const char*>(data + size - tail), tail));
    Visit(FindExactEntries(&file, steered));
    Visit(FindRelatedEntries(&file, steered));
    Visit(FindContainingEntries(&file, steered));
    std::free(view);
    return 0;
}
