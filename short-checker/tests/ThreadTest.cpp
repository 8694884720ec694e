// The checks keep their working grids on the heap: they run on a thread with
// a 64 KB stack, and two at once give what they give one after the other.
#include <gtest/gtest.h>
#include <pthread.h>

#include <memory>

#include "ParallelChecks.h"

namespace shorvik {

namespace {

void* runChecks(void* run) {
    static_cast<FullWindowRun*>(run)->Run();
    return nullptr;
}

pthread_t startSmallStack(FullWindowRun& run) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 64 * 1024);
    pthread_t thread;
    EXPECT_EQ(pthread_create(&thread, &attributes, runChecks, &run), 0);
    pthread_attr_destroy(&attributes);
    return thread;
}

}  // namespace

TEST(ShortChecksOnThreads, SmallStacksAndParallelCallsGiveTheSequentialResults) {
    auto firstAlone = std::make_unique<FullWindowRun>(0), secondAlone = std::make_unique<FullWindowRun>(1);
    firstAlone->Run();
    secondAlone->Run();
    EXPECT_EQ(firstAlone->codes, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(firstAlone->out.lines[7], LINE_SHORT);

    auto first = std::make_unique<FullWindowRun>(0), second = std::make_unique<FullWindowRun>(1);
    pthread_t a = startSmallStack(*first), b = startSmallStack(*second);
    pthread_join(a, nullptr);
    pthread_join(b, nullptr);
    EXPECT_EQ(first->codes, firstAlone->codes);
    EXPECT_EQ(first->seen, firstAlone->seen);
    EXPECT_EQ(first->devOut, firstAlone->devOut);
    EXPECT_EQ(second->seen, secondAlone->seen);
    EXPECT_EQ(second->devOut, secondAlone->devOut);
}

}  // namespace shorvik
