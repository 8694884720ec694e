#include "test_support/MessageBoxWatcher.h"

#include <algorithm>

#include "test_support/WatchScript.h"

namespace test_support {

namespace {

// WM_GETTEXT rather than GetWindowText: it reads controls of another process
// too, and texts set after creation.  A hung window gives "".
std::string TextOf(HWND window) {
    char buffer[4096] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 1000, &length))
        return "";
    return std::string(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct BoxParts {
    std::string texts;
    std::vector<std::pair<POINT, std::string>> buttons;
};

BOOL CALLBACK CollectPart(HWND child, LPARAM data) {
    auto* parts = reinterpret_cast<BoxParts*>(data);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(kind.c_str(), "Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            RECT place;
            GetWindowRect(child, &place);
            parts->buttons.push_back({{place.left, place.top}, test_support::WithoutMnemonic(TextOf(child))});
        }
        return TRUE;
    }
    const bool isText = lstrcmpiA(kind.c_str(), "Static") == 0 ||
                        (lstrcmpiA(kind.c_str(), "Edit") == 0 && !(style & ES_PASSWORD)) ||
                        _strnicmp(kind.c_str(), "RichEdit", 8) == 0;
    if (isText) {
        const std::string text = TextOf(child);
        if (!text.empty())
            parts->texts += (parts->texts.empty() ? "" : "\n") + text;
    }
    return TRUE;
}

// A message box keeps its text in the static control 0xFFFF; a dialog's
// statics and edit fields are joined in child order.
BoxParts PartsOf(HWND box) {
    BoxParts parts;
    EnumChildWindows(box, CollectPart, reinterpret_cast<LPARAM>(&parts));
    if (HWND text = GetDlgItem(box, 0xFFFF))
        parts.texts = TextOf(text);
    std::stable_sort(parts.buttons.begin(), parts.buttons.end(), [](const auto& a, const auto& b) {
        return a.first.y != b.first.y ? a.first.y < b.first.y : a.first.x < b.first.x;
    });
    return parts;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(DWORD processId, std::vector<int> answers, int fallback,
                                     std::function<void(const SeenBox&)> onSeen)
    : processId_(processId), answers_(std::move(answers)), fallback_(fallback), onSeen_(std::move(onSeen)) {
    InitializeCriticalSection(&lock_);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    InterlockedExchange(&stop_, 1);
    if (thread_) {
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
    }
    DeleteCriticalSection(&lock_);
}

bool MessageBoxWatcher::WaitFor(size_t count, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        EnterCriticalSection(&lock_);
        size_t seen = seen_.size();
        LeaveCriticalSection(&lock_);
        if (seen >= count)
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

std::vector<SeenBox> MessageBoxWatcher::Seen() {
    EnterCriticalSection(&lock_);
    std::vector<SeenBox> copy = seen_;
    LeaveCriticalSection(&lock_);
    return copy;
}

DWORD WINAPI MessageBoxWatcher::Run(LPVOID self) {
    auto* watcher = static_cast<MessageBoxWatcher*>(self);
    while (!watcher->stop_) {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(watcher));
        // Forget boxes that are gone: their handle values may come back.
        watcher->answered_.erase(std::remove_if(watcher->answered_.begin(), watcher->answered_.end(),
                                                [](HWND w) { return !IsWindow(w); }),
                                 watcher->answered_.end());
        Sleep(30);
    }
    return 0;
}

BOOL CALLBACK MessageBoxWatcher::Visit(HWND window, LPARAM self) {
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == watcher->processId_ && lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) &&
        std::find(watcher->answered_.begin(), watcher->answered_.end(), window) == watcher->answered_.end())
        watcher->Answer(window);
    return TRUE;
}

void MessageBoxWatcher::Answer(HWND box) {
    answered_.push_back(box);
    char caption[1024] = "";
    GetWindowTextA(box, caption, sizeof caption);
    const BoxParts parts = PartsOf(box);
    SeenBox seen{caption, parts.texts, {}, 0};
    for (const auto& button : parts.buttons)
        seen.buttons.push_back(button.second);
    EnterCriticalSection(&lock_);
    const size_t index = seen_.size();
    seen.answer = index < answers_.size() ? answers_[index] : fallback_;
    LeaveCriticalSection(&lock_);
    // Recorded before the answer, so that a record is complete when the box closes.
    if (onSeen_)
        onSeen_(seen);
    EnterCriticalSection(&lock_);
    seen_.push_back(seen);
    LeaveCriticalSection(&lock_);
    HWND button = GetDlgItem(box, seen.answer);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(seen.answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace test_support
