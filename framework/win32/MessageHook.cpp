#include "framework/MessageHook.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

namespace {

struct HookOfThread {
    HHOOK hook = nullptr;
    std::vector<CallWndRetHook*> subscribers;
};

std::mutex g_mutex;
std::map<DWORD, HookOfThread>& Hooks() {
    static std::map<DWORD, HookOfThread> hooks;
    return hooks;
}

}  // namespace

LRESULT CALLBACK CallWndRetHookProc(int code, WPARAM wParam, LPARAM lParam) {
    DWORD thread = GetCurrentThreadId();
    HHOOK hook = nullptr;
    std::vector<CallWndRetHook*> subscribers;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = Hooks().find(thread);
        if (it != Hooks().end()) {
            hook = it->second.hook;
            subscribers = it->second.subscribers;
        }
    }
    if (code == HC_ACTION && lParam) {
        const auto& message = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        for (CallWndRetHook* subscriber : subscribers) {
            // A handler may end another subscriber: call only those still there.
            bool alive;
            {
                std::lock_guard<std::mutex> lock(g_mutex);
                auto it = Hooks().find(thread);
                alive = it != Hooks().end() &&
                        std::find(it->second.subscribers.begin(), it->second.subscribers.end(), subscriber) !=
                            it->second.subscribers.end();
            }
            if (alive && subscriber->handler_)
                subscriber->handler_(message);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

CallWndRetHook::CallWndRetHook(Handler handler) : handler_(std::move(handler)) {
    DWORD thread = GetCurrentThreadId();
    std::lock_guard<std::mutex> lock(g_mutex);
    HookOfThread& entry = Hooks()[thread];
    if (!entry.hook) {
        entry.hook = SetWindowsHookExA(WH_CALLWNDPROCRET, CallWndRetHookProc, nullptr, thread);
        if (!entry.hook) {
            Hooks().erase(thread);
            return;
        }
    }
    entry.subscribers.push_back(this);
    thread_ = thread;
}

CallWndRetHook::~CallWndRetHook() {
    if (!thread_)
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = Hooks().find(thread_);
    if (it == Hooks().end())
        return;
    auto& subscribers = it->second.subscribers;
    subscribers.erase(std::remove(subscribers.begin(), subscribers.end(), this), subscribers.end());
    if (subscribers.empty()) {
        UnhookWindowsHookEx(it->second.hook);
        Hooks().erase(it);
    }
}

HHOOK CallWndRetHook::ThreadHook() {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = Hooks().find(GetCurrentThreadId());
    return it == Hooks().end() ? nullptr : it->second.hook;
}

int CallWndRetHook::ThreadSubscribers() {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = Hooks().find(GetCurrentThreadId());
    return it == Hooks().end() ? 0 : static_cast<int>(it->second.subscribers.size());
}
