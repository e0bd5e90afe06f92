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

// What a pick copies: the text of a column of the picked row into the edit of a field
// parameter.
struct TInfoCopy {
    int Column;
    const char *Parameter;
};

// The field parameter whose edit owns a table, with the infiltration item that must be
// checked (nullptr: any), and what a row picked from its table fills; the flag tells the
// pick which edit the table was opened from.
struct TInfoTableRow {
    TIrrigationModule Module;
    const char *Item;
    const char *Parameter;
    TInfoTableIndex Index;
    const char *Caption;
    int Flag;  // 1 to 3
    std::vector<TInfoCopy> Copies;
};

namespace {

// A table chosen by the depth and time units rather than fixed.
constexpr TInfoTableIndex kTimeRatedByUnits = -1;
constexpr TInfoTableIndex kKostiakovByUnits = -2;

const char *const kFamiliesCaption = " SCS Intake families ";
const char *const kManningCaption = " Flow resistance (Rec. n-values) ";

// The furrow offers the n-values for its flow resistance as the other windows do.
const std::vector<TInfoTableRow> &InfoRows()
{
    static const std::vector<TInfoTableRow> rows = {
        {imBasin, "mniModifiedSCSfamilies", "SCS #", itIntakeFamilies, kFamiliesCaption, 1, {{0, "SCS #"}}},
        {imBasin, "mniModifiedSCSfamilies", "Flowresistance", itManning, kManningCaption, 2,
         {{0, "Flowresistance"}}},
        {imBasin, "mniTimeratedfamilies", "TimeRatedT100", kTimeRatedByUnits, " Time-rated families ", 1,
         {{0, "TimeRatedT100"}}},
        {imBasin, "mniTimeratedfamilies", "Flowresistance", itManning, kManningCaption, 2, {{0, "Flowresistance"}}},
        {imBasin, "mniKostiakovequation", "KostiakovA", kKostiakovByUnits, " Kostiakov equation ", 1,
         {{0, "KostiakovA"}, {1, "Kostiakovk"}}},
        {imBasin, "mniKostiakovequation", "Kostiakovk", kKostiakovByUnits, " Kostiakov equation ", 2,
         {{0, "KostiakovA"}, {1, "Kostiakovk"}}},
        {imBasin, "mniKostiakovequation", "Flowresistance", itManning, kManningCaption, 3, {{0, "Flowresistance"}}},
        {imBorder, "mniModifiedSCSfamilies", "SCS #", itIntakeFamiliesFine, kFamiliesCaption, 1, {{0, "SCS #"}}},
        {imBorder, "mniModifiedSCSfamilies", "Flowresistance", itManning, kManningCaption, 2,
         {{0, "Flowresistance"}}},
        {imBorder, "mniKostiakovequation", "Flowresistance", itManning, kManningCaption, 3, {{0, "Flowresistance"}}},
        {imFurrow, "mniModifiedSCSfamilies", "SCS #", itIntakeFamiliesFine, kFamiliesCaption, 1, {{0, "SCS #"}}},
        {imFurrow, nullptr, "Flowresistance", itManning, kManningCaption, 2, {{0, "Flowresistance"}}},
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

const TInfoTableRow *TfrmDesignWindow::FindInfoRow(int fieldRow) const
{
    const TParameter *parameter = FieldParameter(fieldRow);
    if (!parameter)
        return nullptr;
    for (const TInfoTableRow &info : InfoRows()) {
        if (info.Module == FTraits.Module && (!info.Item || ItemChecked(info.Item)) && parameter->Name() == info.Parameter)
            return &info;
    }
    return nullptr;
}

bool TfrmDesignWindow::HasInfoTable(int fieldRow) const { return FindInfoRow(fieldRow) != nullptr; }

void TfrmDesignWindow::ShowInformation()
{
    FInfoShown = {false, false, false};
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    const TInfoTableRow *info = edit ? FindInfoRow(fraFieldParameters1->EditRow(edit)) : nullptr;
    bool shown = false;
    if (info) {
        grbExtraInformation->setTitle(info->Caption);
        FInfoShown[static_cast<std::size_t>(info->Flag - 1)] = true;
        const TInfoTableIndex index =
            info->Index == kTimeRatedByUnits || info->Index == kKostiakovByUnits ? ByUnits(info->Index, CheckedKind(FDepthGroup, ukMM), CheckedKind(FTimeGroup, ukMinutes)) : info->Index;
        shown = fraInfo1->ShowInfo(index);
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
        for (const TInfoTableRow &info : InfoRows()) {
            if (info.Module != FTraits.Module || info.Flag != flag || (info.Item && !ItemChecked(info.Item)))
                continue;
            // The texts go into the edits as the user would type them.
            for (const TInfoCopy &copy : info.Copies) {
                if (QLineEdit *edit = fraFieldParameters1->Edit(FieldRow(copy.Parameter)))
                    edit->setText(QString::fromStdString(fraInfo1->stgInformation->Cells(copy.Column, ARow)));
            }
        }
        break;
    }
    ValidateInputs();
    if (FTraits.UpdatesInfiltrationFirst)
        UpdateInfiltration();
}

const TParameter *TfrmDesignWindow::FieldParameter(int row) const
{
    if (row < FFieldParameters->Lower() || row > FFieldParameters->Upper())
        return nullptr;
    return dynamic_cast<const TParameter *>(FFieldParameters->GetItem(row));
}

int TfrmDesignWindow::FieldRow(const char *name) const
{
    for (int row = FFieldParameters->Lower(); row <= FFieldParameters->Upper(); ++row) {
        const TParameter *parameter = FieldParameter(row);
        if (parameter && parameter->Name() == name)
            return row;
    }
    return 0;
}
