#include "codetable/TableReplacement.h"

#include <cstring>
#include <filesystem>

#include "codetable/CodeTable.h"
#include "codetable/CodeTableWriter.h"
#include "codetable/ReplaceMessages.h"
#include "codetable/ReplaceSource.h"
#include "codetable/TableEditing.h"

ReplaceOps ReplaceOpsOf(const CodeOps& codeOps) {
    return {codeOps.encodeCode(), codeOps.compareCode(), codeOps.compareEntry()};
}

BuildResult BuildCodeTableFromSource(const char16_t* sourcePath, const char16_t* outputPath, const ReplaceOps& ops,
                                     OperationCallbacks* callbacks, BuildSummary* summary) {
    ReplaceJob job;
    const TextFileStatus read = LoadSourceText(job, sourcePath);
    if (summary) *summary = {read};
    if (read != kTextFileRead) return BuildResult::SourceUnreadable;
    job.encodeCode = ops.encodeCode;
    job.compareCode = ops.compareCode;
    job.compareEntry = ops.compareEntry;
    job.callbacks = callbacks;
    job.outputPath = outputPath;
    ParseSource(job);
    DeduplicateRecords(job);
    const bool written = WriteCodeTable(job);
    if (summary) *summary = {read, job.lineCount, job.refusedCount, job.duplicateCount, job.uniqueCount, job.byteTotal};
    return written ? BuildResult::Built : BuildResult::TableNotWritten;
}

bool CopyTableKeepingHeader(MappedFile* main, MappedFile* built) {
    const CodeTable source(built);
    if (!source.hasSoundLayout() || !CodeTable(main).hasView()) return false;
    const uint32_t s = source.size();
    if (main->size < s && !GrowTableFile(main, s)) return false;
    const CodeTable target(main);
    const uint32_t shift = target.size() - s;
    const uint32_t count = source.entryCount();
    target.setDataStart(source.dataStart() + shift);
    target.setEntryCount(count);
    std::memcpy(target.view() + kPrefixTableOffset, source.view() + kPrefixTableOffset, kPrefixTableSize);
    for (uint32_t i = 0; i < count; ++i) target.setSlot(i, source.slot(i) + shift);
    std::memcpy(target.view() + target.dataStart(), source.view() + source.dataStart(), s - source.dataStart());
    return true;
}

ReplaceResult ReplaceWholeTable(MappedFile* main, const char16_t* sourcePath, const char16_t* scratchPath,
                                const ReplaceOps& ops, OperationCallbacks* callbacks) {
    const std::filesystem::path scratch(scratchPath);
    std::error_code error;
    std::filesystem::remove(scratch, error);
    if (std::filesystem::exists(scratch, error) || error) return ReplaceResult::ScratchNotAccessible;
    BuildCodeTableFromSource(sourcePath, scratchPath, ops, callbacks);
    if (!std::filesystem::exists(scratch, error)) return ReplaceResult::ScratchNotCreated;
    const MappedFilePtr built(OpenMappedFile(scratchPath));
    if (!built) return ReplaceResult::ScratchNotOpened;
    return CopyTableKeepingHeader(main, built.get()) ? ReplaceResult::Replaced : ReplaceResult::MainNotResized;
}

const char16_t* ReplaceResultMessage(ReplaceResult result) {
    switch (result) {
        case ReplaceResult::ScratchNotAccessible: return kScratchNotAccessibleMessage;
        case ReplaceResult::ScratchNotCreated: return kScratchNotCreatedMessage;
        case ReplaceResult::MainNotResized: return kMainNotResizedMessage;
        case ReplaceResult::Replaced:
        case ReplaceResult::ScratchNotOpened: return nullptr;
    }
    return nullptr;
}
