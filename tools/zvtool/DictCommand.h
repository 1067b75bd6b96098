// zvtool dict: a dict.dms from a text of "headword<TAB>explanation" lines.
#pragma once

#include <string>
#include <vector>

#include "dict/DictData.h"

// The entries of the source text; lines without a TAB or with an empty or
// over-long headword are counted in `skipped`.
std::vector<DictSourceEntry> ReadDictSource(std::istream& in, size_t& skipped);

int RunDictCommand(const std::string& sourcePath, const std::string& outputPath);
