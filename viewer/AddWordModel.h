// The rules of the add/modify word dialog: the word cut from recent output or
// the clipboard, the code made as the word changes, and the confirm that
// stores the entry in main.dmg. The dialog binds controls to it; a refused
// confirm leaves the table exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/DmeConfigData.h"
#include "platform/MappedFile.h"
#include "platform/Module.h"

enum class AddWordMode : int32_t { add = 0, recentOutput = 1, modify = 2 };

// What the dialog works on, taken from the environment.
struct AddWordTables {
    MappedFile* mainTable = nullptr;
    MappedFile* characterTable = nullptr;  // danzi.dmi; no code is made without it
    const DmeConfigData* dme = nullptr;    // the word code rules
    ModuleHandle module = nullptr;         // for its code operations, when it has them
};

inline constexpr char16_t kWordLengthHint[] = u"可用 ↑、↓ 更改词长";
inline constexpr char16_t kEmptyWordMessage[] = u"词条不能为空";
inline constexpr char16_t kEmptyCodeMessage[] = u"编码不能为空";
inline constexpr char16_t kNonKeyboardCodeMessage[] = u"编码不能非键盘字符";
inline constexpr char16_t kInvalidEntryMessage[] = u"非法的定义.";
inline constexpr char16_t kEntryExistsMessage[] = u"词条已存在";
inline constexpr char16_t kRestoredMessage[] = u"取消删除，并已更改排序";
inline constexpr char16_t kAddFailedMessage[] = u"加词失败";

// The source text when there is no recent output, and when the clipboard is
// chosen but empty.
inline constexpr char16_t kNoRecentOutputSource[] = u"在线加词";
inline constexpr char16_t kNoClipboardSource[] = u"手动加词";

constexpr int32_t kNewWordsFirstOrder = 0xC000;  // before the system words
constexpr int32_t kNewWordsLastOrder = 1024;
constexpr int32_t kMaxCutLength = 30;

struct ConfirmResult {
    bool stored;           // the dialog closes
    std::u16string message;  // for the message line
};

class AddWordModel {
public:
    AddWordModel(AddWordTables tables, AddWordMode mode, int32_t targetCategory);

    // Modify mode: the entry being changed, as the viewer shows it.
    void SetOldEntry(int32_t position, std::u16string code, std::u16string word);

    AddWordMode mode() const { return mode_; }
    // The message line while the user edits.
    std::u16string_view idleMessage() const;
    bool showsClipboardChoice() const { return mode_ == AddWordMode::recentOutput; }

    // The dialog's start: recent-output mode takes the last two characters of
    // `recentOutput`. The texts for the edits, before any code is made.
    void Start(std::u16string_view recentOutput);
    std::u16string initialWord() const;
    std::u16string initialCode() const;

    // The code for the word edit's new text; none in modify mode, where the
    // user's code stays.
    std::optional<std::u16string> CodeForWord(std::u16string_view word) const;

    // Recent-output mode: the word cut from the end of the source text.
    std::u16string CutWord() const;
    // Up and Down: true when the key changes the cut (then CutWord()).
    bool LengthenWord();
    bool ShortenWord();
    // The clipboard check box: its text as a whole, or the recent output again.
    void ChooseSource(bool clipboard, std::u16string_view clipboardText, std::u16string_view recentOutput);

    ConfirmResult Confirm(std::u16string_view word, std::u16string_view code, bool newWordsFirst);

private:
    ConfirmResult Store(const std::u16string& word, std::u16string code, bool newWordsFirst);
    bool OldEntryPresent() const;

    AddWordTables tables_;
    AddWordMode mode_;
    int32_t targetCategory_;
    int32_t oldPosition_ = -1;
    std::u16string oldCode_;
    std::u16string oldWord_;
    std::u16string sourceText_;
    int32_t wordLength_ = 2;
};
