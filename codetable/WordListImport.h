// The import of the association and English tables (sysl.dmg, engl.dmg): a
// complete new word list built from the source text in a scratch file and
// copied over the old table.
#pragma once

#include <optional>

#include "codetable/OperationCallbacks.h"

inline constexpr char16_t kWordListImportQuestion[] =
    u"该操作将清空选中码表中已有的所有词条，并且不可恢复。\r\n确定这样做吗？";
inline constexpr char16_t kWordListImportCaption[] = u"词条导入";
inline constexpr char16_t kWordListImportDone[] = u"词条导入成功。";
inline constexpr char16_t kWordListImportFailed[] = u"词条导入失败。";
inline constexpr char16_t kWordListScratchName[] = u"__templx_.dmg";

// Builds the word list of the source's texts at `scratchPath`: one text per
// line ("//" lines are comments, "///" stands for the line without its first
// "/"), duplicates dropped, each text cut at a character to at most 250
// UTF-8 bytes, records in reading order with orders counting down from
// 32,767 per first unit, the index sorted. The '#' flag: whether the lines
// read while only the first text was kept, the last of them, contain "#".
// None when the source cannot be read, has no text, or the file cannot be
// created.
std::optional<bool> BuildWordListTable(const char16_t* sourcePath, const char16_t* scratchPath,
                                       OperationCallbacks* callbacks);

// Copies the scratch file over the beginning of the table, growing the table
// first when it is shorter; a longer table keeps its bytes after the copy.
bool CopyTableOver(const char16_t* scratchPath, const char16_t* tablePath);

// BuildWordListTable, then CopyTableOver: the '#' flag, or none on failure.
std::optional<bool> WordListImport(const char16_t* tablePath, const char16_t* sourcePath,
                                   const char16_t* scratchPath, OperationCallbacks* callbacks);
