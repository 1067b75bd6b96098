#include "codetable/ReplaceSource.h"

#include <algorithm>
#include <limits>

#include "base/DecimalText.h"
#include "codetable/CodeTable.h"
#include "codetable/EntryBuilder.h"

namespace {

constexpr std::u16string_view kDirectivePrefix = u"---config@";

bool IsDirectiveLine(std::u16string_view line) { return line.size() > 10 && line.starts_with(kDirectivePrefix); }

uint8_t CustomCategory(int32_t n) { return static_cast<uint8_t>((n < 1 ? 1 : n > 16 ? 16 : n) + kFirstCustomCategory - 1); }

void ApplyDirective(ReplaceJob& job, std::u16string_view directive) {
    auto number = [&](std::u16string_view key) { return LeadingNumber(directive.substr(key.size())); };
    constexpr std::u16string_view kGlobalOrder = u"全局排序数值=", kInitialOrder = u"初始化排序数值=",
                                  kCustom = u"码表分类=主码-";
    if (directive.starts_with(u"码表格式=单列码表")) {
        job.tableFormat = 1;
    } else if (directive.starts_with(u"码表格式=酷极格式")) {
        job.tableFormat = 2;
    } else if (directive.starts_with(kGlobalOrder)) {
        job.globalOrder = number(kGlobalOrder);
    } else if (directive.starts_with(kInitialOrder)) {
        job.initialOrder = number(kInitialOrder);
        // Counters hold an order, so they take its 16 bits as "#序" does.
        if (job.initialOrder != 0) job.orderCounters.fill(static_cast<uint16_t>(job.initialOrder));
    } else if (directive.starts_with(u"码表分类=辅码码表")) {
        job.category = kCategoryAuxiliary;
    } else if (directive.starts_with(u"码表分类=主码-用户码表")) {
        job.category = kCategoryUser;
    } else if (directive.starts_with(u"码表分类=主码-次显码表")) {
        job.category = kCategorySecondary;
    } else if (directive.starts_with(u"码表分类=主码-系统码表")) {
        job.category = kCategorySystem;
    } else if (directive.starts_with(kCustom)) {
        job.category = CustomCategory(number(kCustom));
    }
    // Names and edit permissions ("码表别名=", "允许编辑=", …) do not change
    // the built table.
}

void ReportProgress(const ReplaceJob& job, uint64_t position, uint64_t total) {
    if (job.callbacks) job.callbacks->Progress(position, total);
}

// Reports every this many lines or records, and at the end.
constexpr uint64_t kProgressStep = 4096;

}  // namespace

void AddSourceText(ReplaceJob& job, std::u16string_view text) {
    job.text.append(text).push_back(u'\n');
    job.sourceEnds.push_back(job.text.size());
    ForEachSourceLine(text, [&](size_t, size_t) { ++job.lineCount; });
}

TextFileStatus LoadSourceText(ReplaceJob& job, const char16_t* path) {
    std::u16string text;
    const TextFileStatus status = ReadSourceText(path, text);
    if (status != kTextFileRead) return status;
    // Records address the text with 32-bit offsets.
    if (job.text.size() + text.size() + 1 > std::numeric_limits<uint32_t>::max()) return kTextFileNoMemory;
    AddSourceText(job, text);
    return kTextFileRead;
}

void ReadTableDirectives(ReplaceJob& job, size_t start, size_t end) {
    job.category = 0;
    job.globalOrder = 0;
    job.initialOrder = 0;
    const std::u16string_view text = std::u16string_view(job.text).substr(start, end - start);
    ForEachSourceLine(text, [&](size_t at, size_t length) {
        const std::u16string_view line = text.substr(at, length);
        if (IsDirectiveLine(line)) ApplyDirective(job, line.substr(kDirectivePrefix.size()));
    });
    if (job.category == 0) job.category = kCategorySystem;
}

std::optional<SourceRecord> ParseSourceLine(ReplaceJob& job, size_t start, size_t length) {
    char16_t* const line = job.text.data() + start;
    const size_t tab = std::u16string_view(line, length).find(u'\t');
    if (tab == std::u16string_view::npos || tab + 1 == length) return std::nullopt;
    std::u16string code(line + tab + 1, length - tab - 1);
    if (FindCodeMarker(code, u"#删", MarkerEscapes::Honoured) != std::u16string::npos) return std::nullopt;

    EntryFlags flags{CutCodeMarkers(code, MarkerEscapes::Honoured)};
    if (flags.category() == 0) flags.setCategory(job.category);
    SourceRecord record{};
    record.codeAt = static_cast<uint32_t>(start + tab + 1);
    record.codeLength = static_cast<uint32_t>(code.size());
    record.wordAt = static_cast<uint32_t>(start);
    record.wordLength = static_cast<uint32_t>(ApplyWordEscapes(line, tab, SpaceEscape::Read));

    uint32_t& counter = job.orderCounters[code.empty() ? 0 : code[0] & 0xFF];
    if (counter > kOrderCounterFloor) --counter;
    if (flags.order() == 0) {
        if (job.globalOrder != 0) {
            flags.setOrder(static_cast<uint16_t>(job.globalOrder));
            // The line took no value from the counter, so it gives it back.
            if (counter < kOrderCounterStart) ++counter;
        } else {
            flags.setOrder(static_cast<uint16_t>(counter));
        }
    }
    record.flags = flags.value;
    return record;
}

void ParseSource(ReplaceJob& job) {
    job.records.clear();
    job.refusedCount = 0;
    job.recordsMade = false;
    if (job.sourceEnds.empty()) return;
    job.records.reserve(job.lineCount);
    job.recordsMade = true;
    job.orderCounters.fill(kOrderCounterStart);

    size_t start = 0;
    uint64_t lines = 0;
    for (const size_t end : job.sourceEnds) {
        ReadTableDirectives(job, start, end);
        ForEachSourceLine(std::u16string_view(job.text).substr(start, end - start), [&](size_t at, size_t length) {
            at += start;
            const std::u16string_view line(job.text.data() + at, length);
            if (line.starts_with(u"///")) {
                ++at;
                --length;
            } else if (line.starts_with(u"//") || IsDirectiveLine(line)) {
                length = 0;
            }
            if (length > 0) {
                if (std::optional<SourceRecord> record = ParseSourceLine(job, at, length)) {
                    EntryFlags flags{record->flags};
                    flags.setHeadMark(job.records.size() < kHeadMarkLines);
                    record->flags = flags.value;
                    job.records.push_back(*record);
                } else {
                    ++job.refusedCount;
                }
            }
            if (++lines % kProgressStep == 0) ReportProgress(job, at, job.text.size());
        });
        start = end;
    }
    ReportProgress(job, job.text.size(), job.text.size());
}

void DeduplicateRecords(ReplaceJob& job) {
    job.uniqueCount = 0;
    job.duplicateCount = 0;
    if (job.records.empty()) return;
    // In record order among equals, so the first of each group is kept.
    std::vector<uint32_t> order(job.records.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    auto key = [&](uint32_t i) {
        const SourceRecord& r = job.records[i];
        return std::pair(RecordCode(job, r), RecordWord(job, r));
    };
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return key(a) < key(b); });
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && key(order[i]) == key(order[i - 1])) {
            job.records[order[i]].flags = 0;
            ++job.duplicateCount;
        } else {
            ++job.uniqueCount;
        }
        if ((i + 1) % kProgressStep == 0 || i + 1 == order.size()) ReportProgress(job, i + 1, order.size());
    }
}

std::u16string_view RecordCode(const ReplaceJob& job, const SourceRecord& record) {
    return std::u16string_view(job.text).substr(record.codeAt, record.codeLength);
}

std::u16string_view RecordWord(const ReplaceJob& job, const SourceRecord& record) {
    return std::u16string_view(job.text).substr(record.wordAt, record.wordLength);
}
