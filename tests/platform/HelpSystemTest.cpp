#include "HelpRecorder.h"
#include "HelpSystem.h"

#include <gtest/gtest.h>

namespace {

// The application's help file is process-wide: each test starts without one and leaves none.
class HelpSystemTest : public ::testing::Test {
protected:
    void SetUp() override { HelpSystem::SetFileName(""); }
    void TearDown() override { HelpSystem::SetFileName(""); }
};

}  // namespace

TEST_F(HelpSystemTest, WithoutAHelpFileNothingIsAskedAndTheAnswerIsFalse)
{
    HelpRecorder recorder;
    EXPECT_FALSE(HelpSystem::Current().ShowContext(1100));
    EXPECT_FALSE(HelpSystem::Current().ShowTopic("Contents"));
    EXPECT_TRUE(recorder.Requests().empty());
}

TEST_F(HelpSystemTest, RequestsReachTheInstalledSystemWithTheApplicationsHelpFile)
{
    HelpSystem::SetFileName("/opt/irrika/IRRIKAHELP.HLP");
    EXPECT_EQ(HelpSystem::FileName(), "/opt/irrika/IRRIKAHELP.HLP");
    HelpRecorder recorder;
    EXPECT_TRUE(HelpSystem::Current().ShowContext(3411));
    recorder.ScriptAnswer(false);
    EXPECT_FALSE(HelpSystem::Current().ShowTopic("Contents"));
    ASSERT_EQ(recorder.Requests().size(), 2u);
    EXPECT_EQ(recorder.Requests()[0].helpFile, "/opt/irrika/IRRIKAHELP.HLP");
    EXPECT_EQ(recorder.Requests()[0].context, 3411);
    EXPECT_EQ(recorder.Requests()[0].topic, "");
    EXPECT_EQ(recorder.Requests()[1].context, 0);
    EXPECT_EQ(recorder.Requests()[1].topic, "Contents");
}

TEST_F(HelpSystemTest, ARecorderPutsThePreviousSystemBackAndTheFallbackShowsNothing)
{
    HelpSystem::SetFileName("/opt/irrika/IRRIKAHELP.HLP");
    HelpSystem &fallback = HelpSystem::Current();
    {
        HelpRecorder outer;
        {
            HelpRecorder inner;
            EXPECT_EQ(&HelpSystem::Current(), &inner);
        }
        EXPECT_EQ(&HelpSystem::Current(), &outer);
    }
    EXPECT_EQ(&HelpSystem::Current(), &fallback);
    EXPECT_FALSE(fallback.ShowContext(1100));
    EXPECT_FALSE(fallback.ShowTopic("Contents"));
}
