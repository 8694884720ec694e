#include <windows.h>

#include <gtest/gtest.h>

#include "test_support/MessageBoxWatcher.h"

namespace test_support {

TEST(MessageBoxWatcher, AnswersMessageBoxesByScriptAndRecordsThem) {
    MessageBoxWatcher watcher(GetCurrentProcessId(), {IDRETRY, IDNO});
    EXPECT_EQ(MessageBoxA(nullptr, "Cannot Get Chip Data !", "Check Device", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxA(nullptr, "Save?\nreally", "Question", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Done", "Info", MB_OKCANCEL), IDCANCEL);  // the fallback
    ASSERT_TRUE(watcher.WaitFor(3, 2000));
    auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].caption, "Check Device");
    EXPECT_EQ(seen[0].text, "Cannot Get Chip Data !");
    EXPECT_EQ(seen[0].answer, IDRETRY);
    EXPECT_EQ(seen[1].text, "Save?\nreally");
    EXPECT_EQ(seen[2].caption, "Info");
}

}  // namespace test_support
