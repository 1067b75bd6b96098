// zvtool build and zvtool check: a code table from a replacement source, and
// the check of a table's invariants.
#pragma once

#include <iosfwd>
#include <string>

// Builds OUTPUT from SOURCE as a whole-table replacement builds its scratch
// table, printing the malformed entries, the statistics and the counts to
// `out`. The output is replaced only by a complete table. 0 on success, 1
// when the source cannot be read or the table cannot be written.
int RunBuildCommand(const std::string& sourcePath, const std::string& outputPath, std::ostream& out,
                    std::ostream& err);

// Checks the table with ValidateTable (default order), printing "valid" or
// the first violated invariant. 0 only when the table is valid.
int RunCheckCommand(const std::string& tablePath, std::ostream& out, std::ostream& err);
