// Between the input screen and the result list: the window's key filter, the handlers the
// input edits run as they get and lose the focus, the check of the inputs against their
// limits, and the calculation with its list of results.
#include "uDesignWindow.h"

#include "Dialogs.h"
#include "Errors.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameResults.h"
#include "NumberText.h"
#include "TStatusBar.h"
#include "uConstants.h"
#include "uError.h"
#include "uIrrigationDataSet.h"
#include "uResultLists.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

const std::string kLineBreak = uConstants::LineBreak;

// The characters an edit takes: Backspace, Tab, Enter, the digits and both separators.
// Only the ASCII digits: those of other scripts pass no number conversion.
bool IsAllowedCharacter(QChar c)
{
    return c == QChar(8) || c == QChar(9) || c == QChar(13) || (c >= u'0' && c <= u'9') || c == '.' || c == ',';
}

// The class name the conversion message starts with, as the user has always seen it.
std::string ClassName(const Exception &error)
{
    if (dynamic_cast<const EConvertError *>(&error))
        return "EConvertError";
    if (dynamic_cast<const ERangeError *>(&error))
        return "ERangeError";
    return "Exception";
}

}  // namespace

bool TfrmDesignWindow::IsInputEdit(const QObject *object) const
{
    auto *edit = qobject_cast<const QLineEdit *>(object);
    return edit && (edit->parentWidget() == fraFieldParameters1 || edit->parentWidget() == fraDecisionVariables1);
}

bool TfrmDesignWindow::FormKeyPress(QObject *watched, QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter never reaches the control; it moves on, Shift+Enter back.
        focusNextPrevChild(!(event->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (!IsInputEdit(watched) || event->text().isEmpty())
        return false;
    return !IsAllowedCharacter(event->text().front());
}

bool TfrmDesignWindow::EditEvent(QLineEdit *edit, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (!FInEditExit && FQuietFocus == 0 && edit != FEnteredEdit)
            fraDecisionVariables1Edit1Enter(edit);
        return false;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // The window losing the focus (a dialog, a menu) is no leaving of the edit.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
        return false;
    if (edit != FEnteredEdit || FInEditExit)
        return false;
    FEnteredEdit = nullptr;
    // An edit hidden or locked by a step of the window is not being left by the user.
    if (FQuietFocus > 0 || edit->isHidden() || !edit->isEnabled())
        return false;
    fraDecisionVariables1Edit1Exit(edit);
    // The edit left for another one whose own enter handler the exit handler kept back.
    if (QLineEdit *now = FocusedEdit(); now && now != FEnteredEdit)
        fraDecisionVariables1Edit1Enter(now);
    return false;
}

void TfrmDesignWindow::fraDecisionVariables1Edit1Enter(QLineEdit *Sender)
{
    FEnteredEdit = Sender;
    FEditText = Sender->text().toStdString();
    FEditing = true;
    if (!grbExtraInformation->isHidden())
        grbExtraInformation->hide();
    const int row = Sender->parentWidget() == fraFieldParameters1 ? fraFieldParameters1->EditRow(Sender) : 0;
    StatusBar1->SetPanelText(0, row > 0 && HasInfoTable(row) ? "F1 Help   F2 Calculate" : "F2 Calculate");
}

// The focus stays in an edit whose text F2 took (and the engine refused) or Esc took back:
// what the user types there next is not yet in the run, so the next F2, or leaving the
// edit, must take it as after entering the edit. textEdited comes from the user alone, not
// from the window setting a text.
void TfrmDesignWindow::EditTyped(QLineEdit *edit)
{
    if (FEditing || edit != FocusedEdit())
        return;
    FEnteredEdit = edit;
    FEditing = true;
}

void TfrmDesignWindow::fraDecisionVariables1Edit1Exit(QLineEdit *Sender)
{
    // Kept here: a dialog shown below lets the focus settle on the next edit meanwhile.
    const std::string entered = FEditText;
    FInEditExit = true;
    auto restore = [&] {
        Sender->setText(QString::fromStdString(entered));
        Sender->setFocus();
        FEnteredEdit = Sender;
    };
    try {
        StrToFloat(Sender->text().toStdString());
        if (ValidateInputs()) {
            FEditing = false;
            // The run holds this text now: Esc after typing on takes the edit back to it.
            FEditText = Sender->text().toStdString();
        } else if (Sender->text().toStdString() != entered) {
            restore();
        }
    } catch (const EConvertError &error) {
        ShowMessage(ClassName(error) + "\n\r" + error.Message());
        restore();
    } catch (...) {
        restore();
    }
    FInEditExit = false;
}

void TfrmDesignWindow::ShowRangeWarning(TParameter *parameter)
{
    const std::string text = "The " + parameter->GetDescription() + ", input is out of bounds" + kLineBreak +
                             "value\t\t : " + FloatToStr(parameter->GetDisplayValue()) + kLineBreak +
                             "should be between\t : " + FloatToStr(parameter->GetDisplayLower()) + kLineBreak +
                             "and\t\t : " + FloatToStr(parameter->GetDisplayUpper());
    if (frmError)
        frmError->ShowText(text, ekWarning);
}

bool TfrmDesignWindow::ValidateInputs()
{
    // What every listed parameter held before: a value that fails goes back to it.
    std::map<TParameter *, double> before;
    for (TAssociationList *list : {FDecisionVariables.get(), FFieldParameters.get()}) {
        for (int i = 1; i <= list->Count(); ++i) {
            if (auto *p = dynamic_cast<TParameter *>(list->GetItem(i)))
                before[p] = p->GetValue();
        }
    }
    auto reject = [&before](TParameter *p) { p->SetValue(before[p]); };

    bool result = true;
    fraDecisionVariables1->GetValues(FDecisionVariables.get());
    for (int i = 1; i <= FDecisionVariables->Count(); ++i) {
        auto *p = dynamic_cast<TParameter *>(FDecisionVariables->GetItem(i));
        if (p && !p->IsInRange()) {
            ShowRangeWarning(p);
            reject(p);
            result = false;
            break;
        }
    }
    if (!result && !FTraits.ChecksFieldsAfterFailure)
        return result;
    fraFieldParameters1->GetValues(FFieldParameters.get());
    for (int i = 1; i <= FFieldParameters->Count(); ++i) {
        auto *p = dynamic_cast<TParameter *>(FFieldParameters->GetItem(i));
        if (!p)
            continue;
        if (p->Name() == "SCS #") {
            if (IsValidSCSNumber(p->GetDisplayValue())) {
                if (FTraits.SCSUpdatesInfiltration)
                    UpdateInfiltration();
                continue;
            }
            if (frmError)
                frmError->ShowText("The " + p->GetDescription() + ", input is out of bounds." + kLineBreak +
                                       "The only acceptable values are : " + kLineBreak + FTraits.SCSNumbers,
                                   ekWarning);
            reject(p);
            return false;
        }
        if (!p->IsInRange()) {
            ShowRangeWarning(p);
            reject(p);
            return false;
        }
    }
    return result;
}

bool TfrmDesignWindow::Calculate()
{
    if (!FFormatter || !FDataSet)
        return false;
    if (FTraits.UpdatesInfiltrationFirst)
        UpdateInfiltration();
    if (FFormatter->Calculate(FDataSet->CurrentRun()) != 0)
        return false;
    fraDecisionVariables1->DisableEdits();
    fraFieldParameters1->DisableEdits();
    while (FResults->Count() > 0)
        FResults->Delete(FResults->Count());

    TIrrigationRun *run = CurrentRun();
    if (!run)
        return false;
    const TCalculationMode mode = run->GetMode();
    const bool cutback = mniCutbackFlow && mniCutbackFlow->isChecked();
    for (const std::string &name : ResultNames(FTraits.Module, mode, cutback)) {
        if (TParameter *p = run->GetParameters()->FindParameter(name)) {
            p->SetCategory(pcResult);
            p->SetActive(true);
            FResults->Add(p);
        }
    }
    grbResults->setTitle(
        QString::fromStdString(ResultCaption(FTraits.Module, mode, CheckedValue(FOperationGroup, 0))));
    fraResults1->Display(FResults.get());
    fraResults1->show();
    FormResize();
    QFont bold = grbResults->font();
    bold.setBold(true);
    grbResults->setFont(bold);
    return true;
}
