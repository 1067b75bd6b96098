// zvtool: the data side of the input method from the command line.
//
//   zvtool dict SOURCE.txt OUTPUT.dms
//       builds a dictionary from UTF-8 lines "headword<TAB>explanation"
//       (a byte order mark, empty lines and lines without a TAB are skipped)
//   zvtool build SOURCE.txt OUTPUT.dmg
//       builds a code table from a replacement source: lines "word<TAB>code"
//       with optional markers (#固 #用 #次 #辅 #类N #序N), "//" comments and
//       "---config@" directives, in UTF-8, UTF-16 or the ANSI code page;
//       prints the malformed entries and the statistics
//   zvtool export TABLE.dmg OUTPUT.txt [CATEGORY]
//       writes the table (or one category: 1 to 4, 16 to 31) as a source
//       text in UTF-8 that build reads again
//   zvtool check TABLE.dmg
//       checks a table's invariants; exit code 0 only when it is valid
//
// Exit code 0 on success, 1 when a file cannot be read or written (or a
// checked table is not valid), 2 for a wrong command line.
#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/zvtool/DictCommand.h"
#include "tools/zvtool/TableCommand.h"

namespace {

int Usage() {
    std::cerr << "usage: zvtool dict SOURCE.txt OUTPUT.dms\n"
                 "       zvtool build SOURCE.txt OUTPUT.dmg\n"
                 "       zvtool export TABLE.dmg OUTPUT.txt [CATEGORY]\n"
                 "       zvtool check TABLE.dmg\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "dict" && argc == 4) return RunDictCommand(argv[2], argv[3]);
    if (command == "build" && argc == 4) return RunBuildCommand(argv[2], argv[3], std::cout, std::cerr);
    if (command == "export" && (argc == 4 || argc == 5)) {
        char* end = nullptr;
        const long category = argc == 5 ? std::strtol(argv[4], &end, 10) : 0;
        if (argc == 5 && (*end != 0 || end == argv[4])) return Usage();
        return RunExportCommand(argv[2], argv[3], static_cast<int>(category), std::cout, std::cerr);
    }
    if (command == "check" && argc == 3) return RunCheckCommand(argv[2], std::cout, std::cerr);
    return Usage();
}
