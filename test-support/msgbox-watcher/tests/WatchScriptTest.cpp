#include <gtest/gtest.h>

#include "test_support/WatchScript.h"

using namespace test_support;

TEST(WatchScript, AnswersInOrderWithFallbackAndComments) {
    AnswerScript script;
    std::string error;
    ASSERT_TRUE(ParseAnswerScript(
        "# the erase question\nyes\n  No  \r\n\nRETRY # chip data\nok\n1013\nfallback Cancel", &script,
        &error))
        << error;
    EXPECT_EQ(script.answers, (std::vector<int>{kYes, kNo, kRetry, kOk, 1013}));
    EXPECT_EQ(script.fallback, kCancel);
    ASSERT_TRUE(ParseAnswerScript("fallback yes\n", &script, &error));
    EXPECT_TRUE(script.answers.empty());
    EXPECT_EQ(script.fallback, kYes);
}

TEST(WatchScript, BadLinesAreRefusedWithTheirNumber) {
    AnswerScript script;
    std::string error;
    for (const char* bad : {"Yes\nMaybe\n", "Yes\nOK Cancel\n", "fallback\n", "0\n", "-2\n", "123456\n"}) {
        EXPECT_FALSE(ParseAnswerScript(bad, &script, &error)) << bad;
    }
    ParseAnswerScript("Yes\nMaybe\n", &script, &error);
    EXPECT_EQ(error, "line 2: not an answer: Maybe");
}

TEST(WatchScript, RecordLineIsOneEscapedLine) {
    EXPECT_EQ(
        RecordLine("Question", "Erase \"gold\"?\r\nC:\\gs\tnow", {"Yes", "No"}, kNo),
        "caption=\"Question\" text=\"Erase \\\"gold\\\"?\\r\\nC:\\\\gs\\tnow\" buttons=\"Yes|No\" answer=No");
    EXPECT_EQ(RecordLine("", "", {}, 1013), "caption=\"\" text=\"\" buttons=\"\" answer=1013");
    EXPECT_EQ(WithoutMnemonic("&Retry"), "Retry");
    EXPECT_EQ(WithoutMnemonic("Save && &Quit"), "Save & Quit");
}
