// The password prompt, the retry prompt, and the engine's prompt and message
// interfaces bound to them and to the framework's message box.
#pragma once

#ifdef _WIN32

#include <functional>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "vantro/PromptResource.h"
#include "vantro/RunInterfaces.h"
#include "vantro/UserMessages.h"

namespace vantro {

constexpr int kPasswordSize = 10;  // nine characters and the terminator
constexpr int kRetryTextSize = 64;

class CDialogPassword : public CDialog {
public:
    explicit CDialogPassword(CWnd* parent = nullptr);
    char m_password[kPasswordSize] = "";

protected:
    void OnOK() override;
    bool OnCmdMsg(UINT id, int code) override;
};

class DialogRetry : public CDialog {
public:
    explicit DialogRetry(CWnd* parent = nullptr);
    // Bounded copies into the 64-character fields.
    void SetTexts(const char* title, const char* message);
    void SetFirmwareVersions(const char* icVersion, const char* apVersion);

    char m_title[kRetryTextSize] = "";
    char m_message[kRetryTextSize] = "";
    char m_icVersion[kRetryTextSize] = "";
    char m_apVersion[kRetryTextSize] = "";
    int m_simple = 1;

protected:
    BOOL OnInitDialog() override;

private:
    CFont boldFont_;
    CFont shellFont_;
};

// The run's retry question as DialogRetry, owned by the main dialog.
class DialogRetryPrompts : public RunPrompts {
public:
    explicit DialogRetryPrompts(std::function<CWnd*()> owner) : owner_(std::move(owner)) {}
    int AskRetry(const char* title, const char* message) override;

private:
    std::function<CWnd*()> owner_;
};

// Boxes through the framework's message-box function, owned by the window
// the getter names (none before the main dialog exists or while it goes).
class FrameworkMessages : public UserMessages {
public:
    explicit FrameworkMessages(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    void ShowMessageBox(const char* text) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace vantro

#endif
