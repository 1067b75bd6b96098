// danzi.dmi, the single characters and their codes, in the container of the
// code tables: entryCount at byte 4 and an index at 65,692 sorted by
// character. A record's bytes from offset 5 are the character's UTF-8 and a
// zero byte; its byte 4, k, places the code text, UTF-8 and zero-terminated,
// at offset k + 6. One character may have several adjacent records.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/MappedFile.h"

struct CharacterRecord {
    uint32_t offset;
    std::string_view character;  // UTF-8, without its zero byte
    std::string_view code;       // UTF-8, without its zero byte
};

class CharacterTable {
public:
    explicit CharacterTable(MappedFile* file) : file_(file) {}

    // entryCount, cut to the index slots inside the view.
    uint32_t slotCount() const;
    // The record at `position`, or none when a field or its zero byte lies
    // outside the view.
    std::optional<CharacterRecord> recordAt(uint32_t position) const;

private:
    MappedFile* file_;
};

// The records of character `c`, lowest file offset first; empty when it is
// absent or there is no table.
std::vector<CharacterRecord> LookupCharacter(MappedFile* table, char32_t c);
