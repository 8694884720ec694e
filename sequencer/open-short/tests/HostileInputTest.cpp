// Indexes and counts from a file stay inside the panel and the record, for
// hand-made faults and for truncated, shuffled and random files.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "OpenShortFiles.h"

namespace vantro {
namespace test {
namespace {

void ExpectInsideBounds(const Rig& rig) {
    const OpenShortData& d = *rig.data;
    for (const SelfBlock* s : {&d.self, &d.selfGolden}) {
        EXPECT_GE(s->width, 0);
        EXPECT_LE(s->width, kOsGridSide);
        EXPECT_GE(s->height, 0);
        EXPECT_LE(s->height, kOsGridSide);
        EXPECT_GE(s->buttonCount, 0);
        EXPECT_LE(s->buttonCount, kOsMaxButtons);
    }
    EXPECT_LE(d.self.width + d.self.height + d.self.buttonCount, kOsMaxChannels);
    for (const MutualBlock* m : {&d.mutual, &d.mutualGolden}) {
        EXPECT_GE(m->width, 0);
        EXPECT_LE(m->width, kOsGridSide);
        EXPECT_GE(m->height, 0);
        EXPECT_LE(m->height, kOsGridSide);
        EXPECT_GE(m->buttonCount, 0);
        EXPECT_LE(m->buttonCount, kOsMaxButtons);
    }
    EXPECT_GE(rig.shared.chipCount, 1);
    EXPECT_LE(rig.shared.chipCount, kOsMaxChips);
    EXPECT_GE(rig.layout.overlapCount, 0);
    EXPECT_LE(rig.layout.overlapCount, kOsGridSide);
}

TEST(OpenShortHostile, OutOfPanelIndexesChangeNothing) {
    Rig rig;
    rig.shared.bypassX.count = 4;
    const int xs[] = {-1, 999, 3, 300};  // "0" reads -1; 3 is past a width of 3
    std::copy(std::begin(xs), std::end(xs), rig.shared.bypassX.channel);
    rig.shared.bypassY.count = 2;
    rig.shared.bypassY.channel[0] = -1;
    rig.shared.bypassY.channel[1] = 2;  // past a height of 2
    MutualFile f;
    f.ngRows = true;
    f.xNgRow = "X NG Channel, X3, X-1, X999,";
    f.yNgRow = "Y NG Channel, 3, 0, -4, 700,";
    const std::string path = WriteFile("2D_Mutual.csv", MutualText(f));
    ASSERT_TRUE(ParseMutualResultCsv(path.c_str(), rig.records, false));
    for (int i = 0; i < kNgLineCount; ++i)
        EXPECT_EQ(kLineNone, rig.ng.line[i]) << i;
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            EXPECT_NE(kNodeBypassed, rig.data->mutual.status[x * kOsGridSide + y]);
    ExpectInsideBounds(rig);
}

TEST(OpenShortHostile, RepeatedBypassEntryCountsOnce) {
    Rig rig;
    rig.shared.bypassX.count = 2;
    rig.shared.bypassX.channel[0] = 2;  // "3,3"
    rig.shared.bypassX.channel[1] = 2;
    MutualFile f;
    f.skipX = {2};
    const std::string path = WriteFile("2D_Mutual.csv", MutualText(f));
    ASSERT_TRUE(ParseMutualResultCsv(path.c_str(), rig.records, false));
    EXPECT_EQ(DefaultValue(1, 1, 0), rig.data->mutual.pair[1 * kOsGridSide + 1].first);
}

TEST(OpenShortHostile, OversizedCountsAreRejectedBeforeTheyAreStored) {
    Rig rig;
    MutualFile big;
    big.header.width = "Width,301,";
    const std::string path = WriteFile("2D_Mutual.csv", MutualText(big));
    EXPECT_FALSE(ParseMutualResultCsv(path.c_str(), rig.records, false));
    EXPECT_EQ(0, rig.data->mutual.width);
    MutualFile overlapped;  // 299 plus two overlap channels
    overlapped.header.before = {"OverlapType,x,y,Master,2,1,1,"};
    overlapped.header.width = "Width,299,";
    EXPECT_FALSE(
        ParseMutualResultCsv(WriteFile("2D_Mutual.csv", MutualText(overlapped)).c_str(), rig.records, false));
    MutualFile tenth;  // order number 10 takes no overlap entry
    tenth.header.width = "Width,3,Slave9,3,";
    EXPECT_TRUE(
        ParseMutualResultCsv(WriteFile("2D_Mutual.csv", MutualText(tenth)).c_str(), rig.records, false));
    EXPECT_EQ(10, rig.layout.orderNumber[0]);
    ExpectInsideBounds(rig);
}

// Chip widths, heights and overlaps near the int range: the layout's sums stop
// at the range instead of overflowing (the sanitizers stop the test otherwise).
TEST(OpenShortHostile, HugeLayoutNumbersDoNotOverflow) {
    const char* const overlaps[] = {
        "OverlapType,x,y,Master,2,0,1,Slave0,2,1,0,",
        "OverlapType,x,y,Master,2,2147483647,2147483647,Slave0,2,-2147483648,-2147483648,"};
    const char* const widths[] = {"Width,3,Master,2070000000,Slave0,2080000000,",
                                  "Width,3,Master,-2070000000,Slave0,-2080000000,"};
    const char* const heights[] = {"Height,2,Master,2147483647,Slave0,2147483647,",
                                   "Height,2,Master,-2147483648,Slave0,-2147483648,"};
    for (const char* overlap : overlaps)
        for (const char* width : widths)
            for (const char* height : heights) {
                SCOPED_TRACE(std::string(overlap) + " / " + width + " / " + height);
                Rig rig;
                MutualFile f;
                f.header.before = {overlap, "Channel Info,X0~X2147483647,M,X-2147483648~X3,S,"};
                f.header.width = width;
                f.header.height = height;
                f.ngRows = true;
                f.xNgRow = "X NG Channel, X2147483647, X-2147483648, O1,";
                const std::string mutual = WriteFile("2D_Mutual.csv", MutualText(f));
                ParseMutualResultCsv(mutual.c_str(), rig.records, false);
                SelfFile s;
                s.header = f.header;
                const std::string self = WriteFile("Self.csv", SelfText(s));
                ParseSelfResultCsv(rig.records, self.c_str(), false);
                ExpectInsideBounds(rig);
            }
}

// Truncated, shuffled and random variants of valid files.
TEST(OpenShortHostile, DamagedFilesNeverEscapeTheRecord) {
    std::mt19937 random(20261211);
    MutualFile mutual;
    mutual.buttonRows = {"B1,1,2,3,1,"};
    mutual.ngRows = true;
    mutual.xNgRow = "X NG Channel, X1, O2,";
    mutual.yNgRow = "Y NG Channel, 1_1, 2,";
    SelfFile self;
    self.header.layoutRow = "Channel,a,b,c,d,e";
    self.buttons = 1;
    MutualFile chips = [] {
        MutualFile f;
        f.header.before = {"OverlapType,x,y,Master,2,0,1,Slave0,2,1,0,", "Channel Info,X0~X1,M,X2~X3,S,"};
        f.header.width = "Width,2,Master,1,Slave0,1,";
        f.header.height = "Height,2,Master,2,Slave0,2,";
        f.width = 4;
        return f;
    }();
    const std::string seeds[] = {MutualText(mutual), SelfText(self), MutualText(chips)};

    Rig rig;
    for (int round = 0; round < 240; ++round) {
        std::string text = seeds[round % 3];
        switch (round % 4) {
            case 0:
                text.resize(random() % (text.size() + 1));
                break;
            case 1: {
                std::vector<std::string> lines;
                size_t start = 0;
                for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
                    lines.push_back(text.substr(start, end - start + 1));
                std::shuffle(lines.begin() + (lines.size() > 6 ? 6 : 0), lines.end(), random);
                text.clear();
                for (const std::string& l : lines)
                    text += l;
                break;
            }
            case 2:
                for (int k = 0; k < 8; ++k)
                    text[random() % text.size()] = "0123456789,-~_X(/\n"[random() % 18];
                break;
            default:
                for (char& c : text)
                    if (random() % 5 == 0)
                        c = static_cast<char>(random() % 256);
                break;
        }
        const std::string path = WriteFile("damaged.csv", text);
        rig.data->use2DFiles = round % 2;
        rig.shared.chipCount = 1 + round % 10;
        GetCsvKind(path.c_str(), *rig.data);
        ParseSelfResultCsv(rig.records, path.c_str(), round % 3 == 0);
        ParseMutualResultCsv(path.c_str(), rig.records, round % 5 == 0);
        ExpectInsideBounds(rig);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}

}  // namespace
}  // namespace test
}  // namespace vantro
