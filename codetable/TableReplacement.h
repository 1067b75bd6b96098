// Whole-table replacement: a new code table built from a source text in a
// scratch file, then its index, prefix table and entry area copied into
// main.dmg, whose header (fields 8 to 155: kind, GUID, version, name, …)
// stays as it is.
#pragma once

#include <cstdint>

#include "codetable/CodeOps.h"
#include "codetable/OperationCallbacks.h"
#include "config/TextFile.h"
#include "platform/MappedFile.h"

// The code operations a build and a copy use; null slots take the defaults.
struct ReplaceOps {
    EncodeCodeFunction encodeCode = nullptr;
    CompareKeysFunction compareCode = nullptr;
    CompareKeysFunction compareEntry = nullptr;
};
ReplaceOps ReplaceOpsOf(const CodeOps& codeOps);

enum class BuildResult {
    Built,
    SourceUnreadable,  // see the status
    TableNotWritten,
};

// The counts of one build, for front ends that show them.
struct BuildSummary {
    TextFileStatus status = kTextFileRead;  // of reading the source
    uint64_t lines = 0;                     // of the source
    uint64_t refused = 0;                   // lines without word and code, or marked deleted
    uint64_t duplicates = 0;
    uint64_t unique = 0;
    uint64_t recordBytes = 0;  // of the records written
};

// Reads the source, parses it, drops duplicates and writes the new table at
// `outputPath` (ParseSource, DeduplicateRecords, WriteCodeTable). A source
// without a valid line gives an empty table.
BuildResult BuildCodeTableFromSource(const char16_t* sourcePath, const char16_t* outputPath, const ReplaceOps& ops,
                                     OperationCallbacks* callbacks, BuildSummary* summary = nullptr);

// Copies a built table into `main`, growing it first when it is shorter.
// With L the length of main and S that of the built table, dataStart and
// every slot move up by L − S, so the entries end at main's end; entryCount,
// the prefix table, the index and the entry area are copied, and main keeps
// its length and its other header fields. False, main unchanged, when the
// built table's layout is unsound or main cannot grow.
bool CopyTableKeepingHeader(MappedFile* main, MappedFile* built);

enum class ReplaceResult {
    Replaced,
    ScratchNotAccessible,  // the old scratch table could not be deleted
    ScratchNotCreated,     // no scratch table after the build
    ScratchNotOpened,
    MainNotResized,
};

// The whole replacement after the questions: deletes the old scratch table,
// builds the new one there from the source and copies it into `main`.
// Nothing in main changes unless the result is Replaced.
ReplaceResult ReplaceWholeTable(MappedFile* main, const char16_t* sourcePath, const char16_t* scratchPath,
                                const ReplaceOps& ops, OperationCallbacks* callbacks);

// The message the page shows for a result; null for Replaced and
// ScratchNotOpened, after which the page only refills its list.
const char16_t* ReplaceResultMessage(ReplaceResult result);
