#include "framework/WinApp.h"

#include <ole2.h>

#include <cstdio>

#include "framework/DocTemplate.h"
#include "framework/Wnd.h"

namespace {

CWinApp* g_app = nullptr;

std::string ModuleBaseName() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path, length < sizeof path ? length : 0);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

// Messages after which the loop runs its idle work again; not the ones that
// come by themselves all the time.
bool IsIdleMessage(const MSG& msg) {
    return msg.message != WM_PAINT && msg.message != 0x0118 /* system caret timer */;
}

}  // namespace

HINSTANCE ResourceInstance() {
    return GetModuleHandleA(nullptr);
}

CWinApp::CWinApp(const char* appName) : m_hInstance(GetModuleHandleA(nullptr)) {
    g_app = this;
    if (appName) {
        m_appName = appName;
    } else {
        char title[256] = {};
        if (LoadStringA(m_hInstance, kIdAppTitleString, title, sizeof title) > 0)
            m_appName = title;
        else
            m_appName = ModuleBaseName();
    }
}

CWinApp::~CWinApp() {
    delete docTemplate_;
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Current() {
    return g_app;
}

int CWinApp::ExitInstance() {
    return m_exitCode;
}

BOOL CWinApp::OnIdle(LONG count) {
    if (count == 0 && m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->OnIdleUpdateCmdUI();
    return FALSE;
}

int CWinApp::Run() {
    MSG msg;
    bool idle = true;
    LONG idleCount = 0;
    for (;;) {
        while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            m_exitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (got == -1) {
            m_exitCode = -1;
            break;
        }
        if (!WalkPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (IsIdleMessage(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
    return ExitInstance();
}

bool WalkPreTranslateMessage(MSG* msg) {
    CWinApp* app = CWinApp::Current();
    HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    bool mainSeen = false;
    for (HWND window = msg->hwnd; window;) {
        if (window == main)
            mainSeen = true;
        CWnd* wnd = CWnd::FromHandle(window);
        if (wnd && wnd->PreTranslateMessage(msg))
            return true;
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
            break;
        window = GetParent(window);
    }
    // The main window sees every message of its thread, also those of windows
    // outside it (a child reparented to the desktop, a modeless window).
    if (main && !mainSeen && GetWindowThreadProcessId(main, nullptr) == GetCurrentThreadId()) {
        CWnd* wnd = CWnd::FromHandle(main);
        if (wnd && wnd->PreTranslateMessage(msg))
            return true;
    }
    return false;
}

void CWinApp::SetRegistryKey(const char* key) {
    m_registryKey = key ? key : "";
}

std::string CWinApp::ProfileKeyPath(const char* section) const {
    std::string path = "Software\\" + m_registryKey + "\\" + m_appName;
    if (section && *section)
        path += std::string("\\") + section;
    return path;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int fallback) const {
    if (m_registryKey.empty())
        return static_cast<UINT>(fallback);
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), entry, RRF_RT_REG_DWORD, nullptr,
                     &value, &size) != ERROR_SUCCESS)
        return static_cast<UINT>(fallback);
    return value;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
    if (m_registryKey.empty())
        return false;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    DWORD data = static_cast<DWORD>(value);
    bool ok = RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
              ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* fallback) const {
    if (m_registryKey.empty())
        return fallback ? fallback : "";
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), entry, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return fallback ? fallback : "";
    return value;
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
    if (m_registryKey.empty())
        return false;
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    std::string text = value ? value : "";
    bool ok = RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

void CWinApp::LoadStdProfileSettings(UINT recentFileCount) {
    recentFileCount_ = recentFileCount;
    recentFiles_.clear();
    for (UINT i = 1; i <= recentFileCount; ++i) {
        char entry[16];
        std::snprintf(entry, sizeof entry, "File%u", i);
        std::string path = GetProfileString("Recent File List", entry, "");
        if (!path.empty())
            recentFiles_.push_back(path);
    }
}

void CWinApp::AddToRecentFileList(const std::string& path) {
    if (recentFileCount_ == 0 || path.empty())
        return;
    for (auto it = recentFiles_.begin(); it != recentFiles_.end(); ++it) {
        if (_stricmp(it->c_str(), path.c_str()) == 0) {
            recentFiles_.erase(it);
            break;
        }
    }
    recentFiles_.insert(recentFiles_.begin(), path);
    if (recentFiles_.size() > recentFileCount_)
        recentFiles_.resize(recentFileCount_);
    for (size_t i = 0; i < recentFiles_.size(); ++i) {
        char entry[16];
        std::snprintf(entry, sizeof entry, "File%u", static_cast<unsigned>(i + 1));
        WriteProfileString("Recent File List", entry, recentFiles_[i].c_str());
    }
}

bool CWinApp::InitOle() {
    if (oleStarted_)
        return true;
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    return oleStarted_;
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    delete docTemplate_;
    docTemplate_ = docTemplate;
}

bool CWinApp::OnFileNew() {
    return docTemplate_ && docTemplate_->OpenNewDocument();
}

bool CWinApp::OnCmdMsg(UINT id, int code) {
    if (id == kIdAppExit && code == 0) {
        if (m_pMainWnd && m_pMainWnd->m_hWnd)
            m_pMainWnd->SendMessage(WM_CLOSE);
        return true;
    }
    return false;
}

int RunWinApp(CWinApp& app) {
    int code;
    if (!app.InitInstance()) {
        code = app.ExitInstance();
    } else {
        code = app.Run();
    }
    if (app.oleStarted_) {
        OleUninitialize();
        app.oleStarted_ = false;
    }
    return code;
}
