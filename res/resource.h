// Resource ids of config.exe.
#pragma once

#define IDR_MAINFRAME 101

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Add/modify word dialog.
#define IDD_ADD_WORD 153
#define IDC_ADD_WORD_CLIPBOARD 1004
#define IDC_ADD_WORD_FIRST 1005
#define IDC_ADD_WORD_CODE 1013
#define IDC_ADD_WORD_WORD 1014
#define IDC_ADD_WORD_MESSAGE 1034

// The input method module's icon that the dialogs show.
#define IDI_MODULE_DIALOG 121
