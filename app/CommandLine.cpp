#include "app/CommandLine.h"

#include <limits>

#include "base/FixedText.h"

namespace {

bool IsQuote(char16_t c) { return c == u'\'' || c == u'"'; }

// The value that starts right after the first occurrence of `name`, or none
// when the switch does not occur. A quoted value runs to the next quotation
// mark of either kind; any other value to the next blank.
bool FindSwitch(std::u16string_view line, std::u16string_view name, std::u16string_view& value) {
    const size_t at = line.find(name);
    if (at == std::u16string_view::npos) return false;
    std::u16string_view rest = line.substr(at + name.size());
    if (!rest.empty() && IsQuote(rest.front())) {
        rest.remove_prefix(1);
        size_t end = 0;
        while (end < rest.size() && !IsQuote(rest[end])) ++end;
        value = rest.substr(0, end);
    } else {
        value = rest.substr(0, rest.find(u' '));
    }
    return true;
}

// Leading decimal digits; none gives 0. Saturates instead of overflowing.
int32_t LeadingDecimal(std::u16string_view text) {
    int64_t n = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        n = n * 10 + (c - u'0');
        if (n > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(n);
}

}  // namespace

CommandLineOptions ParseCommandLine(std::u16string_view line) {
    CommandLineOptions options;
    std::u16string_view value;
    if (FindSwitch(line, u"/n ", value)) CopyCut(options.imeGuidText, value);
    if (FindSwitch(line, u"/do ", value)) CopyCut(options.mode, value);

    if (FindSwitch(line, u"/showurl ", value)) {
        CopyCut(options.mode, u"showurl");
        CopyCut(options.argument, value);
        if (FindSwitch(line, u"/showurlCX ", value)) options.htmlWidth = LeadingDecimal(value);
        if (FindSwitch(line, u"/showurlCY ", value)) options.htmlHeight = LeadingDecimal(value);
        options.htmlLeft = -1;
        options.htmlTop = -1;
        return options;
    }

    if (FindSwitch(line, u"/dict ", value)) {
        CopyCut(options.mode, u"dict");
        CopyCut(options.argument, value);
    }
    const std::u16string_view currver = u"/currver";
    const size_t at = line.find(currver);
    if (at != std::u16string_view::npos) {
        // The one character after the switch separates it from the version.
        const size_t start = at + currver.size() + 1;
        std::u16string_view version = start < line.size() ? line.substr(start) : std::u16string_view();
        version = version.substr(0, std::size(options.currentVersion) - 1);
        CopyCut(options.currentVersion, version.substr(0, version.find(u' ')));
    }
    return options;
}

std::u16string_view SkipProgramPath(std::u16string_view line) {
    size_t at = 0;
    if (!line.empty() && line.front() == u'"') {
        const size_t close = line.find(u'"', 1);
        at = close == std::u16string_view::npos ? line.size() : close + 1;
    } else {
        while (at < line.size() && line[at] != u' ' && line[at] != u'\t') ++at;
    }
    while (at < line.size() && (line[at] == u' ' || line[at] == u'\t')) ++at;
    return line.substr(at);
}
