#include "Dialogs.h"
#include "RecordingDialogs.h"

#include <gtest/gtest.h>

TEST(Dialogs, RecorderSeesEveryBoxAndAnswersFromItsScript)
{
    RecordingDialogs dialogs;
    dialogs.ScriptAnswer(DialogAnswer::No);
    ShowMessage("plain");
    ShowErrorMessage("broken", "Error");
    EXPECT_EQ(AskQuestion("Append?", DialogButtons::YesNoCancel), DialogAnswer::No);
    EXPECT_EQ(AskQuestion("Again?", DialogButtons::YesNo), DialogAnswer::Yes);
    ASSERT_EQ(dialogs.Messages().size(), 4u);
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::None);
    EXPECT_EQ(dialogs.Messages()[1].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.Messages()[1].caption, "Error");
    EXPECT_EQ(dialogs.Messages()[2].icon, DialogIcon::Question);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"plain", "broken", "Append?", "Again?"}));

    std::string name;
    dialogs.ScriptFileName("/tmp/a.pdx");
    EXPECT_TRUE(Dialogs::Current().SaveFile({}, name));
    EXPECT_EQ(name, "/tmp/a.pdx");
    EXPECT_FALSE(Dialogs::Current().OpenFile({}, name));  // nothing scripted: cancelled
    EXPECT_EQ(dialogs.FileDialogs().size(), 2u);
}

TEST(Dialogs, RecorderRestoresThePreviousLayer)
{
    RecordingDialogs outer;
    {
        RecordingDialogs inner;
        ShowMessage("inner");
        EXPECT_EQ(inner.Messages().size(), 1u);
    }
    ShowMessage("outer");
    EXPECT_EQ(outer.Texts(), std::vector<std::string>{"outer"});
}
