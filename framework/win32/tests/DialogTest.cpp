// Dialogs from templates: modal run driven by the dialog's own timer, data
// exchange, signed integers, hidden controls, dialog keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "framework/Dialog.h"
#include "TestResource.h"
#include "framework/WinApp.h"

namespace {

class FormDialog : public CDialog {
public:
    FormDialog() : CDialog(IDD_FORM) {}

    std::string name = "start";
    int number = 7;
    int checked = 1;
    int choice = 1;
    int applyClicks = 0;
    int numberAtApply = 0;
    bool hiddenWasVisible = true;
    int ticks = 0;
    int keysSeen = 0;
    bool initSawName = false;

protected:
    BOOL OnInitDialog() override {
        HWND combo = GetDlgItem(IDC_CHOICE);
        for (const char* item : {"zero", "one", "two"})
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        CDialog::OnInitDialog();
        initSawName = GetDlgItemText(IDC_NAME) == "start";
        SetTimer(1, 30);
        return TRUE;
    }

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_NAME, name);
        DDX_Text(dx, IDC_NUMBER, number);
        DDX_Check(dx, IDC_CHECK, checked);
        DDX_CBIndex(dx, IDC_CHOICE, choice);
    }

    bool OnCmdMsg(UINT id, int code) override {
        if (id == IDC_APPLY && code == BN_CLICKED) {
            ++applyClicks;
            numberAtApply = GetDlgItemInt(IDC_NUMBER);
            return true;
        }
        return CDialog::OnCmdMsg(id, code);
    }

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == 'E') {
            ++keysSeen;
            return TRUE;  // consumed: the edit never sees it
        }
        return CDialog::PreTranslateMessage(msg);
    }

    // The script of the test, one step per tick.
    void OnTimer(UINT_PTR id) override {
        if (id != 1)
            return CDialog::OnTimer(id);
        switch (++ticks) {
            case 1:
                hiddenWasVisible = ::IsWindowVisible(GetDlgItem(IDC_HIDDEN)) != 0;
                SetDlgItemText(IDC_NAME, "typed text");
                SetDlgItemInt(IDC_NUMBER, -42);
                CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
                ::SendMessageA(GetDlgItem(IDC_CHOICE), CB_SETCURSEL, 2, 0);
                break;
            case 2:
                // BM_CLICK clicks disabled buttons too under Wine: check first.
                if (::IsWindowEnabled(GetDlgItem(IDC_APPLY)))
                    ::SendMessageA(GetDlgItem(IDC_APPLY), BM_CLICK, 0, 0);
                ::PostMessageA(GetDlgItem(IDC_NAME), WM_KEYDOWN, 'E', 0);
                break;
            case 3:
                ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                               reinterpret_cast<LPARAM>(GetDlgItem(IDOK)));
                break;
            default:
                break;
        }
    }
};

TEST(Dialog, ModalRunScriptedByTimerReturnsOkWithExchangedData) {
    FormDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.initSawName);
    EXPECT_EQ(1, dialog.applyClicks);
    EXPECT_EQ(-42, dialog.numberAtApply);
    EXPECT_FALSE(dialog.hiddenWasVisible);
    EXPECT_EQ(1, dialog.keysSeen);
    EXPECT_EQ("typed text", dialog.name);
    EXPECT_EQ(-42, dialog.number);
    EXPECT_EQ(0, dialog.checked);
    EXPECT_EQ(2, dialog.choice);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

// A dialog that a second thread of the test drives, as a tester would.
struct DriverArgs {
    int result = 0;
};

DWORD WINAPI CancelFormFromOutside(void* raw) {
    auto* args = static_cast<DriverArgs*>(raw);
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i) {
        Sleep(20);
        // Shown only once initialised: drive it no earlier.
        HWND found = FindWindowA("#32770", "Form");
        if (found && IsWindowVisible(found))
            dialog = found;
    }
    if (!dialog)
        return 0;
    SetDlgItemInt(dialog, IDC_NUMBER, static_cast<UINT>(-5), TRUE);
    BOOL ok = FALSE;
    args->result = static_cast<int>(GetDlgItemInt(dialog, IDC_NUMBER, &ok, TRUE));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return 0;
}

class PlainForm : public CDialog {
public:
    PlainForm() : CDialog(IDD_FORM) {}
    int number = 3;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_NUMBER, number); }
};

TEST(Dialog, CancelFromAnotherThreadKeepsMembers) {
    DriverArgs args;
    HANDLE driver = CreateThread(nullptr, 0, CancelFormFromOutside, &args, 0, nullptr);
    PlainForm dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    WaitForSingleObject(driver, 5000);
    CloseHandle(driver);
    EXPECT_EQ(-5, args.result);
    EXPECT_EQ(3, dialog.number);  // Cancel exchanges nothing back
}

TEST(Dialog, SignedAndUnreadableIntegers) {
    PlainForm dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    dialog.SetDlgItemInt(IDC_NUMBER, -2147483647 - 1);
    EXPECT_EQ(-2147483647 - 1, dialog.GetDlgItemInt(IDC_NUMBER));
    dialog.SetDlgItemText(IDC_NUMBER, "abc");
    BOOL translated = TRUE;
    EXPECT_EQ(0, dialog.GetDlgItemInt(IDC_NUMBER, &translated));
    EXPECT_FALSE(translated);
    dialog.SetDlgItemText(IDC_NUMBER, "");
    EXPECT_EQ(0, dialog.GetDlgItemInt(IDC_NUMBER));
    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

TEST(Dialog, BoundedTextReadsCutAndTerminate) {
    PlainForm dialog;
    ASSERT_TRUE(dialog.Create(IDD_FORM));
    dialog.SetDlgItemText(IDC_NAME, std::string(300, 'x'));
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(7, dialog.GetDlgItemText(IDC_NAME, buffer, 8));
    EXPECT_EQ(std::string(7, 'x'), buffer);
    EXPECT_EQ('#', buffer[8]);  // nothing written past the given size
    EXPECT_EQ(0, dialog.GetDlgItemText(IDC_NAME, buffer, 1));
    EXPECT_STREQ("", buffer);
    dialog.SetDlgItemText(IDC_NAME, "ab");
    EXPECT_EQ(2, dialog.GetDlgItemText(IDC_NAME, buffer, sizeof buffer));
    EXPECT_STREQ("ab", buffer);
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0, dialog.GetDlgItemText(4242, buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
    dialog.DestroyWindow();
}

TEST(Dialog, MissingTemplateFailsWithoutWindow) {
    CDialog dialog(4242);
    EXPECT_EQ(-1, dialog.DoModal());
}

}  // namespace
