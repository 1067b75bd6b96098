#include "codetable/ImportJob.h"

#include <cstring>

#include "base/DecimalText.h"
#include "codetable/CodeTable.h"
#include "codetable/CodeText.h"
#include "codetable/EntryBuilder.h"
#include "codetable/EntryKey.h"
#include "codetable/EntryLookup.h"
#include "codetable/EntryOrder.h"
#include "codetable/PrefixTable.h"
#include "codetable/SourceText.h"
#include "codetable/TableEditing.h"
#include "codetable/WordCode.h"

namespace {

constexpr std::u16string_view kDirectivePrefix = u"---config@";
constexpr uint16_t kDefaultImportOrder = 1024;

void ApplyDirective(ImportJob& job, std::u16string_view directive) {
    constexpr std::u16string_view kCustom = u"码表分类=主码-", kGlobalOrder = u"全局排序数值=";
    if (directive.starts_with(u"码表分类=辅码码表")) {
        job.directiveCategory = kCategoryAuxiliary;
    } else if (directive.starts_with(u"码表分类=主码-系统码表")) {
        job.directiveCategory = kCategorySystem;
    } else if (directive.starts_with(u"码表分类=主码-用户码表")) {
        job.directiveCategory = kCategoryUser;
    } else if (directive.starts_with(u"码表分类=主码-次显码表")) {
        job.directiveCategory = kCategorySecondary;
    } else if (directive.starts_with(kCustom)) {
        const int32_t n = LeadingNumber(directive.substr(kCustom.size()));
        job.directiveCategory = static_cast<uint8_t>((n == 0 ? 1 : n < 0 || n > 16 ? 16 : n) + kFirstCustomCategory - 1);
    } else if (directive.starts_with(kGlobalOrder)) {
        job.globalOrder = LeadingNumber(directive.substr(kGlobalOrder.size()));
    }
}

// The category a new record takes: its own, else the directive's, else the
// target's (the system table for the whole table); 0 when it is not the
// target category.
uint8_t ImportCategory(const ImportJob& job, uint8_t own) {
    uint8_t category = own ? own : job.directiveCategory ? job.directiveCategory
                                 : job.targetCategory    ? job.targetCategory
                                                         : kCategorySystem;
    if (job.targetCategory != 0 && category != job.targetCategory) category = 0;
    return category;
}

void Log(const ImportJob& job, ImportRefusal refusal, std::u16string_view word) {
    if (job.log) job.log->Add(refusal, word);
}

// Sets category and order; false, logged, for a category mismatch.
bool Classify(const ImportJob& job, std::vector<uint8_t>& record, const std::u16string& word) {
    EntryFlags flags{LoadU32(record.data())};
    const uint8_t category = ImportCategory(job, flags.category());
    if (category == 0) {
        Log(job, ImportRefusal::CategoryMismatch, word);
        return false;
    }
    flags.setCategory(category);
    if (flags.order() == 0) flags.setOrder(job.globalOrder ? static_cast<uint16_t>(job.globalOrder) : kDefaultImportOrder);
    StoreU32(record.data(), flags.value);
    return true;
}

std::u16string Unescaped(std::u16string word) {
    word.resize(ApplyWordEscapes(word.data(), word.size(), SpaceEscape::Kept));
    return word;
}

}  // namespace

ImportLog::ImportLog(const char16_t* path) : file_(OpenFileForWriting(path)) {
    if (file_) std::fwrite("\xFF\xFE", 1, 2, file_.get());
}

void ImportLog::Add(ImportRefusal refusal, std::u16string_view word) {
    ++lineCount_;
    if (!file_) return;
    const std::u16string line = ImportLogLine(refusal, word);
    std::string bytes;
    for (char16_t c : line) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
}

PendingSet::PendingSet(CompareKeysFunction compareEntry) : compareEntry_(compareEntry), order_(KeyLess{this}) {}

bool PendingSet::KeyLess::operator()(uint32_t a, uint32_t b) const {
    const uint8_t* keyA = set->records_[a].data() + 4;
    const uint8_t* keyB = set->records_[b].data() + 4;
    int32_t r = set->compareEntry_ ? set->compareEntry_(keyA, keyB) : CompareCodeBytes(keyA, keyB);
    if (r == 0) r = CompareCodeBytes(keyA + 1 + keyA[0], keyB + 1 + keyB[0]);
    return r < 0;
}

bool PendingSet::Insert(std::vector<uint8_t> record) {
    records_.push_back(std::move(record));
    if (order_.insert(static_cast<uint32_t>(records_.size() - 1)).second) return true;
    records_.pop_back();
    return false;
}

void ReadImportDirectives(ImportJob& job, std::u16string_view text) {
    job.directiveCategory = 0;
    job.globalOrder = 0;
    for (size_t at = text.find(kDirectivePrefix); at != std::u16string_view::npos;
         at = text.find(kDirectivePrefix, at + 1)) {
        std::u16string_view directive = text.substr(at + kDirectivePrefix.size());
        directive = directive.substr(0, directive.find_first_of(u"\r\n"));
        ApplyDirective(job, directive);
    }
}

MergeResult MergeEntry(ImportJob& job, std::vector<uint8_t> record) {
    const int32_t found = FindEntry(job.table, record.data() + 4, job.compareEntry);
    const EntryFlags flags{LoadU32(record.data())};
    if (found <= 0) {
        if (!job.pending) job.pending = std::make_unique<PendingSet>(job.compareEntry);
        const size_t size = record.size();
        if (!job.pending->Insert(std::move(record))) return kMergeDuplicate;
        job.byteTotal += size;
        return kMergeAdded;
    }
    const std::optional<TableEntry> entry = CodeTable(job.table).entryAt(static_cast<uint32_t>(found - 1));
    if (!entry) return kMergePresent;
    EntryFlags present = entry->flags();
    if (present.deleted() && !flags.deleted()) {
        present.setDeleted(false);
        entry->setFlags(present);
        return kMergeUndeleted;
    }
    if (!present.deleted() && flags.deleted()) {
        present.setDeleted(true);
        entry->setFlags(present);
        return kMergeMarkedDeleted;
    }
    return kMergePresent;
}

bool ImportCodedLine(ImportJob& job, std::u16string word, std::u16string code) {
    word = Unescaped(std::move(word));
    std::vector<uint8_t> record = BuildEntry(code, word, job.encodeCode);
    if (record.empty()) {
        Log(job, ImportRefusal::NoEntry, word);
        return false;
    }
    if (!Classify(job, record, word)) return false;
    switch (MergeEntry(job, std::move(record))) {
        case kMergeAdded: return true;
        case kMergeUndeleted: Log(job, ImportRefusal::Undeleted, word); break;
        case kMergePresent: Log(job, ImportRefusal::AlreadyPresent, word); break;
        case kMergeDuplicate: Log(job, ImportRefusal::Duplicate, word); break;
        case kMergeMarkedDeleted: Log(job, ImportRefusal::MarkedDeleted, word); break;
    }
    return false;
}

bool ImportWordLine(ImportJob& job, std::u16string line) {
    line = Unescaped(std::move(line));
    if (!job.wordCodeRules || !job.characters) return false;
    const int32_t n = CountCodePoints(line, 128);
    if (n > kMaxRuleWordLength) {
        Log(job, ImportRefusal::WordTooLong, line);
        return false;
    }
    if (n < 1) return false;
    std::u16string code = MakeWordCode(line, job.wordCodeRules[n], job.characters);
    std::vector<uint8_t> record = code.empty() ? std::vector<uint8_t>() : BuildEntry(code, line, job.encodeCode);
    if (record.empty()) {
        Log(job, ImportRefusal::NoWordCode, line);
        return false;
    }
    // The rules make no markers, so the record has no category or order yet.
    StoreU32(record.data(), 0);
    if (!Classify(job, record, line)) return false;
    switch (MergeEntry(job, std::move(record))) {
        case kMergeAdded: return true;
        case kMergeUndeleted: Log(job, ImportRefusal::Undeleted, line); break;
        case kMergeDuplicate: Log(job, ImportRefusal::WordDuplicate, line); break;
        case kMergePresent:
        case kMergeMarkedDeleted: Log(job, ImportRefusal::WordAlreadyPresent, line); break;
    }
    return false;
}

uint64_t ImportLines(ImportJob& job, std::u16string_view text) {
    uint64_t added = 0;
    ForEachSourceLine(text, [&](size_t start, size_t length) {
        const std::u16string_view line = text.substr(start, length);
        if (line.starts_with(u"//") || (line.size() > 10 && line.starts_with(kDirectivePrefix))) return;
        const size_t tab = line.find(u'\t');
        const bool ok = tab == std::u16string_view::npos
                            ? ImportWordLine(job, std::u16string(line))
                            : ImportCodedLine(job, std::u16string(line.substr(0, tab)), std::u16string(line.substr(tab + 1)));
        added += ok;
        if (job.callbacks) job.callbacks->Progress(start, text.size());
    });
    return added;
}

bool CommitPendingEntries(ImportJob& job) {
    const uint64_t n = job.pending ? job.pending->records().size() : 0;
    if (n == 0) return true;
    const CodeTable table(job.table);
    if (!table.hasSoundLayout()) return false;
    const uint32_t dataStart = table.dataStart();
    const uint32_t sum = table.size() - dataStart;
    const int64_t free = int64_t{dataStart} - (kEmptyTableSize + 4 * int64_t{table.entryCount()});
    const auto need = static_cast<int64_t>(job.byteTotal + 4 * n);
    if (free < need) {
        const uint64_t newSize = table.size() + static_cast<uint64_t>(need - free) + 4096;
        if (!GrowTableFile(job.table, newSize)) return false;
        const auto shift = static_cast<uint32_t>(newSize - sum - dataStart);
        std::memmove(table.view() + newSize - sum, table.view() + dataStart, sum);
        for (uint32_t i = 0; i < table.entryCount(); ++i) table.setSlot(i, table.slot(i) + shift);
        table.setDataStart(static_cast<uint32_t>(newSize - sum));
    }
    const auto& records = job.pending->records();
    for (uint64_t k = 0; k < n; ++k) {
        const std::vector<uint8_t>& record = records[n - 1 - k];
        const uint32_t at = table.dataStart() - static_cast<uint32_t>(record.size());
        std::memcpy(table.view() + at, record.data(), record.size());
        table.setDataStart(at);
        table.setSlot(table.entryCount(), at);
        table.setEntryCount(table.entryCount() + 1);
        if (job.callbacks && ((k + 1) % 4096 == 0 || k + 1 == n)) job.callbacks->Progress(k + 1, n);
    }
    SortEntryIndex(job.table, job.compareEntry);
    BuildPrefixTable(job.table, job.compareEntry);
    return true;
}

uint64_t ImportWords(ImportJob& job, const char16_t* sourcePath) {
    std::u16string text;
    if (ReadSourceText(sourcePath, text) != kTextFileRead || !CodeTable(job.table).hasSoundLayout()) return 0;
    ReadImportDirectives(job, text);
    job.pending.reset();
    job.byteTotal = 0;
    const uint64_t added = ImportLines(job, text);
    // Lines whose records could not be stored were not added.
    const bool committed = CommitPendingEntries(job);
    job.pending.reset();
    return committed ? added : 0;
}
