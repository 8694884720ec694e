#include "TestFiles.h"

#include "pelliton/MainCodeId.h"

#include <cstring>
#include <vector>

namespace pelliton {

namespace {

struct HeaderCase {
    const char* what;
    std::string text;
    const char* wantedId;
    const char* wantedTime;
    int result;  // fileType after the parse
    unsigned startAddr;
    unsigned headerWord;
    int headerInt;
    const char* mainCodeId;
    const char* buildTime;
    const char* usb;  // 8 hex digits, or "" for none
};

const char kBody[] = "////G\nint Gain,0x10,0,4\n";

TEST(CsvParserHeader, HeaderKinds) {
    const std::string fw = "FW Tool\nstart,0x1000,x,x,0xAB,-7,x,";
    const std::vector<HeaderCase> cases = {
        {"online table",
         "Online FW Tool\nid,01 02 03 04,t,20240101120000 R1,x,x,x,51 34 30 31\ntitles\n" +
             std::string(kBody),
         nullptr, nullptr, 1, 0, 0xFFFFFFFF, 0, "01 02 03 04", "20240101120000", "51343031"},
        {"online: cells 1 and 3 empty give None", "Online FW Tool\nid,,t,,x\ntitles\n" + std::string(kBody),
         nullptr, nullptr, 1, 0, 0xFFFFFFFF, 0, "None", "None", ""},
        {"online: None fails a wanted id", "Online FW Tool\nid,,t,,x\ntitles\n" + std::string(kBody),
         "01 02 03 04", nullptr, -3, 0, 0xFFFFFFFF, 0, "None", "None", ""},
        {"online: short second row reads None",
         "Online FW Tool\nid,01 02 03 04,t\ntitles\n" + std::string(kBody), nullptr, nullptr, 1, 0,
         0xFFFFFFFF, 0, "None", "None", ""},
        {"online: short second row fails a wanted time",
         "Online FW Tool\nid,01 02 03 04,t\ntitles\n" + std::string(kBody), nullptr, "20240101120000", -3, 0,
         0xFFFFFFFF, 0, "None", "None", ""},
        {"online: wanted id and time match",
         "Online FW Tool\nid,1.2.3.4,t,20240101120000\ntitles\n" + std::string(kBody), "01 02 03 04",
         "20240101120000", 1, 0, 0xFFFFFFFF, 0, "01 02 03 04", "20240101120000", ""},
        {"online: other build time",
         "Online FW Tool\nid,1.2.3.4,t,20240101120000\ntitles\n" + std::string(kBody), "01 02 03 04",
         "20240101120001", -3, 0, 0xFFFFFFFF, 0, "01 02 03 04", "20240101120000", ""},
        {"online: USB id with blanks",
         "Online FW Tool\nid,1 2 3 4,t,T,x,x,x, 5 1 3 4 3 0 3 1 \ntitles\n" + std::string(kBody), nullptr,
         nullptr, 1, 0, 0xFFFFFFFF, 0, "01 02 03 04", "T", "51343031"},
        {"online: short USB id is none",
         "Online FW Tool\nid,1 2 3 4,t,T,x,x,x,5134\ntitles\n" + std::string(kBody), nullptr, nullptr, 1, 0,
         0xFFFFFFFF, 0, "01 02 03 04", "T", ""},
        {"online: build time is cut at 14",
         "Online FW Tool\nid,1 2 3 4,t,123456789012345678\ntitles\n" + std::string(kBody), nullptr, nullptr,
         1, 0, 0xFFFFFFFF, 0, "01 02 03 04", "12345678901234", ""},
        {"id 12.34-5 6", "Online FW Tool\nid,12.34-5 6,t,T\ntitles\n" + std::string(kBody), nullptr, nullptr,
         1, 0, 0xFFFFFFFF, 0, "12 34 05 06", "T", ""},
        {"FW Tool: b0 set is type 5", fw + "5 1 1 0,x,T 9\nx,x,\tByte\n", nullptr, nullptr, 5, 0x1000, 0xAB,
         -7, "05 01 01 00", "T", ""},
        {"FW Tool: all zero is type 5", fw + "0 0 0 0,x,T\nx,x,\tByte\n", nullptr, nullptr, 5, 0x1000, 0xAB,
         -7, "00 00 00 00", "T", ""},
        {"FW Tool: b3 1 is type 3", fw + "0 1 2 1,x,T\nx,x,\tByte\n", nullptr, nullptr, 3, 0x1000, 0xAB, -7,
         "00 01 02 01", "T", ""},
        {"FW Tool: b3 0 with tab-Bits is type 2", fw + "0 1 2 0,x,T\nx,x,\tBits\n", nullptr, nullptr, 2,
         0x1000, 0xAB, -7, "00 01 02 00", "T", ""},
        {"FW Tool: b3 0 with tab-Byte is -2", fw + "0 1 2 0,x,T\nx,x,\tByte\n", nullptr, nullptr, -2, 0x1000,
         0xAB, -7, "00 01 02 00", "T", ""},
        {"FW Tool: 1 2 3 0 is type 5 and kept by tab-Byte", fw + "1 2 3 0,x,T\nx,x,\tByte\n", nullptr,
         nullptr, 5, 0x1000, 0xAB, -7, "01 02 03 00", "T", ""},
        {"FW Tool: 1 2 3 0 with tab-Bits is -2", fw + "1 2 3 0,x,T\nx,x,\tBits\n", nullptr, nullptr, -2,
         0x1000, 0xAB, -7, "01 02 03 00", "T", ""},
        {"FW Tool: b3 2 is unset, tab-Byte gives 3", fw + "0 1 2 2,x,T\nx,x,\tByte\n", nullptr, nullptr, 3,
         0x1000, 0xAB, -7, "00 01 02 02", "T", ""},
        {"FW Tool: no id, tab-Bits gives 2", "Offline FW Tool\nstart,2000\nx,x,\tBits\n", nullptr, nullptr, 2,
         0x2000, 0xFFFFFFFF, 0, "None", "None", ""},
        {"FW Tool: no id and short third row is -2", "FW Tool\nstart,2000\nx,y\n", nullptr, nullptr, -2,
         0x2000, 0xFFFFFFFF, 0, "None", "None", ""},
        {"FW Tool: type set and short third row keeps it", fw + "0 1 2 1,x,T\nx,y\n", nullptr, nullptr, 3,
         0x1000, 0xAB, -7, "00 01 02 01", "T", ""},
        {"FW Tool: short second row is -2", "FW Tool\nstart\n", nullptr, nullptr, -2, 0, 0xFFFFFFFF, 0, "",
         "", ""},
        {"FW Tool: USB id in cell 13", fw + "0 1 2 1,x,T,x,x,x,AABBCCDD\nx,x,\tByte\n", nullptr, nullptr, 3,
         0x1000, 0xAB, -7, "00 01 02 01", "T", "aabbccdd"},
        {"FW Tool: other firmware", fw + "0 1 2 1,x,T\nx,x,\tByte\n", "00 01 02 02", nullptr, -3, 0x1000,
         0xAB, -7, "00 01 02 01", "T", ""},
        {"no header: //// is type 0 and the first body row", std::string(kBody), nullptr, nullptr, 0, 0,
         0xFFFFFFFF, 0, "", "", ""},
        {"no header with a wanted id is -3", std::string(kBody), "01 02 03 04", nullptr, -3, 0, 0xFFFFFFFF, 0,
         "", "", ""},
        {"foreign first row is -2", "Hello\n" + std::string(kBody), nullptr, nullptr, -2, 0, 0xFFFFFFFF, 0,
         "", "", ""},
        {"empty file is -2", "", nullptr, nullptr, -2, 0, 0xFFFFFFFF, 0, "", "", ""},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CCsvParser> parser;
        testing::internal::CaptureStdout();
        if (c.wantedId == nullptr && c.wantedTime == nullptr) {
            writeFile("header.csv", c.text);
            parser.reset(new CCsvParser("header.csv"));
        } else {
            // A folder that holds only this table: the search's result is its result.
            CreateFolder("wanted");
            writeFile("wanted/header.csv", c.text);
            parser.reset(new CCsvParser("wanted", c.wantedId, c.wantedTime));
        }
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(parser->fileType, c.result);
        if (c.result < 0) {
            EXPECT_EQ(parser->registerCount, 0);
        }
        if (c.wantedId != nullptr || c.wantedTime != nullptr) {
            if (c.result >= 0) {
                EXPECT_STREQ(parser->mainCodeId, c.mainCodeId);
            }
            continue;
        }
        EXPECT_EQ(parser->startAddr, c.startAddr);
        EXPECT_EQ(parser->headerWord, c.headerWord);
        EXPECT_EQ(parser->headerInt, c.headerInt);
        EXPECT_STREQ(parser->mainCodeId, c.mainCodeId);
        EXPECT_STREQ(parser->buildTime, c.buildTime);
        char usb[9] = "";
        if (parser->hasUsbDescId)
            snprintf(usb, sizeof usb, "%02x%02x%02x%02x", parser->usbDescId[0], parser->usbDescId[1],
                     parser->usbDescId[2], parser->usbDescId[3]);
        EXPECT_STREQ(usb, c.usb);
        if (c.result == 0 || c.result == 1) {
            EXPECT_EQ(parser->registerCount, 1);
        }
    }
}

// A CSV cell cannot hold the ',' itself, so the splitting rule is checked on
// its own as well.
TEST(CsvParserHeader, MainCodeIdSplitting) {
    struct {
        const char* text;
        unsigned char b[4];
    } cases[] = {
        {"12.34-5,6", {12, 34, 5, 6}}, {"1 2", {1, 2, 0, 0}},
        {" 1  2 3 4 5", {1, 2, 3, 4}}, {"", {0, 0, 0, 0}},
        {"--", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        unsigned char b[4] = {9, 9, 9, 9};
        PellitonParseMainCodeId(b, c.text);
        EXPECT_EQ(memcmp(b, c.b, 4), 0) << c.text;
    }
}

TEST(CsvParserHeader, ThreeDigitIdStaysInItsFieldAndIsFound) {
    const std::string text = "Online FW Tool\nid,100 200 250 255,t,T1\ntitles\n" + std::string(kBody);
    std::unique_ptr<CCsvParser> parser = parseQuietly("long-id.csv", text);
    EXPECT_STREQ(parser->mainCodeId, "100 200 250");
    EXPECT_STREQ(parser->buildTime, "T1");
    CreateFolder("long-id");
    writeFile("long-id/t.csv", text);
    testing::internal::CaptureStdout();
    parser.reset(new CCsvParser("long-id", "100 200 250 255", "T1"));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(parser->fileType, 1);
    EXPECT_EQ(parser->registerCount, 1);
}

TEST(CsvParserHeader, HeaderOnlyConstructorReadsIdAndTime) {
    struct {
        std::string text;
        const char* id;
        const char* time;
    } cases[] = {
        {"Online FW Tool\nid,1 2 3 4,t,T1 x\n", "01 02 03 04", "T1"},
        {"Online FW Tool\nid,,t,T1\n", "None", "None"},
        {"FW Tool\nstart,0,x,x,x,x,x,0 1 2 1,x,T2\n", "00 01 02 01", "T2"},
        {"FW Tool\nstart,0,x\n", "None", "None"},
        {"////G\n", "", ""},
    };
    for (const auto& c : cases) {
        writeFile("head-only.csv", c.text);
        std::unique_ptr<CCsvParser> parser(new CCsvParser("head-only.csv", true));
        EXPECT_STREQ(parser->mainCodeId, c.id) << c.text;
        EXPECT_STREQ(parser->buildTime, c.time) << c.text;
        EXPECT_EQ(parser->registerCount, 0);
    }
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> missing(new CCsvParser("absent.csv", true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "absent.csv : init csv parser failed!\n");
}

}  // namespace

}  // namespace pelliton
