// ParsePattern through Shorvik.dll, on caller-built reports.
#include <gtest/gtest.h>

#include <string>

#include "ReportFixture.h"

namespace shorvik {

namespace {

std::string nodeRows(const char* lineEnd) {
    std::string text = std::string("Width,60") + lineEnd + "Height,50" + lineEnd + "Node" + lineEnd;
    for (int x = 1; x <= 60; ++x)
        for (int y = 1; y <= 50; ++y) {
            char row[96];
            snprintf(row, sizeof row, "N%d,%d,%d,%d.25,%d.5,%d.75,%d%s", x * 100 + y, x, y, x, y, x + y,
                     x * y, lineEnd);
            text += row;
        }
    return text;
}

}  // namespace

// Several thousand rows, LF-only and CR LF: the text-mode reader must reach
// the end of both (a hang is turned into a failure by the test's timeout) and
// give the same report.
TEST(DllParsePattern, LfAndCrLfFilesGiveTheSameReport) {
    ASSERT_TRUE(WriteBytes("rows_lf.csv", nodeRows("\n")));
    ASSERT_TRUE(WriteBytes("rows_crlf.csv", nodeRows("\r\n")));
    CanaryReport lf, crlf;
    ParsePattern("rows_lf.csv", &lf.report);
    ParsePattern("rows_crlf.csv", &crlf.report);
    EXPECT_EQ(lf.report.width, 60);
    EXPECT_EQ(lf.report.height, 50);
    EXPECT_EQ(lf.report.total, 110);
    EXPECT_EQ(lf.report.reference, 3000.0f);  // the last row's
    EXPECT_EQ(lf.report.nodes[59][49].a, 60.25f);
    EXPECT_EQ(lf.report.values[0][0], 2.75f);
    EXPECT_EQ(crlf.report.total, lf.report.total);
    EXPECT_EQ(crlf.report.reference, lf.report.reference);
    EXPECT_TRUE(crlf.Snapshot() == lf.Snapshot());
    EXPECT_TRUE(lf.CanariesIntact() && crlf.CanariesIntact());
}

TEST(DllParsePattern, UnterminatedLastRowIsRead) {
    ASSERT_TRUE(WriteBytes("last7.csv", "Node\r\nN1,1,1,1,1,1,21"));
    ASSERT_TRUE(WriteBytes("last6.csv", "Node\nN1,300,300,1,2,33"));
    CanaryReport report;
    ParsePattern("last7.csv", &report.report);
    EXPECT_EQ(report.report.reference, 21.0f);
    ParsePattern("last6.csv", &report.report);
    EXPECT_EQ(report.report.values[299][299], 33.0f);
    EXPECT_EQ(report.report.nodes[299][299].b, 2.0f);
}

TEST(DllParsePattern, BadRowsWriteNothingOutsideTheGrids) {
    const std::string good = "Node\nN9,2,2,7,7,7\n";
    CanaryReport expected;
    ASSERT_TRUE(WriteBytes("dll_good.csv", good));
    ParsePattern("dll_good.csv", &expected.report);
    const char* refused[] = {"Width\n",
                             "Height,301\n",
                             "Node\nN1,1,1,2,3\n",
                             "Node\nN1,301,1,2,3,4\n",
                             "Node\nN1,1,0,2,3,4\n",
                             "Node\nN1,-1,300,2,3,4,5\n"};
    int index = 0;
    for (const char* row : refused) {
        std::string path = "dll_refused_" + std::to_string(index++) + ".csv";
        ASSERT_TRUE(WriteBytes(path, row + good));
        CanaryReport canary;
        ParsePattern(path.c_str(), &canary.report);
        EXPECT_TRUE(canary.CanariesIntact()) << row;
        EXPECT_TRUE(canary.Snapshot() == expected.Snapshot()) << row;
    }
    ASSERT_TRUE(WriteBytes("dll_empty.csv", ""));
    CanaryReport empty;
    ParsePattern("dll_empty.csv", &empty.report);
    EXPECT_TRUE(empty.CanariesIntact());
    testing::internal::CaptureStderr();
    ParsePattern("missing.csv", &empty.report);
    ParsePattern(nullptr, &empty.report);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Fatal error : unable to open input file missing.csv\nFatal error : invalid input file \n");
}

}  // namespace shorvik
