#include "uError.h"

#include "RecordingErrorDisplay.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

std::string TextOf(int code)
{
    std::string text = "not set";
    TfrmError::GetErrorText(code, text);
    return text;
}

const std::string kUnknown = "Unknown Error or Warning";

// What one call put on the screen: nothing, or a modal dialog with caption, icon and memo.
struct Seen {
    bool shown = false;
    std::string caption;
    std::string memo;
    int iconKind = -1;
    bool errorIcon = false, warningIcon = false;
};

bool SameIcon(const QIcon &a, const QIcon &b) { return a.pixmap(16).toImage() == b.pixmap(16).toImage(); }

Seen Showing(TfrmError &dialog, const std::function<void()> &show, bool byCloseBox = false)
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget() != &dialog)
            return;
        seen.shown = true;
        seen.caption = dialog.windowTitle().toStdString();
        seen.memo = dialog.memMessage->toPlainText().toStdString();
        seen.iconKind = dialog.IconKind();
        seen.errorIcon = SameIcon(dialog.windowIcon(), dialog.style()->standardIcon(QStyle::SP_MessageBoxCritical));
        seen.warningIcon = SameIcon(dialog.windowIcon(), dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning));
        if (byCloseBox)
            dialog.close();
        else
            dialog.btnClose->click();
    });
    show();
    QCoreApplication::processEvents();  // when nothing was shown, the timer finds no dialog
    EXPECT_FALSE(dialog.isVisible());
    return seen;
}

}  // namespace

TEST(ErrorTexts, TextsStandLetterByLetterWithTheSharedLineBreak)
{
    struct Case {
        int code;
        const char *text;
    };
    const Case kCases[] = {
        {100, "Officially no error...."},
        {110, "Change one or more input parameters\r\n- increase flow rate\r\n- decrease basin dimensions"},
        {123, "Change one or more input parameters\r\n- decrease flow rate\r\n- decrease basin length"},
        {124, "Change input parameter\r\n- increase flow rate\r\n- increase cutoff time\r\n- decrease basin dimensions"},
        {206, "Advance time convergence problem"},
        {209, "Cutoff time less than advance time\r\nIincrease inflow rate and/or increase length-width ratio"},
        {251, "Warning\r\nThe cutback flow rate is too small and can't wet the entire reach, resulting in a high "
              "volume balance error (see values of Ea and Dr). Try again with an increased cutback ratio."},
        {309, "Value of tau2 must be less than sig2 * 2.5 "},
        {322, "Geometry and furrow spacing are incompatible.\r\nCheck cross-section compared to spacing.\r\n"
              "Suggestions:\r\n- Widen furrow spacing\r\n- Decrease bed width\r\n- Steepen side slope"},
        {352, "Calculated flow velocity is more than the maximum permissible.\r\n( v = \xE2\x80\xA6.. m/min)."},
        {353, "Check furrow cross section and spacing\r\nand\r\nCalculated flow velocity is more than the maximum "
              "permissible.\r\n( v = \xE2\x80\xA6.. m/min)."},
        {354, "The cutback flowrate is too small to wet the entire reach,\r\nResulting in a high volume balance "
              "error (see values of Ea).\r\nTry again with an increased cutback ratio."},
        {200, ""},
        {300, ""},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(TextOf(c.code), c.text);
    }
}

TEST(ErrorTexts, EveryCodeOutsideTheTableIsUnknown)
{
    std::set<int> listed = {100, 110, 121, 122, 123, 124, 200, 251, 300, 351, 352, 353, 354};
    for (int code = 201; code <= 216; ++code)
        listed.insert(code);
    for (int code = 301; code <= 322; ++code)
        listed.insert(code);
    for (int code = -2; code <= 400; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(TextOf(code) == kUnknown, listed.count(code) == 0);
    }
}

TEST(ErrorDialog, ShowsTheTextOfACodeWithCaptionAndIconOfTheKind)
{
    TfrmError dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "frmError");
    EXPECT_TRUE(dialog.memMessage->isReadOnly());

    const Seen error = Showing(dialog, [&] { dialog.ShowError(123, ekError); });
    ASSERT_TRUE(error.shown);
    EXPECT_EQ(error.caption, "Error");
    EXPECT_TRUE(error.errorIcon);
    EXPECT_EQ(error.memo, "Change one or more input parameters\n- decrease flow rate\n- decrease basin length");

    const Seen warning = Showing(dialog, [&] { dialog.ShowError(251, ekWarning); }, true);
    ASSERT_TRUE(warning.shown);
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_TRUE(warning.warningIcon);
    EXPECT_EQ(warning.memo.substr(0, 8), "Warning\n");

    // Another kind keeps what the last showing set.
    const Seen other = Showing(dialog, [&] { dialog.ShowText("range", 2); });
    EXPECT_EQ(other.caption, "Warning");
    EXPECT_EQ(other.iconKind, ekWarning);
    EXPECT_EQ(other.memo, "range");
}

TEST(ErrorDialog, CodesWithoutTextShowNothingButClearTheMemo)
{
    TfrmError dialog;
    Showing(dialog, [&] { dialog.ShowText("earlier", ekError); });
    for (int code : {200, 300}) {
        SCOPED_TRACE(code);
        const Seen seen = Showing(dialog, [&] { dialog.ShowError(code, ekWarning); });
        EXPECT_FALSE(seen.shown);
        EXPECT_EQ(dialog.memMessage->toPlainText().toStdString(), "");
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Error");
    }
    for (int code : {120, 199, 0, 355}) {
        SCOPED_TRACE(code);
        const Seen seen = Showing(dialog, [&] { dialog.ShowError(code, ekError); });
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.memo, kUnknown);
    }
}

TEST(ErrorDialog, ReadyTextsKeepTheirLineBreaksAndMayBeEmpty)
{
    TfrmError dialog;
    const Seen empty = Showing(dialog, [&] { dialog.ShowText("", ekWarning); });
    ASSERT_TRUE(empty.shown);
    EXPECT_EQ(empty.caption, "Warning");
    EXPECT_EQ(empty.memo, "");

    const Seen lines = Showing(dialog, [&] { dialog.ShowText("one\r\ntwo\n\r3.5", ekError); });
    EXPECT_EQ(lines.memo, "one\ntwo\n3.5");
}

TEST(RecordingErrorDisplay, StandsInForTheDialogAndRecordsOnlyWhatWouldShow)
{
    TErrorDisplay *program = frmError;
    {
        RecordingErrorDisplay recorder;
        EXPECT_EQ(frmError, &recorder);
        frmError->ShowError(300, ekError);
        frmError->ShowError(121, ekError);
        frmError->ShowText("limit", ekWarning);
        ASSERT_EQ(recorder.Showings().size(), 2u);
        EXPECT_EQ(recorder.Showings()[0].code, 121);
        EXPECT_EQ(recorder.Showings()[0].text, "Change input parameter\r\n- decrease basin length");
        EXPECT_EQ(recorder.Showings()[1].code, -1);
        EXPECT_EQ(recorder.Showings()[1].text, "limit");
        EXPECT_EQ(recorder.Showings()[1].kind, ekWarning);
    }
    EXPECT_EQ(frmError, program);
}
