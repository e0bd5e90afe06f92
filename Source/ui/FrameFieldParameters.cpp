#include "FrameFieldParameters.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const int kRows = 15;
const int kBase = 62, kStep = 20;
// Tag of a filled edit: its 1-based row.
const char *const kTag = "Tag";
}

TfraFieldParameters::TfraFieldParameters(QWidget *parent)
    : TInputFrame(kBase, kStep, parent), TitleLabel(new QLabel(this))
{
    setObjectName("fraFieldParameters");
    TitleLabel->setObjectName("Label27");
    TitleLabel->move(8, 4);
    FOtherLabels.push_back(TitleLabel);
    for (int r = 1; r <= kRows; ++r) {
        // Row 13 sits one pixel further left, as it was drawn; the two rows added below it
        // take the column of the others. Their labels follow the title's number.
        const int shift = r == 13 ? -1 : 0;
        const int captionNumber = r <= 13 ? 2 * r - 1 : 28 + 2 * (r - 14);
        AddRow(r, 8 + shift, 152 + shift, 288 + shift, 32 + 20 * (r - 1), QString("Label%1").arg(captionNumber),
               QString("Label%1").arg(captionNumber + 1));
    }
    Clear();
}

void TfraFieldParameters::Display(const std::string &Title, TAssociationList *List)
{
    DisplayList(List);
    SetTitle(Title);
}

void TfraFieldParameters::SetTitle(const std::string &Title)
{
    TitleLabel->setText(QString::fromStdString(Title));
    TitleLabel->adjustSize();
    TitleLabel->show();
}

void TfraFieldParameters::ShowValue(int row, TParameter *parameter)
{
    TInputFrame::ShowValue(row, parameter);
    Edit(row + 1)->setProperty(kTag, row + 1);
}

void TfraFieldParameters::ClearValue(QWidget *value)
{
    TInputFrame::ClearValue(value);
    value->setProperty(kTag, 0);
}

int TfraFieldParameters::EditRow(const QWidget *edit) const
{
    for (int r = 1; r <= EditCount(); ++r) {
        if (Edit(r) == edit)
            return Edit(r)->property(kTag).toInt();
    }
    return 0;
}
