// Source texts of the code table operations: a text file read whole and
// decoded, and the lines it is made of.
#pragma once

#include <cstddef>
#include <string_view>

#include "config/TextFile.h"

// The text of the file at `path`, decoded as any text file is (UTF-8 with or
// without its byte order mark, UTF-16LE or UTF-16BE with theirs, else the ANSI
// code page), up to its first NUL.
inline TextFileStatus ReadSourceText(const char16_t* path, std::u16string& text) { return ReadTextFile(path, text); }

// Calls `visit(start, length)` for each line of `text` in order: a run of CR
// and LF ends a line, so no line is empty.
template <typename Visit>
void ForEachSourceLine(std::u16string_view text, Visit&& visit) {
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == u'\r' || text[at] == u'\n')) ++at;
        const size_t start = at;
        while (at < text.size() && text[at] != u'\r' && text[at] != u'\n') ++at;
        if (at > start) visit(start, at - start);
    }
}

// Backslash escapes of a word, read once from left to right: "\\" is a
// backslash, "\r" a line break (CR LF), "\t" a TAB and, where read, "\s" a
// space; any other backslash stays. Edits `word` in place, which never grows,
// and returns its new length.
enum class SpaceEscape { Kept, Read };
inline size_t ApplyWordEscapes(char16_t* word, size_t length, SpaceEscape space) {
    size_t out = 0;
    for (size_t i = 0; i < length; ++i) {
        const char16_t next = i + 1 < length ? word[i + 1] : 0;
        const bool escape = word[i] == u'\\' && (next == u'\\' || next == u'r' || next == u't' ||
                                                 (next == u's' && space == SpaceEscape::Read));
        if (!escape) {
            word[out++] = word[i];
            continue;
        }
        ++i;
        if (next == u'r') {
            word[out++] = u'\r';
            word[out++] = u'\n';
        } else {
            word[out++] = next == u'\\' ? u'\\' : next == u't' ? u'\t' : u' ';
        }
    }
    return out;
}
