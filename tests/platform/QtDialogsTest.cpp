#include "QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(QtDialogs, ShowsAModalBoxWithTextIconCaptionAndAnswers)
{
    QtDialogs dialogs;
    QString seenText, seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    const DialogAnswer answer =
        dialogs.Message("Append to\r\nfile ?", DialogIcon::Question, DialogButtons::YesNoCancel, "Confirm");
    EXPECT_EQ(answer, DialogAnswer::No);
    EXPECT_EQ(seenText.toStdString(), "Append to\r\nfile ?");
    EXPECT_EQ(seenTitle.toStdString(), "Confirm");
    EXPECT_EQ(seenIcon, QMessageBox::Question);
}
