// CZV_AddUserPhrase2: the add/modify word dialog over the environment's
// main.dmg. The rules live in AddWordModel; this binds them to template 153.
#pragma once

#include <string>

#include "app/ImeEnvironment.h"
#include "ui/Dialog.h"
#include "ui/WindowIcons.h"
#include "viewer/AddWordModel.h"

class CZV_AddUserPhrase2 : public Dialog {
public:
    CZV_AddUserPhrase2(ImeEnvironment& environment, AddWordMode mode, int32_t targetCategory);

    // Modify mode: the entry at `position` as the viewer shows it.
    void SetOldEntry(int32_t position, std::u16string code, std::u16string word);
    INT_PTR Run(HWND owner);

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnKeyDown(const MSG& message) override;
    void OnOk() override;

private:
    void ShowWord(const std::u16string& word) const;
    void ShowMessageLine(std::u16string_view text) const;
    std::u16string RecentOutput() const;

    ImeEnvironment& environment_;
    AddWordModel model_;
    WindowIcons icons_;
};
