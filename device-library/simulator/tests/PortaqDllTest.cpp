// Portaq.dll as the suite's programs use it: real handles, two processes in
// turn on one panel, the journal, faults, and the version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Journal.h"
#include "PanelCreator.h"
#include "portaq/Portaq.h"
#include "test_support/ProgramRun.h"

using namespace portaq_sim;

namespace {

using test_support::BinFolder;

// Runs a program of the bin folder and returns its full 32-bit exit code.
DWORD RunAndWait(const std::string& program, const std::string& arguments) {
    test_support::ProgramStart start;
    start.application = BinFolder() + "\\" + program;
    start.commandLine = " " + arguments;
    return test_support::RunProgram(start, 30000).exitCode;
}

class PortaqDll : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        folder_ =
            std::string(cwd) + "\\panel-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder_);
        PanelState description;
        ASSERT_TRUE(description.Parse("chips=3\n", nullptr));
        std::string error;
        ASSERT_TRUE(CreatePanel(StateFolder(folder_), description, "", &error)) << error;
        SetEnvironmentVariableA(kStateFolderVariable, folder_.c_str());
    }
    void TearDown() override { SetEnvironmentVariableA(kStateFolderVariable, nullptr); }
    std::vector<JournalEntry> Journal() { return ReadJournal(StateFolder(folder_).JournalPath()); }
    void Set(const std::string& key, const std::string& value) {
        ASSERT_TRUE(SetPanelValue(StateFolder(folder_), key, value, nullptr));
    }
    std::string folder_;
};

// Runs first: the process's first handle is #1.
TEST_F(PortaqDll, WordWrittenOnChip2IsReadBackByASecondProcessFromChip2Only) {
    HANDLE device = IO_OpenDevice(0);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(IO_ReportToOS(device, 0, 0), 1);
    IO_SetChipIndex(2);
    uint8_t answer[16] = {};
    EXPECT_EQ(IO_ReadWriteMemData(device, 0xA0000100, 0xCAFE1234, 0xFFFF0000, answer), 0);
    EXPECT_EQ(IO_ReportToOS(device, 1, 0), 1);
    EXPECT_TRUE(CloseHandle(device));

    EXPECT_EQ(RunAndWait("portaq_probe.exe", "2 A0000100"), 0xCAFE0000u);
    EXPECT_EQ(RunAndWait("portaq_probe.exe", "1 A0000100"), 0u);

    auto entries = Journal();
    ASSERT_EQ(entries.size(), 17u);
    long self = static_cast<long>(GetCurrentProcessId());
    EXPECT_EQ(entries[0].pid, self);
    EXPECT_EQ(JournalCalls(entries),
              (std::vector<std::string>{"IO_OpenDevice(0) = #1", "IO_ReportToOS(#1, 0, 0) = 1",
                                        "IO_SetChipIndex(2) = 0",
                                        "IO_ReadWriteMemData(#1, 0xA0000100, 0xCAFE1234, 0xFFFF0000) = 0",
                                        "IO_ReportToOS(#1, 1, 0) = 1",
                                        // second process
                                        "IO_OpenDevice(0) = #1", "IO_ReportToOS(#1, 0, 0) = 1",
                                        "IO_SetChipIndex(2) = 0", "IO_ReadData(#1, 0xA0000100) = 0 count=640",
                                        "IO_ReportToOS(#1, 1, 0) = 1", "DLL_PROCESS_DETACH unclosed=none",
                                        // third process
                                        "IO_OpenDevice(0) = #1", "IO_ReportToOS(#1, 0, 0) = 1",
                                        "IO_SetChipIndex(1) = 0", "IO_ReadData(#1, 0xA0000100) = 0 count=640",
                                        "IO_ReportToOS(#1, 1, 0) = 1", "DLL_PROCESS_DETACH unclosed=none"}));
    EXPECT_NE(entries[5].pid, self);
    EXPECT_EQ(entries[8].chip, 2);
    EXPECT_NE(entries[11].pid, entries[5].pid);
    EXPECT_EQ(entries[14].chip, 1);
}

TEST_F(PortaqDll, ClosedHandleIsRefusedAndNewOpenStartsAtTheMaster) {
    HANDLE device = IO_OpenDevice(0);
    IO_SetChipIndex(3);
    ASSERT_TRUE(CloseHandle(device));
    uint8_t packet[640];
    uint32_t count = 5;
    EXPECT_NE(IO_ReadData(device, 0xA0000000, packet, &count), 0);
    EXPECT_EQ(count, 0u);
    HANDLE again = IO_OpenDevice(0);
    EXPECT_EQ(IO_ReadData(again, 0xA000C004, packet, &count), 0);
    EXPECT_EQ(packet[36], 2);  // the master's chip information
    CloseHandle(again);
    auto calls = JournalCalls(Journal());
    // Labels count this process's handles: the new open gets the next one.
    ASSERT_EQ(calls[0].compare(0, 20, "IO_OpenDevice(0) = #"), 0);
    int first = std::stoi(calls[0].substr(20));
    EXPECT_EQ(calls[2], "IO_ReadData(unknown, 0xA0000000) = 1 count=0");
    EXPECT_EQ(calls[3], "IO_OpenDevice(0) = #" + std::to_string(first + 1));
    EXPECT_EQ(Journal()[4].chip, 0);
}

TEST_F(PortaqDll, FaultsGiveTheResultsOfAFailingDevice) {
    SetEnvironmentVariableA(kStateFolderVariable, nullptr);
    EXPECT_EQ(IO_OpenDevice(0), INVALID_HANDLE_VALUE);
    SetEnvironmentVariableA(kStateFolderVariable, folder_.c_str());

    ASSERT_TRUE(StateFolder(folder_).SetPlugged(false, nullptr));
    EXPECT_EQ(IO_OpenDevice(0), INVALID_HANDLE_VALUE);
    ASSERT_TRUE(StateFolder(folder_).SetPlugged(true, nullptr));

    Set("open_result", "0");
    EXPECT_EQ(IO_OpenDevice(0), nullptr);
    Set("open_result", "");

    Set("report_result", "0");
    HANDLE device = IO_OpenDevice(0);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    EXPECT_EQ(IO_ReportToOS(device, 0, 0), 0);

    Set("fail.IO_ReadData.address", "0x5A000003");
    uint8_t packet[640];
    uint32_t count = 0;
    EXPECT_NE(IO_ReadData(device, 0x5A000003, packet, &count), 0);
    Set("fail.IO_ReadData.address", "");
    Set("packet_length", "20");
    EXPECT_EQ(IO_ReadData(device, 0x5A000000, packet, &count), 0);
    EXPECT_EQ(count, 20u);
    Set("packet_length", "0");
    EXPECT_EQ(IO_ReadData(device, 0x5A000000, packet, &count), 0);
    EXPECT_EQ(count, 0u);
    CloseHandle(device);
}

TEST_F(PortaqDll, IdentityAndReinstallFlag) {
    char path[kDevicePathSize];
    IO_GetDevicePath(path);
    EXPECT_EQ(std::string(path).substr(0, 20), "\\\\?\\hid#vid_b7c4&pid");
    EXPECT_EQ(IO_GetDeviceTypeByPath(path), DEV_Q50_USB);
    EXPECT_EQ(IO_GetDeviceType(), DEV_Q50_USB);
    uint16_t vid = 0, pid = 0;
    IO_GetVidPiD(&vid, &pid);
    EXPECT_EQ(vid, 0xB7C4);
    Set("need_reinstall", "1");
    EXPECT_EQ(IO_IsNeedReInstall(), 1);
    IO_ClearReInstallFlag();
    EXPECT_EQ(IO_IsNeedReInstall(), 0);
}

TEST(PortaqVersion, DllCarriesAVersionResource) {
    std::string dll = BinFolder() + "\\Portaq.dll";
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(dll.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(dll.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(info->dwFileVersionMS, 0x00020004u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000011u);
}

}  // namespace
