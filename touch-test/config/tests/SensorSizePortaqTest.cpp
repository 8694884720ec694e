// The sensor size read through Portaq.dll from a simulated panel with a
// master and two slaves, with the real desktop and "LinearConfig.ini".
#include <windows.h>

#include "trelliq/IniFile.h"
#include "Journal.h"
#include "PanelCreator.h"
#include "framework/Prompt.h"
#include "StartupFakes.h"
#include "TestFiles.h"
#include "trelliq/TouchTestStartup.h"
#include "Win32StartupSeams.h"

namespace trelliq {

using namespace portaq_sim;
using testfiles::OnDisk;
using testfiles::ReadBytes;
using testfiles::WriteText;

namespace {

class SensorSizeThroughPortaq : public testfiles::FreshFolderTest {
protected:
    void SetUp() override {
        FreshFolderTest::SetUp();
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        panel_ = std::string(cwd) + "\\panel";
        PanelState description;
        // Sensor blocks: master 30/6, chip 2 36/10, chip 1 40/9, in 16-byte packets.
        ASSERT_TRUE(description.Parse("chips=3\n"
                                      "packet_length=16\n"
                                      "chip0.set.0x5A000000=A0 1E 06 B0\n"
                                      "chip2.set.0x5A000000=A2 24 0A B2\n"
                                      "chip1.set.0x5A000000=A1 28 09 B1\n",
                                      nullptr));
        std::string error;
        ASSERT_TRUE(CreatePanel(StateFolder(panel_), description, "", &error)) << error;
        SetEnvironmentVariableA(kStateFolderVariable, panel_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA(kStateFolderVariable, nullptr);
        IniFileFree(IniDictionary);
        FreshFolderTest::TearDown();
    }
    std::string panel_;
};

}  // namespace

TEST_F(SensorSizeThroughPortaq, ThreeRoundsGiveTheGridAndTheDistances) {
    WriteText("LinearConfig.ini", "[MultiChip]\nDecWidthHeigh=1\nSlaveNO=2\nSlaveIdx0=2\nSlaveIdx1=1\n"
                                  "[Grids]\nX=7\nY=5\n[Pattern]\nwidth=0\nheight=0\n[Distance]\nX=0\nY=0\n");
    PortaqTouchDevice device;
    Win32Desktop desktop;
    RecordingMessages messages;
    StartupSeams seams{device, messages, desktop};
    TouchTestConfig config;

    ASSERT_EQ(RunTouchTestStartup(config, seams), StartupOutcome::GoOn);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(config.Grids.X, 40);
    EXPECT_EQ(config.Grids.Y, 25);

    std::vector<std::string> calls = JournalCalls(ReadJournal(StateFolder(panel_).JournalPath()));
    ASSERT_EQ(calls.size(), 23u);
    std::vector<std::string> expected;
    const int chips[] = {0, 2, 1};
    const size_t opens[] = {0, 7, 15};
    for (int round = 0; round < 3; ++round) {
        // This process's handle of the round, as the journal names it.
        const std::string& open = calls[opens[round]];
        ASSERT_EQ(open.compare(0, 20, "IO_OpenDevice(0) = #"), 0) << open;
        std::string h = open.substr(19);
        expected.push_back(open);
        expected.push_back("IO_ReportToOS(" + h + ", 0, 0) = 1");
        if (chips[round] != 0)
            expected.push_back("IO_SetChipIndex(" + std::to_string(chips[round]) + ") = 0");
        for (const char* address : {"0x5A000000", "0x5A000004", "0x5A000008", "0x5A00000C"})
            expected.push_back("IO_ReadData(" + h + ", " + address + ") = 0 count=16");
        expected.push_back("IO_ReportToOS(" + h + ", 1, 0) = 1");
    }
    EXPECT_EQ(calls, expected);
    for (const std::string& call : calls)
        EXPECT_NE(call, "IO_SetChipIndex(0) = 0");

    RECT rect;
    ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &rect));
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    std::string saved = ReadBytes("LinearConfig.ini");
    EXPECT_NE(saved.find(OnDisk("[Distance]\nX=" + std::to_string(width / 40) +
                                "\nY=" + std::to_string(height / 25) + "\n")),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find(OnDisk("[Pattern]\nwidth=" + std::to_string(width) +
                                "\nheight=" + std::to_string(height) + "\n")),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("[Grids]\r\nX=7\r\nY=5\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find_first_of('\n'), saved.find("\r\n") + 1);  // CR LF line ends
}

TEST(Win32MessageSink, ShowsTheFrameworksBoxWithOk) {
    PromptScript script;
    Win32MessageSink sink;
    sink.Show("Read Config File Failed", "Read Config File Failed");
    sink.Show("Linear Config File Not Found", "Read Config File Failed");
    std::vector<PromptRequest> requests = script.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, PromptKind::MessageBox);
    EXPECT_EQ(requests[0].text, "Read Config File Failed");
    EXPECT_EQ(requests[1].text, "Linear Config File Not Found");
    EXPECT_EQ(requests[1].caption, "Read Config File Failed");
    EXPECT_EQ(requests[1].style, static_cast<UINT>(MB_OK));
}

TEST(Win32Desktop, IsTheDesktopWindowsRectangle) {
    RECT rect;
    ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &rect));
    DesktopRect desktop = Win32Desktop().DesktopRectangle();
    EXPECT_EQ(desktop.left, rect.left);
    EXPECT_EQ(desktop.top, rect.top);
    EXPECT_EQ(desktop.right, rect.right);
    EXPECT_EQ(desktop.bottom, rect.bottom);
    EXPECT_GT(desktop.right - desktop.left, 0);
}

}  // namespace trelliq
