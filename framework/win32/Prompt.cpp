#include "framework/Prompt.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

std::mutex g_scriptMutex;
PromptScript* g_script = nullptr;

}  // namespace

int DefaultMessageBoxButton(UINT style) {
    static const int kButtons[][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},         // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},                // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},      // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}  // MB_CANCELTRYCONTINUE
    };
    UINT type = style & MB_TYPEMASK;
    if (type >= sizeof kButtons / sizeof kButtons[0])
        type = 0;
    UINT def = (style & MB_DEFMASK) >> 8;  // 0, 1, 2 (MB_DEFBUTTON1..3)
    if (def > 2)
        def = 0;
    return kButtons[type][def];
}

PromptScript::PromptScript() : PromptScript(Answerer()) {}

PromptScript::PromptScript(Answerer answerer) : answerer_(std::move(answerer)) {
    std::lock_guard<std::mutex> lock(g_scriptMutex);
    g_script = this;
}

PromptScript::~PromptScript() {
    std::lock_guard<std::mutex> lock(g_scriptMutex);
    if (g_script == this)
        g_script = nullptr;
}

void PromptScript::Answer(int button, const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    queued_.push_back(PromptReply{button, path});
}

std::vector<PromptRequest> PromptScript::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

size_t PromptScript::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_.size();
}

PromptReply PromptScript::Reply(const PromptRequest& request) {
    Answerer answerer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
        if (!queued_.empty()) {
            PromptReply reply = queued_.front();
            queued_.pop_front();
            return reply;
        }
        answerer = answerer_;
    }
    if (answerer)
        return answerer(request);
    if (request.kind == PromptKind::MessageBox)
        return PromptReply{DefaultMessageBoxButton(request.style), {}};
    return PromptReply{IDCANCEL, {}};
}

bool PromptScript::Intercept(const PromptRequest& request, PromptReply* reply) {
    PromptScript* script;
    {
        std::lock_guard<std::mutex> lock(g_scriptMutex);
        script = g_script;
    }
    if (!script)
        return false;
    PromptRequest copy = request;
    copy.threadId = GetCurrentThreadId();
    *reply = script->Reply(copy);
    return true;
}

int ShowMessageBox(const char* text, const char* caption, UINT style, HWND owner) {
    PromptRequest request;
    request.kind = PromptKind::MessageBox;
    request.text = text ? text : "";
    request.caption = caption ? caption : "";
    request.style = style;
    PromptReply reply;
    if (PromptScript::Intercept(request, &reply))
        return reply.button;

    if (!owner) {
        CWinApp* app = CWinApp::Current();
        HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
        if (main && IsWindow(main) && GetWindowThreadProcessId(main, nullptr) == GetCurrentThreadId())
            owner = main;
    }
    return MessageBoxA(owner, text ? text : "", caption, style);
}
