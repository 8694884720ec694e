// The retry and password prompts on their real templates, each opened from a
// worker thread with an owner window on the GUI thread (this thread).
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "framework/Prompt.h"
#include "vantro/Prompts.h"
#include "vantro/ToolRunner.h"
#include "vantro/Win32ProcessLauncher.h"

namespace vantro {
namespace {

std::string Text(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class PromptsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RECT rect = {0, 0, 300, 200};
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, 0));
    }
    void TearDown() override { owner.DestroyWindow(); }

    // Runs open on a worker; this thread pumps messages, finds the dialog by
    // caption and hands it to drive.  Returns open's result.
    INT_PTR OnWorker(const std::function<INT_PTR()>& open, const char* caption,
                     const std::function<void(HWND)>& drive) {
        std::atomic<bool> done{false};
        INT_PTR result = -5;
        std::thread worker([&] {
            result = open();
            done = true;
        });
        HWND dialog = nullptr;
        DWORD start = GetTickCount();
        while (!done && GetTickCount() - start < 20000) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (!dialog) {
                // A dialog is shown only after its initialisation, so wait for that
                // before driving it.
                HWND found = FindWindowA("#32770", caption);
                if (found && IsWindowVisible(found))
                    dialog = found;
                if (dialog) {
                    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner.GetSafeHwnd());
                    drive(dialog);
                }
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        EXPECT_NE(dialog, nullptr) << caption;
        if (!done && dialog)
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        worker.join();
        return result;
    }

    static void Click(HWND dialog, int id) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    static int MessageLeft(HWND dialog) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog, IDC_RETRY_MESSAGE), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    }

    CWnd owner;
};

TEST_F(PromptsTest, RetryInSimpleMode) {
    int left = 0;
    for (int button : {IDOK, IDCANCEL}) {
        DialogRetryPrompts prompts([this] { return &owner; });
        INT_PTR result = OnWorker(
            [&] { return prompts.AskRetry("LinearTest Fail", "LinearTest Retry ?"); }, "LinearTest Fail",
            [&](HWND dialog) {
                EXPECT_EQ(Text(GetDlgItem(dialog, IDC_RETRY_MESSAGE)), "LinearTest Retry ?");
                EXPECT_EQ(Text(GetDlgItem(dialog, IDOK)), "Retry");
                EXPECT_EQ(Text(GetDlgItem(dialog, IDCANCEL)), "Next");
                for (int id : {IDC_RETRY_IC_VERSION, IDC_RETRY_AP_VERSION, IDC_RETRY_VERSION_GROUP})
                    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, id))) << id;
                left = MessageLeft(dialog);
                Click(dialog, button);
            });
        EXPECT_EQ(result, button);
    }

    DialogRetry firmware(&owner);
    firmware.SetTexts("Update Firmware", "Quenfor ?");
    firmware.SetFirmwareVersions("IC 01.02", "AP 01.03");
    INT_PTR result =
        OnWorker([&] { return firmware.DoModal(); }, "Update Firmware",
                 [&](HWND dialog) {
                     EXPECT_EQ(Text(GetDlgItem(dialog, IDOK)), "Yes");
                     EXPECT_EQ(Text(GetDlgItem(dialog, IDCANCEL)), "NO");
                     EXPECT_EQ(Text(GetDlgItem(dialog, IDC_RETRY_IC_VERSION)), "IC 01.02");
                     EXPECT_EQ(Text(GetDlgItem(dialog, IDC_RETRY_AP_VERSION)), "AP 01.03");
                     for (int id : {IDC_RETRY_IC_VERSION, IDC_RETRY_AP_VERSION, IDC_RETRY_VERSION_GROUP})
                         EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, id))) << id;
                     EXPECT_EQ(MessageLeft(dialog), left + 35);
                     Click(dialog, IDOK);
                 });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PromptsTest, RetryTextsAreBoundedTo63) {
    DialogRetry dialog;
    std::string name(100, 'n');
    dialog.SetTexts((name + " Fail").c_str(), name.c_str());
    EXPECT_EQ(std::string(dialog.m_title), name.substr(0, 63));
}

TEST_F(PromptsTest, PasswordIsCutToNineCharacters) {
    CDialogPassword password(&owner);
    INT_PTR result = OnWorker([&] { return password.DoModal(); }, "Please Keyin Password",
                              [&](HWND dialog) {
                                  SetDlgItemTextA(dialog, IDC_PASSWORD_EDIT, "abcdefghijkl");
                                  Click(dialog, IDOK);
                              });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(password.m_password, "abcdefghi");

    CDialogPassword cancelled(&owner);
    result = OnWorker([&] { return cancelled.DoModal(); }, "Please Keyin Password",
                      [&](HWND dialog) { Click(dialog, IDC_PASSWORD_CANCEL); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PromptsTest, MissingToolBoxGoesThroughTheFrameworkPrompt) {
    PromptScript script;
    script.Answer(IDOK);
    Win32ProcessLauncher launcher;
    FrameworkMessages messages([this] { return owner.GetSafeHwnd(); });
    SystemLocalTime clock;
    ToolRunner runner(launcher, messages, clock, [] { return 0; });
    uint32_t wait = 0, code = 0, pid = 0;
    EXPECT_FALSE(runner.RunTool("tools\\Missing.exe", "", 1000, wait, code, pid));
    ASSERT_EQ(script.Count(), 1u);
    EXPECT_EQ(script.Requests()[0].text, "Could not find tools\\Missing.exe.\n");
    EXPECT_EQ(script.Requests()[0].style, static_cast<UINT>(MB_OK));
}

}  // namespace
}  // namespace vantro
