#include "codetable/WordCode.h"

#include <algorithm>
#include <vector>

#include "base/Utf8.h"
#include "codetable/CharacterTable.h"

namespace {

constexpr size_t kMaxCharacterCodeUnits = 64;

std::vector<char32_t> CharactersOf(std::u16string_view word) {
    std::vector<char32_t> characters;
    size_t units = 0;
    for (size_t at = 0; at < word.size(); at += units) characters.push_back(CodePointAt(word, at, units));
    return characters;
}

}  // namespace

std::u16string MakeWordCode(std::u16string_view word, const WordCodeRule& rule, MappedFile* table) {
    const std::vector<char32_t> characters = CharactersOf(word);
    std::u16string code;
    for (const RuleItem item : RuleItemsOf(rule)) {
        const size_t position = static_cast<size_t>(RuleCharacter(item));
        if (position == 0 || characters.empty()) continue;
        const std::vector<CharacterRecord> found =
            LookupCharacter(table, characters[std::min(position, characters.size()) - 1]);
        if (found.empty()) continue;
        const std::u16string characterCode = Utf16Of(found.front().code).substr(0, kMaxCharacterCodeUnits);
        const size_t letter = static_cast<size_t>(RuleLetter(item));
        std::u16string_view part = characterCode;
        if (letter > 0) part = letter <= part.size() ? part.substr(letter - 1, 1) : std::u16string_view();
        code += part.substr(0, kMaxWordCodeUnits - code.size());
    }
    return code;
}
