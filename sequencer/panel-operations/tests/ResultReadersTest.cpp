// The barcode result and touch-log readers over bytes, and the pin report.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vantro/BarcodeResult.h"
#include "vantro/PanelOperations.h"
#include "vantro/TouchLog.h"

namespace vantro {
namespace {

TEST(BarcodeResult, Lines) {
    const struct {
        std::string bytes;
        BarcodeRead read;
        std::string serial;
    } cases[] = {
        {"PASS\nAB12\n", BarcodeRead::kSerial, "AB12"},
        {"PASSED\nAB12\r\n", BarcodeRead::kSerial, "AB12"},
        {"PASS\nAB12", BarcodeRead::kSerial, "AB12"},
        {"PASS\n\r\n", BarcodeRead::kSerial, ""},
        {"PASS\nA\rB\n", BarcodeRead::kSerial, "A\rB"},
        {"PASS\nAB\0CD\n", BarcodeRead::kSerial, "AB"},
        {"pass\nAB12\n", BarcodeRead::kNotPass, ""},
        {"PAS\nAB12\n", BarcodeRead::kNotPass, ""},
        {"PASS", BarcodeRead::kNoSerial, ""},
        // A first line longer than the line buffer: its rest is read as the serial.
        {"PASS" + std::string(255, 'x') + "tail\n", BarcodeRead::kSerial, "tail"},
        {"PASS\n" + std::string(300, 's'), BarcodeRead::kSerial, std::string(259, 's')},
    };
    for (const auto& c : cases) {
        BarcodeResult result = ReadBarcodeText(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(c.read, result.read) << c.bytes;
        EXPECT_EQ(c.serial, result.serial) << c.bytes;
        EXPECT_EQ(static_cast<int>(std::string(result.serial).size()), result.length) << c.bytes;
    }
}

TEST(TouchLog, Scans) {
    const struct {
        std::string bytes;
        int passFinger;
        bool reached, passLine;
    } cases[] = {
        {"Touch count = 7&\n7 Fingers Test Pass\n", 7, true, true},
        {"Touch count=7\n", 7, true, false},
        {"Touch  count =   +12&\n", 7, true, false},
        {"Touch count = x7&\n", 7, false, false},
        {"touch count = 7&\n", 7, false, false},
        {"Touch count = 99999999999999999999&\n", 7, true, false},
        {"7 Fingers Test Pass\r\n", 7, false, false},
        {"7 Fingers Test Pass", 7, false, false},
        {"noise\n", -1, true, false},
        {"noise\n", 0, false, false},
        {"Touch count = 3&\n" + std::string(300, 'y') + "\n7 Fingers Test Pass\n", 7, false, true},
    };
    for (const auto& c : cases) {
        TouchLogScan scan = ScanTouchLogText(c.bytes.data(), c.bytes.size(), c.passFinger);
        EXPECT_EQ(c.reached, scan.countReached) << c.bytes;
        EXPECT_EQ(c.passLine, scan.passLineSeen) << c.bytes;
    }
}

TEST(PinReport, EveryTextFitsTheMessage) {
    char message[kPanelMessageSize + 16];
    for (uint32_t code : {0xFFFFFFFFu, 0x3F00u, 0xFFFFu, 0x13F00u}) {
        std::memset(message, 'z', sizeof message);
        FormatPinReport(code, message);
        EXPECT_LT(std::strlen(message), static_cast<size_t>(kPanelMessageSize)) << code;
        EXPECT_EQ('z', message[kPanelMessageSize]) << code;
    }
    FormatPinReport(0x3F00u, message);
    EXPECT_EQ(110u, std::strlen(message));
}

}  // namespace
}  // namespace vantro
