#include "tools/zvtool/TableCommand.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "base/Utf8.h"
#include "codetable/TableReplacement.h"
#include "codetable/TableValidation.h"

namespace {

// The reports as console lines: CR LF becomes LF.
std::string ConsoleText(std::u16string_view text) {
    std::string line = Utf8Of(text);
    for (size_t at; (at = line.find("\r\n")) != std::string::npos;) line.erase(at, 1);
    return line;
}

// Prints the reports, and a progress bar on a terminal.
class ConsoleCallbacks final : public OperationCallbacks {
public:
    ConsoleCallbacks(std::ostream& out, std::ostream& err, bool bar) : out_(out), err_(err), bar_(bar) {}
    ~ConsoleCallbacks() { ClearBar(); }

    void Progress(uint64_t position, uint64_t total) override {
        if (!bar_ || total == 0) return;
        const int percent = static_cast<int>(position * 100 / total);
        if (percent == shown_) return;
        shown_ = percent;
        err_ << "\r[" << std::string(percent / 5, '#') << std::string(20 - percent / 5, ' ') << "] " << percent << "%"
             << std::flush;
    }
    void Report(std::u16string_view text) override {
        ClearBar();
        out_ << ConsoleText(text) << "\n";
    }

private:
    void ClearBar() {
        if (shown_ < 0) return;
        err_ << "\r" << std::string(28, ' ') << "\r" << std::flush;
        shown_ = -1;
    }

    std::ostream& out_;
    std::ostream& err_;
    bool bar_;
    int shown_ = -1;
};

}  // namespace

int RunBuildCommand(const std::string& sourcePath, const std::string& outputPath, std::ostream& out,
                    std::ostream& err) {
    // Built beside the output and moved over it, so a failed build leaves an
    // old table as it was.
    const std::string partPath = outputPath + ".part";
    const std::u16string source = Utf16Of(sourcePath), part = Utf16Of(partPath);
    BuildSummary summary;
    BuildResult result;
    {
        ConsoleCallbacks callbacks(out, err, &err == &std::cerr && isatty(STDERR_FILENO));
        result = BuildCodeTableFromSource(source.c_str(), part.c_str(), {}, &callbacks, &summary);
    }
    std::error_code error;
    if (result == BuildResult::SourceUnreadable) {
        err << "zvtool: cannot read " << sourcePath << "\n";
        return 1;
    }
    if (result == BuildResult::TableNotWritten) {
        std::filesystem::remove(partPath, error);
        err << "zvtool: cannot write " << outputPath << "\n";
        return 1;
    }
    std::filesystem::rename(partPath, outputPath, error);
    if (error) {
        std::filesystem::remove(partPath, error);
        err << "zvtool: cannot write " << outputPath << "\n";
        return 1;
    }
    out << "zvtool: " << summary.unique << " unique entries of " << summary.lines << " lines written to " << outputPath
        << " (" << summary.duplicates << " duplicates, " << summary.refused << " lines refused)\n";
    return 0;
}

int RunCheckCommand(const std::string& tablePath, std::ostream& out, std::ostream& err) {
    std::ifstream in(tablePath, std::ios::binary);
    std::vector<uint8_t> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (!in || bytes.size() > UINT32_MAX) {
        err << "zvtool: cannot read " << tablePath << "\n";
        return 1;
    }
    // A view of the bytes read, so that the check never touches the file.
    MappedFile table{};
    table.size = static_cast<uint32_t>(bytes.size());
    table.view = bytes.empty() ? nullptr : bytes.data();
    const std::string problem = ValidateTable(&table, nullptr, nullptr);
    if (!problem.empty()) {
        out << tablePath << ": " << problem << "\n";
        return 1;
    }
    out << tablePath << ": valid\n";
    return 0;
}
