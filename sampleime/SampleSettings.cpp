// The module areas' layout and the one table of settings that both the text
// form and the typed reads and writes follow.
#include "sampleime/SampleSettings.h"

#include "base/HexText.h"
#include "config/SettingsTextObject.h"

namespace {

// Byte 0 of each area tells whether the module has written it; a fresh
// config.dsc has zeros there.
constexpr uint8_t kAreaWritten = 1;

// DME area: marker, flag byte.
constexpr int kDmeFlags = 1;
constexpr uint8_t kAutoCommitUniqueFlag = 0x01;
constexpr uint8_t kEmptyCodeBeepFlag = 0x02;
// Skin area: marker, font size, text colour and background colour as red,
// green, blue.
constexpr int kSkinFontSize = 1;
constexpr int kSkinTextColour = 2;
constexpr int kSkinBackgroundColour = 5;

Colour ColourAt(const uint8_t* bytes) { return {bytes[0], bytes[1], bytes[2]}; }
void StoreColour(uint8_t* bytes, Colour colour) {
    bytes[0] = colour.red;
    bytes[1] = colour.green;
    bytes[2] = colour.blue;
}

DmeSettings Read(const DmeConfigData& dme) { return ReadDmeSettings(dme); }
SkinSettings Read(const SkinConfigData& skin) { return ReadSkinSettings(skin); }
void Store(DmeConfigData& dme, const DmeSettings& settings) { StoreDmeSettings(dme, settings); }
void Store(SkinConfigData& skin, const SkinSettings& settings) { StoreSkinSettings(skin, settings); }

constexpr std::u16string_view kYes = u"是";
constexpr std::u16string_view kNo = u"否";

std::u16string FormatValue(bool on) { return std::u16string(on ? kYes : kNo); }

std::u16string FormatValue(int number) {
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(u'0' + number % 10));
        number /= 10;
    } while (number > 0);
    return text;
}

std::u16string FormatValue(Colour colour) {
    std::u16string text = u"#";
    for (uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += kHexDigits[part >> 4];
        text += kHexDigits[part & 0xF];
    }
    return text;
}

bool ParseValue(std::u16string_view text, bool& on) {
    if (text != kYes && text != kNo) return false;
    on = text == kYes;
    return true;
}

// The only number is the font size.
bool ParseValue(std::u16string_view text, int& fontSize) {
    if (text.empty() || text.size() > 2) return false;
    int number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        number = number * 10 + (c - u'0');
    }
    if (number < kMinFontSize || number > kMaxFontSize) return false;
    fontSize = number;
    return true;
}

bool ParseValue(std::u16string_view text, Colour& colour) {
    if (text.size() != 7 || text[0] != u'#') return false;
    uint8_t parts[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexValue(text[1 + 2 * i]);
        const int low = HexValue(text[2 + 2 * i]);
        if (high < 0 || low < 0) return false;
        parts[i] = static_cast<uint8_t>(high * 16 + low);
    }
    colour = {parts[0], parts[1], parts[2]};
    return true;
}

struct Setting {
    int32_t blockKind;
    std::u16string_view key;
    std::u16string (*write)(const void* block);
    bool (*apply)(void* block, std::u16string_view value);
};

template <typename Block, auto Field>
std::u16string WriteField(const void* block) {
    return FormatValue(Read(*static_cast<const Block*>(block)).*Field);
}

template <typename Block, auto Field>
bool ApplyField(void* block, std::u16string_view value) {
    Block& typed = *static_cast<Block*>(block);
    auto settings = Read(typed);
    if (!ParseValue(value, settings.*Field)) return false;
    Store(typed, settings);
    return true;
}

template <typename Block, auto Field>
constexpr Setting Make(int32_t blockKind, std::u16string_view key) {
    return {blockKind, key, WriteField<Block, Field>, ApplyField<Block, Field>};
}

constexpr Setting kSettings[] = {
    Make<DmeConfigData, &DmeSettings::autoCommitUnique>(kDmeBlockKind, u"四码唯一自动上屏"),
    Make<DmeConfigData, &DmeSettings::emptyCodeBeep>(kDmeBlockKind, u"空码提示音"),
    Make<SkinConfigData, &SkinSettings::fontSize>(kSkinBlockKind, u"候选字号"),
    Make<SkinConfigData, &SkinSettings::textColour>(kSkinBlockKind, u"文字颜色"),
    Make<SkinConfigData, &SkinSettings::backgroundColour>(kSkinBlockKind, u"背景颜色"),
};

}  // namespace

DmeSettings ReadDmeSettings(const DmeConfigData& dme) {
    const uint8_t* area = dme.moduleSettings;
    if (area[0] != kAreaWritten) return {};
    return {(area[kDmeFlags] & kAutoCommitUniqueFlag) != 0, (area[kDmeFlags] & kEmptyCodeBeepFlag) != 0};
}

SkinSettings ReadSkinSettings(const SkinConfigData& skin) {
    const uint8_t* area = skin.moduleData;
    if (area[0] != kAreaWritten) return {};
    SkinSettings settings{area[kSkinFontSize], ColourAt(area + kSkinTextColour),
                          ColourAt(area + kSkinBackgroundColour)};
    // A damaged size reads as the default, so that the text reads back.
    if (settings.fontSize < kMinFontSize || settings.fontSize > kMaxFontSize)
        settings.fontSize = SkinSettings{}.fontSize;
    return settings;
}

void StoreDmeSettings(DmeConfigData& dme, const DmeSettings& settings) {
    uint8_t* area = dme.moduleSettings;
    area[0] = kAreaWritten;
    area[kDmeFlags] =
        (settings.autoCommitUnique ? kAutoCommitUniqueFlag : 0) | (settings.emptyCodeBeep ? kEmptyCodeBeepFlag : 0);
}

void StoreSkinSettings(SkinConfigData& skin, const SkinSettings& settings) {
    uint8_t* area = skin.moduleData;
    area[0] = kAreaWritten;
    area[kSkinFontSize] = static_cast<uint8_t>(settings.fontSize);
    StoreColour(area + kSkinTextColour, settings.textColour);
    StoreColour(area + kSkinBackgroundColour, settings.backgroundColour);
}

std::u16string SettingsText(const void* block, int32_t blockKind) {
    std::u16string text;
    for (const Setting& setting : kSettings)
        if (setting.blockKind == blockKind) text += std::u16string(setting.key) + u"=" + setting.write(block) + u"\r\n";
    return text;
}

bool ApplySettingText(void* block, int32_t blockKind, std::u16string_view key, std::u16string_view value) {
    for (const Setting& setting : kSettings)
        if (setting.blockKind == blockKind && setting.key == key) return setting.apply(block, value);
    return false;
}
