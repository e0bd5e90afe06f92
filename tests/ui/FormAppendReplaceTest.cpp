#include "FormAppendReplace.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

bool SameIcon(const QIcon &a, const QIcon &b)
{
    return !a.isNull() && a.pixmap(32).toImage() == b.pixmap(32).toImage();
}

}  // namespace

TEST(TfrmAppendReplace, LaidOutAsDesigned)
{
    TfrmAppendReplace dialog;
    EXPECT_EQ(dialog.windowTitle(), "Append or Replace?");
    EXPECT_EQ(dialog.size(), QSize(304, 122));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));

    EXPECT_EQ(dialog.Label2->pos(), QPoint(19, 24));
    EXPECT_EQ(dialog.Label2->text(), "File:");
    EXPECT_EQ(dialog.Label1->pos(), QPoint(16, 48));
    EXPECT_EQ(dialog.Label1->text(), "Already exists, do you want to Append or Replace it");
    // The question must fit the fixed width, or its end is cut off.
    EXPECT_LE(dialog.Label1->geometry().right(), 304);
    EXPECT_GE(dialog.Label1->width(), dialog.Label1->sizeHint().width());

    struct Button {
        QPushButton *const TfrmAppendReplace::*button;
        const char *caption;
        int left;
    };
    const Button kButtons[] = {{&TfrmAppendReplace::btnAppend, "Append", 16},
                               {&TfrmAppendReplace::btnReplace, "Replace", 112},
                               {&TfrmAppendReplace::btnCancel, "Cancel", 208}};
    for (const Button &design : kButtons) {
        SCOPED_TRACE(design.caption);
        EXPECT_EQ((dialog.*design.button)->text(), design.caption);
        EXPECT_EQ((dialog.*design.button)->geometry(), QRect(design.left, 80, 75, 25));
    }
    EXPECT_FALSE(dialog.Append());
    EXPECT_FALSE(dialog.Replace());
}

TEST(TfrmAppendReplace, EachWayOfClosingSetsAtMostItsOwnFlag)
{
    struct Case {
        const char *name;
        void (*close)(TfrmAppendReplace &);
        bool append, replace;
    };
    const Case kCases[] = {
        {"Append", [](TfrmAppendReplace &d) { QTest::mouseClick(d.btnAppend, Qt::LeftButton); }, true, false},
        {"Replace", [](TfrmAppendReplace &d) { QTest::mouseClick(d.btnReplace, Qt::LeftButton); }, false, true},
        {"Cancel", [](TfrmAppendReplace &d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); }, false, false},
        {"title bar", [](TfrmAppendReplace &d) { d.close(); }, false, false},
        {"Esc", [](TfrmAppendReplace &d) { QTest::keyClick(&d, Qt::Key_Escape); }, false, false},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        TfrmAppendReplace dialog;
        // Shown modally as the save shows it; the answer comes once the loop runs.
        QTimer::singleShot(0, &dialog, [&] { c.close(dialog); });
        dialog.exec();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Append(), c.append);
        EXPECT_EQ(dialog.Replace(), c.replace);
    }
}

TEST(TfrmAppendReplace, ShowingItPutsTheWarningIconInTheTitleBar)
{
    TfrmAppendReplace dialog;
    const QIcon warning = dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning);
    EXPECT_FALSE(SameIcon(dialog.windowIcon(), warning));
    dialog.show();
    EXPECT_TRUE(SameIcon(dialog.windowIcon(), warning));
}

TEST(TfrmAppendReplace, SetFileNameShowsTheNameWithoutItsFolder)
{
    struct Case {
        const char *name, *label;
    };
    const Case kCases[] = {
        {"/home/user/Pondix/basin.pdx", "File: basin.pdx"},
        {"Striva/border run.svx", "File: border run.svx"},
        {"furrow.rlx", "File: furrow.rlx"},
        {"/data/", "File: "},
        {"", "File: "},
    };
    TfrmAppendReplace dialog;
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        dialog.SetFileName(c.name);
        EXPECT_EQ(dialog.Label2->text(), c.label);
        EXPECT_EQ(dialog.Label2->pos(), QPoint(19, 24));
    }
    // The label grows with a long name instead of cutting it.
    dialog.SetFileName("/x/a rather long run file name.pdx");
    EXPECT_GE(dialog.Label2->width(), dialog.Label2->sizeHint().width());
}

TEST(TfrmAppendReplace, OpensCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(40, 60, 700, 500);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    TfrmAppendReplace dialog(&owner);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint ownerCentre = owner.mapToGlobal(owner.rect().center());
    const QPoint dialogCentre = dialog.mapToGlobal(dialog.rect().center());
    EXPECT_LE((ownerCentre - dialogCentre).manhattanLength(), 2);
}
