#include "TStringGrid.h"

#include "Errors.h"

#include <QHeaderView>

namespace {
void CheckIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw EListError(index);
}
}  // namespace

TStringGrid::TStringGrid(QWidget *parent) : QTableWidget(parent)
{
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth);
    // The table shows results; only the program writes it.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

TStringGrid::TColStrings TStringGrid::Cols(int col)
{
    CheckIndex(col, ColCount());
    return TColStrings(*this, col);
}

TStringGrid::TRowStrings TStringGrid::Rows(int row)
{
    CheckIndex(row, RowCount());
    return TRowStrings(*this, row);
}

std::string TStringGrid::Cells(int col, int row) const
{
    CheckIndex(col, ColCount());
    CheckIndex(row, RowCount());
    const QTableWidgetItem *cell = item(row, col);
    return cell ? cell->text().toStdString() : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string &text)
{
    CheckIndex(col, ColCount());
    CheckIndex(row, RowCount());
    setItem(row, col, new QTableWidgetItem(QString::fromStdString(text)));
}

void TStringGrid::TColStrings::Clear()
{
    for (int row = 0; row < FGrid.RowCount(); ++row)
        delete FGrid.takeItem(row, FCol);
}

void TStringGrid::TRowStrings::Add(const std::string &text)
{
    for (int col = 0; col < FGrid.ColCount(); ++col) {
        if (FGrid.Cells(col, FRow).empty()) {
            FGrid.SetCells(col, FRow, text.empty() ? std::string(" ") : text);
            return;
        }
    }
}
