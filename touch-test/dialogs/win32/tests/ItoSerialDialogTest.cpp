// "ITO Resize" and "Serial Number Information" from their real templates.
#include "../../tests/DialogTestFixture.h"
#include "DialogDriver.h"
#include "DialogSetFile.h"
#include "ItoResizeDialog.h"
#include "Win32StartupSeams.h"
#include "framework/Prompt.h"

namespace trelliq {

namespace {

class Desktop1280 : public DesktopInfo {
public:
    DesktopRect DesktopRectangle() override { return {0, 0, 1280, 800}; }
};

const char kItoFile[] = "[Scaling]\nX=1.0\nY=1.0\n"
                        "[Rotation]\nradio_r0=1\nradio_r90=0\nradio_r180=0\nradio_r270=0\n"
                        "[Original]\nradio_lt=1\nradio_rt=0\nradio_lb=0\nradio_rb=0\n"
                        "[Gap]\nleft=1\nright=2\ntop=3\nbottom=4\n"
                        "[Pattern]\nwidth=1280\nheight=800\n";

}  // namespace

class DialogWindowsTest : public DialogStoreTest {
protected:
    PromptScript prompts;
    Win32MessageSink sink;
};

TEST_F(DialogWindowsTest, ItoOversizeStaysOpenWithTheStoredWidthThenOkSavesTheTypedValues) {
    Load(kItoFile);
    config.Scaling = {1.0, 1.0};
    config.Rotation = {1, 0, 0, 0};
    config.Original = {1, 0, 0, 0};
    config.ScreenWidth = 1280;
    config.ScreenHeight = 800;
    Desktop1280 desktop;
    ITOResizeDialog dialog(config, desktop, sink);
    std::string shownY, widthAfterRefusal, fileAfterRefusal;
    bool openAfterRefusal = false;
    bool found = false;
    const INT_PTR result = RunDriven(
        dialog, "ITO Resize",
        [&](HWND d) {
            shownY = ItemText(d, 1029);
            SetItemText(d, 1026, "1.25");
            SendMessageA(GetDlgItem(d, 1057), BM_SETCHECK, BST_CHECKED, 0);
            SendCommand(d, 1057, BN_CLICKED);
            SendCommand(d, 1035, BN_CLICKED);
            SetItemText(d, 1020, "-8");
            SetItemText(d, 1022, "1500");
            SendCommand(d, IDOK, BN_CLICKED);
            widthAfterRefusal = ItemText(d, 1022);
            openAfterRefusal = IsWindowVisible(d) != 0;
            fileAfterRefusal = File();
            SetItemText(d, 1022, "1024");
            SetItemText(d, 1018, "768");
            SendCommand(d, IDOK, BN_CLICKED);
        },
        &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shownY, "1.000000");
    EXPECT_EQ(widthAfterRefusal, "1280");
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(fileAfterRefusal, test_support::OnDisk(kItoFile));
    const std::vector<PromptRequest> boxes = prompts.Requests();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Pattern width 1500  is larger than the the width of screen  1280");
    EXPECT_EQ(boxes[0].caption, "Set Pattern Size Failed");
    EXPECT_EQ(config.CanvasWidth, 1024);
    EXPECT_EQ(config.CanvasHeight, 768);
    IniFileFree(IniDictionary);
    Load(File());
    EXPECT_EQ(Stored("Scaling", "X"), "1.25");
    EXPECT_EQ(Stored("Scaling", "Y"), "1.000000");
    EXPECT_EQ(Stored("Rotation", "radio_r0"), "0");
    EXPECT_EQ(Stored("Rotation", "radio_r180"), "1");
    EXPECT_EQ(Stored("Original", "radio_lt"), "0");
    EXPECT_EQ(Stored("Original", "radio_rb"), "1");
    EXPECT_EQ(Stored("Gap", "bottom"), "-8");
    EXPECT_EQ(Stored("Pattern", "width"), "1024");
    EXPECT_EQ(Stored("Pattern", "height"), "768");
}

TEST_F(DialogWindowsTest, ItoCancelKeepsTheEditsInMemoryAndWritesNothing) {
    Load(kItoFile);
    config.ScreenWidth = 1280;
    Desktop1280 desktop;
    ITOResizeDialog dialog(config, desktop, sink);
    bool found = false;
    const INT_PTR result = RunDriven(
        dialog, "ITO Resize",
        [&](HWND d) {
            SetItemText(d, 1023, "17");
            SendCommand(d, IDCANCEL, BN_CLICKED);
        },
        &found);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(config.Gap.left, 17);
    EXPECT_EQ(Stored("Gap", "left"), "1");
    EXPECT_EQ(File(), test_support::OnDisk(kItoFile));
}

TEST_F(DialogWindowsTest, SerialPrefixIsLimitedLoadShowsTheChosenFolderAndATypedPathCounts) {
    const char file[] = "[SerialNum]\npath=C:\\old\nnamePrefix=OLD\ninitialNum=3\n";
    Load(file);
    snprintf(config.SerialNum.path, sizeof config.SerialNum.path, "%s", "C:\\old");
    snprintf(config.SerialNum.namePrefix, sizeof config.SerialNum.namePrefix, "%s", "OLD");
    config.SerialNum.initialNum = 3;
    prompts.Answer(IDOK, "C:\\chosen");
    prompts.Answer(IDCANCEL);
    DialogSetFile dialog(config, sink);
    std::string shown[3], afterLoad, afterCancelledLoad, prefix;
    bool found = false;
    const INT_PTR result = RunDriven(
        dialog, "Serial Number Information",
        [&](HWND d) {
            shown[0] = ItemText(d, 1013);
            shown[1] = ItemText(d, 1016);
            shown[2] = ItemText(d, 1020);
            SetItemText(d, 1016, "");
            Type(GetDlgItem(d, 1016), std::string(60, 'P'));
            prefix = ItemText(d, 1016);
            SendCommand(d, 1015, BN_CLICKED);
            afterLoad = ItemText(d, 1013);
            SendCommand(d, 1015, BN_CLICKED);
            afterCancelledLoad = ItemText(d, 1013);
            SetItemText(d, 1013, "C:\\typed");
            SetItemText(d, 1020, "7");
            SendCommand(d, IDOK, BN_CLICKED);
        },
        &found);
    EXPECT_TRUE(found);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shown[0], "C:\\old");
    EXPECT_EQ(shown[1], "OLD");
    EXPECT_EQ(shown[2], "3");
    EXPECT_EQ(prefix, std::string(49, 'P'));
    EXPECT_EQ(afterLoad, "C:\\chosen");
    EXPECT_EQ(afterCancelledLoad, "C:\\chosen");
    const std::vector<PromptRequest> requests = prompts.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, PromptKind::FolderBrowser);
    EXPECT_EQ(requests[0].caption, "Select folder");
    EXPECT_STREQ(config.SerialNum.path, "C:\\typed");
    EXPECT_EQ(std::string(config.SerialNum.namePrefix), std::string(49, 'P'));
    EXPECT_EQ(config.SerialNum.initialNum, 7);
    EXPECT_EQ(Stored("SerialNum", "path"), "C:\\typed");
    EXPECT_EQ(Stored("SerialNum", "namePrefix"), std::string(49, 'P'));
    EXPECT_EQ(Stored("SerialNum", "initialNum"), "7");
    EXPECT_EQ(File(), test_support::OnDisk(file));  // saved when Trelliq closes
}

TEST_F(DialogWindowsTest, SerialEmptyPathTellsAndStillEndsWithOk) {
    Load("[SerialNum]\npath=C:\\old\nnamePrefix=OLD\ninitialNum=3\n");
    DialogSetFile dialog(config, sink);
    bool found = false;
    const INT_PTR result = RunDriven(
        dialog, "Serial Number Information",
        [&](HWND d) {
            SetItemText(d, 1013, "");
            SetItemText(d, 1016, "PNL");
            SetItemText(d, 1020, "");
            SendCommand(d, IDOK, BN_CLICKED);
        },
        &found);
    EXPECT_EQ(result, IDOK);
    const std::vector<PromptRequest> boxes = prompts.Requests();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "File Path  Couldn't be empty.");
    EXPECT_EQ(boxes[0].caption, "File Path Couldn't be empty.");
    EXPECT_EQ(config.SerialNum.initialNum, 0);
    EXPECT_STREQ(config.SerialNum.namePrefix, "PNL");
    EXPECT_EQ(Stored("SerialNum", "path"), "C:\\old");
}

}  // namespace trelliq
