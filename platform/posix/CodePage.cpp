// The ANSI code page of the Chinese Windows that the input method is made for,
// GBK, through iconv.
#include "platform/CodePage.h"

#include <errno.h>
#include <iconv.h>

#include <memory>

namespace {

struct IconvCloser {
    void operator()(void* descriptor) const { iconv_close(static_cast<iconv_t>(descriptor)); }
};

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

bool AnsiToUtf16(const uint8_t* bytes, size_t count, std::u16string& text) {
    text.clear();
    const iconv_t opened = iconv_open("UTF-16LE", "GBK");
    if (opened == reinterpret_cast<iconv_t>(-1)) return false;
    const std::unique_ptr<void, IconvCloser> descriptor(opened);

    char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes));
    size_t inLeft = count;
    char out[512];
    while (inLeft > 0) {
        char* outAt = out;
        size_t outLeft = sizeof out;
        const size_t result = iconv(opened, &in, &inLeft, &outAt, &outLeft);
        for (const char* p = out; p + 1 < outAt; p += 2)
            text.push_back(static_cast<char16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // A byte that starts no character (EILSEQ), or a character cut by
        // the end of the text (EINVAL).
        text.push_back(kReplacement);
        ++in;
        --inLeft;
    }
    return true;
}
