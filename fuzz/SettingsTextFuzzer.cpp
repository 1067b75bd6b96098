// libFuzzer target for the settings text reader: the input's bytes, taken as
// UTF-16 little-endian units, are read into the three blocks, which lie
// between guard bytes that must stay untouched; the module's parser checks
// that every key and value it gets is a terminated text. The writer then
// writes what the reader made.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "config/ConfigFileBuilder.h"
#include "config/SettingsFile.h"
#include "config/SettingsTextReader.h"
#include "config/SettingsTextWriter.h"

namespace {

constexpr size_t kGuardBytes = 64;
constexpr uint8_t kGuard = 0xA5;

// The blocks of a new config.dsc, each followed by a guard; a guard before the first.
struct Arena {
    static constexpr size_t kIme = kGuardBytes;
    static constexpr size_t kDme = kIme + sizeof(ImeConfigData) + kGuardBytes;
    static constexpr size_t kSkin = kDme + sizeof(DmeConfigData) + kGuardBytes;
    static constexpr size_t kSize = kSkin + sizeof(SkinConfigData) + kGuardBytes;

    std::vector<uint8_t> bytes = std::vector<uint8_t>(kSize, kGuard);

    ImeConfigData& ime() { return *reinterpret_cast<ImeConfigData*>(bytes.data() + kIme); }
    DmeConfigData& dme() { return *reinterpret_cast<DmeConfigData*>(bytes.data() + kDme); }
    SkinConfigData& skin() { return *reinterpret_cast<SkinConfigData*>(bytes.data() + kSkin); }

    bool GuardsIntact() const {
        const size_t ends[][2] = {{0, kIme},
                                  {kIme + sizeof(ImeConfigData), kDme},
                                  {kDme + sizeof(DmeConfigData), kSkin},
                                  {kSkin + sizeof(SkinConfigData), kSize}};
        for (const auto& [from, to] : ends)
            for (size_t i = from; i < to; ++i)
                if (bytes[i] != kGuard) return false;
        return true;
    }
};

const Arena& NewConfigBlocks() {
    static const Arena arena = [] {
        Arena a;
        std::vector<uint8_t> file = BuildConfigFile({});
        const auto size = static_cast<uint32_t>(file.size());
        std::memcpy(&a.ime(), FindSettingsBlockAs<ImeConfigData>(file.data(), size), sizeof(ImeConfigData));
        std::memcpy(&a.dme(), FindSettingsBlockAs<DmeConfigData>(file.data(), size), sizeof(DmeConfigData));
        std::memcpy(&a.skin(), FindSettingsBlockAs<SkinConfigData>(file.data(), size), sizeof(SkinConfigData));
        return a;
    }();
    return arena;
}

Arena* current = nullptr;

void Release() {}

void ApplySetting(void* block, const char16_t* key, const char16_t* value, int32_t blockKind) {
    const bool known = (blockKind == 1 && block == &current->dme()) || (blockKind == 2 && block == &current->skin());
    // Reading both texts to their NUL lets AddressSanitizer see an unterminated one.
    if (!known || std::u16string_view(key).empty() || std::u16string_view(value).size() > kTextLineUnits) std::abort();
}

void WriteModuleText(const void*, char16_t* buffer, int32_t capacity, int32_t) {
    const std::u16string_view text = u"模块=1\r\n";
    if (capacity > static_cast<int32_t>(text.size())) {
        text.copy(buffer, text.size());
        buffer[text.size()] = 0;
    }
}

const SettingsTextTable kSettings{Release, ApplySetting, WriteModuleText};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(size / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);

    Arena arena = NewConfigBlocks();
    current = &arena;
    ParseSettingsText(arena.dme(), arena.skin(), text, arena.ime(), &kSettings);
    if (!arena.GuardsIntact()) std::abort();
    if (!WriteSettingsText(u"/dev/null", arena.ime(), &kSettings, arena.dme(), arena.skin())) std::abort();
    current = nullptr;
    return 0;
}
