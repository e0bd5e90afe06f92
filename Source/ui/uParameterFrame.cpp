#include "uParameterFrame.h"

#include "ConcreteCollections.h"
#include "uFormFont.h"
#include "uParameter.h"

#include <QLabel>

#include <memory>

TParameterFrame::TParameterFrame(int base, int step, QWidget *parent)
    : QWidget(parent), FHeight(base), FBase(base), FStep(step)
{
    setFont(FormFont(-13));
}

void TParameterFrame::Clear()
{
    FHeight = FBase;
    for (const TRow &row : FRows) {
        row.Caption->clear();
        row.Caption->hide();
        row.Unit->clear();
        row.Unit->hide();
        ClearValue(row.Value);
    }
    for (QLabel *label : FOtherLabels) {
        label->clear();
        label->hide();
    }
}

QLabel *TParameterFrame::CaptionLabel(int r) const
{
    return r >= 1 && r <= RowCount() ? FRows[static_cast<std::size_t>(r - 1)].Caption : nullptr;
}

QLabel *TParameterFrame::UnitLabel(int r) const
{
    return r >= 1 && r <= RowCount() ? FRows[static_cast<std::size_t>(r - 1)].Unit : nullptr;
}

void TParameterFrame::DisplayList(TAssociationList *List)
{
    Clear();
    if (!List)
        return;
    std::unique_ptr<TIterator> it(List->CreateIterator());
    int row = 0;
    while (!it->IsDone()) {
        auto *parameter = dynamic_cast<TParameter *>(it->Next());
        if (!parameter)
            continue;
        FHeight += FStep;
        if (row < RowCount()) {
            const TRow &r = FRows[static_cast<std::size_t>(row)];
            r.Caption->setText(QString::fromStdString(parameter->GetDescription()));
            r.Caption->adjustSize();
            r.Caption->show();
            ShowValue(row, parameter);
            r.Unit->setText(QString::fromStdString(parameter->GetUnitText()));
            r.Unit->adjustSize();
            r.Unit->show();
        }
        ++row;
    }
}
