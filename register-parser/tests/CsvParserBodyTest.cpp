#include "ParserFixtures.h"

#include <cstring>
#include <string>

namespace pelliton {

namespace {

const char kOnline[] = "Online FW Tool\nid,1 2 3 4,t,T\ntitles\n";
const char kBytes[] = "FW Tool\nstart,0x1000,x,x,x,x,x,0 1 2 1,x,T\nx,x,\tByte\n";

TEST(CsvParserBody, RowFormsPerFileType) {
    // Short form in an online table: description cell 4, defineRef cell 5.
    std::unique_ptr<CCsvParser> p = parseQuietly(
        "short.csv", std::string(kOnline) +
                         "////General\nshort Gain   extra,0x20,2,2,  Gain of the front end,  FLAG  \n"
                         "thresholdonly,0x24,0,1\n"
                         "averylongtypeword12345 Name,0x28,0,4\n");
    ASSERT_EQ(p->fileType, 1);
    ASSERT_EQ(p->registerCount, 3);
    const Register& r = p->registers[0];
    EXPECT_STREQ(r.type, "short");
    EXPECT_STREQ(r.name, "Gain");
    EXPECT_STREQ(r.address, "0x00000020");
    EXPECT_EQ(r.startByte, 2);
    EXPECT_EQ(r.byteLength, 2);
    EXPECT_EQ(r.value, 0);
    EXPECT_STREQ(r.description, "Gain of the front end");
    EXPECT_STREQ(r.defineRef, "FLAG");
    EXPECT_STREQ(r.group, "General");
    EXPECT_TRUE(r.editable);
    // A one-word cell 0 is the type with an empty name.
    EXPECT_STREQ(p->registers[1].type, "thresholdonl");
    EXPECT_STREQ(p->registers[1].name, "");
    // A long type word is cut and never spills into the name.
    EXPECT_STREQ(p->registers[2].type, "averylongtyp");
    EXPECT_STREQ(p->registers[2].name, "Name");

    // Long form in a byte table: description cell 5, defineRef cell 6.
    p = parseQuietly("long.csv", std::string(kBytes) + "0x30,1,2,Offset more,7,Offset of the baseline,FLAG\n"
                                                       "0x34,0,4,NoDesc,9\n"
                                                       "0x38,0,4,Four\n");
    ASSERT_EQ(p->fileType, 3);
    ASSERT_EQ(p->registerCount, 2);
    EXPECT_STREQ(p->registers[0].name, "Offset");
    EXPECT_STREQ(p->registers[0].address, "0x00000030");
    EXPECT_EQ(p->registers[0].startByte, 1);
    EXPECT_EQ(p->registers[0].byteLength, 2);
    EXPECT_EQ(p->registers[0].value, 7);
    EXPECT_STREQ(p->registers[0].description, "Offset of the baseline");
    EXPECT_STREQ(p->registers[0].defineRef, "FLAG");
    EXPECT_STREQ(p->registers[1].description, "");
    EXPECT_STREQ(p->registers[0].type, "");

    // A "FW Tool" row of four cells is skipped: long form needs five.
    p = parseQuietly("four.csv", std::string(kBytes) + "0x30,1,2,Four\n");
    EXPECT_EQ(p->registerCount, 0);
    EXPECT_EQ(p->fileType, 3);

    // Long form in an online table (a DefineTable group): cell 4 doubles as description.
    p = parseQuietly("deflong.csv", std::string(kOnline) + "////DefineTable\n0x40,0,1,FLAG,1,ref\n");
    ASSERT_EQ(p->registerCount, 1);
    EXPECT_STREQ(p->registers[0].description, "1");
    EXPECT_STREQ(p->registers[0].defineRef, "ref");
}

TEST(CsvParserBody, BoundedTexts) {
    const std::string longText(400, 'd');
    std::unique_ptr<CCsvParser> p = parseQuietly(
        "bounds.csv", std::string(kOnline) + "////" + std::string(100, 'g') + "\nint " +
                          std::string(100, 'n') + ",0x1,0,4," + longText + "," + std::string(100, 'r') +
                          "\nint B,0x2,0,4,start\n///" + std::string(300, 'c') + "\n");
    ASSERT_EQ(p->registerCount, 2);
    EXPECT_EQ(strlen(p->registers[0].name), 79u);
    EXPECT_EQ(strlen(p->registers[0].description), 254u);
    EXPECT_EQ(strlen(p->registers[0].defineRef), 79u);
    EXPECT_EQ(strlen(p->registers[0].group), 79u);
    EXPECT_EQ(strlen(p->registers[1].description), 254u);
    EXPECT_EQ(std::string(p->registers[1].description).substr(0, 7), "start c");
}

TEST(CsvParserBody, CommentsGroupsAndDefines) {
    std::unique_ptr<CCsvParser> p =
        parseQuietly("defines.csv", std::string(kOnline) + "///before any register\n"
                                                           "////Touch\n"
                                                           "int A,0x1,0,4,first,FLAG\n"
                                                           "///more words\n"
                                                           "int B,0x2,0,4,second,FLAG\n"
                                                           "int C,0x3,0,4,third,OTHER\n"
                                                           "////DefineData\n"
                                                           "0x100,0,2,ItoOrderData,5\n"
                                                           "////DefineTable\n"
                                                           "0x4,0,1,FLAG,0\n"
                                                           "0x4,1,1,OTHER,1\n");
    ASSERT_EQ(p->registerCount, 6);
    EXPECT_STREQ(p->registers[0].description, "first more words");
    EXPECT_FALSE(p->registers[0].editable);
    EXPECT_FALSE(p->registers[1].editable);
    EXPECT_TRUE(p->registers[2].editable);
    // DefineData rows are registers, without flags or counters.
    EXPECT_STREQ(p->registers[3].name, "ItoOrderData");
    EXPECT_EQ(p->registers[3].value, 5);
    EXPECT_FALSE(p->registers[3].isItoOrder);
    EXPECT_EQ(p->itoOrderCount, 0);
    EXPECT_STREQ(p->registers[3].group, "DefineData");
    const Register& flag = p->registers[4];
    EXPECT_FALSE(flag.editable);
    EXPECT_TRUE(flag.fromDefineTable);
    EXPECT_STREQ(flag.group, "DefineTable");
}

TEST(CsvParserBody, OrderRegistersAndReservedCounts) {
    const std::string rows = "////Order\nchar reserved,0x1,0,1\nchar Reserved,0x1,1,1\nchar "
                             "TxOrder0,0x1,2,1\nchar ItoOrder1,0x2,0,1\n"
                             "char ItoOrder2,0x2,1,1\nchar TxOrder1,0x2,2,1\n";
    std::unique_ptr<CCsvParser> csv = parseQuietly("order.csv", std::string(kOnline) + rows);
    ASSERT_EQ(csv->registerCount, 6);
    EXPECT_EQ(csv->itoOrderCount, 2);
    EXPECT_EQ(csv->txOrderCount, 2);
    EXPECT_EQ(csv->firstItoOrder, 3);
    EXPECT_EQ(csv->firstTxOrder, 2);
    EXPECT_EQ(csv->nonReservedCount, 0);
    EXPECT_TRUE(csv->registers[3].isItoOrder);
    EXPECT_TRUE(csv->registers[2].isTxOrder);

    test_support::WriteBytes("order.tbl", TblForm(std::string(kOnline) + rows));
    std::unique_ptr<CCsvParser> tbl(new CCsvParser("order.tbl"));
    ASSERT_EQ(tbl->registerCount, 6);
    EXPECT_EQ(tbl->firstItoOrder, 2);  // "Reserved" is not "reserved"
    EXPECT_EQ(tbl->firstTxOrder, 0);
    EXPECT_EQ(tbl->nonReservedCount, 5);

    // reserved, reserved, ItoOrder1: 0 in ".tbl", 2 in CSV.
    const std::string two = "char reserved,0x1,0,1\nchar reserved,0x1,1,1\nchar ItoOrder1,0x1,2,1\n";
    test_support::WriteBytes("two.tbl", TblForm(std::string(kOnline) + two));
    tbl.reset(new CCsvParser("two.tbl"));
    EXPECT_EQ(tbl->firstItoOrder, 0);
    csv = parseQuietly("two.csv", std::string(kOnline) + two);
    EXPECT_EQ(csv->firstItoOrder, 2);
}

TEST(CsvParserBody, RegisterLimit) {
    std::string rows = kOnline;
    for (int i = 0; i < 1000; ++i)
        rows += "int R" + std::to_string(i) + ",0x" + std::to_string(i) + ",0,4\n";
    std::unique_ptr<CCsvParser> p = parseQuietly("full.csv", rows);
    EXPECT_EQ(p->fileType, 1);
    EXPECT_EQ(p->registerCount, 1000);
    EXPECT_NE(p->lookUp("R999"), nullptr);
    testing::internal::CaptureStdout();
    p = parseText("over.csv", rows + "int R1000,0x1,0,4\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "The format of over.csv is incorrect!\n");
    EXPECT_EQ(p->fileType, -2);
    EXPECT_EQ(p->registerCount, 0);
    EXPECT_EQ(p->lookUp("R0"), nullptr);
}

const char kPins[] = "Pin Assignment\n"
                     "chip,M,S\n"
                     "id,5a01,0x5a02\n"
                     "pins,3,5\n"
                     "p0,CIN1,CIN11\n"
                     "p1,2,12\n"
                     "p2,CIN3,\n"
                     "p3,,CIN14\n"
                     "p4,C,CIN15\n";

TEST(CsvParserPins, PinAssignmentBlocks) {
    const std::string text = std::string(kOnline) + "int A,0x1,0,4\n" + kPins +
                             "Pin Assignment,Rx\nchip,R\nid,1\npins,2\nr0,CIN7\n\nr1,7\n"
                             "Pin Assignment,Tx\nchip,T1,T2,T3\nid,1,2\npins,1\nt0,CIN9\n"
                             "int B,0x2,0,4\n";
    std::unique_ptr<CCsvParser> p = parseQuietly("pins.csv", text);
    ASSERT_EQ(p->fileType, 1);
    EXPECT_EQ(p->registerCount, 2);
    ASSERT_EQ(p->chipCount, 2);
    EXPECT_STREQ(p->chips[0].chipName, "M");
    EXPECT_STREQ(p->chips[1].chipName, "S");
    EXPECT_EQ(p->chips[0].id, 0x5a01u);
    EXPECT_EQ(p->chips[1].id, 0x5a02u);
    EXPECT_EQ(p->chips[0].pinCount, 3);
    EXPECT_EQ(p->chips[1].pinCount, 5);
    const int m[5] = {1, 2, 3, 0, 0};
    const int s[5] = {11, 12, 0, 14, 15};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(p->chips[0].pins[r], m[r]) << r;
        EXPECT_EQ(p->chips[1].pins[r], s[r]) << r;
    }
    ASSERT_EQ(p->rxChipCount, 1);
    EXPECT_EQ(p->rxChips[0].pins[0], 7);
    EXPECT_EQ(p->rxChips[0].pins[1], 7);
    // Missing cells (a short id row, a short pin row) read as 0.
    ASSERT_EQ(p->txChipCount, 3);
    EXPECT_EQ(p->txChips[2].id, 0u);
    EXPECT_EQ(p->txChips[0].pins[0], 9);
    EXPECT_EQ(p->txChips[1].pins[0], 0);
    EXPECT_EQ(p->txChips[2].pins[0], 0);

    std::unique_ptr<RegisterTable> table(new RegisterTable(p->getTable()));
    ChipPin first = getChipPin(*table, 1);
    EXPECT_STREQ(first.chipName, "S");
    EXPECT_EQ(first.pins[4], 15);
    for (int index : {-1, 30}) {
        ChipPin none = getChipPin(*table, index);
        ChipPin zero;
        memset(&zero, 0, sizeof zero);
        EXPECT_EQ(memcmp(&none, &zero, sizeof zero), 0) << index;
    }
}

std::string thirtyOneChips() {
    std::string s;
    for (int i = 0; i < 31; ++i)
        s += ",c";
    return s;
}

TEST(CsvParserPins, BadBlocksFailTheParse) {
    struct {
        const char* what;
        std::string block;
    } cases[] = {
        {"pin row wider than the chips", "Pin Assignment\nchip,M\nid,1\npins,2\np0,CIN1,CIN2\np1,CIN3\n"},
        {"chip row without chips", "Pin Assignment\nchip\nid,1\npins,1\np0,1\n"},
        {"no chip row", "Pin Assignment\nchips,M\nid,1\npins,1\np0,1\n"},
        {"short id row", "Pin Assignment\nchip,M\nid\npins,1\np0,1\n"},
        {"short pins row", "Pin Assignment\nchip,M\nid,1\npins\np0,1\n"},
        {"31 chips", "Pin Assignment\nchip" + thirtyOneChips() + "\nid,1\npins,1\np0,1\n"},
        {"105 pins", "Pin Assignment\nchip,M\nid,1\npins,105\n"},
        // Past int's range a count is held at INT_MAX, as the product's C
        // runtime reads it, never wrapped into a small one.
        {"a pin count past int's range", "Pin Assignment\nchip,M\nid,1\npins,4294967299\n"},
        {"a chip's pin count past int's range",
         "Pin Assignment\nchip,M,S\nid,1,2\npins,2,68888888888888888888\n"},
        {"control table row of another width",
         "Ctrl Pin Table\nchip,M,S\nid,1,2\ntitles\nRESET,CIN1,CIN2\nINT,CIN3\n"},
        {"control table without chip row", "Ctrl Pin Table\nid,1,2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CCsvParser> p =
            parseQuietly("bad-pins.csv", std::string(kOnline) + "int A,0x1,0,4\n" + c.block);
        EXPECT_EQ(p->fileType, -2);
        EXPECT_EQ(p->registerCount, 0);
        EXPECT_EQ(p->chipCount, 0);
        EXPECT_EQ(p->ctrlChipCount, 0);
    }
    // A run-to-end block passing 104 rows.
    std::string rows = std::string(kOnline) + "Pin Assignment\nchip,M\nid,1\npins,0\n";
    for (int i = 0; i < 105; ++i)
        rows += "p,CIN" + std::to_string(i) + "\n";
    EXPECT_EQ(parseQuietly("run-on.csv", rows)->fileType, -2);
    rows = std::string(kOnline) + "Ctrl Pin Table\nchip,M\nid,1\ntitles\n";
    for (int i = 0; i < 105; ++i)
        rows += "r,CIN" + std::to_string(i) + "\n";
    EXPECT_EQ(parseQuietly("ctrl-long.csv", rows)->fileType, -2);
}

TEST(CsvParserPins, ControlPinTable) {
    for (const char* ending : {"GUARD,CIN44,7", "GUARD,CIN44,7\n", "GUARD,CIN44,7\n\n,,\n"}) {
        SCOPED_TRACE(ending);
        std::unique_ptr<CCsvParser> p =
            parseQuietly("ctrl.csv", std::string(kOnline) +
                                         "int A,0x1,0,4\nCtrl Pin Table\nchip,M,S\nid,a1,a2\nname,pin,pin\n"
                                         "RESET,CIN40,CIN41\n\nINT,CIN42,C\n" +
                                         ending);
        ASSERT_EQ(p->fileType, 1);
        EXPECT_EQ(p->registerCount, 1);
        ASSERT_EQ(p->ctrlChipCount, 2);
        ASSERT_EQ(p->ctrlRowCount, 3);
        EXPECT_STREQ(p->ctrlChips[1].chipName, "S");
        EXPECT_EQ(p->ctrlChips[1].id, 0xa2u);
        EXPECT_EQ(p->ctrlRowNames[0], "RESET");
        EXPECT_EQ(p->ctrlRowNames[2], "GUARD");
        EXPECT_EQ(p->ctrlChips[0].pins[0], 40);
        EXPECT_EQ(p->ctrlChips[1].pins[1], 0);  // letters only
        EXPECT_EQ(p->ctrlChips[0].pins[2], 44);
        EXPECT_EQ(p->ctrlChips[1].pins[2], 7);
    }
}

}  // namespace

}  // namespace pelliton
