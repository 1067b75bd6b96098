#include "codetable/TableExport.h"

#include <algorithm>
#include <vector>

#include "base/DecimalText.h"
#include "base/Utf8.h"
#include "codetable/CodeText.h"
#include "codetable/EntryKey.h"
#include "platform/StdioFile.h"

namespace {

bool MayChange(const ExportJob& job, int category) { return job.categoryFlags[category] & 1; }

bool Selected(const ExportJob& job, uint8_t category) {
    if (job.selector < 0 || job.selector >= kCategoryCount) return true;
    if (job.selector == 0) return category >= kCategoryCount || MayChange(job, category);
    return category == job.selector;
}

std::u16string CodeText(const ExportJob& job, const TableEntry& entry) {
    if (!job.decodeCode) return DecodeCodeText(entry.code());
    // A stored code of at most 255 bytes; the module's display form is
    // given room well beyond it.
    char16_t buffer[1024] = {};
    job.decodeCode(entry.codeField(), buffer, static_cast<int32_t>(std::size(buffer)));
    buffer[std::size(buffer) - 1] = 0;
    return buffer;
}

std::u16string EscapedWord(std::u16string_view word) {
    std::u16string out;
    if (word.starts_with(u"//")) out += u'/';
    for (size_t i = 0; i < word.size(); ++i) {
        const char16_t c = word[i];
        if (c == u'\r' || c == u'\n') {
            out += u"\\r";
            if (c == u'\r' && i + 1 < word.size() && word[i + 1] == u'\n') ++i;
        } else if (c == u'\t') {
            out += u"\\t";
        } else if (c == u'\\') {
            out += u"\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string Utf16Text(std::span<const uint8_t> bytes) {
    return Utf16Of(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void Progress(const ExportJob& job, uint64_t position, uint64_t total) {
    if (job.callbacks && (position % 4096 == 0 || position == total)) job.callbacks->Progress(position, total);
}

}  // namespace

bool CompareForExport(const TableEntry& a, const TableEntry& b) {
    const uint8_t categoryA = a.flags().category(), categoryB = b.flags().category();
    if (categoryA != categoryB) return categoryA < categoryB;
    if (const int32_t r = CompareCodeBytes(a.codeField(), b.codeField()); r != 0) return r < 0;
    const uint32_t rankA = a.flags().value & 0x4000FFFF, rankB = b.flags().value & 0x4000FFFF;
    if (rankA != rankB) return rankA > rankB;
    return a.offset < b.offset;
}

void WriteExportLine(const ExportJob& job, const CodeTable& table, const TableEntry& entry, std::string& out) {
    std::u16string line;
    if (table.tableKind() == KindWordList) {
        line = Utf16Text(entry.code());
        if (line.empty()) return;
    } else if (table.tableKind() == KindCodeTable) {
        const EntryFlags flags = entry.flags();
        line = EscapedWord(Utf16Text(entry.word())) + u'\t' + CodeText(job, entry);
        if (flags.deleted()) line += u"#删";
        if (flags.pinned()) line += u"#固";
        if (job.selector <= 0) {
            const uint8_t category = flags.category();
            if (category == kCategoryUser) line += u"#用";
            if (category == kCategorySecondary) line += u"#次";
            if (category == kCategoryAuxiliary) line += u"#辅";
            if (category >= kFirstCustomCategory && category < kCategoryCount)
                line += u"#类" + DecimalText(category - kFirstCustomCategory + 1);
        }
        if (flags.order() != 0 && job.selector >= 0) line += u"#序" + DecimalText(flags.order());
    } else {
        return;
    }
    out += Utf8Of(line);
    out += "\r\n";
}

std::u16string ExportDirectives(const ExportJob& job) {
    const auto& names = job.categoryNames;
    auto line = [](std::u16string_view key, std::u16string_view value) {
        return u"---config@" + std::u16string(key) + std::u16string(value) + u"\r\n";
    };
    const int s = job.selector;
    if (s < 0) return {};
    if (s == 0) {
        std::u16string text = line(u"主码别名=", names[0]);
        if (MayChange(job, kCategorySystem)) text += line(u"主码-系统码表别名=", names[kCategorySystem]);
        if (!names[kCategoryUser].empty()) text += line(u"主码-用户码表别名=", names[kCategoryUser]);
        if (MayChange(job, kCategorySecondary) && !names[kCategorySecondary].empty())
            text += line(u"主码-次显码表别名=", names[kCategorySecondary]);
        for (int k = kFirstCustomCategory; k < kCategoryCount; ++k)
            if (MayChange(job, k)) text += line(u"主码-分类码表别名" + DecimalText(k - 15) + u"=", names[k]);
        if (MayChange(job, kCategoryAuxiliary)) text += line(u"辅码别名=", names[kCategoryAuxiliary]);
        return text;
    }
    std::u16string category;
    if (s == kCategorySystem) category = u"主码-系统码表";
    else if (s == kCategoryUser) category = u"主码-用户码表";
    else if (s == kCategorySecondary) category = u"主码-次显码表";
    else if (s == kCategoryAuxiliary) category = u"辅码码表";
    else if (s >= kFirstCustomCategory && s < kCategoryCount) category = u"主码-" + DecimalText(s - 15);
    else return {};
    return line(u"码表分类=", category) + line(u"码表别名=", names[s]);
}

int64_t ExportTable(MappedFile* file, const ExportJob& job, const char16_t* path) {
    const CodeTable table(file);
    std::vector<TableEntry> entries;
    const uint32_t n = table.slotCount();
    entries.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        Progress(job, i, n);
        const std::optional<TableEntry> entry = table.entryAt(i);
        if (entry && (table.isWordList() || Selected(job, entry->flags().category()))) entries.push_back(*entry);
    }
    std::sort(entries.begin(), entries.end(), CompareForExport);

    const StdioFilePtr out(OpenFileForWriting(path));
    if (!out) return -1;
    std::string text = "\xEF\xBB\xBF" + Utf8Of(ExportDirectives(job));
    constexpr size_t kChunk = 1 << 20;
    for (size_t i = 0; i < entries.size(); ++i) {
        WriteExportLine(job, table, entries[i], text);
        if (text.size() >= kChunk || i + 1 == entries.size()) {
            if (std::fwrite(text.data(), 1, text.size(), out.get()) != text.size()) return -1;
            text.clear();
        }
        Progress(job, i + 1, entries.size());
    }
    if ((!text.empty() && std::fwrite(text.data(), 1, text.size(), out.get()) != text.size()) ||
        std::fflush(out.get()) != 0)
        return -1;
    return static_cast<int64_t>(entries.size());
}
