// zvtool: the data side of the input method from the command line.
//
//   zvtool dict SOURCE.txt OUTPUT.dms
//       builds a dictionary from UTF-8 lines "headword<TAB>explanation"
//       (a byte order mark, empty lines and lines without a TAB are skipped)
//
// Exit code 0 on success, 1 when a file cannot be read or written, 2 for a
// wrong command line.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/zvtool/DictCommand.h"

namespace {

int Usage() {
    std::cerr << "usage: zvtool dict SOURCE.txt OUTPUT.dms\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "dict" && argc == 4) return RunDictCommand(argv[2], argv[3]);
    return Usage();
}
