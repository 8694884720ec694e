// Report-view list with per-cell colours by custom draw, user values and a
// double click reaching the dialog; the per-thread hook; device notices; a
// tab control switching child-dialog pages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "framework/Controls.h"
#include "framework/DeviceNotice.h"
#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "framework/MessageHook.h"
#include "framework/TabCtrl.h"
#include "TestResource.h"

namespace {

const GUID kHidInterface = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// A list that colours cells through custom draw and, like the result list of
// the sequencer, holds the thread's message hook while it exists.
class ColourList : public CListCtrl {
public:
    ColourList() : hook_([this](const CWPRETSTRUCT&) { ++hookedMessages; }) {}
    std::map<std::pair<int, int>, COLORREF> background;
    int colouredCells = 0;
    int hookedMessages = 0;

protected:
    bool OnCustomDraw(NMLVCUSTOMDRAW* draw, LRESULT* result) override {
        switch (draw->nmcd.dwDrawStage) {
            case CDDS_PREPAINT:
            case CDDS_ITEMPREPAINT:
                *result = CDRF_NOTIFYSUBITEMDRAW;
                return true;
            case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
                auto it = background.find({static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem});
                if (it == background.end()) {
                    draw->clrTextBk = RGB(255, 255, 255);
                    draw->clrText = RGB(0, 0, 0);
                    *result = CDRF_NEWFONT;
                    return true;
                }
                draw->clrTextBk = it->second;
                draw->clrText = RGB(0, 0, 0);
                ++colouredCells;
                *result = CDRF_NEWFONT;
                return true;
            }
            default:
                return false;
        }
    }

private:
    CallWndRetHook hook_;
};

std::vector<BYTE> InterfaceNotice(const char* name, size_t nameRoom) {
    size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + nameRoom;
    std::vector<BYTE> buffer(size + 8, 0);
    auto* notice = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(buffer.data());
    notice->dbcc_size = static_cast<DWORD>(size);
    notice->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    notice->dbcc_classguid = kHidInterface;
    std::memcpy(notice->dbcc_name, name, std::min(std::strlen(name) + 1, nameRoom));
    return buffer;
}

class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(IDD_LIST) {}
    ColourList list;
    int doubleClickedRow = -2;
    DWORD_PTR userValueOfRow1 = 0;
    COLORREF pixelOfRedCell = 0;
    COLORREF pixelOfPlainCell = 0;
    int subscribersWithTwoLists = 0;
    bool sameHookForBoth = false;
    bool hookWhileOpen = false;
    HDEVNOTIFY notices = nullptr;
    std::vector<std::pair<UINT, std::string>> interfaceNotices;
    int otherNotices = 0;
    int ticks = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_LIST, list); }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        notices = RegisterDeviceInterfaceNotices(m_hWnd, kHidInterface, true);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        const char* headings[] = {"Num", "Operation", "Result", "Comment"};
        for (int c = 0; c < 4; ++c)
            list.InsertColumn(c, headings[c], LVCFMT_LEFT, 90);
        for (int r = 0; r < 3; ++r) {
            list.InsertItem(r, std::to_string(r + 1));
            list.SetItemText(r, 1, "Step");
            list.SetItemText(r, 2, "");  // empty cell: only its background shows
            list.SetItemData(r, static_cast<DWORD_PTR>(100 + r));
        }
        list.background[{1, 2}] = RGB(255, 0, 0);
        list.background[{2, 3}] = RGB(0, 255, 0);
        SetTimer(1, 40);
        return TRUE;
    }

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (CDialog::OnNotify(wParam, lParam, result))
            return TRUE;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom == IDC_LIST && header->code == NM_DBLCLK) {
            doubleClickedRow = reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem;
            *result = 0;
            return TRUE;
        }
        return FALSE;
    }

    BOOL OnDeviceChange(UINT eventType, DWORD_PTR data) override {
        std::string name;
        if (DeviceInterfaceName(data, &name))
            interfaceNotices.emplace_back(eventType, name);
        else
            ++otherNotices;
        return TRUE;
    }

    COLORREF CellPixel(int row, int column) {
        RECT cell{};
        cell.top = column;
        cell.left = LVIR_BOUNDS;
        ::SendMessageA(list.m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&cell));
        HDC dc = ::GetDC(list.m_hWnd);
        COLORREF pixel = ::GetPixel(dc, cell.right - 4, (cell.top + cell.bottom) / 2);
        ::ReleaseDC(list.m_hWnd, dc);
        return pixel;
    }

    void OnTimer(UINT_PTR id) override {
        if (id != 1)
            return CDialog::OnTimer(id);
        switch (++ticks) {
            case 1: {
                list.RedrawWindow();
                pixelOfRedCell = CellPixel(1, 2);
                pixelOfPlainCell = CellPixel(0, 2);
                userValueOfRow1 = list.GetItemData(1);
                hookWhileOpen = CallWndRetHook::ThreadHook() != nullptr;
                HHOOK first = CallWndRetHook::ThreadHook();
                {
                    ColourList second;
                    RECT rect{0, 0, 50, 50};
                    second.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, rect, m_hWnd, 77);
                    subscribersWithTwoLists = CallWndRetHook::ThreadSubscribers();
                    sameHookForBoth = CallWndRetHook::ThreadHook() == first;
                }
                break;
            }
            case 2: {
                RECT row{};
                row.left = LVIR_BOUNDS;
                ::SendMessageA(list.m_hWnd, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
                LPARAM at = MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2);
                ::SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
                ::SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
                ::SendMessageA(list.m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
                ::SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
                break;
            }
            case 3: {
                auto arrival = InterfaceNotice("\\\\?\\HID#VID_B7C4&PID_0101#7&1", 64);
                ::SendMessageA(m_hWnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                               reinterpret_cast<LPARAM>(arrival.data()));
                // A name that fills its notice without a terminator stays inside it.
                auto cut = InterfaceNotice("ABCDEFGH", 4);
                ::SendMessageA(m_hWnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                               reinterpret_cast<LPARAM>(cut.data()));
                DEV_BROADCAST_HDR volume{sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_VOLUME, 0};
                ::SendMessageA(m_hWnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
                ::SendMessageA(m_hWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
                break;
            }
            case 4:
                EndDialog(IDOK);
                break;
            default:
                break;
        }
    }
};

TEST(ListCtrl, ReportRowsColouredPerCellWithValuesDoubleClickAndHook) {
    ASSERT_EQ(nullptr, CallWndRetHook::ThreadHook());
    int hooked = 0;
    {
        ListDialog dialog;
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(RGB(255, 0, 0), dialog.pixelOfRedCell);
        EXPECT_EQ(RGB(255, 255, 255), dialog.pixelOfPlainCell);
        EXPECT_GT(dialog.list.colouredCells, 0);
        EXPECT_EQ(101u, dialog.userValueOfRow1);
        EXPECT_EQ(2, dialog.doubleClickedRow);
        EXPECT_TRUE(dialog.hookWhileOpen);
        EXPECT_EQ(2, dialog.subscribersWithTwoLists);
        EXPECT_TRUE(dialog.sameHookForBoth);
        EXPECT_EQ(1, CallWndRetHook::ThreadSubscribers());

        EXPECT_NE(nullptr, dialog.notices);
        ASSERT_EQ(2u, dialog.interfaceNotices.size());
        EXPECT_EQ(static_cast<UINT>(DBT_DEVICEARRIVAL), dialog.interfaceNotices[0].first);
        EXPECT_EQ("\\\\?\\HID#VID_B7C4&PID_0101#7&1", dialog.interfaceNotices[0].second);
        EXPECT_EQ(static_cast<UINT>(DBT_DEVICEREMOVECOMPLETE), dialog.interfaceNotices[1].first);
        EXPECT_EQ("ABCD", dialog.interfaceNotices[1].second);
        EXPECT_EQ(2, dialog.otherNotices);
        if (dialog.notices)
            UnregisterDeviceNotification(dialog.notices);
        hooked = dialog.list.hookedMessages;
    }
    EXPECT_GT(hooked, 0);
    EXPECT_EQ(nullptr, CallWndRetHook::ThreadHook());
    EXPECT_EQ(0, CallWndRetHook::ThreadSubscribers());
}

// The test-setting dialog's shape: a tab control whose object switches the
// child-dialog pages.
class PageTabs : public CTabCtrl {
public:
    CDialog pages[2] = {CDialog(IDD_PAGE_A), CDialog(IDD_PAGE_B)};
    int current = 0;

    void Place() {
        RECT area = DisplayAreaInParent();
        for (CDialog& page : pages) {
            page.SetWindowPos(HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                              SWP_HIDEWINDOW);
        }
        pages[current].SetWindowPos(HWND_TOP, area.left, area.top, area.right - area.left,
                                    area.bottom - area.top, SWP_SHOWWINDOW);
    }

protected:
    bool OnSelChange(LRESULT* result) override {
        current = GetCurSel();
        Place();
        *result = 0;
        return true;
    }
};

class TabDialog : public CDialog {
public:
    TabDialog() : CDialog(IDD_TABS) {}
    PageTabs tabs;
    bool aShownFirst = false, bHiddenFirst = false;
    bool aHiddenAfter = false, bShownAfter = false;
    int ticks = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_TABS, tabs); }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        tabs.pages[0].Create(IDD_PAGE_A, this);
        tabs.pages[1].Create(IDD_PAGE_B, this);
        tabs.InsertItem(0, "ConstrainI");
        tabs.InsertItem(1, "ConstrainII");
        tabs.Place();
        SetTimer(1, 40);
        return TRUE;
    }

    void OnTimer(UINT_PTR id) override {
        if (id != 1)
            return CDialog::OnTimer(id);
        if (++ticks == 1) {
            aShownFirst = tabs.pages[0].IsWindowVisible();
            bHiddenFirst = !tabs.pages[1].IsWindowVisible();
            RECT tab{};
            ::SendMessageA(tabs.m_hWnd, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
            LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
            ::SendMessageA(tabs.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::SendMessageA(tabs.m_hWnd, WM_LBUTTONUP, 0, at);
        } else if (ticks == 2) {
            aHiddenAfter = !tabs.pages[0].IsWindowVisible();
            bShownAfter = tabs.pages[1].IsWindowVisible();
            EndDialog(IDOK);
        }
    }
};

TEST(TabCtrl, ModalDialogSwitchesBetweenTwoChildPages) {
    TabDialog dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.aShownFirst);
    EXPECT_TRUE(dialog.bHiddenFirst);
    EXPECT_EQ(1, dialog.tabs.current);
    EXPECT_TRUE(dialog.aHiddenAfter);
    EXPECT_TRUE(dialog.bShownAfter);
}

}  // namespace
