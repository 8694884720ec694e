#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <filesystem>
#include <functional>
#include <string>

#include "GeneratorFixture.h"
#include "ReportFixture.h"
#include "ThresholdGenerator.h"

namespace shorvik {

namespace {

// Lines as the logs hold them (CR LF on Windows).
std::string lines(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts)
        out += text + kLineEnd;
    return out;
}
std::vector<std::string> repeat(const std::string& text, int times) {
    return std::vector<std::string>(times, text);
}
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A pattern file whose node (x, y) has a = product(x, y), b = 1 and value
// value(x, y), reference 1000.
void writePattern(
    const std::string& path, int width, int height, const std::function<float(int, int)>& product,
    const std::function<float(int, int)>& value = [](int, int) { return 1000.0f; }) {
    std::string text = "Width," + std::to_string(width) + "\nHeight," + std::to_string(height) + "\nNode\n";
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            char row[128];
            snprintf(row, sizeof row, "N,%d,%d,%.4f,1,%.4f,1000\n", x + 1, y + 1, product(x, y), value(x, y));
            text += row;
        }
    ASSERT_TRUE(WriteBytes(path, text));
}

struct OwnedReport {
    OwnedReport() { SetupMutualReport(report); }
    ~OwnedReport() { TeardownMutualReport(report); }
    MutualReport report;
};

}  // namespace

TEST(ListPatternFiles, ListsOnlyFilesEndingInTheExtension) {
    FreshFolder here("listing");
    fs::create_directories("fixture/d.csv");
    fs::create_directories("fixture/sub");
    for (const char* name :
         {"a.csv", "csv", "A.CSV", "b.csv.bak", ".x.csv", "d.csv/inner.csv", "sub/s.csv", "z.csv"})
        ASSERT_TRUE(WriteBytes(std::string("fixture/") + name, "x"));
    std::vector<std::string> files;
    EXPECT_EQ(ListPatternFiles(files, "fixture", "csv", false), 0);
    EXPECT_EQ(files, (std::vector<std::string>{JoinPath("fixture", "a.csv"), JoinPath("fixture", "csv"),
                                               JoinPath("fixture", "z.csv")}));
    files.clear();
    EXPECT_EQ(ListPatternFiles(files, "missing", "csv", false), 0);
    EXPECT_EQ(ListPatternFiles(files, "", "csv", false), 0);
    EXPECT_EQ(ListPatternFiles(files, nullptr, "csv", false), 0);
    EXPECT_TRUE(files.empty());
#ifndef _WIN32
    EXPECT_EQ(ListPatternFiles(files, "fixture", "csv", true), 0);
    EXPECT_EQ(files, (std::vector<std::string>{"fixture/a.csv", "fixture/csv", "fixture/d.csv/inner.csv",
                                               "fixture/sub/s.csv", "fixture/z.csv"}));
#endif
}

TEST(DiffLogs, PercentDiffAndHistogram) {
    EXPECT_EQ(PercentDiff(100, 110), 10.0f);
    EXPECT_EQ(PercentDiff(110, 100), 10.0f);
    PercentHistogram histogram = BuildHistogram({0.5f, 0.9f, 2.3f});
    EXPECT_EQ(histogram.maxBin, 2);
    EXPECT_EQ(histogram.bins, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(histogram.total, 3);
    FreshFolder here("histogram");
    WriteDiffLogs("t", {0.5f, 0.9f, 2.3f});
    EXPECT_EQ(readBinary("hist_t.log"), lines({"MAX = 2", "", "66.67%", "0.00%", "33.33%"}));
    EXPECT_EQ(readBinary("diff_t.log"), lines({"0.500000", "0.900000", "2.300000"}));
    WriteDiffLogs("empty", {});
    EXPECT_EQ(here.Files(), (std::set<std::string>{"diff_t.log", "hist_t.log"}));
}

TEST(DiffLogs, BadValuesAreLoggedButNotBinned) {
    FreshFolder here("bad_values");
    const float inf = PercentDiff(0, 5), nan = PercentDiff(0, 0), negative = PercentDiff(-10, 5),
                huge = PercentDiff(0.0001f, 200);
    EXPECT_TRUE(std::isinf(inf));
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_LT(negative, 0.0f);
    EXPECT_GT(huge, 1000000.0f);
    testing::internal::CaptureStderr();
    WriteDiffLogs("bad", {1.5f, inf, nan, negative, huge});
    WriteDiffLogs("allbad", {inf});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "hist_bad.log: 4 value(s) left out\nhist_allbad.log: 1 value(s) left out\n");
    char expected[5][64];
    for (int i = 0; i < 5; ++i)
        snprintf(expected[i], sizeof expected[i], "%f",
                 static_cast<double>(std::vector<float>{1.5f, inf, nan, negative, huge}[i]));
    EXPECT_EQ(readBinary("diff_bad.log"),
              lines({expected[0], expected[1], expected[2], expected[3], expected[4]}));
    EXPECT_EQ(readBinary("hist_bad.log"), lines({"MAX = 1", "", "0.00%", "100.00%"}));
    EXPECT_EQ(readBinary("hist_allbad.log"), lines({"MAX = 0", "", "0.00%"}));
}

// One file per kind: the products of line i are 100 (i + 1), so every pair's
// difference is |i - j| x 100 / (min(i, j) + 1).
TEST(CollectFolder, PairRulesOfTheShortedFolders) {
    struct Case {
        FolderKind kind;
        int s;
        std::vector<std::string> inner, inter, ok;  // per line across
    } cases[] = {
        {FOLDER_XH, 2, {"100.000000"}, {"50.000000", "200.000000"}, {"33.333332"}},
        {FOLDER_XE, 2, {"33.333332"}, {"50.000000", "100.000000"}, {"100.000000"}},
        {FOLDER_XH,
         5,
         {"100.000000", "50.000000", "33.333332", "25.000000"},
         {"20.000000", "500.000000", "200.000000", "100.000000", "50.000000"},
         {"16.666666"}},
        {FOLDER_XE,
         5,
         {"16.666666", "20.000000", "25.000000", "33.333332"},
         {"50.000000", "250.000000", "200.000000", "150.000000", "100.000000"},
         {"100.000000"}},
    };
    for (bool alongY : {false, true}) {
        for (const Case& c : cases) {
            FolderKind kind = alongY ? (c.kind == FOLDER_XH ? FOLDER_YH : FOLDER_YE) : c.kind;
            const char* name = kind == FOLDER_XH   ? "xh"
                               : kind == FOLDER_XE ? "xe"
                               : kind == FOLDER_YH ? "yh"
                                                   : "ye";
            SCOPED_TRACE(std::string(name) + std::to_string(c.s));
            FreshFolder here(std::string("pairs_") + name + std::to_string(c.s));
            fs::create_directories("in");
            const int lines = c.s + 2, across = 2;
            writePattern(JoinPath("in", "p.csv"), alongY ? across : lines, alongY ? lines : across,
                         [alongY](int x, int y) { return 100.0f * ((alongY ? y : x) + 1); });
            OwnedReport report;
            ProductGrid products;
            testing::internal::CaptureStdout();
            DiffSet set = CollectFolder("in", kind, c.s, report.report, products);
            EXPECT_EQ(testing::internal::GetCapturedStdout(), "parse " + JoinPath("in", "p.csv") + "\n");
            const std::string suffix = "_s" + std::to_string(c.s) + name + ".log";
            EXPECT_EQ(readBinary("diff_inner" + suffix), shorvik::lines(c.inner + c.inner));
            // The edge pair's inter difference first, then each inner pair's.
            std::vector<std::string> inter = {c.inter[0]};
            for (size_t j = 0; j < c.inner.size(); ++j)
                inter = inter + std::vector<std::string>{c.inter[j + 1]};
            EXPECT_EQ(readBinary("diff_inter" + suffix), shorvik::lines(inter + inter));
            EXPECT_EQ(readBinary("diff_ok" + suffix), shorvik::lines(c.ok + c.ok));
            EXPECT_EQ(set.inner.size(), 2 * c.inner.size());
        }
    }
}

TEST(CollectFolder, GoodPanelsGroundedPanelsAndBadFiles) {
    FreshFolder here("collect");
    fs::create_directories("ok");
    // x lines alternate 100 and 105; along y nothing changes.
    writePattern(JoinPath("ok", "p.csv"), 3, 2, [](int x, int) { return x % 2 ? 105.0f : 100.0f; });
    OwnedReport report;
    ProductGrid products;
    testing::internal::CaptureStdout();
    DiffSet ok = CollectFolder("ok", FOLDER_OK, 0, report.report, products);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(readBinary("diff_ok.log"), lines(repeat("5.000000", 4) + repeat("0.000000", 3)));

    fs::create_directories("gnd");
    writePattern(
        JoinPath("gnd", "g.csv"), 2, 2, [](int, int) { return 1.0f; },
        [](int x, int y) { return x == 1 && y == 0 ? 1100.0f : 1000.0f; });
    testing::internal::CaptureStdout();
    DiffSet gnd = CollectFolder("gnd", FOLDER_GND, 0, report.report, products);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(readBinary("diff_gnd.log"), lines({"0.000000", "0.000000", "10.000000", "0.000000"}));

    // Too narrow for s = 3 (width 3 < 4): nothing is added; folders are never files.
    fs::create_directories("xh");
    writePattern(JoinPath("xh", "a_narrow.csv"), 3, 2, [](int x, int) { return 100.0f + x; });
    fs::create_directories(JoinPath("xh", "b_dir.csv"));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    DiffSet narrow = CollectFolder("xh", FOLDER_XH, 3, report.report, products);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "parse " + JoinPath("xh", "a_narrow.csv") + "\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "GenerateThreshold: " + JoinPath("xh", "a_narrow.csv") + " has fewer than 4 lines\n");
    EXPECT_TRUE(narrow.inner.empty() && narrow.inter.empty() && narrow.ok.empty());
    EXPECT_EQ(here.Files(), (std::set<std::string>{"ok/p.csv", "gnd/g.csv", "xh/a_narrow.csv", "diff_ok.log",
                                                   "hist_ok.log", "diff_gnd.log", "hist_gnd.log"}));
}

}  // namespace shorvik
