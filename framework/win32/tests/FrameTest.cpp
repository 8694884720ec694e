// A single-document program in small: template, frame with a dialog bar and a
// status bar, a view; commands from the bar, update-UI, the frame's
// PreTranslateMessage seeing keys of a window reparented to the desktop, and
// the exit code through the application's message loop; frames and views
// that delete themselves while one of their own messages is handled.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "framework/ControlBars.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "TestResource.h"
#include "framework/View.h"
#include "framework/WinApp.h"

namespace {

struct Journal {
    std::vector<std::string> order;  // creation order
    int startCommands = 0;
    int viewSaves = 0;
    int kindChanges = 0;
    bool constrainEnabledAfterIdle = true;
    bool startEnabledAfterIdle = false;
    bool toolHidden = false;
    int keysFromReparented = 0;
    RECT barRect{}, statusRect{}, viewRect{}, client{};
    int statusPanes = 0;
    bool statusMenuChecked = false;
    std::string documentTitle;
    bool viewHadDocument = false;
};
Journal* g_journal = nullptr;

class TestDocument : public CDocument {
public:
    TestDocument() { g_journal->order.push_back("document"); }
    BOOL OnNewDocument() override {
        g_journal->order.push_back("OnNewDocument");
        SetTitle("Norq");
        return CDocument::OnNewDocument();
    }
};

class TestView : public CView {
public:
    TestView() { g_journal->order.push_back("view"); }
    CWnd canvas;

    void OnInitialUpdate() override {
        CView::OnInitialUpdate();
        g_journal->order.push_back("OnInitialUpdate");
        g_journal->viewHadDocument = GetDocument() != nullptr;
        RECT rect{0, 0, 100, 80};
        canvas.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, 40009);
    }

    bool OnCmdMsg(UINT id, int code) override {
        if (id == IDC_SAVE && code == BN_CLICKED) {
            ++g_journal->viewSaves;
            return true;
        }
        return CView::OnCmdMsg(id, code);
    }
};

class TestFrame : public CFrameWnd {
public:
    TestFrame() { g_journal->order.push_back("frame"); }
    CDialogBar bar;
    CStatusBar status;
    int ticks = 0;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override {
        g_journal->order.push_back("PreCreateWindow");
        cs.x = 0;
        cs.y = 0;
        cs.cx = 800;
        cs.cy = 600;
        return true;
    }

    int OnCreate(CREATESTRUCTA* cs) override {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        g_journal->order.push_back("OnCreate");
        static const UINT indicators[] = {kIdSeparator, kIdIndicatorCaps, kIdIndicatorNum,
                                          kIdIndicatorScroll};
        if (!status.Create(this) || !status.SetIndicators(indicators, 4))
            return -1;
        if (!bar.Create(this, IDD_BAR, CBRS_TOP, 0xE805))
            return -1;
        SetWindowText("Trelliq");
        SetTimer(5, 50);
        return 0;
    }

    bool OnCmdMsg(UINT id, int code) override {
        if (id == IDC_START && code == BN_CLICKED) {
            ++g_journal->startCommands;
            return true;
        }
        if (id == IDC_KIND && code == CBN_SELCHANGE) {
            ++g_journal->kindChanges;
            return true;
        }
        return CFrameWnd::OnCmdMsg(id, code);
    }

    bool OnUpdateCmdUI(CCmdUI* ui) override {
        if (ui->m_nID == IDC_CONSTRAIN) {
            ui->Enable(false);
            return true;
        }
        if (ui->m_nID == IDC_START) {
            ui->Enable(true);
            return true;
        }
        return CFrameWnd::OnUpdateCmdUI(ui);
    }

    BOOL PreTranslateMessage(MSG* msg) override {
        auto* view = static_cast<TestView*>(GetActiveView());
        if (msg->message == WM_KEYDOWN && msg->wParam == 'F' && view && msg->hwnd == view->canvas.m_hWnd)
            ++g_journal->keysFromReparented;
        return CFrameWnd::PreTranslateMessage(msg);
    }

    void OnTimer(UINT_PTR id) override {
        if (id != 5)
            return CFrameWnd::OnTimer(id);
        auto* view = static_cast<TestView*>(GetActiveView());
        // The first tick only lets the loop go idle once (update-UI runs then).
        switch (++ticks) {
            case 2: {
                g_journal->client = GetClientRect();
                g_journal->barRect = bar.GetWindowRect();
                ScreenToClient(&g_journal->barRect);
                g_journal->statusRect = status.GetWindowRect();
                ScreenToClient(&g_journal->statusRect);
                g_journal->viewRect = view->GetWindowRect();
                ScreenToClient(&g_journal->viewRect);
                g_journal->statusPanes = static_cast<int>(::SendMessageA(status.m_hWnd, SB_GETPARTS, 0, 0));
                g_journal->constrainEnabledAfterIdle = ::IsWindowEnabled(bar.GetDlgItem(IDC_CONSTRAIN)) != 0;
                g_journal->startEnabledAfterIdle = ::IsWindowEnabled(bar.GetDlgItem(IDC_START)) != 0;
                g_journal->toolHidden = !::IsWindowVisible(bar.GetDlgItem(IDC_TOOL));
                g_journal->documentTitle = GetActiveDocument() ? GetActiveDocument()->GetTitle() : "";
                HWND start = bar.GetDlgItem(IDC_START);
                if (::IsWindowEnabled(start))
                    ::SendMessageA(start, BM_CLICK, 0, 0);
                ::SendMessageA(bar.GetDlgItem(IDC_SAVE), BM_CLICK, 0, 0);
                HWND kind = bar.GetDlgItem(IDC_KIND);
                ::SendMessageA(kind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Trace"));
                ::SendMessageA(bar.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_KIND, CBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(kind));
                HMENU viewMenu = GetSubMenu(GetMenu(m_hWnd), 1);
                ::SendMessageA(m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewMenu), 1);
                g_journal->statusMenuChecked = (GetMenuState(viewMenu, 0, MF_BYPOSITION) & MF_CHECKED) != 0;
                // Full screen the way the canvas does it: the child moves to the desktop.
                view->canvas.SetParent(GetDesktopWindow());
                ::PostMessageA(view->canvas.m_hWnd, WM_KEYDOWN, 'F', 0);
                break;
            }
            case 3:
                view->canvas.SetParent(view->m_hWnd);
                ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(0xE141, 0), 0);  // File / Exit
                break;
            default:
                break;
        }
    }
};

class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("Framed") {}
    BOOL InitInstance() override {
        AddDocTemplate(new CSingleDocTemplate(
            IDR_FRAME, [] { return new TestDocument; }, [] { return new TestFrame; },
            [] { return new TestView; }));
        if (!OnFileNew())
            return FALSE;
        m_pMainWnd->ShowWindow(SW_SHOW);
        m_pMainWnd->UpdateWindow();
        return TRUE;
    }
    int ExitInstance() override {
        CWinApp::ExitInstance();
        return 7;
    }
};

TEST(Frame, DialogBarStatusBarViewCommandsUpdateUiAndPreTranslate) {
    Journal journal;
    g_journal = &journal;
    int code;
    {
        TestApp app;
        code = RunWinApp(app);
        EXPECT_EQ(nullptr, app.m_pMainWnd);
    }
    g_journal = nullptr;
    EXPECT_EQ(7, code);
    const std::vector<std::string> order = {"document", "frame",         "PreCreateWindow", "view",
                                            "OnCreate", "OnNewDocument", "OnInitialUpdate"};
    EXPECT_EQ(order, journal.order);
    EXPECT_EQ("Norq", journal.documentTitle);
    EXPECT_TRUE(journal.viewHadDocument);
    EXPECT_EQ(1, journal.startCommands);
    EXPECT_EQ(1, journal.viewSaves);
    EXPECT_EQ(1, journal.kindChanges);
    EXPECT_FALSE(journal.constrainEnabledAfterIdle);
    EXPECT_TRUE(journal.startEnabledAfterIdle);
    EXPECT_TRUE(journal.toolHidden);
    EXPECT_EQ(1, journal.keysFromReparented);
    EXPECT_TRUE(journal.statusMenuChecked);
    EXPECT_EQ(4, journal.statusPanes);
    // Bar at the top, status bar at the bottom, the view between them.
    EXPECT_EQ(0, journal.barRect.top);
    EXPECT_EQ(journal.client.right, journal.barRect.right);
    EXPECT_EQ(journal.client.bottom, journal.statusRect.bottom);
    EXPECT_EQ(journal.barRect.bottom, journal.viewRect.top);
    EXPECT_EQ(journal.statusRect.top, journal.viewRect.bottom);
}

// Blocks of deleted windows: poisoned and kept until the case ends, so that
// any write into a deleted object shows as a changed byte.
const unsigned char kPoison = 0xDD;
struct FreedBlock {
    unsigned char* bytes;
    std::size_t size;
};
std::vector<FreedBlock> g_freed;

bool StillPoisoned(const FreedBlock& block) {
    for (std::size_t i = 0; i < block.size; ++i) {
        if (block.bytes[i] != kPoison)
            return false;
    }
    return true;
}

// A self-deleting window whose WM_APP handler destroys its own window.
template <class Base>
class PoisonedWnd : public Base {
public:
    // Out of line, so that the compiler pairs this delete with this new.
    __attribute__((noinline)) static void* operator new(std::size_t size) {
        void* block = std::malloc(size);
        if (!block)
            throw std::bad_alloc();
        return block;
    }
    static void operator delete(void* block, std::size_t size) {
        std::memset(block, kPoison, size);
        g_freed.push_back({static_cast<unsigned char*>(block), size});
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            this->DestroyWindow();
            return 0;  // the object is gone
        }
        return Base::WindowProc(message, wParam, lParam);
    }
};

TEST(Frame, WindowsDeletedByTheirOwnMessageAreNotTouchedAfterwards) {
    const struct {
        const char* what;
        bool view;
        UINT message;
    } cases[] = {
        {"frame closed", false, WM_CLOSE},
        {"frame destroying itself in a handler", false, WM_APP},
        {"view closed", true, WM_CLOSE},
        {"view destroying itself in a handler", true, WM_APP},
    };
    CWnd parent;
    RECT rect{0, 0, 200, 150};
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, rect, nullptr, 0));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_freed.clear();
        CWnd* wnd = nullptr;
        std::size_t size = 0;
        if (c.view) {
            auto* view = new PoisonedWnd<CView>;
            size = sizeof *view;
            ASSERT_TRUE(view->Create(nullptr, "", WS_VISIBLE, rect, &parent, 1));
            wnd = view;
        } else {
            auto* frame = new PoisonedWnd<CFrameWnd>;
            size = sizeof *frame;
            frame->m_bAutoDelete = true;
            ASSERT_TRUE(frame->CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, rect, nullptr, 0));
            wnd = frame;
        }
        HWND window = wnd->m_hWnd;
        EXPECT_EQ(0, ::SendMessageA(window, c.message, 0, 0));
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(nullptr, CWnd::FromHandle(window));
        ASSERT_EQ(1u, g_freed.size());
        EXPECT_EQ(size, g_freed[0].size);
        EXPECT_TRUE(StillPoisoned(g_freed[0]));
        for (const FreedBlock& block : g_freed)
            std::free(block.bytes);
    }
    g_freed.clear();
}

}  // namespace
