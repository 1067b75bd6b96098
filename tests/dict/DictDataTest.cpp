// dict.dms: building, the three lookups, display order, decoding, and files
// that are damaged or hostile.
#include "dict/DictData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/LittleEndian.h"

namespace {

// A dictionary file held as an in-memory view.
class DictFile {
public:
    explicit DictFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {
        file_.size = static_cast<uint32_t>(bytes_.size());
        file_.view = bytes_.data();
    }
    explicit DictFile(const std::vector<DictSourceEntry>& entries) : DictFile(BuildDictFile(entries)) {}
    const MappedFile* file() const { return &file_; }
    std::vector<uint8_t>& bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    MappedFile file_{};
};

std::vector<std::string> Headwords(const std::unique_ptr<DictResultList>& list) {
    std::vector<std::string> words;
    if (list)
        for (const auto& record : list->records) words.emplace_back(record.headword);
    return words;
}

std::vector<std::string> Explanations(const std::unique_ptr<DictResultList>& list) {
    std::vector<std::string> texts;
    if (list)
        for (const auto& record : list->records) texts.emplace_back(record.explanation);
    return texts;
}

const std::vector<DictSourceEntry> kSample = {
    {"国家", "guo2 jia1 country"}, {"中", "zhong1 middle"},       {"中国人", "Zhong1 guo2 ren2 Chinese person"},
    {"人中", "ren2 zhong1 philtrum"}, {"中国", "Zhong1 guo2 China"}, {"中", "zhong4 to hit"},
    {"中间", "zhong1 jian1 between"}, {"乙", "yi3 second"},
};

TEST(DictDataTest, BuilderSortsByHeadwordBytesKeepingDuplicatesInSourceOrder) {
    DictFile dict(kSample);
    const auto& bytes = dict.bytes();
    const uint32_t count = reinterpret_cast<const Le32*>(bytes.data() + 4)->get();
    ASSERT_EQ(count, kSample.size());
    std::vector<std::string> order;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t offset = reinterpret_cast<const Le32*>(bytes.data() + kDictOffsetsAt + 4 * i)->get();
        order.emplace_back(reinterpret_cast<const char*>(bytes.data() + offset + 5), bytes[offset + 4]);
        EXPECT_EQ(bytes[offset + 5 + bytes[offset + 4]], 0) << "headword not terminated";
    }
    std::vector<std::string> expected;
    for (const auto& entry : kSample) expected.push_back(entry.headword);
    std::stable_sort(expected.begin(), expected.end());
    EXPECT_EQ(order, expected);
}

TEST(DictDataTest, ExactLookupFindsEveryRecordOfTheWordInFileOrder) {
    DictFile dict(kSample);
    EXPECT_EQ(Explanations(FindExactEntries(dict.file(), u"中")),
              (std::vector<std::string>{"zhong1 middle", "zhong4 to hit"}));
    EXPECT_EQ(Headwords(FindExactEntries(dict.file(), u"中国")), std::vector<std::string>{"中国"});
    EXPECT_FALSE(FindExactEntries(dict.file(), u"美国"));
    EXPECT_FALSE(FindExactEntries(dict.file(), u""));
    EXPECT_FALSE(FindExactEntries(nullptr, u"中"));
}

TEST(DictDataTest, RelatedEntriesBeginWithTheWordAndNeedItsOwnRecord) {
    DictFile dict(kSample);
    EXPECT_EQ(Headwords(FindRelatedEntries(dict.file(), u"中")),
              (std::vector<std::string>{"中", "中", "中国", "中国人", "中间"}));
    // 国 begins 国家 but has no record of its own.
    EXPECT_FALSE(FindRelatedEntries(dict.file(), u"国"));
}

TEST(DictDataTest, ContainingEntriesAreFoundAnywhereAndShownShortestFirst) {
    DictFile dict(kSample);
    auto list = FindContainingEntries(dict.file(), u"国");
    EXPECT_EQ(Headwords(list), (std::vector<std::string>{"中国", "中国人", "国家"}));
    std::sort(list->records.begin(), list->records.end(), CompareForDisplay);
    EXPECT_EQ(Headwords(list), (std::vector<std::string>{"中国", "国家", "中国人"}));
    auto none = FindContainingEntries(dict.file(), u"美");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->records.empty());
}

TEST(DictDataTest, AnEmptyDictionaryFindsNothing) {
    DictFile dict(std::vector<DictSourceEntry>{});
    EXPECT_EQ(dict.bytes().size(), 65696u);
    EXPECT_FALSE(FindExactEntries(dict.file(), u"中"));
    EXPECT_FALSE(FindRelatedEntries(dict.file(), u"中"));
    auto list = FindContainingEntries(dict.file(), u"中");
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->records.empty());
}

TEST(ToUtf8KeyTest, CutsBeforeTheCharacterThatPasses249Bytes) {
    char key[kDictKeyBytes];
    EXPECT_EQ(ToUtf8Key(std::u16string(100, u'中'), key), 300u);
    EXPECT_EQ(std::strlen(key), 249u);
    EXPECT_EQ(std::string(key), [] {
        std::string s;
        for (int i = 0; i < 83; ++i) s += "中";
        return s;
    }());
    EXPECT_EQ(ToUtf8Key(u"a\u00e9\u4e2d\U0001F600", key), 10u);
    EXPECT_EQ(std::string(key), "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
    // A character that does not fit ends the key even if later ones would.
    EXPECT_EQ(ToUtf8Key(std::u16string(248, u'a') + u"中a", key), 252u);
    EXPECT_EQ(std::strlen(key), 248u);
    EXPECT_EQ(ToUtf8Key(u"", key), 0u);
    EXPECT_EQ(ToUtf8Key(u"a\xD800", key), 0u);
    EXPECT_EQ(ToUtf8Key(u"\xDC00z", key), 0u);
}

TEST(DictDataTest, ALongQueryIsLookedUpByItsCutKey) {
    std::string cut;
    for (int i = 0; i < 83; ++i) cut += "中";
    DictFile dict(std::vector<DictSourceEntry>{{cut, "cut"}});
    EXPECT_EQ(Explanations(FindExactEntries(dict.file(), std::u16string(100, u'中'))),
              std::vector<std::string>{"cut"});
}

TEST(DictDataTest, DecodingStopsAtTheFirstByteThatIsNoUtf8) {
    DictRecord record;
    record.headword = "中\xF0\x9F\x98\x80";
    EXPECT_EQ(DecodeRecordHeadword(record), u"中\U0001F600");
    for (const char* bad : {"ab\xFF" "cd", "ab\x80" "cd", "ab\xE4\xB8", "ab\xE4z\xAD", "ab\0cd"}) {
        record.explanation = std::string_view(bad, 6);
        EXPECT_EQ(DecodeRecordText(record), u"ab") << bad;
    }
}

TEST(DictDataTest, DamagedRecordsAreSkippedAndNeverReadPastTheView) {
    DictFile dict(kSample);
    auto& bytes = dict.bytes();
    const uint32_t count = reinterpret_cast<const Le32*>(bytes.data() + 4)->get();
    // An offset past the end, a headword length past the end, an explanation
    // length far past the end, and a count larger than the array.
    reinterpret_cast<Le32*>(bytes.data() + kDictOffsetsAt)->set(0xFFFFFFF0u);
    const uint32_t last = reinterpret_cast<const Le32*>(bytes.data() + kDictOffsetsAt + 4 * (count - 1))->get();
    reinterpret_cast<Le32*>(bytes.data() + last)->set(0xFFFFFFFFu);
    reinterpret_cast<Le32*>(bytes.data() + 4)->set(0x7FFFFFFFu);
    DictFile damaged(bytes);

    auto all = FindContainingEntries(damaged.file(), u"中");
    ASSERT_TRUE(all);
    for (const auto& record : all->records) {
        EXPECT_GE(record.start, damaged.file()->view);
        EXPECT_LE(record.explanation.data() + record.explanation.size(),
                  reinterpret_cast<const char*>(damaged.file()->view + damaged.file()->size));
        DecodeRecordText(record);
    }
    FindExactEntries(damaged.file(), u"中");
    FindRelatedEntries(damaged.file(), u"中");

    DictFile truncated(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 1000));
    EXPECT_FALSE(FindExactEntries(truncated.file(), u"中"));
}

}  // namespace
