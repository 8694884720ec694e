#include <gtest/gtest.h>

#include <functional>

#include "ReportFixture.h"
#include "ReportSetup.h"

namespace shorvik {

namespace {

// A library-built report preset to width 3, height 4, reference 7 and node
// (5, 5) = 9, 9, value 9, to show what a file leaves alone.
struct PresetReport {
    PresetReport() {
        SetupMutualReport(report);
        report.width = 3;
        report.height = 4;
        report.reference = 7.0f;
        report.nodes[5][5] = MutualNode{9.0f, 9.0f, 0.0f, 0.0f};
        report.values[5][5] = 9.0f;
    }
    ~PresetReport() { TeardownMutualReport(report); }
    MutualReport report;
};

struct PatternCase {
    const char* name;
    const char* text;
    std::function<void(const MutualReport&)> expect;
};

}  // namespace

TEST(ParsePattern, ReadsTheFileIntoTheReport) {
    const PatternCase cases[] = {
        {"width after nodes", "Height,2\nNode\nN1,1,1,2,3,4\nWidth,5\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.width, 5);
             EXPECT_EQ(r.height, 2);
             EXPECT_EQ(r.total, 7);
         }},
        {"lower-case width", "width,9\n", [](const MutualReport& r) { EXPECT_EQ(r.width, 3); }},
        {"six cells keep the reference", "Node\nN1,1,1,2,3,4\n",
         [](const MutualReport& r) { EXPECT_EQ(r.reference, 7.0f); }},
        {"seven cells set the reference", "Node\nN1,1,1,2,3,4,12.5\nN2,2,1,2,3,4,13\n",
         [](const MutualReport& r) { EXPECT_EQ(r.reference, 13.0f); }},
        {"a plain node row", "Node\nN1, 1, 1, 2.5, 4, 10\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.nodes[0][0].a, 2.5f);
             EXPECT_EQ(r.nodes[0][0].b, 4.0f);
             EXPECT_EQ(r.values[0][0], 10.0f);
         }},
        {"rows before Node are ignored", "N1,6,6,1,1,1\nanything,at,all\nNode\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.nodes[5][5].a, 9.0f);
             EXPECT_EQ(r.values[5][5], 9.0f);
         }},
        {"cell 0 is trimmed", " \tWidth\r ,8\n\tNode \nN1,2,3,1.5,2,3\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.width, 8);
             EXPECT_EQ(r.nodes[1][2].a, 1.5f);
         }},
        {"quoted cells lose their quotes", "\"Height\",\"9\"\n\"Node\"\n\"N1\",\"2\",1,3,4,5\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.height, 9);
             EXPECT_EQ(r.nodes[1][0].a, 3.0f);
         }},
        {"an empty tag is skipped", "Node\n ,1,1,5,5,5\n",
         [](const MutualReport& r) { EXPECT_EQ(r.nodes[0][0].a, 0.0f); }},
        {"nothing is cleared", "Node\nN1,1,1,1,1,1\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.nodes[5][5].b, 9.0f);
             EXPECT_EQ(r.values[5][5], 9.0f);
             EXPECT_EQ(r.width, 3);
             EXPECT_EQ(r.height, 4);
             EXPECT_EQ(r.reference, 7.0f);
             EXPECT_EQ(r.total, 7);
         }},
        {"an empty seventh cell sets reference 0", "Node\nN1,1,1,1,1,1,\n",
         [](const MutualReport& r) { EXPECT_EQ(r.reference, 0.0f); }},
        {"an unterminated last row keeps its reference", "Node\nN1,1,1,1,1,1,21",
         [](const MutualReport& r) { EXPECT_EQ(r.reference, 21.0f); }},
        {"an unterminated six-cell last row is stored", "Node\nN1,300,300,1,2,33",
         [](const MutualReport& r) {
             EXPECT_EQ(r.nodes[299][299].b, 2.0f);
             EXPECT_EQ(r.values[299][299], 33.0f);
         }},
        {"CR LF lines", "Width,6\r\nNode\r\nN1,1,2,3,4,5,6\r\n",
         [](const MutualReport& r) {
             EXPECT_EQ(r.width, 6);
             EXPECT_EQ(r.values[0][1], 5.0f);
             EXPECT_EQ(r.reference, 6.0f);
         }},
    };
    int index = 0;
    for (const PatternCase& c : cases) {
        std::string path = "pattern_" + std::to_string(index++) + ".csv";
        ASSERT_TRUE(WriteBytes(path, c.text));
        PresetReport preset;
        ParsePattern(path.c_str(), &preset.report);
        SCOPED_TRACE(c.name);
        c.expect(preset.report);
    }
}

// Each refused row changes nothing and reading goes on with the next row.
TEST(ParsePattern, RefusedRowsWriteNothing) {
    const char* refused[] = {
        "",  // an empty file: the reader delivers one row without cells
        "Width\n",
        "Height\n",
        "Width,301\n",
        "Width,-1\n",
        "Height,100000\n",
        "Node\nN1,1,1,2,3\n",
        "Node\nN1,0,1,2,3,4\n",
        "Node\nN1,1,0,2,3,4\n",
        "Node\nN1,301,1,2,3,4\n",
        "Node\nN1,1,301,2,3,4\n",
        "Node\nN1,-7,-7,2,3,4,5\n",
        "Node\nN1,99999999999,1,2,3,4\n",
        "Node\nN1,-2147483648,1,2,3,4\n",
        "Node\nN1,1,-2147483648,2,3,4\n",
    };
    // The reference file holds only the good rows that follow each refused one.
    const std::string good = "Node\nN9,2,2,7,7,7\nWidth,2\n";
    CanaryReport expected;
    ASSERT_TRUE(WriteBytes("good.csv", good));
    ParsePattern("good.csv", &expected.report);
    int index = 0;
    for (const char* row : refused) {
        std::string path = "refused_" + std::to_string(index++) + ".csv";
        ASSERT_TRUE(WriteBytes(path, std::string(row) + (row[0] ? good : "")));
        CanaryReport canary;
        ParsePattern(path.c_str(), &canary.report);
        SCOPED_TRACE(row);
        EXPECT_TRUE(canary.CanariesIntact());
        if (row[0] != '\0') {
            EXPECT_EQ(canary.Snapshot(), expected.Snapshot());
            EXPECT_EQ(canary.report.width, 2);
            EXPECT_EQ(canary.report.height, 0);
            EXPECT_EQ(canary.report.total, 2);
        } else {
            EXPECT_EQ(canary.Snapshot(), CanaryReport().Snapshot());
            EXPECT_EQ(canary.report.total, 0);
        }
    }
}

TEST(ParsePattern, OpenFailuresPrintTheReadersMessage) {
    struct Case {
        const char* path;
        const char* message;
    } cases[] = {
        {nullptr, "Fatal error : invalid input file \n"},
        {"", "Fatal error : invalid input file \n"},
        {"no_such_pattern.csv", "Fatal error : unable to open input file no_such_pattern.csv\n"},
    };
    for (const Case& c : cases) {
        CanaryReport canary;
        canary.report.width = 3;
        canary.report.height = 4;
        canary.report.nodes[1][1].a = 5.0f;
        std::vector<unsigned char> before = canary.Snapshot();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        ParsePattern(c.path, &canary.report);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(canary.Snapshot(), before);
        EXPECT_EQ(canary.report.total, 7);
        EXPECT_TRUE(canary.CanariesIntact());
    }
}

TEST(ParsePattern, NullReportIsLeftAlone) {
    ASSERT_TRUE(WriteBytes("null_report.csv", "Width,3\nNode\nN1,1,1,1,1,1\n"));
    testing::internal::CaptureStderr();
    ParsePattern("null_report.csv", nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace shorvik
