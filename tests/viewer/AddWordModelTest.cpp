// The add/modify word dialog's rules: code making, the word cut, and the
// confirm that stores into main.dmg or leaves it exactly as it was.
#include "viewer/AddWordModel.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/Utf8.h"
#include "codetable/TableValidation.h"
#include "tests/codetable/TableTestSupport.h"
#include "tests/support/SettingsBlocks.h"

namespace {

constexpr uint32_t kDeleted = 1u << 31;
constexpr uint32_t kPinned = 1u << 30;
constexpr uint32_t Category(uint32_t c) { return c << 24; }

class AddWordModelTest : public ::testing::Test {
protected:
    AddWordModel Model(AddWordMode mode, int32_t category = 2) {
        return AddWordModel({main.get(), characters.get(), &blocks.dme(), nullptr}, mode, category);
    }
    Bytes TableCopy() const { return Bytes(main->view, main->view + main->size); }
    void ExpectValid() const { EXPECT_EQ(ValidateTable(main.get(), nullptr, nullptr), ""); }
    std::optional<EntryText> Find(const std::string& code, const std::string& word) const {
        for (const EntryText& e : EntriesOf(main.get()))
            if (e.code == code && e.word == word) return e;
        return std::nullopt;
    }

    TempDir dir;
    SettingsBlocks blocks;
    MappedFilePtr characters = SortedCharacterTable(
        {CharacterRecordBytes("中", "khk"), CharacterRecordBytes("国", "lgyi"), CharacterRecordBytes("人", "w"),
         CharacterRecordBytes("华", "wxfj"), CharacterRecordBytes("民", "nav"), CharacterRecordBytes("共", "aw"),
         CharacterRecordBytes("和", "tkg"), CharacterRecordBytes("𠀀", "gkd")});
    MappedFilePtr main = WriteSortedTable(dir, "main.dmg",
                                          {Record("khlg", "中国", Category(1)), Record("wwww", "人人", Category(1)),
                                           Record("khwx", "中华", Category(2) | kDeleted | kPinned | 7)});
};

TEST_F(AddWordModelTest, CodeFollowsTheRuleForTheWordsLength) {
    AddWordModel model = Model(AddWordMode::add);
    struct Case {
        std::u16string word, code;
    };
    for (const Case& c : {Case{u"中国", u"khlg"}, Case{u"中华民", u"kwna"}, Case{u"中华人民共和国", u"kwwl"},
                          Case{u"中华人民共", u"kwwa"}, Case{u"𠀀中", u"gkkh"}, Case{u"", u""},
                          Case{std::u16string(29, u'中'), u"kkkk"}, Case{std::u16string(30, u'中'), u""}})
        EXPECT_EQ(model.CodeForWord(c.word), c.code) << Utf8Of(c.word);

    AddWordModel noCharacters({main.get(), nullptr, &blocks.dme(), nullptr}, AddWordMode::add, 2);
    EXPECT_EQ(noCharacters.CodeForWord(u"中国"), u"");
    // Modify mode keeps the user's code.
    EXPECT_EQ(Model(AddWordMode::modify).CodeForWord(u"中国"), std::nullopt);
}

TEST_F(AddWordModelTest, RefusalsLeaveTheTableAsItWas) {
    struct Case {
        std::u16string word, code, message;
    };
    const Bytes before = TableCopy();
    for (const Case& c : {Case{u"", u"abcd", u"词条不能为空"}, Case{u"中国", u"", u"编码不能为空"},
                          Case{u"中国", u"ab中", u"编码不能非键盘字符"},
                          // The unit after a folded code character is checked too.
                          Case{u"中国", u"a\uFF10中", u"编码不能非键盘字符"},
                          Case{u"中国", u"\u0081", u"编码不能非键盘字符"}, Case{u"中国", u"khlg", u"词条已存在"},
                          Case{std::u16string(200, u'中'), u"abc", u"非法的定义."}}) {
        AddWordModel model = Model(AddWordMode::add);
        const ConfirmResult result = model.Confirm(c.word, c.code, false);
        EXPECT_FALSE(result.stored) << Utf8Of(c.message);
        EXPECT_EQ(result.message, c.message);
    }
    EXPECT_EQ(TableCopy(), before);
}

TEST_F(AddWordModelTest, StoresWithTheChosenOrderAndCategory) {
    struct Case {
        std::u16string code;
        bool newWordsFirst;
        int32_t category;
        std::string stored;
        uint32_t flags;
    };
    for (const Case& c : {Case{u"abcd", true, 2, "abcd", Category(2) | 49152},
                          Case{u"abce", false, 2, "abce", Category(2) | 1024},
                          Case{u"abcf", false, 17, "abcf", Category(17) | 1024},
                          // Folded code characters and 0x80 are keys.
                          Case{u"a\uFF10", false, 2, "a\x10", Category(2) | 1024},
                          Case{u"b\u0080", false, 2, "b\xC2\x80", Category(2) | 1024}}) {
        AddWordModel model = Model(AddWordMode::add, c.category);
        const ConfirmResult result = model.Confirm(u"中国", c.code, c.newWordsFirst);
        EXPECT_TRUE(result.stored) << c.stored;
        EXPECT_EQ(result.message, u"");
        const std::optional<EntryText> entry = Find(c.stored, "中国");
        ASSERT_TRUE(entry) << c.stored;
        EXPECT_EQ(entry->flags, c.flags) << c.stored;
        ExpectValid();
    }
}

TEST_F(AddWordModelTest, DeletedEntryIsRestoredWithTheNewOrder) {
    const uint32_t sizeBefore = main->size;
    AddWordModel model = Model(AddWordMode::add, 17);
    const ConfirmResult result = model.Confirm(u"中华", u"khwx", true);
    EXPECT_TRUE(result.stored);
    EXPECT_EQ(result.message, u"取消删除，并已更改排序");
    const std::optional<EntryText> entry = Find("khwx", "中华");
    ASSERT_TRUE(entry);
    // Category and pinned mark stay; only the order is the new one.
    EXPECT_EQ(entry->flags, Category(2) | kPinned | 49152);
    EXPECT_EQ(EntriesOf(main.get()).size(), 3u);
    EXPECT_EQ(main->size, sizeBefore);
    ExpectValid();
}

TEST_F(AddWordModelTest, WordIsCutFromTheEndOfTheSource) {
    AddWordModel model = Model(AddWordMode::recentOutput);
    model.Start(u"abcdef");
    EXPECT_EQ(model.initialWord(), u"ef");
    EXPECT_EQ(model.idleMessage(), u"可用 ↑、↓ 更改词长");
    EXPECT_TRUE(model.showsClipboardChoice());
    ASSERT_TRUE(model.LengthenWord());
    ASSERT_TRUE(model.LengthenWord());
    EXPECT_EQ(model.CutWord(), u"cdef");
    for (int i = 0; i < 10; ++i) model.LengthenWord();
    EXPECT_EQ(model.CutWord(), u"abcdef");  // never past the source
    for (int i = 0; i < 10; ++i) model.ShortenWord();
    EXPECT_EQ(model.CutWord(), u"");  // Down at length 0 stays there
    model.LengthenWord();
    EXPECT_EQ(model.CutWord(), u"f");

    model.Start(std::u16string(40, u'字'));
    for (int i = 0; i < 40; ++i) model.LengthenWord();
    EXPECT_EQ(model.CutWord(), std::u16string(30, u'字'));

    // Cut by characters: a pair is never split.
    model.Start(u"a𠀀b𠀀");
    EXPECT_EQ(model.CutWord(), u"b𠀀");
    model.LengthenWord();
    EXPECT_EQ(model.CutWord(), u"𠀀b𠀀");
}

TEST_F(AddWordModelTest, SourcesWithoutText) {
    AddWordModel model = Model(AddWordMode::recentOutput);
    model.Start(u"");
    EXPECT_EQ(model.initialWord(), u"加词");
    // The clipboard's whole text is the word; an empty one leaves no word.
    model.ChooseSource(true, u"", u"");
    EXPECT_EQ(model.CutWord(), u"");
    model.ChooseSource(true, u"中华人民共和国", u"abc");
    EXPECT_EQ(model.CutWord(), u"中华人民共和国");
    model.ChooseSource(false, u"中华人民共和国", u"abc");
    EXPECT_EQ(model.CutWord(), u"bc");

    AddWordModel add = Model(AddWordMode::add);
    add.Start(u"abc");
    EXPECT_EQ(add.initialWord(), u"");
    EXPECT_EQ(add.idleMessage(), u"");
    EXPECT_FALSE(add.LengthenWord());
    EXPECT_FALSE(add.showsClipboardChoice());
}

TEST_F(AddWordModelTest, ModifyReplacesTheOldEntry) {
    // 人人 sits at position 2 of the sorted table (khlg, khwx, wwww).
    ASSERT_EQ(EntriesOf(main.get())[2].word, "人人");
    AddWordModel model = Model(AddWordMode::modify, 1);
    model.SetOldEntry(2, u"wwww", u"人人");
    EXPECT_EQ(model.initialWord(), u"人人");
    EXPECT_EQ(model.initialCode(), u"wwww");
    EXPECT_TRUE(model.Confirm(u"人人", u"wwwx", false).stored);
    EXPECT_FALSE(Find("wwww", "人人"));
    ASSERT_TRUE(Find("wwwx", "人人"));
    EXPECT_EQ(Find("wwwx", "人人")->flags, Category(1) | 1024);
    EXPECT_EQ(EntriesOf(main.get()).size(), 3u);
    ExpectValid();
}

TEST_F(AddWordModelTest, ModifyWithoutChangesStoresTheEntryAgain) {
    AddWordModel model = Model(AddWordMode::modify, 1);
    model.SetOldEntry(0, u"khlg", u"中国");
    EXPECT_TRUE(model.Confirm(u"中国", u"khlg", true).stored);
    ASSERT_TRUE(Find("khlg", "中国"));
    EXPECT_EQ(Find("khlg", "中国")->flags, Category(1) | 49152);
    EXPECT_EQ(EntriesOf(main.get()).size(), 3u);
    ExpectValid();
}

TEST_F(AddWordModelTest, RefusedModifyKeepsTheOldEntry) {
    const Bytes before = TableCopy();
    AddWordModel model = Model(AddWordMode::modify, 1);
    model.SetOldEntry(2, u"wwww", u"人人");
    // Changed into an entry that exists: nothing is lost, however often.
    for (int i = 0; i < 2; ++i) EXPECT_EQ(model.Confirm(u"中国", u"khlg", false).message, u"词条已存在");
    EXPECT_EQ(model.Confirm(u"人人", u"", false).message, u"编码不能为空");
    EXPECT_EQ(TableCopy(), before);
    // A later confirm that passes still replaces the entry once.
    EXPECT_TRUE(model.Confirm(u"人人", u"wwwy", false).stored);
    EXPECT_FALSE(Find("wwww", "人人"));
    EXPECT_TRUE(Find("wwwy", "人人"));
    EXPECT_EQ(EntriesOf(main.get()).size(), 3u);
    ExpectValid();
}

TEST_F(AddWordModelTest, ModifyOntoADeletedEntryRestoresItAndRemovesTheOld) {
    AddWordModel model = Model(AddWordMode::modify, 1);
    model.SetOldEntry(2, u"wwww", u"人人");
    const ConfirmResult result = model.Confirm(u"中华", u"khwx", false);
    EXPECT_TRUE(result.stored);
    EXPECT_EQ(result.message, u"取消删除，并已更改排序");
    EXPECT_FALSE(Find("wwww", "人人"));
    EXPECT_EQ(EntriesOf(main.get()).size(), 2u);
    ExpectValid();
}

TEST_F(AddWordModelTest, DamagedTableIsNotWritten) {
    StoreU32(main->view + 4, 0xFFFFFF);  // entryCount far past the view
    const Bytes before = TableCopy();
    AddWordModel model = Model(AddWordMode::add);
    EXPECT_EQ(model.Confirm(u"中国", u"abcd", false).message, u"加词失败");
    EXPECT_EQ(TableCopy(), before);
}

}  // namespace
