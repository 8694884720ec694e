// A worker thread started through CWinThread writes controls and posts
// progress while the GUI thread's timers tick; prompts raised on it are
// recorded and answered by the script; without a script the real box shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <memory>

#include "framework/Dialog.h"
#include "framework/Prompt.h"
#include "TestResource.h"
#include "framework/Thread.h"

namespace {

constexpr UINT kProgressMessage = WM_APP + 1;
constexpr UINT kWorkerDone = WM_APP + 2;

class WorkerDialog : public CDialog {
public:
    WorkerDialog() : CDialog(IDD_WORKER) {}

    std::unique_ptr<CWinThread> worker;
    std::atomic<int> ticks{0};
    int ticksWhileWorking = 0;
    int progressPosts = 0;
    int lastProgress = 0;
    int priority = 0;
    bool threadEndedAtDone = false;
    std::string statusAtDone;
    int answer = 0;
    DWORD workerId = 0;

    static UINT Work(void* raw) {
        auto* self = static_cast<WorkerDialog*>(raw);
        self->workerId = GetCurrentThreadId();
        for (int i = 1; i <= 5; ++i) {
            char text[32];
            std::snprintf(text, sizeof text, "step %d", i);
            // Written from the worker, as the sequence run does.
            ::SetDlgItemTextA(self->m_hWnd, IDC_STATUS, text);
            ::SendMessageA(::GetDlgItem(self->m_hWnd, IDC_PROGRESS), PBM_SETPOS, i * 20, 0);
            ::PostMessageA(self->m_hWnd, kProgressMessage, i * 20, 0);
            Sleep(60);
        }
        self->answer = ShowMessageBox("Retry ?", "Step Fail", MB_OKCANCEL | MB_ICONQUESTION);
        ::PostMessageA(self->m_hWnd, kWorkerDone, 0, 0);
        return 0;
    }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(7, 20);
        worker = CWinThread::Begin(Work, this, THREAD_PRIORITY_BELOW_NORMAL);
        if (worker)
            priority = worker->Priority();
        return TRUE;
    }

    void OnTimer(UINT_PTR id) override {
        if (id == 7)
            ++ticks;
        CDialog::OnTimer(id);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProgressMessage) {
            ++progressPosts;
            lastProgress = static_cast<int>(wParam);
            return 0;
        }
        if (message == kWorkerDone) {
            ticksWhileWorking = ticks;
            threadEndedAtDone = worker->Wait(5000);
            statusAtDone = GetDlgItemText(IDC_STATUS);
            EndDialog(IDOK);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

TEST(WorkerThread, WritesControlsAndPostsProgressWhileTimersTick) {
    PromptScript script;
    script.Answer(IDCANCEL);
    WorkerDialog dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    ASSERT_NE(nullptr, dialog.worker);
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, dialog.priority);
    EXPECT_TRUE(dialog.threadEndedAtDone);
    EXPECT_EQ("step 5", dialog.statusAtDone);
    EXPECT_EQ(5, dialog.progressPosts);
    EXPECT_EQ(100, dialog.lastProgress);
    // 5 x 60 ms of work at a 20 ms timer: the GUI thread kept ticking.
    EXPECT_GE(dialog.ticksWhileWorking, 5);

    ASSERT_EQ(1u, script.Count());
    PromptRequest box = script.Requests()[0];
    EXPECT_EQ(PromptKind::MessageBox, box.kind);
    EXPECT_EQ("Step Fail", box.caption);
    EXPECT_EQ("Retry ?", box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION), box.style);
    EXPECT_EQ(dialog.workerId, box.threadId);
    EXPECT_EQ(IDCANCEL, dialog.answer);
}

TEST(Prompt, UnscriptedAnswersAreTheDefaultButtonOrTheAnswerer) {
    {
        PromptScript script;
        EXPECT_EQ(IDOK, ShowMessageBox("a", "b"));
        EXPECT_EQ(IDNO, ShowMessageBox("a", "b", MB_YESNO | MB_DEFBUTTON2));
        EXPECT_EQ(IDRETRY, ShowMessageBox("a", "b", MB_RETRYCANCEL));
        EXPECT_EQ(3u, script.Count());
    }
    PromptScript script([](const PromptRequest& request) {
        return PromptReply{request.text == "yes?" ? IDYES : IDNO, {}};
    });
    EXPECT_EQ(IDYES, ShowMessageBox("yes?", "q", MB_YESNO));
    EXPECT_EQ(IDNO, ShowMessageBox("other", "q", MB_YESNO));
}

TEST(Prompt, DefaultButtonTable) {
    const struct {
        UINT style;
        int button;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_YESNOCANCEL, IDYES},
        {MB_YESNO | MB_ICONSTOP, IDYES},
        {MB_RETRYCANCEL, IDRETRY},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.button, DefaultMessageBoxButton(c.style)) << c.style;
}

// Without a script the real MessageBoxA opens: a watcher reads its text and
// presses its OK button.
struct Watch {
    std::string text;
    bool found = false;
};

DWORD WINAPI PressOkOfRealBox(void* raw) {
    auto* watch = static_cast<Watch*>(raw);
    for (int i = 0; i < 250; ++i) {
        Sleep(20);
        HWND box = FindWindowA("#32770", "Real Caption");
        if (!box || !IsWindowVisible(box))
            continue;  // shown once its text is set
        char text[128] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's text control
        watch->text = text;
        watch->found = true;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return 0;
    }
    return 0;
}

TEST(Prompt, WithoutScriptTheRealMessageBoxShows) {
    Watch watch;
    HANDLE watcher = CreateThread(nullptr, 0, PressOkOfRealBox, &watch, 0, nullptr);
    int answer = ShowMessageBox("Real text", "Real Caption", MB_OK);
    WaitForSingleObject(watcher, 5000);
    CloseHandle(watcher);
    EXPECT_TRUE(watch.found);
    EXPECT_EQ("Real text", watch.text);
    EXPECT_EQ(IDOK, answer);
}

}  // namespace
