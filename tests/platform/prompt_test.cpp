#include "platform/prompt.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Prompt, RecordingPromptRecordsAnswersAndRestores)
{
    Prompt* before = &CurrentPrompt();
    {
        RecordingPrompt prompt;
        prompt.answers = {Answer::Yes};
        EXPECT_EQ(ShowMessage("Save?", "Settings", Icon::Question, Buttons::YesNoCancel), Answer::Yes);
        // An empty script gives the safe answer.
        EXPECT_EQ(ShowMessage("Again?", "Settings", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);
        EXPECT_EQ(ShowMessage("Done", "Info"), Answer::Ok);
        ASSERT_EQ(prompt.shown.size(), 3u);
        EXPECT_EQ(prompt.shown[0].text, "Save?");
        EXPECT_EQ(prompt.shown[0].caption, "Settings");
        EXPECT_EQ(prompt.shown[0].icon, Icon::Question);
    }
    EXPECT_EQ(&CurrentPrompt(), before);
}
