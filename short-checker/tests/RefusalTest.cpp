#include <gtest/gtest.h>

#include <string>

#include "CheckFixture.h"

namespace shorvik {

namespace {

struct Call {
    int mode = 0;
    int* lineStates = nullptr;
    int xBlocks = 2, yBlocks = 2;
    Range range{0, 0, 6, 5};
    bypassInfo bypass = NoBypass();
    bool nullResult = false, nullPerLine = false;
    int width = 8, height = 10;
};

struct RefusalCase {
    const char* name;
    const char* check;  // "short", "golden" or "new"
    Call call;
    const char* message;
};

Call with(void (*change)(Call&)) {
    Call call;
    change(call);
    return call;
}

}  // namespace

TEST(ShortCheckRefusals, BadArgumentsAreRefusedAndWriteNothing) {
    const RefusalCase cases[] = {
        {"x0 < 0", "short", with([](Call& c) {
             c.range = Range{-1, 0, 6, 5};
         }),
         "CheckMutualShort: invalid range -1,0,6,5\n"},
        {"beyond 300", "short", with([](Call& c) {
             c.range = Range{295, 0, 6, 5};
         }),
         "CheckMutualShort: invalid range 295,0,6,5\n"},
        {"null result", "short", with([](Call& c) { c.nullResult = true; }),
         "CheckMutualShort: result missing\n"},
        {"null perLine", "short", with([](Call& c) { c.nullPerLine = true; }),
         "CheckMutualShort: result missing\n"},
        {"negative height", "golden", with([](Call& c) {
             c.range = Range{0, 0, 6, -1};
         }),
         "CheckMutualShortWithGolden: invalid range 0,0,6,-1\n"},
        {"y beyond 300", "golden", with([](Call& c) {
             c.range = Range{0, 1, 6, 300};
         }),
         "CheckMutualShortWithGolden: invalid range 0,1,6,300\n"},
        {"bypass x 300", "golden", with([](Call& c) {
             c.bypass.x[0] = 300;
             c.bypass.xCount = 1;
         }),
         "CheckMutualShortWithGolden: invalid bypass list\n"},
        {"bypass y -1", "golden", with([](Call& c) {
             c.bypass.y[1] = -1;
             c.bypass.yCount = 2;
         }),
         "CheckMutualShortWithGolden: invalid bypass list\n"},
        {"bypass count 301", "golden", with([](Call& c) { c.bypass.xCount = 301; }),
         "CheckMutualShortWithGolden: invalid bypass list\n"},
        {"bypass count -1", "golden", with([](Call& c) { c.bypass.yCount = -1; }),
         "CheckMutualShortWithGolden: invalid bypass list\n"},
        {"sample width 301", "golden", with([](Call& c) { c.width = 301; }),
         "CheckMutualShortWithGolden: invalid report size 301 x 10\n"},
        {"mode 1 without states", "golden", with([](Call& c) { c.mode = 1; }),
         "CheckMutualShortWithGolden: line states missing\n"},
        {"null result", "golden", with([](Call& c) { c.nullResult = true; }),
         "CheckMutualShortWithGolden: result missing\n"},
        {"x blocks 0", "new", with([](Call& c) { c.xBlocks = 0; }),
         "CheckMutualShortNew: invalid block count 0 x 2\n"},
        {"y blocks 11", "new", with([](Call& c) {
             c.range = Range{0, 0, 20, 20};
             c.yBlocks = 11;
         }),
         "CheckMutualShortNew: invalid block count 2 x 11\n"},
        {"blocks wider than the window", "new", with([](Call& c) { c.xBlocks = 7; }),
         "CheckMutualShortNew: invalid block count 7 x 2\n"},
        {"bad range", "new", with([](Call& c) {
             c.range = Range{0, -3, 6, 5};
         }),
         "CheckMutualShortNew: invalid range 0,-3,6,5\n"},
        {"bypass y 300", "new", with([](Call& c) {
             c.bypass.y[0] = 300;
             c.bypass.yCount = 1;
         }),
         "CheckMutualShortNew: invalid bypass list\n"},
        {"sample height -1", "new", with([](Call& c) { c.height = -1; }),
         "CheckMutualShortNew: invalid report size 8 x -1\n"},
        {"mode 1 without states", "new", with([](Call& c) { c.mode = 1; }),
         "CheckMutualShortNew: line states missing\n"},
        {"null perLine", "new", with([](Call& c) { c.nullPerLine = true; }),
         "CheckMutualShortNew: result missing\n"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(std::string(c.check) + ": " + c.name);
        CheckReport sample(8, 10), golden(8, 10);
        sample.report.width = c.call.width;
        sample.report.height = c.call.height;
        for (int y = 0; y < 10; ++y)
            sample.SetProduct(1, y, 500);
        std::vector<unsigned char> before = sample.Snapshot();
        CheckResult out(11, 4);
        if (c.call.nullPerLine)
            out.result.perLine = nullptr;
        MutualShortResult* result = c.call.nullResult ? nullptr : &out.result;
        MutualShortThreshold threshold = Threshold(10, 20);
        testing::internal::CaptureStderr();
        int code = -1;
        std::string check = c.check;
        if (check == "short")
            code = CheckMutualShort(sample.report, threshold, result, c.call.range);
        else if (check == "golden")
            code = CheckMutualShortWithGolden(sample.report, golden.report, threshold, result, c.call.range,
                                              c.call.mode, c.call.lineStates, c.call.bypass);
        else
            code = CheckMutualShortNew(sample.report, threshold, result, c.call.range, c.call.xBlocks,
                                       c.call.yBlocks, 1, c.call.mode, c.call.lineStates, c.call.bypass);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(code, 1);
        EXPECT_EQ(out.lines, std::vector<int>(19, 77));
        EXPECT_EQ(out.result.count, 4);
        EXPECT_EQ(sample.Snapshot(), before);
    }
}

TEST(ShortCheckRefusals, TotalZeroComesFirstAndIsSilent) {
    CheckReport sample(8, 10), golden(8, 10);
    sample.report.total = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(CheckMutualShort(sample.report, Threshold(10, 20), nullptr, Range{-1, 0, 0, 0}), 1);
    EXPECT_EQ(CheckMutualShortWithGolden(sample.report, golden.report, Threshold(10, 20), nullptr,
                                         Range{-1, 0, 0, 0}, 1, nullptr, NoBypass()),
              1);
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(10, 20), nullptr, Range{0, 0, 1, 1}, 0, 0, 1, 1,
                                  nullptr, NoBypass()),
              1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(ShortCheckRefusals, WindowOnTheGridEdgeIsAccepted) {
    CheckReport sample(300, 300);
    CheckResult out(600);
    bypassInfo bypass = NoBypass();
    bypass.x[0] = 299;
    bypass.y[0] = 0;
    bypass.xCount = bypass.yCount = 1;
    EXPECT_EQ(CheckMutualShortNew(sample.report, Threshold(10, 20), &out.result, Range{0, 0, 300, 300}, 10,
                                  10, 1, 0, nullptr, bypass),
              0);
    EXPECT_EQ(out.lines[299], LINE_BYPASSED);
    EXPECT_EQ(out.lines[300], LINE_BYPASSED);
    EXPECT_TRUE(out.CanariesIntact());
}

}  // namespace shorvik
