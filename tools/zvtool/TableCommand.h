// zvtool build, import, export, remove, clear and check: the code table
// operations of the management page on table files, and the check of a
// table's invariants.
#pragma once

#include <iosfwd>
#include <string>

// Builds OUTPUT from SOURCE as a whole-table replacement builds its scratch
// table, printing the malformed entries, the statistics and the counts to
// `out`. The output is replaced only by a complete table. 0 on success, 1
// when the source cannot be read or the table cannot be written.
int RunBuildCommand(const std::string& sourcePath, const std::string& outputPath, std::ostream& out,
                    std::ostream& err);

// Exports the table, a word list as its texts, a code table whole (every
// category, as if each were permitted) or only category `category` (1 to 4,
// 16 to 31; 0 for all). 0 on success, 1 when the table cannot be read or
// the text not written, 2 for a category that does not exist.
int RunExportCommand(const std::string& tablePath, const std::string& outputPath, int category, std::ostream& out,
                     std::ostream& err);

// Imports the source into the table (into `category`, 0 for the whole
// table) as the page's import does, without word lines (they need the
// settings and danzi.dmi), logging the refused lines to the log in the
// temporary folder. 0 on success, 1 when a file cannot be read or written.
int RunImportCommand(const std::string& tablePath, const std::string& sourcePath, int category, std::ostream& out,
                     std::ostream& err);

// Removes one category (1 to 4, 16 to 31) from a code table, or clears the
// table (temp.dmg by its fixed slots).
int RunRemoveCommand(const std::string& tablePath, int category, std::ostream& out, std::ostream& err);
int RunClearCommand(const std::string& tablePath, std::ostream& out, std::ostream& err);

// Checks the table with ValidateTable (default order), printing "valid" or
// the first violated invariant. 0 only when the table is valid.
int RunCheckCommand(const std::string& tablePath, std::ostream& out, std::ostream& err);
