// Which dialog a start runs, chosen by the mode of the command line, and the
// title that finds an already open window of that mode.
#pragma once

#include <string>
#include <string_view>

enum class ModeDialog {
    advancedSettings,  // CZV_ADVConfig
    htmlPage,          // CZV_ShowHTML
    dictionary,        // CZV_Dict
    update,            // CZV_DlgUpdate
    viewer,            // CZV_DME_MBMANGE_VIEW
    keyFunctions,      // CKBDFunction
    addWord,           // CZV_AddUserPhrase2
    help,              // main.chm, no dialog
    settings,          // CconfigDlg
};

enum class ViewerQuery { none, recentOutput, clipboard };

struct ModeChoice {
    ModeDialog dialog;
    // Prefix of the title of a single-instance window; null when every start
    // opens a new window.
    const char16_t* titlePrefix;
    ViewerQuery viewerQuery;  // viewer: where the initial search text comes from
    int addWordMode;          // add-word dialog: 0 manual entry, 1 recent output
    int startPage;            // settings window: the tab shown first
};

// Mode names are exact and case-sensitive; the settings window's page names
// (the fallback row) ignore case.
ModeChoice ChooseMode(std::u16string_view mode);

// "<prefix> - <display name>", cut to 127 units.
std::u16string WindowTitle(const char16_t* prefix, std::u16string_view displayName);

// Category of the words that the add-word modes add: the user table.
constexpr int kAddWordCategory = 2;
