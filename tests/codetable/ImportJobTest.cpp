// Importing source texts into main.dmg: what each line adds or logs, the
// directives, the commit into the table, and an export imported back.
#include "codetable/ImportJob.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "codetable/CodeTable.h"
#include "codetable/TableExport.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"

namespace {

uint32_t Flags(uint8_t category, uint16_t order, bool deleted = false) {
    EntryFlags flags;
    flags.setCategory(category);
    flags.setOrder(order);
    flags.setDeleted(deleted);
    return flags.value;
}

struct Imported {
    uint64_t added;
    std::u16string log;
    std::vector<EntryText> entries;
};

// Imports `source` into a table of `records` for `target`; the log as text.
Imported Import(const std::string& source, const std::vector<Bytes>& records, uint8_t target = 0,
                const WordCodeRule* rules = nullptr, MappedFile* characters = nullptr) {
    TempDir dir;
    std::ofstream(dir.path() / "source.txt", std::ios::binary) << source;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", records);
    uint64_t added, logged;
    {
        ImportLog log(dir.File("log.txt").c_str());
        ImportJob job;
        job.table = table.get();
        job.log = &log;
        job.targetCategory = target;
        job.wordCodeRules = rules;
        job.characters = characters;
        added = ImportWords(job, dir.File("source.txt").c_str());
        logged = log.lineCount();
    }
    EXPECT_EQ(ValidateTable(table.get(), nullptr, nullptr), "");
    const Bytes bytes = ReadBytes(dir.path() / "log.txt");
    EXPECT_TRUE(bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE);
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) text += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    EXPECT_EQ(static_cast<uint64_t>(std::count(text.begin(), text.end(), u'\n')), logged);
    return {added, text, EntriesOf(table.get())};
}

TEST(ImportWordsTest, AddsNewEntriesAndLogsEveryOtherLine) {
    const Imported result = Import("// 注释\n新\tgh\n新\tgh\n工人\tab\n中国\tcd\n中国\tcd#删\nx\t\n词\tij#用#序5\n"
                                   "a\\\\r\\t\tk\n---config@码表别名=x\n",
                                   {Record("ab", "工人", Flags(1, 9, true)), Record("cd", "中国", Flags(1, 9))});
    EXPECT_EQ(result.added, 3u);
    EXPECT_EQ(result.log, u"新 ----------重复的词条定义\r\n"
                          u"工人 ----------存在于系统码表，已取消删除标志\r\n"
                          u"中国 ----------已存在于系统码表，未做任何操作\r\n"
                          u"中国 ----------存在于系统码表，并已设置删除标准\r\n"
                          u"x ----------无法创建词条\r\n");
    EXPECT_EQ(result.entries, (std::vector<EntryText>{{"ab", "工人", Flags(1, 9)},
                                                       {"cd", "中国", Flags(1, 9, true)},
                                                       {"gh", "新", Flags(1, 1024)},
                                                       {"ij", "词", Flags(2, 5)},
                                                       {"k", "a\\r\t", Flags(1, 1024)}}));
}

TEST(ImportWordsTest, TargetCategoryAndDirectives) {
    struct Case {
        const char* what;
        std::string source;
        uint8_t target;
        uint32_t flags;  // of the one entry added, 0 for none
    };
    const Case cases[] = {
        {"target category", "甲\tkl", 3, Flags(3, 1024)},
        {"marker of another category", "甲\tkl#用", 1, 0},
        {"marker of the target", "甲\tkl#用", 2, Flags(2, 1024)},
        {"directive category for the whole table", "甲\tkl\n---config@码表分类=主码-用户码表", 0, Flags(2, 1024)},
        {"directive category against the target", "---config@码表分类=主码-用户码表\n甲\tkl", 1, 0},
        {"custom 0 counts as 1", "---config@码表分类=主码-0\n甲\tkl", 0, Flags(16, 1024)},
        {"negative custom counts as 16", "---config@码表分类=主码--2\n甲\tkl", 0, Flags(31, 1024)},
        {"global order", "---config@全局排序数值=77\n甲\tkl", 0, Flags(1, 77)},
        {"own order wins", "---config@全局排序数值=77\n甲\tkl#序3", 0, Flags(1, 3)},
    };
    for (const Case& c : cases) {
        const Imported result = Import(c.source, {}, c.target);
        if (c.flags == 0) {
            EXPECT_EQ(result.added, 0u) << c.what;
            EXPECT_EQ(result.log, u"甲 ----------与所选分类不匹配的词条类别\r\n") << c.what;
        } else {
            ASSERT_EQ(result.entries.size(), 1u) << c.what;
            EXPECT_EQ(result.entries[0].flags, c.flags) << c.what;
        }
    }
}

TEST(ImportWordsTest, WordLinesTakeTheirCodeFromTheRules) {
    MappedFilePtr characters =
        SortedCharacterTable({CharacterRecordBytes("工", "aaaa"), CharacterRecordBytes("人", "wwww")});
    WordCodeRule rules[32] = {};
    StoreRule(rules[2], std::vector<RuleItem>{0x0101, 0x0102, 0x0201, 0x0202});
    std::string thirtyOne;
    for (int i = 0; i < 31; ++i) thirtyOne += "工";
    const Imported result =
        Import("工人\n工人\n人工\n天地\n" + thirtyOne + "\n", {Record("wwaa", "人工", Flags(1, 1))}, 0, rules,
               characters.get());
    EXPECT_EQ(result.added, 1u);
    EXPECT_EQ(result.log, u"工人 ----------重复的定义\r\n"
                          u"人工 ----------已存在于系统码表\r\n"
                          u"天地 ----------无法依据构词规则生成目标编码\r\n" +
                              std::u16string(31, u'工') + u" ----------自动构词长度不能大于30\r\n");
    EXPECT_EQ(result.entries[0], (EntryText{"aaww", "工人", Flags(1, 1024)}));
}

TEST(ImportWordsTest, CommitGrowsTheTableAndKeepsItValid) {
    std::string source;
    for (int i = 0; i < 500; ++i) source += "词" + std::to_string(i) + "\tc" + std::to_string(i) + "\n";
    const Imported result = Import(source, {Record("a", "一"), Record("b", "二")});
    EXPECT_EQ(result.added, 500u);
    EXPECT_EQ(result.entries.size(), 502u);
    EXPECT_EQ(result.log, u"");
}

TEST(ImportWordsTest, AnExportImportedIntoAnEmptyTableRestoresEveryEntry) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg",
                                           {Record("a", "一", Flags(1, 16383)), Record("a", "二", Flags(2, 5, true)),
                                            Record("bc", "三\t四", Flags(20, 300) | 1u << 30), Record("d", "五", Flags(4, 1))});
    ExportJob job;
    job.categoryFlags.fill(1);
    ASSERT_EQ(ExportTable(table.get(), job, dir.File("export.txt").c_str()), 4);
    std::ifstream in(dir.path() / "export.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    const Imported result = Import(text, {});
    EXPECT_EQ(result.added, 4u);
    EXPECT_EQ(result.entries, EntriesOf(table.get()));
}

TEST(ImportWordsTest, UnreadableSourceAddsNothing) {
    TempDir dir;
    MappedFilePtr table = WriteSortedTable(dir, "main.dmg", {Record("a", "一")});
    ImportJob job;
    job.table = table.get();
    EXPECT_EQ(ImportWords(job, dir.File("missing.txt").c_str()), 0u);
    EXPECT_EQ(EntriesOf(table.get()).size(), 1u);
}

}  // namespace
