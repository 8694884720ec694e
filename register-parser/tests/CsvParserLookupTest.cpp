#include "TestFiles.h"

#include <cstring>

namespace pelliton {

namespace {

const char kTable[] = "FW Tool\nstart,0x1000,x,x,x,x,x,0 1 2 1,x,T\nx,x,\tByte\n"
                      "////G\n"
                      "0x00000010,0,4,GAIN,5,d,,\n"
                      "0x00000020,0,4,Gain,6,d\n"
                      "0x00000030,0,4,Other,7,d\n";

TEST(CsvParserLookup, ByNameIgnoringCase) {
    std::unique_ptr<CCsvParser> p = parseQuietly("lookup.csv", kTable);
    ASSERT_EQ(p->registerCount, 3);
    Register* gain = p->lookUp("gain");
    ASSERT_NE(gain, nullptr);
    EXPECT_EQ(gain, &p->registers[0]);  // the first of two of one name
    EXPECT_EQ(p->lookUp("Absent"), nullptr);
    EXPECT_EQ(p->lookUp(nullptr), nullptr);
    EXPECT_EQ(p->getParamAddress("GAIN"), 0x1010u);
    EXPECT_EQ(p->getParamAddress("other"), 0x1030u);
    EXPECT_EQ(p->getParamAddress("Absent"), 0u);
    EXPECT_EQ(p->getStartAddr(), 0x1000u);
}

#ifdef _WIN32
// Code page 950: 0xA4 0x61 and 0xA4 0x41 are two different characters whose
// trail bytes happen to be 'a' and 'A'; folding them byte by byte would
// give a false match.
TEST(CsvParserLookup, DoubleByteNamesCompareWholeCharacters) {
    MultiByteCodePage big5(950);
    ASSERT_TRUE(big5.set());
    std::unique_ptr<CCsvParser> p =
        parseQuietly("big5.csv", "FW Tool\nstart,0x1000,x,x,x,x,x,0 1 2 1,x,T\nx,x,\tByte\n////G\n"
                                 "0x00000040,0,4,\xA4\x61Rate,8,d\n");
    ASSERT_EQ(p->registerCount, 1);
    EXPECT_EQ(p->lookUp("\xA4\x61RATE"), &p->registers[0]);
    EXPECT_EQ(p->lookUp("\xA4\x41rate"), nullptr);
    EXPECT_EQ(p->getParamAddress("\xA4\x41Rate"), 0u);
}
#endif

TEST(CsvParserLookup, RefusedNames) {
    writeFile("caps.CSV", kTable);
    writeFile("noextension", kTable);
    for (const char* name : {"caps.CSV", "noextension"}) {
        testing::internal::CaptureStdout();
        std::unique_ptr<CCsvParser> p(new CCsvParser(name));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(name) + " : init csv parser failed!\n");
        EXPECT_TRUE(p->isParserReady());
        EXPECT_EQ(p->fileType, -1);
        EXPECT_EQ(p->registerCount, 0);
        EXPECT_EQ(p->lookUp("Gain"), nullptr);
        EXPECT_EQ(p->getParamAddress("Gain"), 0u);
    }
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> missing(new CCsvParser("missing.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "missing.csv : init csv parser failed!\n");
    EXPECT_EQ(missing->fileType, -2);
    // A failed parse answers NULL and 0.
    testing::internal::CaptureStdout();
    std::unique_ptr<CCsvParser> bad = parseText("bad.csv", std::string(kTable) + "Pin Assignment\nchip\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "The format of bad.csv is incorrect!\n");
    EXPECT_EQ(bad->lookUp("Gain"), nullptr);
    EXPECT_EQ(bad->getParamAddress("Gain"), 0u);
}

void expectCleared(CCsvParser& p) {
    EXPECT_EQ(p.registerCount, 0);
    EXPECT_EQ(p.chipCount, 0);
    EXPECT_EQ(p.rxChipCount, 0);
    EXPECT_EQ(p.txChipCount, 0);
    EXPECT_EQ(p.ctrlChipCount, 0);
    EXPECT_EQ(p.ctrlRowCount, 0);
    EXPECT_EQ(p.itoOrderCount, 0);
    EXPECT_EQ(p.txOrderCount, 0);
    EXPECT_EQ(p.nonReservedCount, 0);
    EXPECT_STREQ(p.chips[0].chipName, "");
    EXPECT_STREQ(p.registers[0].name, "");
    EXPECT_EQ(p.ctrlRowNames[0], "");
}

TEST(CsvParserLifetime, FreshParsersAreEmpty) {
    std::unique_ptr<CCsvParser> p(new CCsvParser);
    EXPECT_EQ(p->fileType, -1);
    EXPECT_EQ(p->headerWord, 0xFFFFFFFFu);
    EXPECT_STREQ(p->mainCodeId, "");
    EXPECT_STREQ(p->buildTime, "");
    EXPECT_FALSE(p->hasUsbDescId);
    EXPECT_FALSE(p->isParserReady());
    expectCleared(*p);
    std::unique_ptr<CCsvParser> noPins = parseQuietly("nopins.csv", "////G\n");
    EXPECT_EQ(noPins->fileType, 0);
    expectCleared(*noPins);
}

TEST(CsvParserLifetime, CopiesAnswerAsTheirSource) {
    writeFile("copy.csv", kTable);
    for (int order = 0; order < 2; ++order) {
        CCsvParser* source = new CCsvParser("copy.csv");
        CCsvParser* copy = new CCsvParser(*source);
        CCsvParser* assigned = new CCsvParser;
        *assigned = *source;
        *assigned = *assigned;  // self-assignment
        *copy = *copy;
        for (CCsvParser* p : {copy, assigned}) {
            EXPECT_EQ(p->registerCount, 3);
            EXPECT_EQ(p->getParamAddress("gain"), 0x1010u);
            EXPECT_TRUE(p->isParserReady());
        }
        if (order == 0) {
            delete source;
            delete copy;
            delete assigned;
        } else {
            delete assigned;
            delete copy;
            delete source;
        }
    }
    // Assigning over a parser that holds its own reader releases it.
    std::unique_ptr<CCsvParser> a(new CCsvParser("copy.csv"));
    std::unique_ptr<CCsvParser> b(new CCsvParser("copy.csv"));
    *a = *b;
    b.reset();
    EXPECT_EQ(a->getParamAddress("Other"), 0x1030u);
}

TEST(CsvParserLifetime, EveryInitStartsClean) {
    std::unique_ptr<CCsvParser> p = parseQuietly("good.csv", kTable);
    ASSERT_EQ(p->registerCount, 3);
    writeFile("broken.csv", "Hello\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(p->init("broken.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "The format of broken.csv is incorrect!\n");
    EXPECT_EQ(p->registerCount, 0);
    EXPECT_EQ(p->lookUp("Gain"), nullptr);

    ASSERT_TRUE(p->init("good.csv"));
    EXPECT_EQ(p->startAddr, 0x1000u);
    writeFile("online.csv", "Online FW Tool\nid,1 2 3 4,t,T\ntitles\nint Only,0x5,0,4\n");
    ASSERT_TRUE(p->init("online.csv"));
    EXPECT_EQ(p->startAddr, 0u);
    EXPECT_EQ(p->registerCount, 1);
    EXPECT_EQ(p->headerWord, 0xFFFFFFFFu);
    EXPECT_EQ(p->getParamAddress("Only"), 5u);
    EXPECT_EQ(p->lookUp("Gain"), nullptr);
}

TEST(CsvParserLifetime, VerbosePrintsTheOpenLine) {
    writeFile("verbose.csv", kTable);
    std::unique_ptr<CCsvParser> p(new CCsvParser);
    p->setVerbose(1);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(p->init("verbose.csv"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Open verbose.csv ...\n");
}

}  // namespace

}  // namespace pelliton
