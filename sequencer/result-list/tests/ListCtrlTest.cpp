// CListCtrlEx in a dialog under Wine: the custom-draw answers as the list
// view reads them (DWLP_MSGRESULT), the double click for the parent, the one
// thread hook, and a worker refilling coloured rows while the GUI paints.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <thread>

#include "framework/Dialog.h"
#include "ListCtrlEx.h"
#include "framework/MessageHook.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);

class ListsDialog : public CDialog {
public:
    ListsDialog() : CDialog(2000) {}
    CListCtrlEx first, second;
    int doubleClicks = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 2001, first);
        DDX_Control(dx, 2002, second);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const char* headings[] = {"Num", "Operation", "Result", "Comment"};
        for (int c = 0; c < 4; ++c)
            first.InsertColumn(c, headings[c], LVCFMT_LEFT, 70);
        return TRUE;
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (CDialog::OnNotify(wParam, lParam, result))
            return TRUE;
        if (reinterpret_cast<NMHDR*>(lParam)->code == NM_DBLCLK)
            ++doubleClicks;
        return FALSE;
    }
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void FillRows(CListCtrlEx& list, int rows) {
    list.FreeAllRowRecords();
    list.DeleteAllItems();
    for (int row = 0; row < rows; ++row) {
        list.InsertItem(row, std::to_string(row + 1));
        list.SetItemText(row, 1, "Step");
        list.SetRowValue(row, row);
        list.SetCellColors(row, 2, kGreen);
        list.SetCellColors(row, 3, kGreen);
    }
}

LRESULT CustomDraw(ListsDialog& dialog, NMLVCUSTOMDRAW* draw) {
    draw->nmcd.hdr.hwndFrom = dialog.first.m_hWnd;
    draw->nmcd.hdr.idFrom = 2001;
    draw->nmcd.hdr.code = NM_CUSTOMDRAW;
    // The framework's dialogs are subclassed: the procedure's result is what
    // the list view reads.
    return SendMessageA(dialog.m_hWnd, WM_NOTIFY, 2001, reinterpret_cast<LPARAM>(draw));
}

TEST(ListCtrlEx, CustomDrawAnswersThroughTheDialog) {
    ListsDialog dialog;
    ASSERT_TRUE(dialog.Create(2000));
    FillRows(dialog.first, 2);
    dialog.first.FreeRowRecord(1);  // an uncoloured row after a coloured one
    dialog.first.SetRowValue(1, 1);
    Pump();

    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(0x20, CustomDraw(dialog, &draw));
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    EXPECT_EQ(0x20, CustomDraw(dialog, &draw));

    draw = {};
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = 0;
    draw.nmcd.lItemlParam = static_cast<LPARAM>(dialog.first.GetItemData(0));
    draw.iSubItem = 2;
    EXPECT_EQ(2, CustomDraw(dialog, &draw));
    EXPECT_EQ(RGB(255, 255, 255), draw.clrTextBk);
    EXPECT_EQ(kGreen, draw.clrText);

    // The next row has no colour: the defaults, and the control draws itself.
    draw.nmcd.dwItemSpec = 1;
    draw.nmcd.lItemlParam = static_cast<LPARAM>(dialog.first.GetItemData(1));
    EXPECT_EQ(0, CustomDraw(dialog, &draw));
    EXPECT_EQ(dialog.first.GetTextBkColor(), draw.clrTextBk);
    EXPECT_EQ(dialog.first.GetTextColor(), draw.clrText);
    dialog.DestroyWindow();
}

TEST(ListCtrlEx, DoubleClickReachesTheParent) {
    ListsDialog dialog;
    ASSERT_TRUE(dialog.Create(2000));
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = dialog.first.m_hWnd;
    click.hdr.idFrom = 2001;
    click.hdr.code = NM_DBLCLK;
    click.iItem = 0;
    SendMessageA(dialog.m_hWnd, WM_NOTIFY, 2001, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(1, dialog.doubleClicks);
    dialog.DestroyWindow();
}

TEST(ListCtrlEx, TwoListsShareOneThreadHook) {
    ASSERT_EQ(nullptr, CallWndRetHook::ThreadHook());
    {
        auto dialog = std::make_unique<ListsDialog>();
        EXPECT_EQ(2, CallWndRetHook::ThreadSubscribers());
        EXPECT_NE(nullptr, CallWndRetHook::ThreadHook());
    }
    EXPECT_EQ(0, CallWndRetHook::ThreadSubscribers());
    EXPECT_EQ(nullptr, CallWndRetHook::ThreadHook());
}

TEST(ListCtrlEx, WorkerRefillsWhileTheListPaints) {
    ListsDialog dialog;
    ASSERT_TRUE(dialog.Create(2000));
    std::atomic<bool> done{false};
    // Each of the worker's calls is a message to this thread, which costs
    // Wine a round trip: twenty refills (the native test does five hundred).
    std::thread worker([&] {
        for (int round = 0; round < 20; ++round)
            FillRows(dialog.first, 10);
        done = true;
    });
    // The worker's calls are messages to this thread: keep taking them, and
    // keep the list repainting whenever the queue is empty.
    DWORD lastPaint = GetTickCount();
    int paints = 0;
    while (!done) {
        if (GetTickCount() - lastPaint >= 50) {
            InvalidateRect(dialog.first.m_hWnd, nullptr, FALSE);
            lastPaint = GetTickCount();
            ++paints;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
    EXPECT_GT(paints, 0);
    worker.join();
    Pump();
    EXPECT_EQ(10, dialog.first.GetItemCount());
    EXPECT_EQ(10u, dialog.first.Records().RecordCount());
    dialog.DestroyWindow();
}

}  // namespace
