#include <gtest/gtest.h>

#include "ChipMemory.h"

namespace portaq_sim {

using portaq_sim::ChipMemory;

TEST(ChipMemory, WordAddressesAdvanceByOneWordAndDeliverLowByteFirst) {
    ChipMemory memory;
    memory.SetWord(0x5A000000, 0x44332211);
    memory.SetWord(0x5A000001, 0x88776655);
    EXPECT_EQ(memory.Read(0x5A000000, 6), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));
    EXPECT_EQ(memory.Read(0x5A000001, 2), (std::vector<uint8_t>{0x55, 0x66}));
}

TEST(ChipMemory, ByteAddressesReadInsideAlignedWords) {
    ChipMemory memory;
    memory.SetWord(0xA000C004, 0x44332211);
    memory.SetWord(0xA000C008, 0x000000AA);
    EXPECT_EQ(memory.Read(0xA000C006, 4), (std::vector<uint8_t>{0x33, 0x44, 0xAA, 0x00}));
    memory.WriteBytes(0xA000C007, {0x01, 0x02});
    EXPECT_EQ(memory.Word(0xA000C004), 0x01332211u);
    EXPECT_EQ(memory.Word(0xA000C008), 0x00000002u);
}

TEST(ChipMemory, MaskedWriteChangesOnlyTheMaskBits) {
    ChipMemory memory;
    memory.SetWord(0x1234, 0x11223344);
    EXPECT_EQ(memory.MaskedWrite(0x1234, 0x00050000, 0x00FF0000), 0x11053344u);
    EXPECT_EQ(memory.MaskedWrite(0x1234, 0xFFFFFFFF, 0), 0x11053344u);
}

TEST(ChipMemory, TextRoundTripAndDamage) {
    ChipMemory memory;
    memory.SetWord(0xA0000000, 0xDEADBEEF);
    ChipMemory copy;
    std::string error;
    ASSERT_TRUE(copy.Parse(memory.Serialize(), &error));
    EXPECT_EQ(copy.Word(0xA0000000), 0xDEADBEEFu);
    EXPECT_FALSE(copy.Parse("0xA0000000 0x1\nrubbish\n", &error));
    EXPECT_EQ(error, "line 2 is not \"address value\"");
    EXPECT_TRUE(copy.Words().empty());
}

}  // namespace portaq_sim
