#include "MessageBoxWatcher.h"

#include <algorithm>

namespace {

std::string TextOf(HWND window) {
    char buffer[4096] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

struct StaticTexts {
    std::string joined;
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM data) {
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        std::string text = TextOf(child);
        if (!text.empty()) {
            auto* texts = reinterpret_cast<StaticTexts*>(data);
            if (!texts->joined.empty()) texts->joined += "\n";
            texts->joined += text;
        }
    }
    return TRUE;
}

// A message box keeps its text in the static control 0xFFFF; a dialog's
// statics are joined in child order.
std::string BoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    if (text) return TextOf(text);
    StaticTexts texts;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts.joined;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(DWORD processId, std::vector<int> answers, int fallback)
    : processId_(processId), answers_(std::move(answers)), fallback_(fallback) {
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
        if (seen >= count) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
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
    EnterCriticalSection(&lock_);
    size_t index = seen_.size();
    int answer = index < answers_.size() ? answers_[index] : fallback_;
    seen_.push_back({TextOf(box), BoxText(box), answer});
    LeaveCriticalSection(&lock_);
    HWND button = GetDlgItem(box, answer);
    if (button)
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    else
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}
