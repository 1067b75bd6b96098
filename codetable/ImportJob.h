// Importing a source text into main.dmg: new entries go to the selected
// category (or the categories the lines name), lines that cannot be added
// are logged with their reason, and nothing is ever removed.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "codetable/CodeOps.h"
#include "codetable/ImportMessages.h"
#include "codetable/OperationCallbacks.h"
#include "config/DmeConfigData.h"
#include "platform/MappedFile.h"
#include "platform/StdioFile.h"

// The log of refused lines: a UTF-16LE file begun with its byte order mark,
// one line per refusal. Lines are counted even when the file could not be
// created, so the result still tells how many lines were not added.
class ImportLog {
public:
    ImportLog() = default;  // counts only
    // Creates the file at `path` (replacing an old one).
    explicit ImportLog(const char16_t* path);
    bool hasFile() const { return file_ != nullptr; }
    uint64_t lineCount() const { return lineCount_; }
    void Add(ImportRefusal refusal, std::u16string_view word);

private:
    StdioFilePtr file_;
    uint64_t lineCount_ = 0;
};

// The new records of one import in the order they were added, refusing a
// record whose key equals one already present: by compareEntry on the keys
// (null: the codes), then by the words.
class PendingSet {
public:
    explicit PendingSet(CompareKeysFunction compareEntry);
    // False, the record not taken, for a duplicate.
    bool Insert(std::vector<uint8_t> record);
    const std::vector<std::vector<uint8_t>>& records() const { return records_; }

private:
    struct KeyLess {
        const PendingSet* set;
        bool operator()(uint32_t a, uint32_t b) const;
    };
    CompareKeysFunction compareEntry_;
    std::vector<std::vector<uint8_t>> records_;
    std::set<uint32_t, KeyLess> order_;
};

struct ImportJob {
    const WordCodeRule* wordCodeRules = nullptr;  // the 32 slots of the DME settings; null: no word lines
    MappedFile* characters = nullptr;             // danzi.dmi; null: no word lines
    CompareKeysFunction compareEntry = nullptr;
    EncodeCodeFunction encodeCode = nullptr;
    // The page row: 0 the whole input code table, else one category.
    uint8_t targetCategory = 0;
    OperationCallbacks* callbacks = nullptr;  // may be null
    ImportLog* log = nullptr;                 // may be null
    MappedFile* table = nullptr;              // main.dmg

    // Read from the source's directives; 0 for none.
    uint8_t directiveCategory = 0;
    int32_t globalOrder = 0;
    std::unique_ptr<PendingSet> pending;
    uint64_t byteTotal = 0;  // of the pending records
};

// The directive category and global order of the text: every "---config@"
// in it, the last of each kind winning.
void ReadImportDirectives(ImportJob& job, std::u16string_view text);

// MergeEntry's results.
enum MergeResult { kMergeAdded = 0, kMergeUndeleted = 1, kMergePresent = 2, kMergeDuplicate = 3, kMergeMarkedDeleted = 4 };

// Adds a new record to the pending set, or, for one the table holds, clears
// or sets its deleted mark in place as the new record asks.
MergeResult MergeEntry(ImportJob& job, std::vector<uint8_t> record);

// One "word TAB code" line and one line of a word alone (its code made by
// the word code rules); true when the record was added, else logged.
bool ImportCodedLine(ImportJob& job, std::u16string word, std::u16string code);
bool ImportWordLine(ImportJob& job, std::u16string line);

// Every line of the text; the number added.
uint64_t ImportLines(ImportJob& job, std::u16string_view text);

// Stores the pending records in the table, growing it when the free gap is
// too small, then sorts the index and builds the prefix table. False when
// the table could not grow; it is then unchanged.
bool CommitPendingEntries(ImportJob& job);

// Reads the source, its directives and lines, and commits what was added:
// the number of lines added; 0 when the file cannot be read or the table
// cannot take the new records (the deleted marks changed by MergeEntry stay).
uint64_t ImportWords(ImportJob& job, const char16_t* sourcePath);
