// Reading replacement sources: which lines become records with which flags,
// the directives, the order counters and the removal of duplicates.
#include "codetable/ReplaceSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codetable/CodeTable.h"

namespace {

struct Parsed {
    std::u16string code, word;
    EntryFlags flags;
};

std::vector<Parsed> Parse(ReplaceJob& job) {
    ParseSource(job);
    std::vector<Parsed> records;
    for (const SourceRecord& r : job.records)
        records.push_back({std::u16string(RecordCode(job, r)), std::u16string(RecordWord(job, r)), {r.flags}});
    return records;
}

std::vector<Parsed> Parse(std::u16string_view text, ReplaceJob& job) {
    AddSourceText(job, text);
    return Parse(job);
}

uint32_t Flags(uint8_t category, uint16_t order, bool pinned = false) {
    EntryFlags flags;
    flags.setCategory(category);
    flags.setOrder(order);
    flags.setPinned(pinned);
    flags.setHeadMark(true);
    return flags.value;
}

TEST(ParseSourceLineTest, AcceptsWordTabCodeWithItsMarkersAndEscapes) {
    struct Case {
        const char* what;
        std::u16string line;
        std::u16string code, word;
        uint32_t flags;
    };
    const Case cases[] = {
        {"plain", u"工\ta", u"a", u"工", Flags(1, 16383)},
        {"markers", u"工人\tkmg#固#用#序12", u"kmg", u"工人", Flags(2, 12, true)},
        {"custom category held to 16", u"工\ta#类40", u"a", u"工", Flags(31, 16383)},
        {"escaped marker is text", u"工\tab##固", u"ab##固", u"工", Flags(1, 16383)},
        {"escaped delete mark is text", u"工\tab##删", u"ab##删", u"工", Flags(1, 16383)},
        {"later TABs belong to the code", u"工\ta\tb", u"a\tb", u"工", Flags(1, 16383)},
        {"word escapes in one pass", u"a\\\\r\\rb\\tc\\sd\\x\\\ty", u"y", u"a\\r\r\nb\tc d\\x\\", Flags(1, 16383)},
        {"three slashes stand for two", u"///x\ty", u"y", u"//x", Flags(1, 16383)},
    };
    for (const Case& c : cases) {
        ReplaceJob job;
        const std::vector<Parsed> records = Parse(c.line, job);
        ASSERT_EQ(records.size(), 1u) << c.what;
        EXPECT_EQ(records[0].code, c.code) << c.what;
        EXPECT_EQ(records[0].word, c.word) << c.what;
        EXPECT_EQ(records[0].flags.value, c.flags) << c.what;
        EXPECT_EQ(job.refusedCount, 0u) << c.what;
    }
}

TEST(ParseSourceLineTest, RefusesLinesWithoutWordAndCodeOrWithADeleteMark) {
    // Comments and directives are skipped, not refused.
    ReplaceJob job;
    EXPECT_TRUE(Parse(u"no tab\r\n工\t\r\n工\tab#删\r\n工\tab#固#删\r\n//工\ta\r\n---config@码表别名=x\r\n", job).empty());
    EXPECT_EQ(job.refusedCount, 4u);
    EXPECT_EQ(job.lineCount, 6u);
    EXPECT_TRUE(job.recordsMade);
}

TEST(ParseSourceTest, OrderCountsDownPerFirstCodeUnitToItsFloor) {
    std::u16string text;
    for (int i = 0; i < 15500; ++i) text += u"工\ta" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\n";
    text += u"人\tb\n人\tb#序7\n人\tb\n";
    ReplaceJob job;
    const std::vector<Parsed> records = Parse(text, job);
    ASSERT_EQ(records.size(), 15503u);
    for (int i = 0; i < 15500; ++i) ASSERT_EQ(records[i].flags.order(), std::max(16383 - i, 1024)) << i;
    // A line with its own order still moves the counter.
    EXPECT_EQ(records[15500].flags.order(), 16383);
    EXPECT_EQ(records[15501].flags.order(), 7);
    EXPECT_EQ(records[15502].flags.order(), 16381);
}

TEST(ParseSourceTest, HeadMarkOnTheFirstAcceptedLines) {
    std::u16string text = u"refused\n";
    for (int i = 0; i < 35001; ++i) text += u"工\ta\n";
    ReplaceJob job;
    const std::vector<Parsed> records = Parse(text, job);
    ASSERT_EQ(records.size(), 35001u);
    EXPECT_TRUE(records[34999].flags.headMark());
    EXPECT_FALSE(records[35000].flags.headMark());
}

TEST(ReadTableDirectivesTest, DirectivesHoldForTheWholeTextTheLastOneWinning) {
    struct Case {
        const char* what;
        std::u16string text;
        uint32_t flags;  // of the line "工\ta"
    };
    const Case cases[] = {
        {"none", u"工\ta", Flags(1, 16383)},
        {"initial order", u"---config@初始化排序数值=5000\n工\ta", Flags(1, 4999)},
        {"initial order below the floor", u"---config@初始化排序数值=300\n工\ta", Flags(1, 300)},
        {"global order", u"---config@全局排序数值=77\n工\ta", Flags(1, 77)},
        {"auxiliary", u"工\ta\n---config@码表分类=辅码码表", Flags(4, 16383)},
        {"user", u"---config@码表分类=主码-用户码表\n工\ta", Flags(2, 16383)},
        {"secondary", u"---config@码表分类=主码-次显码表\n工\ta", Flags(3, 16383)},
        {"system", u"---config@码表分类=主码-用户码表\n---config@码表分类=主码-系统码表\n工\ta", Flags(1, 16383)},
        {"custom", u"---config@码表分类=主码-3\n工\ta", Flags(18, 16383)},
        {"custom 0 counts as 1", u"---config@码表分类=主码-0\n工\ta", Flags(16, 16383)},
        {"custom above 16", u"---config@码表分类=主码-99\n工\ta", Flags(31, 16383)},
        {"names change nothing", u"---config@码表别名=x\n---config@允许编辑=1\n工\ta", Flags(1, 16383)},
        {"marker overrides", u"---config@码表分类=主码-用户码表\n工\ta#辅", Flags(4, 16383)},
        {"too short to be one", u"---config@\n工\ta", Flags(1, 16383)},
    };
    for (const Case& c : cases) {
        ReplaceJob job;
        const std::vector<Parsed> records = Parse(c.text, job);
        ASSERT_EQ(records.size(), 1u) << c.what;
        EXPECT_EQ(records[0].flags.value, c.flags) << c.what;
    }
}

TEST(ReadTableDirectivesTest, EachSourceTextStartsAfresh) {
    ReplaceJob job;
    AddSourceText(job, u"---config@码表分类=主码-用户码表\n---config@码表格式=单列码表\n工\ta");
    AddSourceText(job, u"工\tb");
    const std::vector<Parsed> records = Parse(job);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].flags.category(), kCategoryUser);
    EXPECT_EQ(records[1].flags.category(), kCategorySystem);
    EXPECT_EQ(job.tableFormat, 1);
}

TEST(ParseSourceTest, WithoutASourceThereAreNoRecords) {
    ReplaceJob job;
    ParseSource(job);
    EXPECT_FALSE(job.recordsMade);
    ReplaceJob directivesOnly;
    EXPECT_TRUE(Parse(u"---config@码表分类=主码-用户码表\r\n// nothing else", directivesOnly).empty());
    EXPECT_TRUE(directivesOnly.recordsMade);
}

TEST(DeduplicateRecordsTest, DropsLaterLinesOfTheSameCodeAndWord) {
    ReplaceJob job;
    Parse(u"工\ta\n人\ta\n工\tb\n工\ta#固\n工\\s\ta\n工 \ta\n", job);
    DeduplicateRecords(job);
    std::vector<uint32_t> kept;
    for (const SourceRecord& r : job.records) kept.push_back(r.flags != 0);
    EXPECT_EQ(kept, (std::vector<uint32_t>{1, 1, 1, 0, 1, 0}));
    EXPECT_EQ(job.uniqueCount, 4u);
    EXPECT_EQ(job.duplicateCount, 2u);
}

}  // namespace
