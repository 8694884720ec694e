#include "console_tools/FileVersionQuery.h"
#include "console_tools/FirmwareConsole.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace console_tools {

namespace {

std::string binFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

TEST(QueryFileVersion, ReadsTheFixedFileVersion) {
    int a = -1, b = -1, c = -1, d = -1;
    EXPECT_EQ(1, QueryFileVersion((binFolder() + "versioned_fixture.exe").c_str(), &a, &b, &c, &d));
    EXPECT_EQ(1, a);
    EXPECT_EQ(2, b);
    EXPECT_EQ(3, c);
    EXPECT_EQ(4, d);
}

TEST(QueryFileVersion, NoResourceOrNoFileGivesZeroAndLeavesTheNumbers) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    int a = 9, b = 9, c = 9, d = 9;
    EXPECT_EQ(0, QueryFileVersion(self, &a, &b, &c, &d));
    EXPECT_EQ(0, QueryFileVersion("Z:\\no\\such\\file.exe", &a, &b, &c, &d));
    EXPECT_EQ(9, a + b + c + d - 27);
}

struct NoDevice : ConsoleDevice {
    DeviceHandle openDevice() override { return kNoDeviceHandle; }
    std::uint8_t reportToOs(DeviceHandle, int) override { return 0; }
    void setChipIndex(int) override {}
    int deviceType() override { return 0; }
    int writeMasked(DeviceHandle, std::uint32_t, std::uint32_t, std::uint32_t, std::uint8_t*) override {
        return 1;
    }
    int setRawMode(DeviceHandle, int) override { return 1; }
    int readPacket(DeviceHandle, std::uint32_t, std::uint8_t*, std::uint32_t*) override { return 1; }
    void setVerbose(std::uint16_t) override {}
    void closeDevice(DeviceHandle) override {}
};

TEST(PrintFileVersion, OverTheRealQuery) {
    NoDevice device;
    StringConsole out;
    FirmwareConsole console{device, out, QueryFileVersion};
    PrintFileVersion(console, (binFolder() + "versioned_fixture.exe").c_str());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    PrintFileVersion(console, self);
    EXPECT_EQ("\\versioned_fixture.exe Version : 1.2.3.4\n"
              "\\file_version_query_test.exe Version : 0.0.0.0\n",
              out.text());
}

}  // namespace

}  // namespace console_tools
