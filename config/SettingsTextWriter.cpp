// The sections of the settings text, their banners and the module's text.
#include "config/SettingsTextWriter.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/FixedText.h"
#include "base/Utf8Text.h"
#include "config/ImeSettingsText.h"
#include "config/KeyFunctionText.h"
#include "config/KeyTableText.h"
#include "config/WordRuleText.h"
#include "platform/StdioFile.h"

namespace {

constexpr size_t kMaxTextUnits = 65535;
constexpr size_t kMaxTextBytes = 65535;
// The module's text of one block.
constexpr int32_t kModuleTextUnits = 4096;

constexpr uint8_t kByteOrderMark[] = {0xEF, 0xBB, 0xBF};
constexpr std::u16string_view kLineEnd = u"\r\n";
class TextOut {
public:
    explicit TextOut(std::FILE* file) : file_(file) {}

    void Text(std::u16string_view text) { ok_ = WriteUtf8Text(file_, text) && ok_; }
    void Line(std::u16string_view line) { Text(std::u16string(line) + std::u16string(kLineEnd)); }
    void Lines(const std::vector<std::u16string>& lines) {
        for (const std::u16string& line : lines) Line(line);
    }
    bool ok() const { return ok_; }

private:
    std::FILE* file_;
    bool ok_ = true;
};

void Banner(TextOut& out, std::u16string_view title, std::u16string_view header) {
    constexpr std::u16string_view kDashes = u"//------------------------------------------------------";
    out.Line(kDashes);
    out.Line(u"//  　　　　　　　 " + std::u16string(title));
    out.Line(kDashes);
    out.Line(u"[-" + std::u16string(header) + u"-]");
}

// The module's text for the block, unchanged. The next banner must start a
// line of its own, so a text not ending in a line break gets one.
void ModuleText(TextOut& out, const SettingsTextTable* settings, const void* block, int32_t blockKind) {
    if (!settings || !settings->writeSettingsText) return;
    std::vector<char16_t> buffer(kModuleTextUnits, 0);
    settings->writeSettingsText(block, buffer.data(), kModuleTextUnits, blockKind);
    const std::u16string_view text = TextOf(buffer.data(), buffer.size());
    out.Text(text);
    if (!text.empty() && text.back() != u'\r' && text.back() != u'\n') out.Text(kLineEnd);
}

}  // namespace

bool WriteUtf8Text(std::FILE* file, std::u16string_view text) {
    const std::u16string sound = WithLoneSurrogatesReplaced(text.substr(0, kMaxTextUnits));
    const size_t capacity = std::min<size_t>(ToUtf8(sound, nullptr, 0), kMaxTextBytes);
    // One byte more for the NUL, which is not written.
    std::vector<uint8_t> bytes(capacity + 1, 0);
    ToUtf8(sound, bytes.data(), capacity);
    const size_t count = strnlen(reinterpret_cast<const char*>(bytes.data()), capacity);
    return std::fwrite(bytes.data(), 1, count, file) == count;
}

bool WriteSettingsText(const char16_t* path, const ImeConfigData& ime, const SettingsTextTable* settings,
                       const DmeConfigData& dme, const SkinConfigData& skin) {
    StdioFilePtr file(OpenFileForWriting(path));
    if (!file) return false;
    bool ok = std::fwrite(kByteOrderMark, 1, sizeof kByteOrderMark, file.get()) == sizeof kByteOrderMark;
    TextOut out(file.get());
    Banner(out, u"IME设置", u"IME设置");
    out.Lines(ImeSettingsLines(ime));
    Banner(out, u"DME设置", u"DME设置");
    ModuleText(out, settings, &dme, kDmeBlockKind);
    Banner(out, u"SKIN设置", u"SKIN设置");
    ModuleText(out, settings, &skin, kSkinBlockKind);
    Banner(out, u"中文符号定义", u"非编码符号转义定义表");
    out.Lines(PunctuationLines(ime));
    Banner(out, u"键位字根表", u"键位字根表");
    out.Lines(KeyRadicalLines(ime));
    Banner(out, u"按键功能", u"按键功能");
    out.Lines(KeyFunctionLines(dme));
    Banner(out, u"构词规则定义", u"构词规则定义");
    out.Lines(WordRuleLines(dme));
    // The data reaches the file only when it is closed.
    return std::fclose(file.release()) == 0 && ok && out.ok();
}
