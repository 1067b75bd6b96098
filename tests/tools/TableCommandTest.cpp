// zvtool build and check: the printed reports, the exit codes, and an output
// that only a complete table replaces.
#include "tools/zvtool/TableCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/codetable/TableTestSupport.h"
#include "tests/support/TempDir.h"

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Build(const TempDir& dir, const std::string& source, const std::string& output) {
    std::ostringstream out, err;
    const int code = RunBuildCommand((dir.path() / source).string(), (dir.path() / output).string(), out, err);
    return {code, out.str(), err.str()};
}

ToolRun Check(const TempDir& dir, const std::string& table) {
    std::ostringstream out, err;
    const int code = RunCheckCommand((dir.path() / table).string(), out, err);
    return {code, out.str(), err.str()};
}

std::vector<uint8_t> TextBytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(TableCommandTest, BuildsAValidTableAndPrintsItsReports) {
    TempDir dir;
    WriteBytes(dir.path() / "source.txt", TextBytes("中\tk\n中\tk\nno tab\n" + std::string(300, 'x') + "\tk\n"));
    const ToolRun build = Build(dir, "source.txt", "main.dmg");
    EXPECT_EQ(build.code, 0) << build.err;
    EXPECT_NE(build.out.find("格式错误的词条定义: " + std::string(300, 'x') + " k\n"), std::string::npos);
    EXPECT_NE(build.out.find("　　码表信息: \n　　  码表大小: 10字节\n　　  原始码表行数: 4\n　　  有效编码行数: 2\n"),
              std::string::npos);
    EXPECT_NE(build.out.find("1 duplicates, 1 lines refused"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "main.dmg.part"));

    const ToolRun check = Check(dir, "main.dmg");
    EXPECT_EQ(check.code, 0);
    EXPECT_NE(check.out.find(": valid"), std::string::npos);
}

TEST(TableCommandTest, ExportsATableThatBuildsTheSameTable) {
    TempDir dir;
    WriteBytes(dir.path() / "source.txt", TextBytes("中\tk#用\n人\tw#固\n国\tl#类2\n"));
    ASSERT_EQ(Build(dir, "source.txt", "first.dmg").code, 0);
    std::ostringstream out, err;
    ASSERT_EQ(RunExportCommand((dir.path() / "first.dmg").string(), (dir.path() / "export.txt").string(), 0, out, err), 0);
    EXPECT_NE(out.str().find("3 entries exported"), std::string::npos);
    ASSERT_EQ(Build(dir, "export.txt", "second.dmg").code, 0);
    // The same entries, though written in the export's order.
    MappedFilePtr first(OpenMappedFile(dir.File("first.dmg").c_str())), second(OpenMappedFile(dir.File("second.dmg").c_str()));
    EXPECT_EQ(EntriesOf(first.get()), EntriesOf(second.get()));
    EXPECT_EQ(first->size, second->size);

    ASSERT_EQ(RunExportCommand((dir.path() / "first.dmg").string(), (dir.path() / "user.txt").string(), 2, out, err), 0);
    const std::vector<uint8_t> user = ReadBytes(dir.path() / "user.txt");
    EXPECT_EQ(std::string(user.begin(), user.end()),
              "\xEF\xBB\xBF---config@码表分类=主码-用户码表\r\n---config@码表别名=\r\n中\tk#序16383\r\n");
    EXPECT_EQ(RunExportCommand((dir.path() / "first.dmg").string(), (dir.path() / "x.txt").string(), 5, out, err), 2);
}

TEST(TableCommandTest, ImportRemoveAndClearKeepTheTableValid) {
    TempDir dir;
    WriteBytes(dir.path() / "source.txt", TextBytes("中\tk\n人\tw#用\n"));
    ASSERT_EQ(Build(dir, "source.txt", "main.dmg").code, 0);
    WriteBytes(dir.path() / "more.txt", TextBytes("国\tl#用\n中\tk\n"));
    const std::string table = (dir.path() / "main.dmg").string();
    std::ostringstream out, err;
    ASSERT_EQ(RunImportCommand(table, (dir.path() / "more.txt").string(), 0, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("1 entries added, 1 lines not added"), std::string::npos);
    EXPECT_EQ(Check(dir, "main.dmg").code, 0);

    ASSERT_EQ(RunRemoveCommand(table, 2, out, err), 0);
    MappedFilePtr file(OpenMappedFile(dir.File("main.dmg").c_str()));
    ASSERT_EQ(EntriesOf(file.get()).size(), 1u);
    EXPECT_EQ(EntriesOf(file.get())[0].word, "中");
    file.reset();
    EXPECT_EQ(Check(dir, "main.dmg").code, 0);

    ASSERT_EQ(RunClearCommand(table, out, err), 0);
    EXPECT_EQ(Check(dir, "main.dmg").code, 0);
    EXPECT_EQ(RunRemoveCommand(table, 7, out, err), 2);
    EXPECT_EQ(RunClearCommand((dir.path() / "missing.dmg").string(), out, err), 1);
}

TEST(TableCommandTest, FailuresLeaveTheOutputAndReportWhy) {
    TempDir dir;
    WriteBytes(dir.path() / "old.dmg", TextBytes("old"));
    const ToolRun build = Build(dir, "missing.txt", "old.dmg");
    EXPECT_EQ(build.code, 1);
    EXPECT_NE(build.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.path() / "old.dmg"), TextBytes("old"));

    const ToolRun damaged = Check(dir, "old.dmg");
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.out.find("shorter than an empty table"), std::string::npos);
    const ToolRun missing = Check(dir, "missing.dmg");
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

}  // namespace
