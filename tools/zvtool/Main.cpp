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
//   zvtool import TABLE.dmg SOURCE.txt [CATEGORY]
//       adds the lines "word<TAB>code" of a source to a code table (into one
//       category, or by their markers and directives); prints the counts and
//       where the log of the lines not added is
//   zvtool remove TABLE.dmg CATEGORY
//       removes the entries of one category (1 to 4, 16 to 31)
//   zvtool clear TABLE.dmg
//       empties a table (temp.dmg by pointing it at its fixed slots)
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
                 "       zvtool import TABLE.dmg SOURCE.txt [CATEGORY]\n"
                 "       zvtool remove TABLE.dmg CATEGORY\n"
                 "       zvtool clear TABLE.dmg\n"
                 "       zvtool export TABLE.dmg OUTPUT.txt [CATEGORY]\n"
                 "       zvtool check TABLE.dmg\n";
    return 2;
}

// A category number argument; false when it is no number.
bool Category(const char* text, int& category) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != 0 || value < -1 || value > 1000) return false;
    category = static_cast<int>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "dict" && argc == 4) return RunDictCommand(argv[2], argv[3]);
    if (command == "build" && argc == 4) return RunBuildCommand(argv[2], argv[3], std::cout, std::cerr);
    int category = 0;
    if ((command == "export" || command == "import") && (argc == 4 || (argc == 5 && Category(argv[4], category)))) {
        return command == "export" ? RunExportCommand(argv[2], argv[3], category, std::cout, std::cerr)
                                   : RunImportCommand(argv[2], argv[3], category, std::cout, std::cerr);
    }
    if (command == "remove" && argc == 4 && Category(argv[3], category))
        return RunRemoveCommand(argv[2], category, std::cout, std::cerr);
    if (command == "clear" && argc == 3) return RunClearCommand(argv[2], std::cout, std::cerr);
    if (command == "check" && argc == 3) return RunCheckCommand(argv[2], std::cout, std::cerr);
    return Usage();
}
