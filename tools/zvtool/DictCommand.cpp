#include "tools/zvtool/DictCommand.h"

#include <fstream>
#include <iostream>

std::vector<DictSourceEntry> ReadDictSource(std::istream& in, size_t& skipped) {
    std::vector<DictSourceEntry> entries;
    skipped = 0;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        first = false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab > 255) {
            ++skipped;
            continue;
        }
        entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return entries;
}

int RunDictCommand(const std::string& sourcePath, const std::string& outputPath) {
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        std::cerr << "zvtool: cannot read " << sourcePath << "\n";
        return 1;
    }
    size_t skipped = 0;
    const std::vector<DictSourceEntry> entries = ReadDictSource(in, skipped);
    const std::vector<uint8_t> file = BuildDictFile(entries);
    std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::cerr << "zvtool: cannot write " << outputPath << "\n";
        return 1;
    }
    std::cout << "zvtool: " << entries.size() << " records written to " << outputPath;
    if (skipped) std::cout << " (" << skipped << " lines skipped)";
    std::cout << "\n";
    return 0;
}
