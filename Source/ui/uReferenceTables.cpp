// The reference tables of the design windows: which table F1 opens for the focused field
// edit, and which edits a picked row of it fills.
#include "uDesignWindow.h"

#include "FixedStringGrid.h"
#include "FrameFieldParameters.h"
#include "FrameInfo.h"
#include "uParameter.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

#include <vector>

namespace {

// A table chosen by the depth and time units rather than fixed.
constexpr TInfoTableIndex kTimeRatedByUnits = -1;
constexpr TInfoTableIndex kKostiakovByUnits = -2;
// The furrow's field row that holds "SCS #", which moves with the geometry: looked up in the
// field list shown.
constexpr int kSCSRow = -1;

const char *const kFamiliesCaption = " SCS Intake families ";
const char *const kManningCaption = " Flow resistance (Rec. n-values) ";

struct TInfoRow {
    TIrrigationModule Module;
    const char *Item;  // the checked infiltration item; nullptr: any
    int Row;
    TInfoTableIndex Index;
    const char *Caption;
    int Flag;  // 1 to 3
};

// The furrow offers the n-values for its flow resistance (row 3) as the other windows do.
const TInfoRow kInfoRows[] = {
    {imBasin, "mniModifiedSCSfamilies", 1, itIntakeFamilies, kFamiliesCaption, 1},
    {imBasin, "mniModifiedSCSfamilies", 2, itManning, kManningCaption, 2},
    {imBasin, "mniTimeratedfamilies", 1, kTimeRatedByUnits, " Time-rated families ", 1},
    {imBasin, "mniTimeratedfamilies", 2, itManning, kManningCaption, 2},
    {imBasin, "mniKostiakovequation", 1, kKostiakovByUnits, " Kostiakov equation ", 1},
    {imBasin, "mniKostiakovequation", 2, kKostiakovByUnits, " Kostiakov equation ", 2},
    {imBasin, "mniKostiakovequation", 3, itManning, kManningCaption, 3},
    {imBorder, "mniModifiedSCSfamilies", 1, itIntakeFamiliesFine, kFamiliesCaption, 1},
    {imBorder, "mniModifiedSCSfamilies", 2, itManning, kManningCaption, 2},
    {imBorder, "mniKostiakovequation", 4, itManning, kManningCaption, 3},
    {imFurrow, "mniModifiedSCSfamilies", kSCSRow, itIntakeFamiliesFine, kFamiliesCaption, 1},
    {imFurrow, nullptr, 3, itManning, kManningCaption, 2},
};

// What a pick copies: from a column of the picked row into the edit of a field row.
struct TCopy {
    int Column;
    int Row;
};
struct TPickRow {
    TIrrigationModule Module;
    std::vector<const char *> Items;  // one of them checked; empty: any
    int Flag;
    std::vector<TCopy> Copies;
};

const std::vector<TPickRow> &PickRows()
{
    static const std::vector<TPickRow> rows = {
        {imBasin, {"mniModifiedSCSfamilies", "mniTimeratedfamilies"}, 1, {{0, 1}}},
        {imBasin, {"mniModifiedSCSfamilies", "mniTimeratedfamilies"}, 2, {{0, 2}}},
        {imBasin, {"mniKostiakovequation"}, 1, {{0, 1}, {1, 2}}},
        {imBasin, {"mniKostiakovequation"}, 2, {{0, 1}, {1, 2}}},
        {imBasin, {"mniKostiakovequation"}, 3, {{0, 3}}},
        {imBorder, {"mniModifiedSCSfamilies"}, 1, {{0, 1}}},
        {imBorder, {"mniModifiedSCSfamilies"}, 2, {{0, 2}}},
        {imBorder, {"mniKostiakovequation"}, 3, {{0, 4}}},
        {imFurrow, {"mniModifiedSCSfamilies"}, 1, {{0, kSCSRow}}},
        {imFurrow, {}, 2, {{0, 3}}},
    };
    return rows;
}

// The tables by units follow one another: millimetres, centimetres, inches per minute, then
// the same per hour. A depth of no table (the furrow's amounts) has none.
TInfoTableIndex ByUnits(TInfoTableIndex which, TUnitKind depth, TUnitKind time)
{
    const TUnitKind depths[] = {ukMM, ukCM, ukINCH};
    const TInfoTableIndex first = which == kTimeRatedByUnits ? itTimeRatedMmMin : itKostiakovMmMin;
    for (int d = 0; d < 3; ++d) {
        if (depths[d] == depth)
            return first + 3 * (time == ukHours ? 1 : 0) + d;
    }
    return kTimeRatedByUnits;  // no table
}

}  // namespace

bool TfrmDesignWindow::HasInfoTable(int fieldRow) const
{
    for (const TInfoRow &info : kInfoRows) {
        if (info.Module == FTraits.Module && (!info.Item || ItemChecked(info.Item)) &&
            (info.Row == kSCSRow ? SCSRow() : info.Row) == fieldRow)
            return true;
    }
    return false;
}

void TfrmDesignWindow::ShowInformation()
{
    FInfoShown = {false, false, false};
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    const int row = edit ? fraFieldParameters1->EditRow(edit) : 0;
    bool shown = false;
    for (const TInfoRow &info : kInfoRows) {
        if (info.Module != FTraits.Module || (info.Item && !ItemChecked(info.Item)))
            continue;
        const int infoRow = info.Row == kSCSRow ? SCSRow() : info.Row;
        if (row == 0 || infoRow != row)
            continue;
        grbExtraInformation->setTitle(info.Caption);
        FInfoShown[static_cast<std::size_t>(info.Flag - 1)] = true;
        const TInfoTableIndex index =
            info.Index == kTimeRatedByUnits || info.Index == kKostiakovByUnits ? ByUnits(info.Index, CheckedKind(FDepthGroup, ukMM), CheckedKind(FTimeGroup, ukMinutes)) : info.Index;
        shown = fraInfo1->ShowInfo(index);
        break;
    }
    if (!shown) {
        grbExtraInformation->hide();
        return;
    }
    grbExtraInformation->move(grbExtraInformation->x(), grbFieldParameters->y() + grbFieldParameters->height() + 10);
    grbExtraInformation->resize(grbExtraInformation->width(), fraInfo1->FHeight);
    grbExtraInformation->show();
}

void TfrmDesignWindow::fraInfo1stgInformationSelectCell(int /*ACol*/, int ARow)
{
    for (int flag = 1; flag <= 3; ++flag) {
        if (!FInfoShown[static_cast<std::size_t>(flag - 1)])
            continue;
        for (const TPickRow &pick : PickRows()) {
            if (pick.Module != FTraits.Module || pick.Flag != flag)
                continue;
            bool checked = pick.Items.empty();
            for (const char *item : pick.Items)
                checked = checked || ItemChecked(item);
            if (!checked)
                continue;
            // The texts go into the edits as the user would type them.
            for (const TCopy &copy : pick.Copies) {
                const int row = copy.Row == kSCSRow ? SCSRow() : copy.Row;
                if (QLineEdit *edit = fraFieldParameters1->Edit(row))
                    edit->setText(QString::fromStdString(fraInfo1->stgInformation->Cells(copy.Column, ARow)));
            }
        }
        break;
    }
    ValidateInputs();
    if (FTraits.UpdatesInfiltrationFirst)
        UpdateInfiltration();
}

int TfrmDesignWindow::SCSRow() const
{
    for (int row = FFieldParameters->Lower(); row <= FFieldParameters->Upper(); ++row) {
        const auto *parameter = dynamic_cast<const TParameter *>(FFieldParameters->GetItem(row));
        if (parameter && parameter->Name() == "SCS #")
            return row;
    }
    return 0;
}
