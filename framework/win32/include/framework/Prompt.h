// One way for every message box and modal prompt of the suite's programs.
//
// Programs call ShowMessageBox (and the common-dialog functions of
// CommonDialogs.h, which go through the same script).  Without a script these
// are the real MessageBoxA and the real dialogs.  A test installs a
// PromptScript: every prompt is then recorded (kind, caption, text, style,
// thread) and answered by the script instead of opening a window, from
// whichever thread raised it.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

enum class PromptKind { MessageBox, FolderBrowser, OpenFile, SaveFile };

struct PromptRequest {
    PromptKind kind = PromptKind::MessageBox;
    std::string caption;      // message box caption, dialog title
    std::string text;         // message box text
    UINT style = 0;           // MB_ flags of a message box, OFN_ flags of a file dialog
    std::string filter;       // file dialogs: "name|pattern|...||"
    std::string defaultName;  // file dialogs: the name shown at first
    std::string defaultExt;   // file dialogs: extension added to a bare name
    DWORD threadId = 0;       // the thread that raised the prompt
};

struct PromptReply {
    int button = IDOK;  // IDOK, IDCANCEL, IDYES, IDNO, IDRETRY ...
    std::string path;   // chosen folder or file (with IDOK)
};

// Shows a message box (or lets the active script answer it) and returns the
// button: IDOK, IDCANCEL, IDYES ...  Without an owner, the application's main
// window is the owner when it belongs to the calling thread.
int ShowMessageBox(const char* text, const char* caption = nullptr, UINT style = MB_OK, HWND owner = nullptr);

// The button a message box of this style answers to Enter: its default button.
int DefaultMessageBoxButton(UINT style);

// While a PromptScript lives, prompts are answered by it.  Replies queued with
// Answer() are used first, in order; then the answerer function, if any; else a
// message box gets its default button and a dialog is cancelled.
class PromptScript {
public:
    using Answerer = std::function<PromptReply(const PromptRequest&)>;

    PromptScript();
    explicit PromptScript(Answerer answerer);
    ~PromptScript();
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    void Answer(int button, const std::string& path = std::string());
    std::vector<PromptRequest> Requests() const;
    size_t Count() const;

    // Used by the prompt functions: records the request; true and the reply when
    // a script is active.
    static bool Intercept(const PromptRequest& request, PromptReply* reply);

private:
    PromptReply Reply(const PromptRequest& request);

    mutable std::mutex mutex_;
    Answerer answerer_;
    std::deque<PromptReply> queued_;
    std::vector<PromptRequest> requests_;
};
