#include "uError.h"

#include "RecordingErrorDisplay.h"

#include <QApplication>
#include <QFrame>
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
    // Every code of the table with its whole text, letter by letter.
    const Case kCases[] = {
        {100, "Officially no error...."},
        {110, "Change one or more input parameters\r\n- increase flow rate\r\n- decrease basin dimensions"},
        {121, "Change input parameter\r\n- decrease basin length"},
        {122, "Change input parameter\r\n- decrease flow rate"},
        {123, "Change one or more input parameters\r\n- decrease flow rate\r\n- decrease basin length"},
        {124, "Change input parameter\r\n- increase flow rate\r\n- increase cutoff time\r\n"
              "- decrease basin dimensions"},
        {200, ""},
        {201, "Advance time convergence problem\r\nDecrease length"},
        {202, "Advance time convergence problem\r\nIncrease inflow rate and/or increase length-width ratio"},
        {203, "Advance time convergence problem\r\nDecrease length and/or increase inflow rate"},
        {204, "Advance time convergence problem\r\nDecrease length and/or increase advance ratio"},
        {205, "Advance time convergence problem\r\nIncrease length and/or decrease advance ratio"},
        {206, "Advance time convergence problem"},
        {207, "Opportunity time convergence problem\r\nUse another combination of intake parameters"},
        {208, "Cutoff time less than advance time\r\nDecrease length"},
        {209, "Cutoff time less than advance time\r\nIincrease inflow rate and/or increase length-width ratio"},
        {210, "Cutoff time less than advance time\r\nDecrease length and/or increase inflow rate"},
        {211, "Cutoff time less than advance time\r\n"
              "Decrease length and/or increase inflow rate and/or increase cutoff time"},
        {212, "Cutback flow rate too small to cover the furrow\r\nIncrease cutback ratio"},
        {213, "Cutback flow rate too small to cover the furrow\r\nIncrease cutback ratio and/or inlet flow rate"},
        {214, "Advance time convergence problem\r\n"
              "Increase inflow rate and/or increase length-width ratio and or decrease advance ratio"},
        {215, "Opportunity time convergence problem\r\n"
              "Increase inflow rate and/or increase length-width ratio and or decrease advance ratio"},
        {216, "Cutoff time less than advance time\r\n"
              "Increase inflow rate and/or increase length-width ratio and/or decrease advance ratio"},
        {251, "Warning\r\n"
              "The cutback flow rate is too small and can't wet the entire reach, resulting in a high volume "
              "balance error (see values of Ea and Dr). Try again with an increased cutback ratio."},
        {300, ""},
        {301, "Advance time convergence problem\r\nDecrease length"},
        {302, "Advance time convergence problem\r\nIncrease inflow rate"},
        {303, "Advance time convergence problem\r\nDecrease length and/or increase inflow rate"},
        {304, "Advance time convergence problem\r\nDecrease length and/or increase advance ratio"},
        {305, "Advance time convergence problem\r\nIncrease length and/or decrease advance ratio"},
        {306, "Advance time convergence problem\r\nIncrease inflow rate and/or decrease advance ratio"},
        {307, "Opportunity time convergence problem\r\nUse another combination of intake parameters"},
        {308, "Cutoff time less than advance time\r\n"
              "Decrease length and/or increase inflow rate and/or increase cutoff time"},
        {309, "Value of tau2 must be less than sig2 * 2.5 "},
        {310, "Value of sigma2 must be different from that of tau2"},
        {311, "Value of sigma2 must be less than 0.91 or greater than 1.1"},
        {312, "Constraining Tmax/Ymax within the range [1 - 4] may help"},
        {313, "Increasing the side slope may help"},
        {314, "Flow rate must be greater than stable tailwater runoff"},
        {315, "Advance time to field end should be greater than adv. time to mid-field"},
        {316, "Advance time to L/2 is too small, increase it"},
        {317, "Advance time to L is too small, increase it."},
        {318, "Advance time to L/2 and L are too small, increase both."},
        {319, "Estimates of infiltration parameters are outside their respective Ranges, check the field data used."},
        {320, "Geometry and furrow spacing are incompatible.\r\nCheck cross-section compared to spacing.\r\n"
              "Suggestions:\r\n- Widen furrow spacing\r\n- Steepen side slope"},
        {321, "Geometry and furrow spacing are incompatible.\r\nCheck cross-section compared to spacing.\r\n"
              "Suggestions:\r\n- Widen furrow spacing\r\n- Decrease furrow width"},
        {322, "Geometry and furrow spacing are incompatible.\r\nCheck cross-section compared to spacing.\r\n"
              "Suggestions:\r\n- Widen furrow spacing\r\n- Decrease bed width\r\n- Steepen side slope"},
        {351, "Check furrow cross section and spacing."},
        {352, "Calculated flow velocity is more than the maximum permissible.\r\n( v = \xE2\x80\xA6.. m/min)."},
        {353, "Check furrow cross section and spacing\r\nand\r\n"
              "Calculated flow velocity is more than the maximum permissible.\r\n( v = \xE2\x80\xA6.. m/min)."},
        {354, "The cutback flowrate is too small to wet the entire reach,\r\n"
              "Resulting in a high volume balance error (see values of Ea).\r\n"
              "Try again with an increased cutback ratio."},
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

// The memo's panel follows every side of the form and the Close button its bottom right
// corner, from the designed places on.
TEST(ErrorDialog, PanelAndButtonStandWhereTheFormPutsThemAndFollowItsSize)
{
    TfrmError dialog;
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(6, 10, 428, 262));
    EXPECT_EQ(dialog.memMessage->geometry(), QRect(0, 0, 428, 262));
    EXPECT_EQ(dialog.btnClose->geometry(), QRect(359, 284, 75, 25));
    dialog.resize(dialog.size() + QSize(100, 50));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(6, 10, 528, 312));
    EXPECT_EQ(dialog.btnClose->geometry(), QRect(459, 334, 75, 25));
    dialog.hide();
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
