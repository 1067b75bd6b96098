#include "ui/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>

#include "base/FixedText.h"
#include "ui/WideText.h"

namespace {

// The folder a dialog starts in next time; empty until the first use.
struct RememberedFolder {
    std::u16string folder;
    // The first dialog starts in the system's default folder, and the Desktop
    // is remembered for the ones after it.
    const char16_t* StartFolder(const char16_t* given) {
        if (given && *given) return given;
        if (!folder.empty()) return folder.c_str();
        wchar_t desktop[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY | CSIDL_FLAG_CREATE, nullptr, 0, desktop))) {
            folder = Portable(desktop);
            if (!folder.empty() && folder.back() != u'\\') folder += u'\\';
        }
        return nullptr;
    }
    void RememberFolderOf(const char16_t* file) {
        const std::u16string path(file);
        const size_t slash = path.rfind(u'\\');
        if (slash != std::u16string::npos) folder = path.substr(0, slash + 1);
    }
};

RememberedFolder openFolder;
RememberedFolder exportFolder;

std::u16string FilterText(std::u16string_view filter) {
    std::u16string text(filter);
    for (auto& c : text)
        if (c == u'|') c = 0;
    text.append(2, u'\0');
    return text;
}

// The fields both dialogs fill alike; `filter` must outlive the dialog.
OPENFILENAMEW FileDialogFor(HWND owner, const std::u16string& filter, char16_t (&file)[260], const char16_t* folder) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = Wide(filter.c_str());
    dialog.lpstrFile = Wide(file);
    dialog.nMaxFile = std::size(file);
    dialog.lpstrInitialDir = Wide(folder);
    return dialog;
}

bool FileExists(const char16_t* path) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int ShowOpenFileDialog(std::u16string_view title, std::u16string_view filter, char16_t (&file)[260], HWND owner,
                       const char16_t* startFolder) {
    file[0] = 0;
    const std::u16string titleText(title);
    const std::u16string filterText = FilterText(filter);
    OPENFILENAMEW dialog = FileDialogFor(owner, filterText, file, openFolder.StartFolder(startFolder));
    dialog.lpstrTitle = Wide(titleText.c_str());
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog) || !FileExists(file)) {
        file[0] = 0;
        return 0;
    }
    openFolder.RememberFolderOf(file);
    return 1;
}

int ShowExportFileDialog(char16_t (&file)[260], HWND owner, const char16_t* startFolder) {
    file[0] = 0;
    const std::u16string filterText = FilterText(u"文本文档(*.txt)|*.txt");
    OPENFILENAMEW dialog = FileDialogFor(owner, filterText, file, exportFolder.StartFolder(startFolder));
    dialog.lpstrTitle = L"导出全部设置...";
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_SHOWHELP | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) {
        file[0] = 0;
        return 0;
    }
    exportFolder.RememberFolderOf(file);
    return 1;
}
