#include "uGridObject.h"

#include "ConcreteCollections.h"
#include "Errors.h"
#include "TStringGrid.h"

#include <memory>

namespace {
// The size a fill starts from: more rows and columns than any module's table needs.
constexpr int kInitialRowCount = 60;
constexpr int kInitialColCount = 100;
constexpr int kCaptionWidth = 200;
constexpr int kUnitWidth = 70;
// Columns before the first run column: the captions and the units.
constexpr int kHeaderColumns = 2;
}  // namespace

void TIrrikaGridObject::ClearGrid()
{
    for (int col = 0; col < FGrid->ColCount(); ++col)
        FGrid->Cols(col).Clear();
}

void TIrrikaGridObject::SetRowHeaders(int firstDataRow, const std::vector<std::string> *captions,
                                      const std::vector<std::string> *units)
{
    FFirstDataRow = firstDataRow;
    if (!captions || !units)
        return;
    Assert(captions->size() == units->size(), "uGridObject", __LINE__);
    ClearGrid();
    FGrid->SetRowCount(kInitialRowCount);
    FGrid->SetColCount(kInitialColCount);
    FGrid->SetColWidths(0, kCaptionWidth);
    FGrid->SetColWidths(1, kUnitWidth);
    const int rows = static_cast<int>(captions->size());
    // More header rows than the initial size would otherwise lose their captions.
    if (rows > FGrid->RowCount())
        FGrid->SetRowCount(rows);
    for (int i = 0; i < rows; ++i) {
        FGrid->Rows(i).Add((*captions)[i]);
        FGrid->Rows(i).Add((*units)[i]);
    }
    if (rows > 2)
        FGrid->SetRowCount(rows);
}

void TIrrikaGridObject::AddDataColumns(TAggregationList *lists)
{
    if (!lists)
        return;
    // Every run gets its column, also beyond the initial 98: a dropped run would be a
    // comparison that silently misses data.
    if (kHeaderColumns + lists->Count() > FGrid->ColCount())
        FGrid->SetColCount(kHeaderColumns + lists->Count());
    int n = kHeaderColumns;
    std::unique_ptr<TIterator> it(lists->CreateIterator());
    while (!it->IsDone()) {
        const auto *list = dynamic_cast<const TDataList *>(it->Next());
        ++n;
        if (!list)
            continue;
        FGrid->Rows(0).Add(std::to_string(list->FRunNumber));
        if (list->FOperation != 0) {
            FGrid->Rows(1).Add(std::to_string(list->FOperation));
            FGrid->Rows(2).Add(std::to_string(list->FMode));
        } else {
            FGrid->Rows(1).Add(std::to_string(list->FMode));
        }
        const int needed = FFirstDataRow + static_cast<int>(list->FValues.size());
        if (FGrid->RowCount() < needed)
            FGrid->SetRowCount(needed);
        for (std::size_t j = 0; j < list->FValues.size(); ++j)
            FGrid->Rows(FFirstDataRow + static_cast<int>(j)).Add(list->FValues[j]);
    }
    if (n >= kHeaderColumns + 1)
        FGrid->SetColCount(n);
}
