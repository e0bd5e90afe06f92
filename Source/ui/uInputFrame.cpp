#include "uInputFrame.h"

#include "ConcreteCollections.h"
#include "NumberText.h"
#include "uParameter.h"

#include <QLabel>

#include <memory>

namespace {
const int kEditWidth = 121, kEditHeight = 17;
}

TInputFrame::TInputFrame(int base, int step, QWidget *parent) : TParameterFrame(base, step, parent) {}

void TInputFrame::AddRow(int r, int captionX, int editX, int unitX, int y, const QString &captionName,
                         const QString &unitName)
{
    auto *caption = new QLabel(this);
    caption->setObjectName(captionName);
    caption->move(captionX, y);
    auto *unit = new QLabel(this);
    unit->setObjectName(unitName);
    unit->move(unitX, y);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString("Edit%1").arg(r));
    edit->setFrame(false);
    edit->setGeometry(editX, y, kEditWidth, kEditHeight);
    FRows.push_back({caption, edit, unit});
}

QLineEdit *TInputFrame::Edit(int r) const
{
    if (r < 1 || r > RowCount())
        return nullptr;
    return static_cast<QLineEdit *>(FRows[static_cast<std::size_t>(r - 1)].Value);
}

void TInputFrame::ShowValue(int row, TParameter *parameter)
{
    QLineEdit *edit = Edit(row + 1);
    edit->setText(QString::fromStdString(parameter->GetDisplayText()));
    edit->setCursorPosition(0);
    edit->show();
}

void TInputFrame::ClearValue(QWidget *value)
{
    auto *edit = static_cast<QLineEdit *>(value);
    edit->clear();
    edit->hide();
    edit->setEnabled(true);
}

void TInputFrame::GetValues(TAssociationList *List)
{
    if (!List)
        return;
    const int count = std::min(EditCount(), List->Count());
    for (int r = 1; r <= count; ++r) {
        auto *parameter = dynamic_cast<TParameter *>(List->GetItem(r));
        if (!parameter)
            continue;
        // The screen takes the point only; a comma is a conversion error here, unlike in
        // the run files.
        parameter->SetDisplayValue(StrToFloat(Edit(r)->text().toStdString()));
    }
}

void TInputFrame::ShowValues(TAssociationList *List)
{
    if (!List)
        return;
    const int count = std::min(EditCount(), List->Count());
    for (int r = 1; r <= count; ++r) {
        if (auto *parameter = dynamic_cast<TParameter *>(List->GetItem(r)))
            ShowValue(r - 1, parameter);
    }
}

void TInputFrame::DisableEdits()
{
    for (int r = 1; r <= EditCount(); ++r)
        Edit(r)->setEnabled(false);
}

void TInputFrame::EnableEdits()
{
    for (int r = 1; r <= EditCount(); ++r)
        Edit(r)->setEnabled(true);
}
