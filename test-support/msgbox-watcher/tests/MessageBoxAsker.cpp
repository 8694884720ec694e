// A separate program for the watcher's test: shows one prompt per argument
// (yesno, yesnocancel, retrycancel, ok, dialog) and writes the buttons it got
// to "asker-answers.txt" in its working folder ("6 7 4 1 2\n").
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kBarcodeField = 101;

// An in-memory dialog template: a static, a read-only field filled at
// initialisation, a password field, OK and Cancel.
class DialogTemplate {
public:
    DialogTemplate(const wchar_t* caption, WORD items) {
        Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
        Dword(0);
        words_.push_back(items);
        for (WORD v : {10, 10, 200, 80})
            words_.push_back(v);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the dialog class
        Text(caption);
        words_.push_back(8);
        Text(L"MS Shell Dlg");
    }
    void Item(WORD kind, WORD id, DWORD style, short x, short y, short cx, short cy, const wchar_t* text) {
        if (words_.size() % 2)
            words_.push_back(0);  // items start on a DWORD
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            words_.push_back(static_cast<WORD>(v));
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(kind);
        Text(text);
        words_.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Dword(DWORD v) {
        words_.push_back(LOWORD(v));
        words_.push_back(HIWORD(v));
    }
    void Text(const wchar_t* text) {
        for (; *text; ++text)
            words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }
    std::vector<WORD> words_;
};

INT_PTR CALLBACK BarcodeDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(dialog, kBarcodeField, "SN-0042");  // set after creation, as programs do
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

int ShowDialog() {
    DialogTemplate form(L"Serial number", 5);
    form.Item(0x0082, 100, SS_LEFT, 7, 7, 180, 10, L"Scan the panel's barcode:");
    form.Item(0x0081, kBarcodeField, ES_READONLY | WS_BORDER, 7, 20, 180, 12, L"");
    form.Item(0x0081, 102, ES_PASSWORD | WS_BORDER, 7, 36, 180, 12, L"secret");
    form.Item(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 58, 50, 14, L"OK");
    form.Item(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 110, 58, 50, 14, L"Cancel");
    return static_cast<int>(
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), form.Get(), nullptr, BarcodeDialog, 0));
}

}  // namespace

int main(int argc, char** argv) {
    std::string answers;
    for (int i = 1; i < argc; ++i) {
        const char* kind = argv[i];
        int answer = -1;
        if (!std::strcmp(kind, "yesno"))
            answer = MessageBoxA(nullptr, "Erase the golden sample?\nIt cannot be undone.", "Question",
                                 MB_YESNO | MB_ICONQUESTION);
        else if (!std::strcmp(kind, "yesnocancel"))
            answer = MessageBoxA(nullptr, "Save the results?", "Save", MB_YESNOCANCEL);
        else if (!std::strcmp(kind, "retrycancel"))
            answer = MessageBoxA(nullptr, "Cannot Get Chip Data !", "Check Device",
                                 MB_RETRYCANCEL | MB_ICONWARNING);
        else if (!std::strcmp(kind, "ok"))
            answer = MessageBoxA(nullptr, "Test finished", "Info", MB_OK);
        else if (!std::strcmp(kind, "dialog"))
            answer = ShowDialog();
        answers += (answers.empty() ? "" : " ") + std::to_string(answer);
    }
    answers += "\n";
    FILE* file = std::fopen("asker-answers.txt", "wb");
    if (!file)
        return 2;
    const bool ok = std::fwrite(answers.data(), 1, answers.size(), file) == answers.size();
    return std::fclose(file) == 0 && ok ? 0 : 2;
}
