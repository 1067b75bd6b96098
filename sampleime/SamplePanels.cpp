// The two panels. Each reads its settings when it opens and stores them into
// the environment's mapped block on every change; the program has no save
// step for them.
#include "sampleime/SamplePanels.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "app/ImeEnvironment.h"
#include "sampleime/SampleSettings.h"
#include "sampleime/resource.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// Every panel created and not yet destroyed.
std::vector<HWND> gPanels;

ImeEnvironment* EnvironmentOf(HWND panel) {
    return reinterpret_cast<ImeEnvironment*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
}

void KeepEnvironment(HWND panel, LPARAM environment) { SetWindowLongPtrW(panel, GWLP_USERDATA, environment); }

INT_PTR CALLBACK CommonPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        KeepEnvironment(panel, lParam);
        const DmeSettings settings = ReadDmeSettings(*EnvironmentOf(panel)->dmeConfig);
        CheckDlgButton(panel, IDC_AUTO_COMMIT_UNIQUE, settings.autoCommitUnique ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(panel, IDC_EMPTY_CODE_BEEP, settings.emptyCodeBeep ? BST_CHECKED : BST_UNCHECKED);
        return FALSE;  // the page keeps the focus
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam);
        if (id != IDC_AUTO_COMMIT_UNIQUE && id != IDC_EMPTY_CODE_BEEP) return FALSE;
        DmeConfigData& dme = *EnvironmentOf(panel)->dmeConfig;
        DmeSettings settings = ReadDmeSettings(dme);
        const bool checked = IsDlgButtonChecked(panel, id) == BST_CHECKED;
        (id == IDC_AUTO_COMMIT_UNIQUE ? settings.autoCommitUnique : settings.emptyCodeBeep) = checked;
        StoreDmeSettings(dme, settings);
        return TRUE;
    }
    return FALSE;
}

COLORREF ColourRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }
Colour ColourOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// Candidates as the input method would show them, in the chosen font and
// colours.
void DrawPreview(const DRAWITEMSTRUCT& item, const SkinSettings& settings) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    HBRUSH background = CreateSolidBrush(ColourRef(settings.backgroundColour));
    FillRect(dc, &area, background);
    DeleteObject(background);
    FrameRect(dc, &area, GetSysColorBrush(COLOR_WINDOWFRAME));
    const int height = -MulDiv(settings.fontSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourRef(settings.textColour));
    DrawTextW(dc, L"1.五笔 2.输入 3.法", -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

// Lets the user pick a colour, starting from `colour`; false when cancelled.
bool ChooseColour(HWND owner, Colour& colour) {
    static COLORREF customColours[16];
    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = ColourRef(colour);
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choice)) return false;
    colour = ColourOf(choice.rgbResult);
    return true;
}

void ShowSkinSettings(HWND panel, const SkinSettings& settings) {
    SendDlgItemMessageW(panel, IDC_FONT_SIZE, CB_SETCURSEL, settings.fontSize - kMinFontSize, 0);
    InvalidateRect(GetDlgItem(panel, IDC_PREVIEW), nullptr, TRUE);
}

INT_PTR CALLBACK AppearancePanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            KeepEnvironment(panel, lParam);
            for (int size = kMinFontSize; size <= kMaxFontSize; ++size)
                SendDlgItemMessageW(panel, IDC_FONT_SIZE, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(std::to_wstring(size).c_str()));
            ShowSkinSettings(panel, ReadSkinSettings(*EnvironmentOf(panel)->skinConfig));
            return FALSE;
        }
        case WM_DRAWITEM:
            if (wParam != IDC_PREVIEW) return FALSE;
            DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                        ReadSkinSettings(*EnvironmentOf(panel)->skinConfig));
            return TRUE;
        case WM_COMMAND: {
            SkinConfigData& skin = *EnvironmentOf(panel)->skinConfig;
            SkinSettings settings = ReadSkinSettings(skin);
            const int id = LOWORD(wParam);
            if (id == IDC_FONT_SIZE && HIWORD(wParam) == CBN_SELCHANGE) {
                const LRESULT selected = SendDlgItemMessageW(panel, IDC_FONT_SIZE, CB_GETCURSEL, 0, 0);
                if (selected == CB_ERR) return TRUE;
                settings.fontSize = kMinFontSize + static_cast<int>(selected);
            } else if (id == IDC_TEXT_COLOUR && HIWORD(wParam) == BN_CLICKED) {
                if (!ChooseColour(panel, settings.textColour)) return TRUE;
            } else if (id == IDC_BACKGROUND_COLOUR && HIWORD(wParam) == BN_CLICKED) {
                if (!ChooseColour(panel, settings.backgroundColour)) return TRUE;
            } else {
                return FALSE;
            }
            StoreSkinSettings(skin, settings);
            ShowSkinSettings(panel, settings);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void Release() {}

HWND CreatePanel(HWND page, int32_t panelKind, ImeEnvironment* environment) {
    if (!environment || !environment->dmeConfig || !environment->skinConfig) return nullptr;
    int templateId;
    DLGPROC procedure;
    if (panelKind == kCommonPanelKind) {
        templateId = IDD_COMMON_PANEL;
        procedure = CommonPanelProc;
    } else if (panelKind == kAppearancePanelKind) {
        templateId = IDD_APPEARANCE_PANEL;
        procedure = AppearancePanelProc;
    } else {
        return nullptr;
    }
    HWND panel = CreateDialogParamW(reinterpret_cast<HINSTANCE>(&__ImageBase), MAKEINTRESOURCEW(templateId), page,
                                    procedure, reinterpret_cast<LPARAM>(environment));
    if (panel) gPanels.push_back(panel);
    return panel;
}

// A panel may already be gone with its page.
void DestroyPanels(int32_t) {
    for (HWND panel : gPanels)
        if (IsWindow(panel)) DestroyWindow(panel);
    gPanels.clear();
}

PanelProviderTable gProvider = {Release, CreatePanel, DestroyPanels};

}  // namespace

PanelProviderTable* PanelProvider() { return &gProvider; }
