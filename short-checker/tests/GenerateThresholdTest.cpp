// GenerateThreshold's own failures, through the allocation seam.
#include <gtest/gtest.h>

#include "GeneratorFixture.h"
#include "ThresholdGenerator.h"

namespace shorvik {

namespace {

int allocations = 0, failAt = 0, live = 0;
void* countedZeroed(size_t count, size_t size) {
    if (++allocations == failAt)
        return nullptr;
    ++live;
    return calloc(count, size);
}
void countedRelease(void* block) {
    --live;
    free(block);
}

}  // namespace

TEST(GenerateThreshold, FailuresLeaveTheOutputUntouched) {
    FreshFolder here("generate_failures");
    Folders folders;
    makeFolders(folders);
    for (int fail = 1; fail <= 6; ++fail) {
        allocations = 0;
        live = 0;
        failAt = fail;
        MutualShortThreshold out{-5, 77, -6, 88, -7};
        testing::internal::CaptureStdout();
        int code = GenerateThresholdWith(folders.config, &out, GridAllocator{countedZeroed, countedRelease});
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "initial buffer memory fail\n") << fail;
        EXPECT_EQ(code, -1);
        EXPECT_EQ(live, 0) << fail;  // everything obtained is released
        EXPECT_EQ(out.lower, -7);
        EXPECT_EQ(out.linePct, -6);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(GenerateThreshold(folders.config, nullptr), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "GenerateThreshold: result missing\n");
    EXPECT_FALSE(fs::exists("diff_ok.log"));

    // Only an ok folder: no inner data.
    PatternFolderConfig onlyOk = {};
    onlyOk.folders[0] = "ok";
    onlyOk.folders[1] = "missing";
    MutualShortThreshold out{-5, 77, -6, 88, -7};
    testing::internal::CaptureStdout();
    EXPECT_EQ(GenerateThreshold(onlyOk, &out), -1);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("result: 50% ~ 101%\n"), std::string::npos);
    EXPECT_EQ(out.lower, -7);
    EXPECT_EQ(out.maxDevPct, -5);
}

}  // namespace shorvik
