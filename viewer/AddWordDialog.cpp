#include "viewer/AddWordDialog.h"

#include "app/ModeTable.h"
#include "app/RecentOutput.h"
#include "base/FixedText.h"
#include "res/resource.h"
#include "ui/Clipboard.h"
#include "ui/Controls.h"

namespace {

const char16_t* TitlePrefix(AddWordMode mode) {
    switch (mode) {
    case AddWordMode::recentOutput: return u"在线加词";
    case AddWordMode::modify: return u"修改词条";
    case AddWordMode::add: break;
    }
    return u"添加词条";
}

AddWordTables TablesOf(const ImeEnvironment& environment) {
    return {environment.mainTable, environment.characterTable, environment.dmeConfig, environment.module};
}

}  // namespace

CZV_AddUserPhrase2::CZV_AddUserPhrase2(ImeEnvironment& environment, AddWordMode mode, int32_t targetCategory)
    : environment_(environment), model_(TablesOf(environment), mode, targetCategory) {}

void CZV_AddUserPhrase2::SetOldEntry(int32_t position, std::u16string code, std::u16string word) {
    model_.SetOldEntry(position, std::move(code), std::move(word));
}

INT_PTR CZV_AddUserPhrase2::Run(HWND owner) { return RunModal(owner, IDD_ADD_WORD); }

std::u16string CZV_AddUserPhrase2::RecentOutput() const {
    char16_t text[128];
    GetRecentOutput(*environment_.imeConfig, 16, text);
    return std::u16string(TextOf(text));
}

bool CZV_AddUserPhrase2::OnInit() {
    icons_.Set(window(), static_cast<HMODULE>(environment_.module), IDI_MODULE_DIALOG);
    char16_t displayName[64];
    ReadImeRegistryValue(environment_.guidText, u"DisplayName", displayName, std::size(displayName));

    model_.Start(model_.showsClipboardChoice() ? RecentOutput() : u"");
    Control(window(), IDC_ADD_WORD_CLIPBOARD).Show(model_.showsClipboardChoice());
    ShowMessageLine(model_.idleMessage());
    ShowWord(model_.initialWord());
    if (model_.mode() == AddWordMode::modify) Control(window(), IDC_ADD_WORD_CODE).SetText(model_.initialCode());
    SetTitle(WindowTitle(TitlePrefix(model_.mode()), TextOf(displayName)));
    return true;
}

void CZV_AddUserPhrase2::ShowWord(const std::u16string& word) const {
    Control(window(), IDC_ADD_WORD_WORD).SetText(word);  // makes the code, see OnCommand
}

void CZV_AddUserPhrase2::ShowMessageLine(std::u16string_view text) const {
    Control(window(), IDC_ADD_WORD_MESSAGE).SetText(text);
}

bool CZV_AddUserPhrase2::OnCommand(int id, int code, HWND) {
    if (id == IDC_ADD_WORD_WORD && code == EN_CHANGE) {
        if (auto wordCode = model_.CodeForWord(Control(window(), IDC_ADD_WORD_WORD).Text()))
            Control(window(), IDC_ADD_WORD_CODE).SetText(*wordCode);
        ShowMessageLine(model_.idleMessage());
        return true;
    }
    if (id == IDC_ADD_WORD_CODE && code == EN_CHANGE) {
        ShowMessageLine(model_.idleMessage());
        return true;
    }
    if (id == IDC_ADD_WORD_CLIPBOARD && code == BN_CLICKED) {
        char16_t clipboard[128];
        GetClipboardText(clipboard);
        model_.ChooseSource(CheckBox(window(), IDC_ADD_WORD_CLIPBOARD).Checked(), TextOf(clipboard), RecentOutput());
        ShowWord(model_.CutWord());
        return true;
    }
    return false;
}

bool CZV_AddUserPhrase2::OnKeyDown(const MSG& message) {
    switch (message.wParam) {
    case VK_RETURN:
        OnOk();
        return true;
    case VK_ESCAPE:
        OnCancel();
        return true;
    case VK_UP:
    case VK_DOWN: {
        const bool changed = message.wParam == VK_UP ? model_.LengthenWord() : model_.ShortenWord();
        if (changed) ShowWord(model_.CutWord());
        return changed;
    }
    default:
        return false;
    }
}

void CZV_AddUserPhrase2::OnOk() {
    // The input method may have grown main.dmg since the dialog opened.
    RefreshCodeTables(&environment_);
    const ConfirmResult result = model_.Confirm(Control(window(), IDC_ADD_WORD_WORD).Text(),
                                                Control(window(), IDC_ADD_WORD_CODE).Text(),
                                                CheckBox(window(), IDC_ADD_WORD_FIRST).Checked());
    ShowMessageLine(result.message);
    if (result.stored) End(IDOK);
}
