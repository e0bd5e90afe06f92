#include "uError.h"

#include "uConstants.h"

#include <QApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

#include <vector>

TErrorDisplay *frmError = nullptr;

namespace {

const char *const kUnknownCode = "Unknown Error or Warning";

struct TMessageText {
    int code;
    std::vector<const char *> lines;  // joined by the shared line break; none for an empty text
};

// The explanations and advice of the engines' codes: basin 110 and 121..124, border
// 200 + error and 250 + warning, furrow 300 + error and 350 + warning. 200 and 300 are an
// engine error 0 after a refusal of our own, so they show nothing.
const std::vector<TMessageText> kMessageTexts = {
    {100, {"Officially no error...."}},
    {110, {"Change one or more input parameters", "- increase flow rate", "- decrease basin dimensions"}},
    {121, {"Change input parameter", "- decrease basin length"}},
    {122, {"Change input parameter", "- decrease flow rate"}},
    {123, {"Change one or more input parameters", "- decrease flow rate", "- decrease basin length"}},
    {124, {"Change input parameter", "- increase flow rate", "- increase cutoff time", "- decrease basin dimensions"}},
    {200, {}},
    {201, {"Advance time convergence problem", "Decrease length"}},
    {202, {"Advance time convergence problem", "Increase inflow rate and/or increase length-width ratio"}},
    {203, {"Advance time convergence problem", "Decrease length and/or increase inflow rate"}},
    {204, {"Advance time convergence problem", "Decrease length and/or increase advance ratio"}},
    {205, {"Advance time convergence problem", "Increase length and/or decrease advance ratio"}},
    {206, {"Advance time convergence problem"}},
    {207, {"Opportunity time convergence problem", "Use another combination of intake parameters"}},
    {208, {"Cutoff time less than advance time", "Decrease length"}},
    {209, {"Cutoff time less than advance time", "Iincrease inflow rate and/or increase length-width ratio"}},
    {210, {"Cutoff time less than advance time", "Decrease length and/or increase inflow rate"}},
    {211, {"Cutoff time less than advance time",
           "Decrease length and/or increase inflow rate and/or increase cutoff time"}},
    {212, {"Cutback flow rate too small to cover the furrow", "Increase cutback ratio"}},
    {213, {"Cutback flow rate too small to cover the furrow", "Increase cutback ratio and/or inlet flow rate"}},
    {214, {"Advance time convergence problem",
           "Increase inflow rate and/or increase length-width ratio and or decrease advance ratio"}},
    {215, {"Opportunity time convergence problem",
           "Increase inflow rate and/or increase length-width ratio and or decrease advance ratio"}},
    {216, {"Cutoff time less than advance time",
           "Increase inflow rate and/or increase length-width ratio and/or decrease advance ratio"}},
    {251, {"Warning",
           "The cutback flow rate is too small and can't wet the entire reach, resulting in a high volume "
           "balance error (see values of Ea and Dr). Try again with an increased cutback ratio."}},
    {300, {}},
    {301, {"Advance time convergence problem", "Decrease length"}},
    {302, {"Advance time convergence problem", "Increase inflow rate"}},
    {303, {"Advance time convergence problem", "Decrease length and/or increase inflow rate"}},
    {304, {"Advance time convergence problem", "Decrease length and/or increase advance ratio"}},
    {305, {"Advance time convergence problem", "Increase length and/or decrease advance ratio"}},
    {306, {"Advance time convergence problem", "Increase inflow rate and/or decrease advance ratio"}},
    {307, {"Opportunity time convergence problem", "Use another combination of intake parameters"}},
    {308, {"Cutoff time less than advance time",
           "Decrease length and/or increase inflow rate and/or increase cutoff time"}},
    {309, {"Value of tau2 must be less than sig2 * 2.5 "}},
    {310, {"Value of sigma2 must be different from that of tau2"}},
    {311, {"Value of sigma2 must be less than 0.91 or greater than 1.1"}},
    {312, {"Constraining Tmax/Ymax within the range [1 - 4] may help"}},
    {313, {"Increasing the side slope may help"}},
    {314, {"Flow rate must be greater than stable tailwater runoff"}},
    {315, {"Advance time to field end should be greater than adv. time to mid-field"}},
    {316, {"Advance time to L/2 is too small, increase it"}},
    {317, {"Advance time to L is too small, increase it."}},
    {318, {"Advance time to L/2 and L are too small, increase both."}},
    {319, {"Estimates of infiltration parameters are outside their respective Ranges, check the field data used."}},
    {320, {"Geometry and furrow spacing are incompatible.", "Check cross-section compared to spacing.",
           "Suggestions:", "- Widen furrow spacing", "- Steepen side slope"}},
    {321, {"Geometry and furrow spacing are incompatible.", "Check cross-section compared to spacing.",
           "Suggestions:", "- Widen furrow spacing", "- Decrease furrow width"}},
    {322, {"Geometry and furrow spacing are incompatible.", "Check cross-section compared to spacing.",
           "Suggestions:", "- Widen furrow spacing", "- Decrease bed width", "- Steepen side slope"}},
    {351, {"Check furrow cross section and spacing."}},
    // The velocity is never filled in: the placeholder is an ellipsis and two full stops.
    {352, {"Calculated flow velocity is more than the maximum permissible.", "( v = \u2026.. m/min)."}},
    {353, {"Check furrow cross section and spacing", "and",
           "Calculated flow velocity is more than the maximum permissible.", "( v = \u2026.. m/min)."}},
    {354, {"The cutback flowrate is too small to wet the entire reach,",
           "Resulting in a high volume balance error (see values of Ea).",
           "Try again with an increased cutback ratio."}},
};

// Anchored layout: the memo's panel follows every side of the form, the button the
// bottom right corner. In the form's 444 x 320 client area the panel is 428 x 262 at 6, 10
// and the button stands at 359, 284.
const int kPanelLeft = 6, kPanelTop = 10, kPanelRightGap = 10, kPanelBottomGap = 48;
const int kButtonWidth = 75, kButtonHeight = 25, kButtonRightGap = 10, kButtonBottomGap = 11;

}  // namespace

TfrmError::TfrmError(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      Panel1(new QFrame(this)),
      memMessage(new QPlainTextEdit(Panel1)),
      btnClose(new QPushButton("Close", this))
{
    setObjectName("frmError");
    setWindowTitle("frmError");
    setModal(true);
    Panel1->setObjectName("Panel1");
    memMessage->setObjectName("memMessage");
    memMessage->setReadOnly(true);
    memMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    btnClose->setObjectName("btnClose");
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    resize(444, 320);
}

void TfrmError::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QSize size = event->size();
    Panel1->setGeometry(kPanelLeft, kPanelTop, size.width() - kPanelLeft - kPanelRightGap,
                        size.height() - kPanelTop - kPanelBottomGap);
    memMessage->setGeometry(Panel1->rect());
    btnClose->setGeometry(size.width() - kButtonRightGap - kButtonWidth,
                          size.height() - kButtonBottomGap - kButtonHeight, kButtonWidth, kButtonHeight);
}

void TfrmError::btnCloseClick() { close(); }

void TfrmError::ApplyKind(TErrorKind kind)
{
    if (kind == ekError) {
        setWindowTitle("Error");
        setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxCritical));
    } else if (kind == ekWarning) {
        setWindowTitle("Warning");
        setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    } else {
        return;
    }
    iconKind_ = kind;
}

void TfrmError::PutText(const std::string &text)
{
    QString lines = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    lines.replace("\r\n", "\n");
    // The non-erosive refusal puts its number behind LF CR; it belongs on a line of its own too.
    lines.replace("\n\r", "\n");
    memMessage->setPlainText(lines);
}

void TfrmError::ShowText(const std::string &text, TErrorKind kind)
{
    ApplyKind(kind);
    memMessage->clear();
    PutText(text);
    exec();
}

void TfrmError::ShowError(int messageCode, TErrorKind kind)
{
    memMessage->clear();
    std::string text;
    GetErrorText(messageCode, text);
    if (text.empty())
        return;
    ApplyKind(kind);
    PutText(text);
    exec();
}

void TfrmError::GetErrorText(int messageCode, std::string &text)
{
    text = kUnknownCode;
    for (const TMessageText &entry : kMessageTexts) {
        if (entry.code != messageCode)
            continue;
        text.clear();
        for (std::size_t i = 0; i < entry.lines.size(); ++i) {
            if (i > 0)
                text += uConstants::LineBreak;
            text += entry.lines[i];
        }
        return;
    }
}
