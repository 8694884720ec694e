// CWinApp: the one application object of a program, its message loop and its
// exit code.  A program defines one object derived from CWinApp and starts it
// with RunWinApp from WinMain (or links framework_winmain, whose WinMain does
// that for the object that exists).
//
//   InitInstance false: ExitInstance's value is the exit code at once (dialog
//   programs run their main dialog inside InitInstance).
//   InitInstance true: Run() loops until WM_QUIT, then ExitInstance's value.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/CmdTarget.h"

class CWnd;
class CDocTemplate;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    static CWinApp* Current();

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();  // the exit code: WM_QUIT's value
    virtual int Run();
    virtual BOOL OnIdle(LONG count);  // update-UI of the main window

    // Registry: HKCU\Software\<key>\<application name>\<section>.
    void SetRegistryKey(const char* key);
    void LoadStdProfileSettings(UINT recentFileCount = 4);
    const std::vector<std::string>& RecentFiles() const { return recentFiles_; }
    void AddToRecentFileList(const std::string& path);
    UINT GetProfileInt(const char* section, const char* entry, int fallback) const;
    bool WriteProfileInt(const char* section, const char* entry, int value);
    std::string GetProfileString(const char* section, const char* entry, const char* fallback = "") const;
    bool WriteProfileString(const char* section, const char* entry, const char* value);
    std::string ProfileKeyPath(const char* section) const;

    // OLE for the GUI thread, undone after ExitInstance.
    bool InitOle();

    // Single-document programs: the template (owned from here on), and making
    // the document with its frame and view.
    void AddDocTemplate(CDocTemplate* docTemplate);
    CDocTemplate* DocTemplate() const { return docTemplate_; }
    virtual bool OnFileNew();

    bool OnCmdMsg(UINT id, int code) override;  // ID_APP_EXIT

    CWnd* m_pMainWnd = nullptr;
    std::string m_appName;
    std::string m_registryKey;
    HINSTANCE m_hInstance;
    int m_exitCode = 0;

private:
    friend int RunWinApp(CWinApp& app);
    std::vector<std::string> recentFiles_;
    UINT recentFileCount_ = 0;
    CDocTemplate* docTemplate_ = nullptr;
    bool oleStarted_ = false;
};

// InitInstance, Run, ExitInstance; returns the process exit code.
int RunWinApp(CWinApp& app);

// The message pre-translation of a message loop: PreTranslateMessage of every
// bound window from msg->hwnd up its parents to its top-level window, then of
// the main window when it belongs to this thread and was not among them.
bool WalkPreTranslateMessage(MSG* msg);

// The module whose resources (dialog templates, menus, strings) are used.
HINSTANCE ResourceInstance();

// Framework command ids of the standard menu items.
constexpr UINT kIdAppExit = 0xE141;         // "E&xit"
constexpr UINT kIdAppAbout = 0xE140;        // "&About ..."
constexpr UINT kIdViewStatusBar = 0xE801;   // "&Status Bar"
constexpr UINT kIdAppTitleString = 0xE000;  // string resource: the application title
