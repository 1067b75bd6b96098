// Resource ids of the sample input method module.
#pragma once

// Icons the program loads by number.
#define IDI_DICTIONARY 111
#define IDI_KEY_FUNCTIONS 117
#define IDI_APPEARANCE 118
#define IDI_ABOUT 119
#define IDI_COMMON 120
#define IDI_CODE_TABLE 121

#define IDD_COMMON_PANEL 201
#define IDD_APPEARANCE_PANEL 202

#define IDC_AUTO_COMMIT_UNIQUE 1001
#define IDC_EMPTY_CODE_BEEP 1002
#define IDC_FONT_SIZE 1003
#define IDC_TEXT_COLOUR 1004
#define IDC_BACKGROUND_COLOUR 1005
#define IDC_PREVIEW 1006
