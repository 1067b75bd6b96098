// The prefix table: for the key characters c1 and c2, cells [c1][0] to
// [c1][1] hold the index range of the codes beginning with c1, and cells
// [c1][c2] to [c1][c2 + 1] that of the codes beginning with c1 c2. The input
// method uses it to reach the candidates of a typed prefix at once; every
// other cell is 0. It is derived from the index and rebuilt after each change
// of its order or count.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "codetable/CodeOps.h"
#include "platform/MappedFile.h"

// The 111 bytes whose prefixes the table covers, in the order they are
// computed: space, a–z, 1–9 and 0, A–Z, 32 punctuation marks, and 0x0A–0x19
// (the stored forms of U+FF0A–U+FF19).
constexpr std::array<uint8_t, 111> KeyCharacters = {
    ' ',  'a',  'b',  'c',  'd',  'e',  'f',  'g',  'h',  'i',  'j',  'k',  'l',  'm',  'n',  'o',
    'p',  'q',  'r',  's',  't',  'u',  'v',  'w',  'x',  'y',  'z',  '1',  '2',  '3',  '4',  '5',
    '6',  '7',  '8',  '9',  '0',  'A',  'B',  'C',  'D',  'E',  'F',  'G',  'H',  'I',  'J',  'K',
    'L',  'M',  'N',  'O',  'P',  'Q',  'R',  'S',  'T',  'U',  'V',  'W',  'X',  'Y',  'Z',  '`',
    '-',  '=',  '[',  ']',  '\\', ';',  '\'', ',',  '.',  '/',  '~',  '!',  '@',  '#',  '$',  '%',
    '^',  '&',  '*',  '(',  ')',  '_',  '+',  '{',  '}',  '|',  ':',  '"',  '<',  '>',  '?',  0x0A,
    0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19,
};

constexpr int kPrefixCells = 128 * 128;

// The cells a rebuild writes, row-major, from the index ordered by
// `compareCode` (null: the code bytes); empty without a table.
std::vector<uint32_t> ComputePrefixTable(MappedFile* table, CompareKeysFunction compareCode);

// Rewrites the table's prefix table; nothing without a table.
void BuildPrefixTable(MappedFile* table, CompareKeysFunction compareCode);
