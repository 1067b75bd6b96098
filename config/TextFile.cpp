// Reading a text file whole and decoding it by its byte order mark or its
// bytes.
#include "config/TextFile.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <vector>

#include "base/Utf8Text.h"
#include "platform/CodePage.h"
#include "platform/StdioFile.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The length of the sequence that `lead` starts; 0 when it starts none.
int SequenceLength(uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Well-formed UTF-8 sequences as their characters; every byte that starts
// none becomes U+FFFD.
std::u16string DecodeUtf8(const uint8_t* bytes, size_t count) {
    // The least code point of each length: shorter ones are overlong forms.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    std::u16string text;
    text.reserve(count);
    for (size_t i = 0; i < count;) {
        const int length = SequenceLength(bytes[i]);
        bool sound = length > 0 && i + length <= count;
        char32_t c = length == 1 ? bytes[i] : bytes[i] & (0xFF >> (length + 1));
        for (int k = 1; sound && k < length; ++k) {
            sound = (bytes[i + k] & 0xC0) == 0x80;
            c = c << 6 | (bytes[i + k] & 0x3F);
        }
        sound = sound && c >= kLeast[length] && !(c >= 0xD800 && c <= 0xDFFF) && c <= 0x10FFFF;
        if (!sound) {
            text.push_back(kReplacement);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(c));
        }
        i += length;
    }
    return text;
}

// `bytes` ends in two zero bytes beyond `count`, so an odd last byte makes a
// unit with a zero partner.
std::u16string DecodeUtf16(const uint8_t* bytes, size_t count, bool bigEndian) {
    std::u16string text((count + 1) / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t first = bytes[2 * i], second = bytes[2 * i + 1];
        text[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

bool StartsWith(const std::vector<uint8_t>& bytes, size_t count, std::initializer_list<uint8_t> mark) {
    return count >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool Decode(const std::vector<uint8_t>& bytes, size_t count, std::u16string& text) {
    const uint8_t* data = bytes.data();
    if (StartsWith(bytes, count, {0xEF, 0xBB, 0xBF}))
        text = DecodeUtf8(data + 3, count - 3);
    else if (StartsWith(bytes, count, {0xFF, 0xFE}))
        text = DecodeUtf16(data + 2, count - 2, false);
    else if (StartsWith(bytes, count, {0xFE, 0xFF}))
        text = DecodeUtf16(data + 2, count - 2, true);
    else if (IsUtf8Text(data, count))
        text = DecodeUtf8(data, count);
    else if (!AnsiToUtf16(data, count, text))
        return false;
    // The text is one NUL-terminated string.
    text.resize(std::min(text.size(), text.find(u'\0')));
    return true;
}

}  // namespace

TextFileStatus ReadTextFile(const char16_t* path, std::u16string& text) {
    text.clear();
    if (!path || !*path) return kTextFileNoPath;
    const StdioFilePtr file(OpenFileForReading(path));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return kTextFileCannotOpen;
    const long size = std::ftell(file.get());
    if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return kTextFileCannotOpen;
    const auto count = static_cast<size_t>(size);
    try {
        std::vector<uint8_t> bytes(count + 2, 0);
        if (std::fread(bytes.data(), 1, count, file.get()) != count) return kTextFileCannotOpen;
        std::u16string decoded;
        // Without the code page's conversion there is no text to make.
        if (!Decode(bytes, count, decoded)) return kTextFileNoMemory;
        text = std::move(decoded);
        return kTextFileRead;
    } catch (const std::bad_alloc&) {
        return kTextFileNoMemory;
    } catch (const std::length_error&) {  // more than memory can ever hold
        return kTextFileNoMemory;
    }
}
