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

    FileDialogChoice choice;
    dialogs.ScriptFileName("/tmp/a.pdx", 2);
    EXPECT_TRUE(Dialogs::Current().SaveFile({}, choice));
    EXPECT_EQ(choice.fileName, "/tmp/a.pdx");
    EXPECT_EQ(choice.filterIndex, 2);
    EXPECT_FALSE(Dialogs::Current().OpenFile({}, choice));  // nothing scripted: cancelled
    EXPECT_EQ(dialogs.FileDialogs().size(), 2u);
    dialogs.ScriptPrint(true);
    EXPECT_TRUE(Dialogs::Current().PrintSetup());
    EXPECT_FALSE(Dialogs::Current().PrintSetup());  // nothing scripted: cancelled
    EXPECT_EQ(dialogs.PrintDialogs(), 2);
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
