#include "VantroDialogReader.h"

#include <commctrl.h>

#include "VantroStation.h"

namespace {

// A block of memory in another process, freed with it.
class RemoteBlock {
public:
    RemoteBlock(DWORD processId, SIZE_T size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
          address_(process_ ? static_cast<char*>(
                                  VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
                            : nullptr) {}
    ~RemoteBlock() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* Address() const { return address_; }
    bool Write(SIZE_T offset, const void* bytes, SIZE_T size) {
        return address_ && WriteProcessMemory(process_, address_ + offset, bytes, size, nullptr);
    }
    bool Read(SIZE_T offset, void* bytes, SIZE_T size) {
        return address_ && ReadProcessMemory(process_, address_ + offset, bytes, size, nullptr);
    }

private:
    HANDLE process_;
    char* address_;
};

constexpr SIZE_T kRemoteTextSize = 256;

struct DialogSearch {
    DWORD processId;
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && window != search->except && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (done())
            return true;
        Sleep(50);
    }
    return done();
}

namespace {

bool ReadHoverTime(HWND list, DWORD_PTR* value) {
    return SendMessageTimeoutA(list, LVM_GETHOVERTIME, 0, 0, SMTO_NORMAL, 5000, value) != 0;
}

bool PostHoverTimeAndWait(HWND list, DWORD_PTR value, DWORD timeoutMs) {
    if (!PostMessageA(list, LVM_SETHOVERTIME, 0, static_cast<LPARAM>(value)))
        return false;
    DWORD_PTR seen = 0;
    return WaitUntil(timeoutMs, [&] { return ReadHoverTime(list, &seen) && seen == value; });
}

}  // namespace

bool HandledPostedMessages(HWND dialog, DWORD timeoutMs) {
    HWND list = GetDlgItem(dialog, 1003);
    DWORD_PTR original = 0;
    if (!list || !ReadHoverTime(list, &original))
        return false;
    const DWORD_PTR marker = static_cast<DWORD>(original + 1);
    const bool handled = PostHoverTimeAndWait(list, marker, timeoutMs);
    return PostHoverTimeAndWait(list, original, timeoutMs) && handled;
}

std::string DialogText(HWND dialog, int id) {
    char text[512] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::wstring DialogTextW(HWND dialog, int id) {
    wchar_t text[512] = L"";
    GetWindowTextW(GetDlgItem(dialog, id), text, sizeof text / sizeof text[0]);
    return text;
}

bool HasVisibleStyle(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string ListCell(DWORD processId, HWND list, int row, int column) {
    RemoteBlock remote(processId, sizeof(LVITEMA) + kRemoteTextSize);
    if (!remote.Address())
        return "<no process>";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = remote.Address() + sizeof(LVITEMA);
    item.cchTextMax = kRemoteTextSize;
    remote.Write(0, &item, sizeof item);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote.Address()));
    char text[kRemoteTextSize] = "";
    remote.Read(sizeof(LVITEMA), text, kRemoteTextSize - 1);
    return text;
}

int ListColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (!header)
        return -1;
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

std::vector<std::string> ListColumnNames(DWORD processId, HWND list) {
    std::vector<std::string> names;
    const int count = ListColumnCount(list);
    for (int column = 0; column < count; ++column) {
        RemoteBlock remote(processId, sizeof(LVCOLUMNA) + kRemoteTextSize);
        if (!remote.Address())
            return names;
        LVCOLUMNA item = {};
        item.mask = LVCF_TEXT;
        item.pszText = remote.Address() + sizeof(LVCOLUMNA);
        item.cchTextMax = kRemoteTextSize;
        remote.Write(0, &item, sizeof item);
        char text[kRemoteTextSize] = "";
        if (SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(remote.Address())))
            remote.Read(sizeof(LVCOLUMNA), text, kRemoteTextSize - 1);
        names.push_back(text);
    }
    return names;
}

HWND FocusedControl(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

HWND WaitForMainDialog(DWORD processId, const char* status, DWORD timeoutMs) {
    HWND dialog = nullptr;
    auto shown = [&] { return dialog && IsWindowVisible(dialog) && DialogText(dialog, 1025) == status; };
    WaitUntil(timeoutMs, [&] {
        dialog = FindProcessDialog(processId, "Vantro");
        return shown();
    });
    return shown() ? dialog : nullptr;
}

HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs) {
    HWND prompt = nullptr;
    WaitUntil(timeoutMs, [&] {
        prompt = FindProcessDialog(processId, "Please Keyin Password");
        return prompt && IsWindowVisible(prompt);
    });
    return prompt && IsWindowVisible(prompt) ? prompt : nullptr;
}

void AnswerPassword(HWND prompt, const char* password) {
    SetDlgItemTextA(prompt, 1065, password);
    PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(prompt, IDOK)));
}

bool PressModeKeyAndAnswer(DWORD processId, HWND dialog, WPARAM key, const char* password) {
    PostMessageA(GetDlgItem(dialog, 1000), WM_KEYDOWN, key, 0);
    HWND prompt = WaitForPasswordPrompt(processId, 5000);
    if (!prompt)
        return false;
    AnswerPassword(prompt, password);
    return true;
}

void SelectComboItem(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

bool ClickIfEnabled(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (!button || !IsWindowEnabled(button))
        return false;
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

std::string MessageBoxText(HWND box) {
    return DialogText(box, 0xFFFF);
}

std::vector<HWND> OtherVisibleDialogs(DWORD processId, HWND except) {
    DialogSearch search{processId, except, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
