#include "uSplashScreen.h"

#include "ExecutableFolder.h"
#include "RecordingDialogs.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

bool EndsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A picture drawn by hand has more than a few colours; an empty or blank one has not.
int ColourCount(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

}  // namespace

TEST(SplashScreen, IsAFixedDialogWithItsCaptionsAndLayout)
{
    TfrmSplashScreen box;
    EXPECT_EQ(box.windowTitle().toStdString(), "About IRRIKA");
    EXPECT_EQ(box.size(), QSize(729, 450));
    EXPECT_EQ(box.minimumSize(), QSize(729, 450));
    EXPECT_EQ(box.maximumSize(), QSize(729, 450));
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box.Button1->text().toStdString(), "Details");
    EXPECT_EQ(box.Button2->text().toStdString(), "Ok");
    EXPECT_EQ(box.lblSoftware->text().toStdString(), "Surface Irrigation Software");
    EXPECT_TRUE(box.lblSoftware->font().bold());
    EXPECT_NE(box.Bevel1->frameShape(), QFrame::NoFrame);

    // Everything but the buttons and the note below lies inside the bevel, and nothing leaves the box.
    for (QWidget *child : box.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(child->metaObject()->className());
        EXPECT_TRUE(box.rect().contains(child->geometry()));
        if (child->y() < box.Bevel1->geometry().bottom()) {
            EXPECT_TRUE(child == box.Bevel1 || box.Bevel1->geometry().contains(child->geometry()));
        }
    }
}

TEST(SplashScreen, ShowsTheThreeBitmapsAndThreeJpegPicturesShippedNextToTheProgram)
{
    TfrmSplashScreen box;
    int bitmaps = 0, jpegs = 0;
    for (int i = 0; i < TfrmSplashScreen::PictureCount; ++i) {
        const std::string file = TfrmSplashScreen::PictureFile(i);
        SCOPED_TRACE(file);
        bitmaps += EndsWith(file, ".bmp");
        jpegs += EndsWith(file, ".jpg");
        EXPECT_FALSE(FindFileIgnoringCase(ExecutableFolder(), file).empty());
        const QPixmap pixmap = box.Picture(i)->pixmap();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(160, 80));
        EXPECT_GT(ColourCount(pixmap), 20);
    }
    EXPECT_EQ(bitmaps, 3);
    EXPECT_EQ(jpegs, 3);
}

TEST(SplashScreen, WithoutItsPicturesTheBoxStillOpensWithEmptyPanels)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetExecutableFolder(empty.path().toStdString());
    RecordingDialogs dialogs;
    {
        TfrmSplashScreen box;
        for (int i = 0; i < TfrmSplashScreen::PictureCount; ++i)
            EXPECT_TRUE(box.Picture(i)->pixmap().isNull()) << i;
    }
    SetExecutableFolder("");
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(SplashScreen, DetailsShowsTheContactTextInAnInformationBox)
{
    RecordingDialogs dialogs;
    TfrmSplashScreen box;
    QTest::mouseClick(box.Button1, Qt::LeftButton);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Information);
    EXPECT_EQ(dialogs.Messages()[0].buttons, DialogButtons::Ok);
    EXPECT_NE(dialogs.Messages()[0].text.find("Irrika design team"), std::string::npos);
}

TEST(SplashScreen, OkEndsTheModalShowingAndTheBoxIsCentredOnTheScreenNotOnItsOwner)
{
    QWidget launcher;
    launcher.setGeometry(0, 0, 300, 200);
    launcher.show();
    TfrmSplashScreen box(&launcher);
    QRect shownAt;
    QTimer::singleShot(0, &box, [&] {
        shownAt = box.frameGeometry();
        QTest::mouseClick(box.Button2, Qt::LeftButton);
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(shownAt.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(shownAt.center().y() - screen.center().y()), 1);
}
