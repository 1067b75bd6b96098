#include "tools/zvtool/TableCommand.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "base/Utf8.h"
#include "codetable/CategoryRemoval.h"
#include "codetable/ImportJob.h"
#include "codetable/TableClearing.h"
#include "codetable/TableExport.h"
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

namespace {

// The table's bytes, read whole so that the tool never changes the file.
bool ReadTable(const std::string& path, std::vector<uint8_t>& bytes, MappedFile& table, std::ostream& err) {
    std::ifstream in(path, std::ios::binary);
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (!in || bytes.size() > UINT32_MAX) {
        err << "zvtool: cannot read " << path << "\n";
        return false;
    }
    table = MappedFile{};
    table.size = static_cast<uint32_t>(bytes.size());
    table.view = bytes.empty() ? nullptr : bytes.data();
    return true;
}

bool IsCategoryOrWhole(int category, std::ostream& err) {
    if (category >= 0 && category < kCategoryCount && !(category > kCategoryAuxiliary && category < kFirstCustomCategory))
        return true;
    err << "zvtool: there is no category " << category << "\n";
    return false;
}

// The table mapped for writing; null, reported, when it cannot be.
MappedFilePtr OpenTableForChange(const std::string& path, std::ostream& err) {
    MappedFilePtr table(OpenMappedFile(Utf16Of(path).c_str()));
    if (!table || !IsMappedToFile(*table)) {
        err << "zvtool: cannot open " << path << " for writing\n";
        return nullptr;
    }
    return table;
}

}  // namespace

int RunImportCommand(const std::string& tablePath, const std::string& sourcePath, int category, std::ostream& out,
                     std::ostream& err) {
    if (!IsCategoryOrWhole(category, err)) return 2;
    MappedFilePtr table = OpenTableForChange(tablePath, err);
    if (!table) return 1;
    if (!CodeTable(table.get()).hasSoundLayout() || CodeTable(table.get()).isWordList()) {
        err << "zvtool: " << tablePath << " is no sound code table\n";
        return 1;
    }
    const std::filesystem::path logPath = std::filesystem::temp_directory_path() / std::filesystem::path(kImportLogName);
    ImportLog log(logPath.u16string().c_str());
    ImportJob job;
    job.table = table.get();
    job.log = &log;
    job.targetCategory = static_cast<uint8_t>(category);
    const uint64_t added = ImportWords(job, Utf16Of(sourcePath).c_str());
    out << "zvtool: " << added << " entries added, " << log.lineCount() << " lines not added";
    if (log.lineCount()) out << " (listed in " << logPath.string() << ")";
    out << "\n";
    return 0;
}

int RunRemoveCommand(const std::string& tablePath, int category, std::ostream& out, std::ostream& err) {
    if (category == 0 || !IsCategoryOrWhole(category, err)) return 2;
    MappedFilePtr table = OpenTableForChange(tablePath, err);
    if (!table) return 1;
    if (!RemoveCategories(table.get(), 1u << category, nullptr)) {
        err << "zvtool: " << tablePath << " is no sound code table\n";
        return 1;
    }
    out << "zvtool: category " << category << " removed, " << CodeTable(table.get()).entryCount() << " entries left\n";
    return 0;
}

int RunClearCommand(const std::string& tablePath, std::ostream& out, std::ostream& err) {
    MappedFilePtr table = OpenTableForChange(tablePath, err);
    if (!table) return 1;
    if (!ClearTableAt(table.get(), Utf16Of(tablePath))) {
        err << "zvtool: " << tablePath << " is no table that can be cleared\n";
        return 1;
    }
    out << "zvtool: " << tablePath << " cleared\n";
    return 0;
}

int RunExportCommand(const std::string& tablePath, const std::string& outputPath, int category, std::ostream& out,
                     std::ostream& err) {
    if (!IsCategoryOrWhole(category, err)) return 2;
    std::vector<uint8_t> bytes;
    MappedFile table;
    if (!ReadTable(tablePath, bytes, table, err)) return 1;
    ExportJob job;
    job.selector = CodeTable(&table).hasView() && CodeTable(&table).isWordList() ? kExportWordList : category;
    job.categoryFlags.fill(1);
    const int64_t count = ExportTable(&table, job, Utf16Of(outputPath).c_str());
    if (count < 0) {
        err << "zvtool: cannot write " << outputPath << "\n";
        return 1;
    }
    out << "zvtool: " << count << " entries exported to " << outputPath << "\n";
    return 0;
}

int RunCheckCommand(const std::string& tablePath, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> bytes;
    MappedFile table;
    if (!ReadTable(tablePath, bytes, table, err)) return 1;
    const std::string problem = ValidateTable(&table, nullptr, nullptr);
    if (!problem.empty()) {
        out << tablePath << ": " << problem << "\n";
        return 1;
    }
    out << tablePath << ": valid\n";
    return 0;
}
