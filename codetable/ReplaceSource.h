// Reading a replacement source into records: the source texts of one
// whole-table replacement, their directives, one record per accepted line,
// and the removal of duplicate lines. The records point into the loaded
// text, which the line reading edits in place (word escapes only shorten it).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codetable/CodeOps.h"
#include "codetable/OperationCallbacks.h"
#include "codetable/SourceText.h"

// One accepted source line: where its code and word lie in the job's text,
// in UTF-16 units, and the flags it gives (0: the record is dropped).
struct SourceRecord {
    uint32_t codeAt;
    uint32_t wordAt;
    uint32_t flags;
    uint32_t codeLength;
    uint32_t wordLength;
};
static_assert(sizeof(SourceRecord) == 20);

// Counters of the order given to lines without one, by the low byte of the
// code's first unit: they start here and count down to the floor.
constexpr uint32_t kOrderCounterStart = 16384;
constexpr uint32_t kOrderCounterFloor = 1024;
// The first lines accepted carry headMark.
constexpr uint32_t kHeadMarkLines = 35000;

struct ReplaceJob {
    // The loaded source texts one after the other, each ending in a line
    // break, and where each ends: directives hold for their own text.
    std::u16string text;
    std::vector<size_t> sourceEnds;
    uint64_t lineCount = 0;

    std::vector<SourceRecord> records;
    bool recordsMade = false;  // ParseSource ran over a loaded source
    uint64_t refusedCount = 0;

    EncodeCodeFunction encodeCode = nullptr;
    CompareKeysFunction compareCode = nullptr;
    CompareKeysFunction compareEntry = nullptr;
    OperationCallbacks* callbacks = nullptr;  // may be null
    std::u16string outputPath;

    uint64_t byteTotal = 0;  // of the records WriteCodeTable keeps
    uint64_t uniqueCount = 0;
    uint64_t duplicateCount = 0;
    std::array<uint32_t, 256> orderCounters{};

    // Directive state of the text being read.
    uint8_t category = 0;
    int32_t globalOrder = 0;
    int32_t initialOrder = 0;
    int tableFormat = 0;  // 1 single column, 2 the other format; recorded only
};

// Appends a source text and counts its lines.
void AddSourceText(ReplaceJob& job, std::u16string_view text);
// Reads the file and appends its text; the job is unchanged on failure.
TextFileStatus LoadSourceText(ReplaceJob& job, const char16_t* path);

// Sets the directive state from every directive line of text [start, end)
// ("---config@" and a setting), category 1 when none names one.
void ReadTableDirectives(ReplaceJob& job, size_t start, size_t end);

// The record of the line at [start, start + length) of the job's text, or
// none when it is refused: no TAB, nothing after it, or an unescaped "#删" in
// the code. Cuts the markers, applies the word escapes in place and moves the
// order counter of the code's first unit.
std::optional<SourceRecord> ParseSourceLine(ReplaceJob& job, size_t start, size_t length);

// The records of every data line of the loaded texts, after their
// directives; comments ("//", but "///" stands for the line without its first
// "/") and directive lines are skipped. Nothing without a loaded text.
void ParseSource(ReplaceJob& job);

// Drops (flags 0) every record whose code and word equal those of an earlier
// one, and counts the unique records and the duplicates.
void DeduplicateRecords(ReplaceJob& job);

// The code and word texts of a record.
std::u16string_view RecordCode(const ReplaceJob& job, const SourceRecord& record);
std::u16string_view RecordWord(const ReplaceJob& job, const SourceRecord& record);
