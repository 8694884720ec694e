// Reading the 52-byte sensor block in packets of any size.
#include "StartupFakes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace trelliq {

TEST(ReadDeviceBlock, PacketSizes) {
    const std::string notWords = "The byte number of data isn't a multiple of 4.\n";
    std::string nineTimes;
    for (int i = 0; i < 9; ++i)
        nineTimes += notWords;
    struct Case {
        const char* what;
        uint32_t packetSize;
        std::vector<int> script;
        std::vector<std::string> reads;
        bool ok;
        uint16_t count;
        std::string printed;
    };
    const Case cases[] = {
        {"one packet of 52", 52, {}, {"5A000000"}, true, 52, ""},
        {"packets of 20", 20, {}, {"5A000000", "5A000005", "5A00000A"}, true, 60, ""},
        {"one packet of 640", 640, {}, {"5A000000"}, true, 640, ""},
        {"packets of 6",
         6,
         {},
         {"5A000000", "5A000001", "5A000002", "5A000003", "5A000004", "5A000005", "5A000006", "5A000007",
          "5A000008"},
         true,
         54,
         nineTimes},
        {"two failures then 52",
         52,
         {-1, -1, 52},
         {"5A000000", "5A000000", "5A000000"},
         true,
         52,
         "Read 5A000000 Error(1)..., Retry!!!\nRead 5A000000 Error(2)..., Retry!!!\n"},
        {"20 then failures",
         20,
         {20, -1, -1, -1},
         {"5A000000", "5A000005", "5A000005", "5A000005"},
         false,
         20,
         "Read 5A000005 Error(1)..., Retry!!!\nRead 5A000005 Error(2)..., Retry!!!\nRead 5A000005 "
         "Error(3)..., Retry!!!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTouchDevice device;
        device.SetBlock(0, 30, 6);
        device.packetSize = c.packetSize;
        device.readScript = c.script;
        DeviceHandle handle = device.OpenDevice(0);
        uint8_t block[SENSOR_BLOCK_SIZE + 4];
        memset(block, 0xEE, sizeof block);
        uint16_t count = 0;
        testing::internal::CaptureStdout();
        bool ok = ReadDeviceBlock(device, handle, block, &count);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(count, c.count);
        std::vector<std::string> reads;
        for (const std::string& r : c.reads)
            reads.push_back("read(H1," + r + ")");
        std::vector<std::string> calls(device.calls.begin() + 1, device.calls.end());
        EXPECT_EQ(calls, reads);
        if (c.ok && c.packetSize % 4 == 0) {
            // The block is the chip's first 52 bytes, and nothing past it is written.
            EXPECT_EQ(memcmp(block, device.Memory(0).data(), SENSOR_BLOCK_SIZE), 0);
            for (int i = SENSOR_BLOCK_SIZE; i < SENSOR_BLOCK_SIZE + 4; ++i)
                EXPECT_EQ(block[i], 0xEE) << i;
        }
    }
}

}  // namespace trelliq
