// "Test Setting" from its real templates: live edits, the tabs, Return, and
// which page's set OK writes.
#include <windows.h>
#include <commctrl.h>

#include "../../tests/DialogTestFixture.h"
#include "DialogDriver.h"
#include "TestSettingDlg.h"
#include "Win32StartupSeams.h"
#include "framework/Prompt.h"
#include "trelliq/SettingSequences.h"

namespace trelliq {

namespace {

std::string SettingFile() {
    std::vector<FixtureKey> keys = kConstrainIKeys;
    for (const FixtureKey& k : kConstrainIIKeys)
        if (std::string(k.section) != "Cursor" && std::string(k.section) != "Phase3")
            keys.push_back(k);
    for (FixtureKey& k : keys)
        if (std::string(k.section) == "Accuracyrate" && std::string(k.key) == "Point")
            k.value = "7";
    return IniText(keys);
}

}  // namespace

class SettingDialogTest : public DialogStoreTest {
protected:
    void SetUp() override {
        DialogStoreTest::SetUp();
        Load(SettingFile());
        ConstrainICancel(config);  // the values as start-up read them
        ConstrainIICancel(config, grid);
        grid.Hit(0, 0, 5);
    }
    INT_PTR Run(const std::function<void(HWND)>& drive) {
        TestSettingDlg dialog(config, grid, sink);
        bool found = false;
        const INT_PTR result = RunDriven(dialog, "Test Setting", drive, &found);
        EXPECT_TRUE(found);
        return result;
    }
    PromptScript prompts;
    Win32MessageSink sink;
};

TEST_F(SettingDialogTest, EditsTakeEffectAtOnceAndOkWritesOnlyTheShownPagesSet) {
    struct Seen {
        int distanceTyped = 1, distanceText = 1, canvasOff = -1, canvasOn = -1, pointEntry = 5, point = 0;
        int gridColumnsCleared = -1, gridCellsCleared = -1, gridColumnsTyped = -1, counterTyped = -1;
        bool pageIShownFirst = false, pageIIHiddenFirst = true;
        bool pageIIShown = false, pageIHidden = false, pageIIInArea = false;
        bool backOnI = false;
        LRESULT notifyAnswer = -1;
    } seen;
    const INT_PTR result = Run([&](HWND dialog) {
        HWND pageI = PageWith(dialog, 1042);
        HWND pageII = PageWith(dialog, 1031);
        seen.pageIShownFirst = IsShown(pageI);
        seen.pageIIHiddenFirst = !IsShown(pageII);
        SetItemText(pageI, 1021, "-12");
        seen.distanceTyped = config.Distance.X;
        SetItemText(pageI, 1021, "abc");
        seen.distanceText = config.Distance.X;
        SendMessageA(GetDlgItem(pageI, 1038), BM_SETCHECK, BST_UNCHECKED, 0);
        SendCommand(pageI, 1038, BN_CLICKED);
        seen.canvasOff = config.CANVAS.check_canvas;
        SendMessageA(GetDlgItem(pageI, 1038), BM_SETCHECK, BST_CHECKED, 0);
        SendCommand(pageI, 1038, BN_CLICKED);
        seen.canvasOn = config.CANVAS.check_canvas;

        seen.notifyAnswer = SelectTab(dialog, 1050, 1);
        seen.pageIIShown = IsShown(pageII);
        seen.pageIHidden = !IsShown(pageI);
        RECT area;
        GetClientRect(GetDlgItem(dialog, 1050), &area);
        SendMessageA(GetDlgItem(dialog, 1050), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        MapWindowPoints(GetDlgItem(dialog, 1050), dialog, reinterpret_cast<POINT*>(&area), 2);
        RECT page;
        GetWindowRect(pageII, &page);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&page), 2);
        seen.pageIIInArea = EqualRect(&area, &page) != 0;

        seen.pointEntry = static_cast<int>(SendDlgItemMessageA(pageII, 1061, CB_GETCURSEL, 0, 0));
        SendDlgItemMessageA(pageII, 1061, CB_SETCURSEL, 2, 0);
        SendCommand(pageII, 1061, CBN_SELCHANGE);
        seen.point = config.Accuracyrate.Point;
        SetItemText(pageII, 1031, "");
        seen.gridColumnsCleared = config.Grids.X;
        seen.gridCellsCleared = grid.HasCells() ? 1 : 0;
        SetItemText(pageII, 1031, "8");
        seen.gridColumnsTyped = grid.Columns();
        seen.counterTyped = grid.Counter(0, 0);
        SetItemText(pageII, 1045, "99");

        SelectTab(dialog, 1050, 0);
        seen.backOnI = IsShown(pageI) && !IsShown(pageII);
        SendCommand(dialog, IDOK, BN_CLICKED);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(seen.pageIShownFirst);
    EXPECT_TRUE(seen.pageIIHiddenFirst);
    EXPECT_EQ(seen.distanceTyped, -12);
    EXPECT_EQ(seen.distanceText, 0);
    EXPECT_EQ(seen.canvasOff, 0);
    EXPECT_EQ(seen.canvasOn, 1);
    EXPECT_EQ(seen.notifyAnswer, 0);
    EXPECT_TRUE(seen.pageIIShown);
    EXPECT_TRUE(seen.pageIHidden);
    EXPECT_TRUE(seen.pageIIInArea);
    EXPECT_EQ(seen.pointEntry, -1);  // the file's 7 is no entry
    EXPECT_EQ(seen.point, 9);
    EXPECT_EQ(seen.gridColumnsCleared, 0);
    EXPECT_EQ(seen.gridCellsCleared, 0);
    EXPECT_EQ(seen.gridColumnsTyped, 8);
    EXPECT_EQ(seen.counterTyped, 0);
    EXPECT_TRUE(seen.backOnI);
    EXPECT_TRUE(prompts.Requests().empty());
    EXPECT_EQ(config.TrcTime.value, 99);
    IniFileFree(IniDictionary);
    Load(File());
    EXPECT_EQ(Stored("Distance", "X"), "0");
    EXPECT_EQ(Stored("CANVAS", "check_canvas"), "1");
    EXPECT_EQ(Stored("TrcTime", "value"), "60");
    EXPECT_EQ(Stored("Grids", "X"), "6");
    EXPECT_EQ(Stored("Accuracyrate", "Point"), "7");
}

TEST_F(SettingDialogTest, OpeningAndClosingWithoutAnEditKeepsTheTraceProgress) {
    for (int command : {IDOK, IDCANCEL}) {
        EXPECT_EQ(Run([&](HWND dialog) { SendCommand(dialog, command, BN_CLICKED); }), command);
        EXPECT_EQ(grid.Columns(), 6) << command;
        EXPECT_EQ(grid.Counter(0, 0), 1) << command;
    }
}

TEST_F(SettingDialogTest, ReturnOnConstrainIActsAsItsOk) {
    const INT_PTR result = Run([&](HWND dialog) {
        HWND pageI = PageWith(dialog, 1042);
        SetItemText(pageI, 1010, "4");
        PostMessageA(GetDlgItem(pageI, 1010), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(result, IDOK);
    IniFileFree(IniDictionary);
    Load(File());
    EXPECT_EQ(Stored("Time", "value"), "4");
}

TEST_F(SettingDialogTest, HiddenControlsAndTheCheckBoxesAtOpening) {
    config.Cursor = {1, 0};
    config.Phase3.check_phase3 = 1;
    struct Seen {
        bool phase3Hidden = false, rptRateHidden = false;
        UINT cursor = 9, logCursor = 9, phase3 = 9;
    } seen;
    Run([&](HWND dialog) {
        HWND pageII = PageWith(dialog, 1031);
        seen.phase3Hidden = !IsShown(GetDlgItem(dialog, 1060));
        seen.rptRateHidden = !IsShown(GetDlgItem(pageII, 1047)) && !IsShown(GetDlgItem(pageII, 1048));
        seen.cursor = IsDlgButtonChecked(dialog, 1039);
        seen.logCursor = IsDlgButtonChecked(dialog, 1040);
        seen.phase3 = IsDlgButtonChecked(dialog, 1060);
        SendCommand(dialog, IDCANCEL, BN_CLICKED);
    });
    EXPECT_TRUE(seen.phase3Hidden);
    EXPECT_TRUE(seen.rptRateHidden);
    EXPECT_EQ(seen.cursor, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(seen.logCursor, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(seen.phase3, static_cast<UINT>(BST_CHECKED));
}

}  // namespace trelliq
