#include "HelpViewerSystem.h"

#include "RecordingDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr const char *kHelp =
    "IRRIKAHELP 1\n"
    ".topic Contents\n"
    ".title Contents\n"
    "See [[1100|the infiltration menu]] or [[3411]].\n"
    ".topic 1100\n"
    ".title Infiltration menu\n"
    "Chooses how the soil takes in water.\n"
    "- Intake families\n"
    ".topic 3411\n"
    ".title Triangular cross-section\n"
    "A V-shaped furrow.\n";

// A help file in a fresh folder, installed as the application's; the viewer system in use.
class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.filePath("IRRIKAHELP.HLP").toStdString();
        Write(kHelp);
        HelpSystem::SetFileName(path_);
        previous_ = HelpSystem::Install(&system_);
    }
    void TearDown() override
    {
        HelpSystem::Install(previous_);
        HelpSystem::SetFileName("");
    }
    void Write(const std::string &text) { std::ofstream(path_, std::ios::binary) << text; }

    std::string Shown() const { return system_.Viewer()->txtTopic->toPlainText().toStdString(); }
    std::string Title() const { return system_.Viewer()->lblTitle->text().toStdString(); }

    QTemporaryDir folder_;
    std::string path_;
    HelpViewerSystem system_;
    HelpSystem *previous_ = nullptr;
};

}  // namespace

TEST_F(HelpViewerTest, OpensTheTopicOfAContextAndOfAName)
{
    EXPECT_TRUE(HelpSystem::Current().ShowContext(1100));
    HelpViewer *viewer = system_.Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(Title(), "Infiltration menu");
    EXPECT_NE(Shown().find("Chooses how the soil takes in water."), std::string::npos);
    EXPECT_NE(Shown().find("Intake families"), std::string::npos);
    EXPECT_EQ(viewer->lstTopics->count(), 3);
    EXPECT_EQ(viewer->lstTopics->currentRow(), 1);

    EXPECT_TRUE(HelpSystem::Current().ShowTopic("contents"));
    EXPECT_EQ(system_.Viewer(), viewer);  // one window, reused
    EXPECT_EQ(Title(), "Contents");
    EXPECT_EQ(Shown(), "See the infiltration menu or 3411.");
}

TEST_F(HelpViewerTest, AnUnknownTopicShowsThatThereIsNoHelpForIt)
{
    EXPECT_FALSE(HelpSystem::Current().ShowContext(4242));
    ASSERT_NE(system_.Viewer(), nullptr);
    EXPECT_EQ(system_.Viewer()->CurrentTopic(), nullptr);
    EXPECT_EQ(Title(), "No help for this topic");
    EXPECT_NE(Shown().find("There is no help for this topic (context number 4242) in the help file IRRIKAHELP.HLP."),
              std::string::npos)
        << Shown();
    EXPECT_EQ(system_.Viewer()->lstTopics->currentRow(), -1);

    EXPECT_FALSE(HelpSystem::Current().ShowTopic("Index"));
    EXPECT_NE(Shown().find("(topic \"Index\")"), std::string::npos) << Shown();
}

TEST_F(HelpViewerTest, LinksTheTopicListAndTheContentsButtonOpenTheirTopics)
{
    ASSERT_TRUE(HelpSystem::Current().ShowTopic("Contents"));
    HelpViewer *viewer = system_.Viewer();
    emit viewer->txtTopic->anchorClicked(QUrl("topic:3411"));
    ASSERT_NE(viewer->CurrentTopic(), nullptr);
    EXPECT_EQ(viewer->CurrentTopic()->context, 3411);
    EXPECT_EQ(Title(), "Triangular cross-section");

    viewer->lstTopics->setCurrentRow(1);
    ASSERT_NE(viewer->CurrentTopic(), nullptr);
    EXPECT_EQ(viewer->CurrentTopic()->context, 1100);

    viewer->btnContents->click();
    ASSERT_NE(viewer->CurrentTopic(), nullptr);
    EXPECT_EQ(viewer->CurrentTopic()->name, "Contents");
}

TEST_F(HelpViewerTest, ABrokenOrMissingHelpFileIsReportedAndNothingIsShown)
{
    RecordingDialogs dialogs;
    Write("IRRIKAHELP 1\n.topic 1100\nText without a title\n");
    EXPECT_FALSE(HelpSystem::Current().ShowContext(1100));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.Messages()[0].text, "Help file " + path_ + ", line 3: text before the topic's .title");
    EXPECT_EQ(system_.Viewer(), nullptr);

    std::remove(path_.c_str());
    EXPECT_FALSE(HelpSystem::Current().ShowTopic("Contents"));
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[1].text, "Help file " + path_ + ": cannot be opened");
}

TEST_F(HelpViewerTest, HelpAskedForFromAModalWindowBelongsToThatWindow)
{
    // A modal window blocks every other window; help shown beside it must be its child to be usable.
    auto *modal = new QDialog;
    bool shown = false;
    HelpViewer *viewer = nullptr;
    QTimer::singleShot(0, modal, [&] {
        shown = HelpSystem::Current().ShowContext(1100);
        viewer = system_.Viewer();
        modal->accept();
    });
    modal->exec();
    EXPECT_TRUE(shown);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->parentWidget(), modal);
    EXPECT_TRUE(viewer->isWindow());

    delete modal;  // the help window goes with it
    EXPECT_EQ(system_.Viewer(), nullptr);
    EXPECT_TRUE(HelpSystem::Current().ShowContext(3411));
    ASSERT_NE(system_.Viewer(), nullptr);
    EXPECT_EQ(system_.Viewer()->parentWidget(), nullptr);
}
