#include "MsgHook.h"

#include <map>

namespace {
// The list and its editors live on the GUI thread, which alone runs the hook.
std::map<HWND, CMsgHook*>& Registered() {
    static std::map<HWND, CMsgHook*> map;
    return map;
}
}  // namespace

CMsgHook::CMsgHook() : hook_([this](const CWPRETSTRUCT& message) { OnMessage(message); }) {}

CMsgHook::~CMsgHook() {
    Detach();
}

bool CMsgHook::Attach(HWND hooked, HWND owner, HWND notify) {
    if (!IsWindow(hooked) || !IsWindow(owner))
        return false;
    Detach();
    hooked_ = hooked;
    owner_ = owner;
    notify_ = notify;
    open = 0;
    Registered()[hooked] = this;
    return true;
}

void CMsgHook::Detach() {
    if (hooked_) {
        auto it = Registered().find(hooked_);
        if (it != Registered().end() && it->second == this)
            Registered().erase(it);
    }
    hooked_ = owner_ = notify_ = nullptr;
}

void CMsgHook::OnMessage(const CWPRETSTRUCT& message) {
    if (!hooked_)
        return;
    HWND window = message.hwnd;
    while (window && window != hooked_)
        window = GetParent(window);
    if (!window)
        return;
    HWND target = notify_ ? notify_ : owner_;
    switch (message.message) {
        case WM_KEYDOWN:
            if (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)
                SendMessageA(target, kEndEditMessage, message.wParam == VK_RETURN ? 1 : 0, 0);
            break;
        case WM_DESTROY:
            if (message.hwnd == hooked_)
                Detach();
            break;
        default:
            break;
    }
}
