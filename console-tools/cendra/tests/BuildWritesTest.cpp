#include "console_tools/CendraOptions.h"
#include "console_tools/ParamWriter.h"
#include "PlainSources.h"
#include "RecordingDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <vector>

namespace console_tools {

// Found by argument-dependent lookup, so beside WriteEntry.
bool operator==(const WriteEntry& a, const WriteEntry& b) {
    return a.address == b.address && a.data == b.data && a.mask == b.mask;
}

void PrintTo(const WriteEntry& e, std::ostream* os) {
    char text[64];
    std::snprintf(text, sizeof text, "{0x%08X, 0x%08X, 0x%08X}", e.address, e.data, e.mask);
    *os << text;
}

namespace {

TEST(BuildWrites, Table) {
    struct Case {
        const char* name;
        int startByte, byteLength, value;
        std::vector<WriteEntry> writes;
    } cases[] = {
        {"start 1 length 2", 1, 2, 0x1234, {{0x1000, 0x00123400, 0x00FFFF00}}},
        {"start 3 length 2",
         3,
         2,
         0x1234,
         {{0x1000, 0x00000012, 0x000000FF}, {0x1001, 0x34000000, 0xFF000000}}},
        {"start 2 length 4",
         2,
         4,
         0x11223344,
         {{0x1000, 0x00001122, 0x0000FFFF}, {0x1001, 0x33440000, 0xFFFF0000}}},
        {"4 bytes at byte 0", 0, 4, 0x7A5B3C1D, {{0x1000, 0x7A5B3C1D, 0xFFFFFFFF}}},
        {"byte 0", 0, 1, 0xAB, {{0x1000, 0xAB000000, 0xFF000000}}},
        {"byte 1", 1, 1, 0xAB, {{0x1000, 0x00AB0000, 0x00FF0000}}},
        {"byte 2", 2, 1, 0xAB, {{0x1000, 0x0000AB00, 0x0000FF00}}},
        {"byte 3", 3, 1, 0xAB, {{0x1000, 0x000000AB, 0x000000FF}}},
        {"ends at byte 8",
         3,
         5,
         0x55667788,
         {{0x1000, 0x00000000, 0x000000FF}, {0x1001, 0x55667788, 0xFFFFFFFF}}},
        {"in the second word only", 4, 4, 0x01020304, {{0x1001, 0x01020304, 0xFFFFFFFF}}},
        {"negative, one word: bits outside the mask stay", 2, 1, -2, {{0x1000, 0xFFFFFE00, 0x0000FF00}}},
        {"negative, two words: arithmetic shift",
         3,
         2,
         -256,
         {{0x1000, 0xFFFFFFFF, 0x000000FF}, {0x1001, 0x00000000, 0xFF000000}}},
        {"too wide a value stays in the data", 3, 1, 0x1FF, {{0x1000, 0x000001FF, 0x000000FF}}},
        {"most negative int", 0, 4, INT32_MIN, {{0x1000, 0x80000000, 0xFFFFFFFF}}},
    };
    for (const Case& c : cases) {
        PlainSources sources;
        RecordingDevice device;
        StringConsole out;
        CParamWriter writer(sources, kSlaveNotGiven, device, out);
        EXPECT_EQ(static_cast<int>(c.writes.size()),
                  writer.buildWrites(c.value, RegisterField{"0x00001000", c.startByte, c.byteLength, true}))
            << c.name;
        EXPECT_EQ(c.writes, writer.writes()) << c.name;
    }
}

TEST(BuildWrites, RefusedShapesBuildNothing) {
    struct Shape {
        int startByte, byteLength;
    } shapes[] = {{0, 0}, {0, -1}, {-1, 2}, {7, 2}, {5, 4}, {0, 9}, {INT32_MAX, 1}, {2, INT32_MAX}};
    for (const Shape& s : shapes) {
        PlainSources sources;
        RecordingDevice device;
        StringConsole out;
        CParamWriter writer(sources, kSlaveNotGiven, device, out);
        EXPECT_EQ(0, writer.buildWrites(5, RegisterField{"0x10", s.startByte, s.byteLength, true}));
        EXPECT_TRUE(writer.writes().empty());
        EXPECT_FALSE(IsWritableField(s.startByte, s.byteLength));
    }
}

TEST(BuildWrites, AddressTextIsHex) {
    struct Case {
        const char* text;
        std::uint32_t address;
    } cases[] = {{"0x00001234", 0x1234}, {"1234", 0x1234}, {"0XABCDEF01", 0xABCDEF01}, {"", 0}, {"zz", 0}};
    for (const Case& c : cases) {
        PlainSources sources;
        RecordingDevice device;
        StringConsole out;
        CParamWriter writer(sources, kSlaveNotGiven, device, out);
        writer.buildWrites(1, RegisterField{c.text, 3, 1, true});
        ASSERT_EQ(1u, writer.writes().size());
        EXPECT_EQ(c.address, writer.writes()[0].address) << c.text;
    }
}

}  // namespace

}  // namespace console_tools
