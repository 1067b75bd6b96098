// Looking characters up in danzi.dmi.
#include "codetable/CharacterTable.h"

#include <gtest/gtest.h>

#include "tests/codetable/TableTestSupport.h"

namespace {

// Records stored in the order given, the index in the order of `order`.
MappedFilePtr CharacterTableOf(const std::vector<Bytes>& records, const std::vector<int>& order) {
    Bytes bytes = TableBytes(records);
    std::vector<uint32_t> offsets;
    for (size_t i = 0; i < records.size(); ++i) offsets.push_back(LoadU32(bytes.data() + kEntryIndexOffset + 4 * i));
    for (size_t i = 0; i < order.size(); ++i) StoreU32(bytes.data() + kEntryIndexOffset + 4 * i, offsets[order[i]]);
    return MemoryTable(bytes);
}

std::vector<std::string> Codes(const std::vector<CharacterRecord>& records) {
    std::vector<std::string> codes;
    for (const CharacterRecord& record : records) codes.emplace_back(record.code);
    return codes;
}

TEST(LookupCharacterTest, FindsEveryRecordOfTheCharacterLowestOffsetFirst) {
    // Index order by character: 一, 中 (three records), 国, 𠀀.
    MappedFilePtr table = CharacterTableOf(
        {CharacterRecordBytes("中", "khk"), CharacterRecordBytes("一", "ggll"), CharacterRecordBytes("中", "k"),
         CharacterRecordBytes("国", "lgyi"), CharacterRecordBytes("中", "kh"), CharacterRecordBytes("𠀀", "gkd")},
        {1, 4, 0, 2, 3, 5});
    EXPECT_EQ(Codes(LookupCharacter(table.get(), U'中')), (std::vector<std::string>{"khk", "k", "kh"}));
    EXPECT_EQ(Codes(LookupCharacter(table.get(), U'一')), (std::vector<std::string>{"ggll"}));
    EXPECT_EQ(Codes(LookupCharacter(table.get(), U'𠀀')), (std::vector<std::string>{"gkd"}));
    const auto found = LookupCharacter(table.get(), U'国');
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].character, "国");
    EXPECT_TRUE(LookupCharacter(table.get(), U'人').empty());
    EXPECT_TRUE(LookupCharacter(table.get(), U'a').empty());
    EXPECT_TRUE(LookupCharacter(nullptr, U'中').empty());
}

TEST(LookupCharacterTest, DamagedRecordsAreSkipped) {
    Bytes unterminated = CharacterRecordBytes("国", "lgyi");
    unterminated.pop_back();  // the last record's code runs to the end of the view
    MappedFilePtr table = CharacterTableOf(
        {CharacterRecordBytes("一", "g"), CharacterRecordBytes("中", "k"), CharacterRecordBytes("中", "kh"), unterminated},
        {0, 1, 2, 3});
    CodeTable(table.get()).setSlot(0, 2000000);  // and the first slot points past it
    EXPECT_TRUE(LookupCharacter(table.get(), U'国').empty());
    EXPECT_TRUE(LookupCharacter(table.get(), U'一').empty());
    EXPECT_EQ(Codes(LookupCharacter(table.get(), U'中')), (std::vector<std::string>{"k", "kh"}));
}

}  // namespace
