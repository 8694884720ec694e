// The checks through the DLL on threads with a 64 KB stack, one after the
// other and two at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "ParallelChecks.h"

namespace shorvik {

namespace {

DWORD WINAPI runChecks(LPVOID run) {
    static_cast<FullWindowRun*>(run)->Run();
    return 0;
}

HANDLE startSmallStack(FullWindowRun& run) {
    return CreateThread(nullptr, 64 * 1024, runChecks, &run, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
}

}  // namespace

TEST(DllChecksOnThreads, SmallStacksAndParallelCallsGiveTheSequentialResults) {
    auto firstAlone = std::make_unique<FullWindowRun>(0), secondAlone = std::make_unique<FullWindowRun>(1);
    HANDLE alone = startSmallStack(*firstAlone);
    ASSERT_NE(alone, nullptr);
    ASSERT_EQ(WaitForSingleObject(alone, 60000), WAIT_OBJECT_0);
    CloseHandle(alone);
    secondAlone->Run();
    EXPECT_EQ(firstAlone->codes, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(firstAlone->out.lines[7], LINE_SHORT);

    auto first = std::make_unique<FullWindowRun>(0), second = std::make_unique<FullWindowRun>(1);
    HANDLE threads[2] = {startSmallStack(*first), startSmallStack(*second)};
    ASSERT_NE(threads[0], nullptr);
    ASSERT_NE(threads[1], nullptr);
    ASSERT_EQ(WaitForMultipleObjects(2, threads, TRUE, 60000), WAIT_OBJECT_0);
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    EXPECT_EQ(first->seen, firstAlone->seen);
    EXPECT_EQ(first->devOut, firstAlone->devOut);
    EXPECT_EQ(second->seen, secondAlone->seen);
    EXPECT_EQ(second->devOut, secondAlone->devOut);
}

}  // namespace shorvik
