// Vantro's main dialog under Wine and Xvfb as the settings lay it out: the
// Chinese notice, the firmware-id rows of the chips the panel has, the
// product picture, the result list's columns after mode changes, and the
// password that guards every close in AIO mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "VantroDialogReader.h"
#include "VantroStation.h"

namespace {

// A 4 x 2 pixel, 24-bit bottom-up bitmap file (rows padded to 4 bytes).
std::string SmallBitmapFile() {
    const int width = 4, height = 2, rowBytes = 12;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + rowBytes * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int i = 0; i < rowBytes * height; ++i)
        bytes += static_cast<char>(i * 20);
    return bytes;
}

VantroStation GuiStation(const std::string& name) {
    VantroStation station(name);
    station.Set("MPSet.ini", "InitMod", "Console", "0");
    return station;
}

bool HasSpecImage(HWND dialog) {
    return SendMessageA(GetDlgItem(dialog, 1072), STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

// What the layout session saw, judged by the test afterwards.
struct LayoutSeen {
    bool shown = false;
    std::wstring notice;
    std::string title, chipCount;
    std::map<int, bool> rowsAtStart, rowsAfterModes;
    bool specImage = false, specVisible = false;
    size_t boxes = 99;
    std::vector<std::string> statuses;
    int columnCount = -1;
    std::vector<std::string> columns;
};

std::map<int, bool> FirmwareRows(HWND dialog) {
    std::map<int, bool> rows;
    for (int id = 1020; id <= 1024; ++id)
        rows[id] = HasVisibleStyle(dialog, id);
    for (int id = 1081; id <= 1085; ++id)
        rows[id] = HasVisibleStyle(dialog, id);
    return rows;
}

void DriveLayout(DWORD processId, void* context) {
    auto& seen = *static_cast<LayoutSeen*>(context);
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog)
        return;
    seen.shown = true;
    seen.notice = DialogTextW(dialog, 1050);
    char title[128] = "";
    GetWindowTextA(dialog, title, sizeof title);
    seen.title = title;
    seen.chipCount = DialogText(dialog, 1068);
    seen.rowsAtStart = FirmwareRows(dialog);
    seen.specImage = HasSpecImage(dialog);
    seen.specVisible = HasVisibleStyle(dialog, 1072);
    seen.boxes = OtherVisibleDialogs(processId, dialog).size();

    // Every mode change resets the view and with it the list's columns.
    const struct {
        WPARAM key;
        const char* status;
    } modes[] = {{'E', "Engineer Mode"}, {'M', "MP Mode"}, {'E', "Engineer Mode"}};
    for (const auto& mode : modes) {
        if (!PressModeKeyAndAnswer(processId, dialog, mode.key, "1234"))
            break;
        WaitUntil(5000, [&] { return DialogText(dialog, 1025) == mode.status; });
        seen.statuses.push_back(DialogText(dialog, 1025));
    }
    HWND list = GetDlgItem(dialog, 1003);
    seen.columnCount = ListColumnCount(list);
    seen.columns = ListColumnNames(processId, list);
    seen.rowsAfterModes = FirmwareRows(dialog);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroGui, LayoutFollowsTheSettings) {
    VantroStation station = GuiStation("gui-layout");
    station.Set("MPSet.ini", "General", "CHNcomment", "1");
    station.Set("MPSet.ini", "General", "ReadFWInfo", "0");
    station.Set("MPSet.ini", "MultiChip", "SlaveNO", "2");
    station.Set("MPSet.ini", "InitMod", "ShowMutResult", "1");
    station.Remove("MPSet.ini", "Display", "Title");
    station.Prepare();
    station.WriteFile("LargeSpec.bmp", SmallBitmapFile());
    ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), 1024);  // the screen that wants the large picture
    LayoutSeen seen;
    VantroRun run = station.Run(60000, DriveLayout, &seen);
    ASSERT_TRUE(run.ended);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(L"\u6e2c\u8a66\u6642\n\n\u8acb\u52ff\u89f8\u6478\u5c4f\u5e55!!", seen.notice);
    EXPECT_EQ(" Norq Vantro v1.0.6A_06_1127A", seen.title);  // no [Display] Title
    EXPECT_EQ("3", seen.chipCount);
    // Three chips: FW1 to FW3 with their captions, not FW4 and FW5.
    const std::map<int, bool> threeChips = {{1020, true},  {1021, true}, {1022, true}, {1023, false},
                                            {1024, false}, {1081, true}, {1082, true}, {1083, true},
                                            {1084, false}, {1085, false}};
    EXPECT_EQ(threeChips, seen.rowsAtStart);
    EXPECT_EQ(threeChips, seen.rowsAfterModes);
    // The screen is 1080 pixels high: the large picture.
    EXPECT_TRUE(seen.specImage);
    EXPECT_TRUE(seen.specVisible);
    EXPECT_EQ(0u, seen.boxes);
    EXPECT_EQ((std::vector<std::string>{"Engineer Mode", "MP Mode", "Engineer Mode"}), seen.statuses);
    EXPECT_EQ(4, seen.columnCount);
    EXPECT_EQ((std::vector<std::string>{"Num", "Operation", "Result", "Comment"}), seen.columns);
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
}

// Without the setting or without a loadable large picture, 1072 stays hidden
// and empty, and nothing is said about it.
struct SpecCase {
    const char* name;
    const char* showMutResult;
    const char* file;  // written into the station, or null
    bool validBitmap;  // the file's bytes: a bitmap, or text
};

struct SpecSeen {
    bool shown = false;
    bool specImage = true, specVisible = true;
    size_t boxes = 99;
    std::wstring notice;
};

void DriveSpec(DWORD processId, void* context) {
    auto& seen = *static_cast<SpecSeen*>(context);
    HWND dialog = WaitForMainDialog(processId, "MP Mode");
    if (!dialog)
        return;
    // A box about the picture would come with the first show.
    seen.shown = HandledPostedMessages(dialog, 5000);
    seen.specImage = HasSpecImage(dialog);
    seen.specVisible = HasVisibleStyle(dialog, 1072);
    seen.boxes = OtherVisibleDialogs(processId, dialog).size();
    seen.notice = DialogTextW(dialog, 1050);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(VantroGui, SpecPictureNeedsTheSettingAndALoadableFile) {
    const SpecCase cases[] = {
        {"setting off, picture present", "0", "LargeSpec.bmp", true},
        {"setting on, only the small picture", "1", "SmallSpec.bmp", true},
        {"setting on, large picture unreadable", "1", "LargeSpec.bmp", false},
    };
    ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), 1024);
    int index = 0;
    for (const SpecCase& c : cases) {
        SCOPED_TRACE(c.name);
        VantroStation station = GuiStation("gui-spec-" + std::to_string(index++));
        station.Set("MPSet.ini", "InitMod", "ShowMutResult", c.showMutResult);
        station.Prepare();
        if (c.file)
            station.WriteFile(c.file, c.validBitmap ? SmallBitmapFile() : "not a bitmap\r\n");
        SpecSeen seen;
        VantroRun run = station.Run(60000, DriveSpec, &seen);
        ASSERT_TRUE(run.ended);
        ASSERT_TRUE(seen.shown);
        EXPECT_FALSE(seen.specImage);
        EXPECT_FALSE(seen.specVisible);
        EXPECT_EQ(0u, seen.boxes);
        // CHNcomment 0 keeps the template's notice.
        EXPECT_EQ(L"Please\nDon't Touch Panel\nduring Test !", seen.notice);
        EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    }
}

// AIO mode before a pass: Alt+F4, Esc and Enter each ask for the password.
struct AioSeen {
    bool shown = false;
    int focusId = 0;
    bool promptOnClose = false, openAfterCancel = false;
    bool promptOnEsc = false, openAfterWrongPassword = false;
    std::string boxCaption, boxText, statusAfterWrongPassword;
    bool promptOnEnter = false;
};

// A key as the keyboard gives it: to the control that has the focus.
void PressKey(HWND dialog, WPARAM key) {
    HWND focus = FocusedControl(dialog);
    PostMessageA(focus ? focus : dialog, WM_KEYDOWN, key, 1);
    PostMessageA(focus ? focus : dialog, WM_KEYUP, key, 0xC0000001);
}

bool StillOpen(HWND dialog) {
    return HandledPostedMessages(dialog, 5000) && IsWindow(dialog) && IsWindowVisible(dialog);
}

void DriveAio(DWORD processId, void* context) {
    auto& seen = *static_cast<AioSeen*>(context);
    HWND dialog = WaitForMainDialog(processId, "AIO Mode");
    if (!dialog)
        return;
    seen.shown = true;
    seen.focusId = GetDlgCtrlID(FocusedControl(dialog));

    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    HWND prompt = WaitForPasswordPrompt(processId, 5000);
    seen.promptOnClose = prompt != nullptr;
    if (prompt)
        PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(1013, BN_CLICKED), 0);
    WaitUntil(3000, [&] { return !IsWindow(prompt); });
    seen.openAfterCancel = StillOpen(dialog);

    PressKey(dialog, VK_ESCAPE);
    prompt = WaitForPasswordPrompt(processId, 5000);
    seen.promptOnEsc = prompt != nullptr;
    if (prompt)
        AnswerPassword(prompt, "123");
    HWND box = nullptr;
    WaitUntil(5000, [&] {
        std::vector<HWND> boxes = OtherVisibleDialogs(processId, dialog);
        box = boxes.size() == 1 && boxes[0] != prompt ? boxes[0] : nullptr;
        return box != nullptr;
    });
    if (box) {
        char caption[64] = "";
        GetWindowTextA(box, caption, sizeof caption);
        seen.boxCaption = caption;
        seen.boxText = MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        WaitUntil(3000, [&] { return !IsWindow(box); });
    }
    seen.openAfterWrongPassword = StillOpen(dialog);
    seen.statusAfterWrongPassword = DialogText(dialog, 1025);

    PressKey(dialog, VK_RETURN);
    prompt = WaitForPasswordPrompt(processId, 5000);
    seen.promptOnEnter = prompt != nullptr;
    if (prompt)
        AnswerPassword(prompt, "1234");
}

TEST(VantroGui, AioCloseAsksThePassword) {
    VantroStation station = GuiStation("gui-aio-close");
    station.Set("MPSet.ini", "InitMod", "AIO", "1");
    station.Prepare();
    AioSeen seen;
    VantroRun run = station.Run(60000, DriveAio, &seen);
    ASSERT_TRUE(run.ended);
    ASSERT_TRUE(seen.shown);
    // The keys go to TEST, which has the focus: Enter on it is still a close.
    EXPECT_EQ(1000, seen.focusId);
    EXPECT_TRUE(seen.promptOnClose);
    EXPECT_TRUE(seen.openAfterCancel);
    EXPECT_TRUE(seen.promptOnEsc);
    EXPECT_EQ("Type Password", seen.boxCaption);
    EXPECT_EQ("Incorrect Password", seen.boxText);
    EXPECT_TRUE(seen.openAfterWrongPassword);
    EXPECT_EQ("AIO Mode", seen.statusAfterWrongPassword);
    EXPECT_TRUE(seen.promptOnEnter);
    EXPECT_FALSE(station.Exists("TestLogs"));  // no key started a run
    EXPECT_EQ(0xFFFFFFFFu, run.exitCode);
    EXPECT_EQ("FAIL\r\n", station.Read("FAIL.txt"));
    EXPECT_FALSE(station.Exists("PASS.txt"));
}

}  // namespace
