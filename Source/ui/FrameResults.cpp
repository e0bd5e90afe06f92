#include "FrameResults.h"

#include "uParameter.h"

#include <QLabel>

namespace {
const int kRows = 20;
const int kBase = 40, kStep = 24;
}

TfraResults::TfraResults(QWidget *parent) : TParameterFrame(kBase, kStep, parent)
{
    setObjectName("fraResults");
    for (int r = 1; r <= kRows; ++r) {
        const int y = 16 + 24 * (r - 1);
        QLabel *labels[3];
        for (int i = 0; i < 3; ++i) {
            labels[i] = new QLabel(this);
            labels[i]->setObjectName(QString("Label%1").arg(3 * r - 2 + i));
        }
        labels[0]->move(8, y);
        labels[1]->move(160, y);
        labels[2]->move(256, y);
        FRows.push_back({labels[0], labels[1], labels[2]});
    }
    Clear();
}

QLabel *TfraResults::ValueLabel(int r) const
{
    return r >= 1 && r <= RowCount() ? static_cast<QLabel *>(FRows[static_cast<std::size_t>(r - 1)].Value) : nullptr;
}

void TfraResults::ShowValue(int row, TParameter *parameter)
{
    QLabel *value = ValueLabel(row + 1);
    value->setText(QString::fromStdString("= " + parameter->GetResultText()));
    value->adjustSize();
    value->show();
}

void TfraResults::ClearValue(QWidget *value)
{
    auto *label = static_cast<QLabel *>(value);
    label->clear();
    label->hide();
}
