#include "Win32DialogView.h"

#include <vector>

#include "framework/CommonDialogs.h"
#include "framework/Prompt.h"

namespace vantro {

void Win32DialogView::SetCaption(const std::string& text) {
    dialog_.SetWindowText(text);
}

void Win32DialogView::SetText(int id, const std::string& text) {
    dialog_.SetDlgItemText(id, text);
}

std::string Win32DialogView::GetText(int id, int maxChars) {
    std::vector<char> buffer(static_cast<size_t>(maxChars) + 1);
    int got = dialog_.GetDlgItemText(id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(got));
}

void Win32DialogView::SetInt(int id, int value) {
    dialog_.SetDlgItemInt(id, value);
}

bool Win32DialogView::GetInt(int id, int* value) {
    BOOL translated = FALSE;
    int read = dialog_.GetDlgItemInt(id, &translated);
    if (!translated)
        return false;
    *value = read;
    return true;
}

void Win32DialogView::SetCheck(int id, bool checked) {
    dialog_.CheckDlgButton(id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogView::IsChecked(int id) {
    return ::SendMessageA(dialog_.GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogView::Enable(int id, bool enabled) {
    ::EnableWindow(dialog_.GetDlgItem(id), enabled ? TRUE : FALSE);
}

void Win32DialogView::Show(int id, bool shown) {
    ::ShowWindow(dialog_.GetDlgItem(id), shown ? SW_SHOW : SW_HIDE);
}

void Win32DialogView::SetComboItems(int id, const std::vector<std::string>& items) {
    HWND combo = dialog_.GetDlgItem(id);
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32DialogView::SetComboSelection(int id, int index) {
    ::SendMessageA(dialog_.GetDlgItem(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32DialogView::GetComboSelection(int id) {
    return static_cast<int>(::SendMessageA(dialog_.GetDlgItem(id), CB_GETCURSEL, 0, 0));
}

void Win32DialogView::CaretToEnd(int id) {
    HWND edit = dialog_.GetDlgItem(id);
    int length = ::GetWindowTextLengthA(edit);
    ::SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void Win32DialogView::ShowBox(const std::string& text, const std::string& caption) {
    ::ShowMessageBox(text.c_str(), caption.c_str(), MB_OK, dialog_.GetSafeHwnd());
}

bool Win32DialogView::ChooseFile(const std::string& filter, const std::string& title, std::string* path) {
    return ::ChooseFile(OpenFileSpec(filter, title), dialog_.GetSafeHwnd(), path);
}

bool Win32DialogView::ChooseFolder(const std::string& title, std::string* path) {
    return ::BrowseForFolder(dialog_.GetSafeHwnd(), title, path);
}

}  // namespace vantro
