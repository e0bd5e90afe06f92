// Storing and opening runs in the design windows: F4's questions and dialogs, Files > View
// and Load with the menus set from the opened file, and Delete Run in the runs table.
#include "uDesignWindow.h"

#include "Dialogs.h"
#include "Errors.h"
#include "ExecutableFolder.h"
#include "FileNames.h"
#include "FixedStringGrid.h"
#include "FormAppendReplace.h"
#include "FrameGraphGrid.h"
#include "TStatusBar.h"
#include "uConstants.h"
#include "uIrrigationDataSet.h"
#include "uRunFileLayout.h"
#include "uRunFileLines.h"
#include "uRunGraphs.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>

#include <algorithm>
#include <fstream>
#include <memory>
#include <set>

namespace {

const std::string kLineBreak = uConstants::LineBreak;
const char *const kAllFiles = "All files (*.*)";

// The menu item of each unit kind that opening a file checks (amounts: the furrow's Load).
struct TUnitItem {
    TUnitKind Kind;
    QAction *TfrmDesignWindow::*Item;
    bool AmountUnit;
};
const TUnitItem kUnitItems[] = {
    {ukFeet, &TfrmDesignWindow::mnifeet, false},
    {ukMeters, &TfrmDesignWindow::mnimeters, false},
    {ukMM, &TfrmDesignWindow::mnimillimetres, false},
    {ukINCH, &TfrmDesignWindow::mniinches, false},
    {ukLS_1, &TfrmDesignWindow::mnilitrespersecond, false},
    {ukGALMIN_1, &TfrmDesignWindow::mniUSgallonsperminute, false},
    {ukM3MIN_1, &TfrmDesignWindow::mnicubicmetresperminute, false},
    {ukFT3S_1, &TfrmDesignWindow::mnicubicfeetpersecond, false},
    {ukMinutes, &TfrmDesignWindow::mniminutes, false},
    {ukHours, &TfrmDesignWindow::mnihours, false},
    {ukCM, &TfrmDesignWindow::mnicentimeters, false},
    {ukM3M_1, &TfrmDesignWindow::mniCubicMetre, true},
    {ukFT3FT_1, &TfrmDesignWindow::mniCubicFeet, true},
};

// The stored value of an option parameter as an integer; false when the run lacks it (the
// lookup has said so) or it is no integer.
bool OptionValue(TIrrigationRun &run, const char *name, int &value)
{
    TParameter *parameter = run.GetParameters()->FindParameter(name);
    if (!parameter)
        return false;
    try {
        value = parameter->GetValueAsInteger();
        return true;
    } catch (const Exception &) {
        return false;
    }
}

// The module whose run file this is, by the tag of its first field; false when the file
// cannot be read or its first field names no module.
bool RunFileModule(const std::string &path, TIrrigationModule &module)
{
    std::ifstream in(path, std::ios::binary);
    std::string header;
    if (!in || !std::getline(in, header))
        return false;
    const TFieldList fields = SplitFields(header);
    if (fields.empty())
        return false;
    struct TModuleLayout {
        TIrrigationModule Module;
        const TRunFileLayout &Layout;
    };
    for (const TModuleLayout &row : {TModuleLayout{imBasin, PondixLayout()}, TModuleLayout{imBorder, StrivaLayout()},
                                     TModuleLayout{imFurrow, RilloxLayout()}}) {
        if (fields[0] == row.Layout.Tag) {
            module = row.Module;
            return true;
        }
    }
    return false;
}

}  // namespace

bool TfrmDesignWindow::SaveRun()
{
    if (!FFormatter || !FDataSet)
        return false;
    const std::string previousName = FDataSet->FileName();
    const TFileKind previousKind = FDataSet->FileKind();
    bool result = false;
    std::string name = FDataSet->FileName();
    DialogAnswer answer = DialogAnswer::No;
    if (!name.empty())
        answer = AskQuestion("Append to " + kLineBreak + name + " ?", DialogButtons::YesNoCancel);

    if (name.empty() || answer == DialogAnswer::No) {
        FileDialogRequest request;
        request.title = "Save calculated irrigations";
        request.initialDir = FDataSet->DataDir();
        request.fileName = FDataSet->FileName();
        request.filters = {FTraits.RunFileFilter, kAllFiles};
        request.filterIndex = FRunFileFilterIndex;
        FileDialogChoice choice;
        if (!Dialogs::Current().SaveFile(request, choice))
            return false;
        FRunFileFilterIndex = choice.filterIndex;
        if (choice.filterIndex == 1)
            FDataSet->SetFileKind(FTraits.RunFileKind);
        name = ChangeFileExt(choice.fileName, FTraits.RunFileExtension);
        if (FileExists(name)) {
            auto dialog = std::make_unique<TfrmAppendReplace>(this);
            frmAppendReplace = dialog.get();
            dialog->SetFileName(name);
            dialog->exec();
            const bool append = dialog->Append(), replace = dialog->Replace();
            frmAppendReplace = nullptr;
            dialog.reset();
            if (append) {
                FDataSet->SetFileName(name);
                // The data set takes the file's runs in place of its own.
                result = WithLiveLists([this] { return FFormatter->AppendLastRun(); });
            } else if (replace) {
                FDataSet->SetFileName(name);
                result = WithLiveLists([this] { return FFormatter->ReplaceWithLastRun(); });
            } else {
                FDataSet->SetFileName("");
                return false;
            }
        } else {
            FDataSet->SetFileName(name);
            result = WithLiveLists([this] { return FFormatter->ReplaceWithLastRun(); });
        }
    } else if (answer == DialogAnswer::Yes) {
        std::string text;
        if (FDataSet->CompareUnits(FDataSet->CurrentRun(), text))
            result = FFormatter->SaveRuns();
        else
            ShowMessage("Cannot save run, Units differ from first calculated run" + kLineBreak + kLineBreak + "\t" +
                        text);
    }
    // Nothing was written: the file the data set names stays the one it named before.
    if (!result && answer != DialogAnswer::Cancel) {
        FDataSet->SetFileName(previousName);
        FDataSet->SetFileKind(previousKind);
    }
    return result;
}

bool TfrmDesignWindow::OpenRunFile(bool forLoad)
{
    if (!FFormatter || !FDataSet)
        return false;
    FileDialogRequest request;
    request.initialDir = FDataSet->DataDir();
    request.filters = {FTraits.RunFileFilter, kAllFiles};
    FileDialogChoice choice;
    if (!Dialogs::Current().OpenFile(request, choice))
        return false;
    // Another module's runs mean nothing here (chosen through "All files"): refused as
    // every file that does not load, but with a word on what it is.
    TIrrigationModule owner = FTraits.Module;
    if (RunFileModule(choice.fileName, owner) && owner != FTraits.Module) {
        ShowErrorMessage(std::string("Cannot open a ") + DesignWindowTraits(owner).Caption + " run file in " +
                         FTraits.Caption + kLineBreak + choice.fileName);
        return false;
    }
    // A file that does not load leaves the window as it was, its file name included.
    const std::string previousName = FDataSet->FileName();
    FDataSet->SetFileName(choice.fileName);
    bool loaded = false;
    try {
        loaded = WithLiveLists([this] { return FFormatter->LoadRuns(); });
    } catch (...) {
        FDataSet->SetFileName(previousName);
        throw;
    }
    if (!loaded) {
        FDataSet->SetFileName(previousName);
        return false;
    }
    if (TIrrigationRun *last = FDataSet->GetLastRun())
        RestoreMenus(*last, forLoad);
    UpdateInfiltration();
    return true;
}

bool TfrmDesignWindow::WithLiveLists(const std::function<bool()> &step)
{
    // The names are taken while every run the lists refer to exists.
    std::array<std::vector<std::string>, 3> names;
    const TAssociationList *lists[] = {FDecisionVariables.get(), FFieldParameters.get(), FResults.get()};
    for (std::size_t l = 0; l < names.size(); ++l)
        for (int i = 1; i <= lists[l]->Count(); ++i)
            names[l].push_back(static_cast<TParameter *>(lists[l]->GetItem(i))->Name());
    // Also when the step raises.
    struct TRelink {
        TfrmDesignWindow &Window;
        const std::array<std::vector<std::string>, 3> &Names;
        ~TRelink() { Window.RelinkLists(Names); }
    } relink{*this, names};
    return step();
}

void TfrmDesignWindow::RelinkLists(const std::array<std::vector<std::string>, 3> &names)
{
    std::set<const TRootObject *> owned;
    if (FDataSet) {
        const std::unique_ptr<TIterator> runs = FDataSet->CreateRunIterator();
        while (!runs->IsDone()) {
            const std::unique_ptr<TIterator> parameters(
                static_cast<TIrrigationRun *>(runs->Next())->GetParameters()->CreateParameterIterator());
            while (!parameters->IsDone())
                owned.insert(parameters->Next());
        }
    }
    TIrrigationRun *current = CurrentRun();
    TAssociationList *lists[] = {FDecisionVariables.get(), FFieldParameters.get(), FResults.get()};
    for (std::size_t l = 0; l < names.size(); ++l) {
        // Last entry first, so that taking one out leaves the names of the others in place.
        for (int i = std::min<int>(lists[l]->Count(), static_cast<int>(names[l].size())); i >= 1; --i) {
            if (owned.count(lists[l]->GetItem(i)))
                continue;
            TParameter *now = current ? current->GetParameters()->FindParameter(names[l][i - 1]) : nullptr;
            if (now)
                lists[l]->SetItem(i, now);
            else
                lists[l]->Delete(i);
        }
    }
}

void TfrmDesignWindow::RestoreMenus(TIrrigationRun &run, bool forLoad)
{
    QAction *modes[] = {mniN1Flowrate, mniN2Dimensions, mniN3Cutofftime, mniN4Mindepth};
    const TCalculationMode mode = run.GetMode();
    if (mode >= cmInflowRate && mode <= cmMinimumDepth)
        FCalculationGroup.Check(modes[mode - 1]);

    struct TInfiltrationItem {
        TInfiltrationType Type;
        QAction *Item;
    };
    for (const TInfiltrationItem &row : {TInfiltrationItem{itIntakeFamily, mniModifiedSCSfamilies},
                                         TInfiltrationItem{itTimeRated, mniTimeratedfamilies},
                                         TInfiltrationItem{itKostiakov, mniKostiakovequation},
                                         TInfiltrationItem{itFieldData, mniFieldData}}) {
        if (row.Item && run.InfiltrationType() == row.Type)
            FInfiltrationGroup.Check(row.Item);
    }

    int value = 0;
    if (FTraits.RestoresOperation && OptionValue(run, "Operation", value)) {
        QAction *operations[] = {mniFixedFlow, mniCutbackFlow, mniTailwaterReuse};
        if (value >= okFixedFlow && value <= okTailwaterReuse)
            FOperationGroup.Check(operations[value - 1]);
    }
    if (FTraits.RestoresGeometry && OptionValue(run, "Geometry", value)) {
        if (value == fgCrossSectionShape) {
            FGeometryGroup.Check(mniCrossSection);
            int shape = 0;
            QAction *shapes[] = {mniTriangular, mniParabolic, mniTrapezoidal};
            if (OptionValue(run, "CrossSection", shape) && shape >= csTriangular && shape <= csTrapezoidal)
                FCrossSectionGroup.Check(shapes[shape - 1]);
        } else if (value == fgShapeCoefficients) {
            FGeometryGroup.Check(mniSigma_Tau);
        }
    }

    // The units the run was stored in; within a group the last parameter decides. The
    // parameters keep their units, and the remembered checks stay as they were.
    std::unique_ptr<TIterator> parameters(run.GetParameters()->CreateParameterIterator());
    while (!parameters->IsDone()) {
        auto *parameter = dynamic_cast<TParameter *>(parameters->Next());
        if (!parameter || !parameter->GetUnit())
            continue;
        for (const TUnitItem &row : kUnitItems) {
            QAction *item = this->*row.Item;
            if (row.Kind != parameter->GetUnit()->Kind() || !item)
                continue;
            if (row.AmountUnit && !(forLoad && FTraits.LoadRestoresAmountUnits))
                continue;
            for (TRadioMenuGroup *group : {&FFlowGroup, &FLengthGroup, &FDepthGroup, &FTimeGroup})
                if (group->Contains(item))
                    group->Check(item);
        }
    }
}

void TfrmDesignWindow::mniViewClick()
{
    if (!OpenRunFile(false))
        return;
    fraGraphGrid1->SetTableTabVisible(true);
    fraGraphGrid1->ActivatePage(fraGraphGrid1->tshTable);
    fraGraphGrid1->bbtDeleteRun->setEnabled(true);
    FFormatter->FillRunTable();
    FFormatter->FTimeChart = fraGraphGrid1->chrtTimes;
    FFormatter->FDepthChart = fraGraphGrid1->chrtDepths;
    FFormatter->DrawGraphs(FDataSet->CurrentRun());
    sbxCalculation->hide();
    sbxGraph->show();
    FInputActive = true;
    StatusBar1->SetPanelText(0, "F3 Graph");
}

void TfrmDesignWindow::mniLoadClick()
{
    if (OpenRunFile(true))
        CalculationClick();
}

int TfrmDesignWindow::SelectedRunNumber() const
{
    // The table leaves out runs that are not calculated or have other units, so a column
    // is known by the run number at its head, not by its place.
    TStringGrid *grid = fraGraphGrid1->stgIrrigationRuns;
    const int column = grid->currentColumn();
    if (column < 2 || column >= grid->ColCount())
        return 0;
    try {
        return std::stoi(grid->Cells(column, 0));
    } catch (...) {
        return 0;
    }
}

void TfrmDesignWindow::fraGraphGrid1bbtDeleteRunClick()
{
    if (!FFormatter || !FDataSet)
        return;
    if (fraGraphGrid1->pgcGraphGrid->currentWidget() == fraGraphGrid1->tshTable) {
        const int n = SelectedRunNumber();
        if (n >= 1 && FDataSet->GetRunCount() >= 2) {
            WithLiveLists([this, n] { return FFormatter->DeleteRun(n) == 0; });
            ShowMessage("Table will be automatically saved");
            FFormatter->SaveRuns();
        }
    }
    FFormatter->FillRunTable();
    FDataSet->SetCurrentRun(SelectedRunNumber());
}

void TfrmDesignWindow::fraGraphGrid1btbtnSaveTimeChartClick()
{
    if (!FFormatter || !FDataSet)
        return;
    if (fraGraphGrid1->pgcGraphGrid->currentWidget() == fraGraphGrid1->tshGraph) {
        FileDialogRequest request;
        request.title = "Save Time and Depth Graph ";
        request.initialDir = FDataSet->DataDir();
        request.filters = {"Bitmaps (*.bmp)", "JPEG (*.jpg)", "Metafiles (*.wmf)"};
        request.filterIndex = FPictureFilterIndex;
        request.fileName = FPictureFileName;
        request.overwritePrompt = true;
        FileDialogChoice choice;
        if (!Dialogs::Current().SaveFile(request, choice))
            return;
        FPictureFilterIndex = choice.filterIndex;
        FPictureFileName = choice.fileName;
        const TGraphPictureKind kinds[] = {gkBitmap, gkJPEG, gkMetafile};  // the filters' order
        if (choice.filterIndex >= 1 && choice.filterIndex <= 3)
            FFormatter->SaveGraphs(kinds[choice.filterIndex - 1], choice.fileName);
        return;
    }
    FileDialogRequest request;
    request.title = "Export calculated irrigations";
    request.initialDir = FDataSet->DataDir();
    request.filters = {"Excel files (*.xls)", "ASCII files (*.txt)"};
    request.filterIndex = FExportFilterIndex;
    request.overwritePrompt = true;
    const std::string runFile = FDataSet->FileName();
    const TFileKind kind = FDataSet->FileKind();
    const std::string bare = ExtractFileName(runFile);
    request.fileName = bare.size() > 4 ? bare.substr(0, bare.size() - 4) : std::string();
    FileDialogChoice choice;
    if (!Dialogs::Current().SaveFile(request, choice))
        return;
    FExportFilterIndex = choice.filterIndex;
    // The run file comes back whatever happens: a later save writes runs, not a table.
    struct TRestore {
        TIrrigationDataSet &DataSet;
        std::string Name;
        TFileKind Kind;
        ~TRestore()
        {
            DataSet.SetFileName(Name);
            DataSet.SetFileKind(Kind);
        }
    } restore{*FDataSet, runFile, kind};
    FDataSet->SetFileKind(choice.filterIndex == 1 ? fkSpreadsheetTable : fkTextTable);
    FDataSet->SetFileName(choice.fileName);
    FFormatter->SaveRuns();
}

void TfrmDesignWindow::fraGraphGrid1btbtnPrintTimeChartClick()
{
    if (!FFormatter || !Dialogs::Current().PrintSetup())
        return;
    if (fraGraphGrid1->pgcGraphGrid->currentWidget() == fraGraphGrid1->tshTable)
        FFormatter->PrintRunTable();
    else
        FFormatter->PrintGraphs();
}

void TfrmDesignWindow::fraGraphGrid1btbtnCopyTimeChartClick()
{
    if (!FFormatter || fraGraphGrid1->pgcGraphGrid->currentWidget() != fraGraphGrid1->tshGraph)
        return;
    if (FFormatter->SaveGraphs(gkClipboard, "") == 0)
        ::ShowInformation(uConstants::ChartsCopied);
}

void TfrmDesignWindow::fraGraphGrid1pgcGraphGridChange()
{
    if (!FFormatter || fraGraphGrid1->pgcGraphGrid->currentWidget() != fraGraphGrid1->tshGraph)
        return;
    const int n = SelectedRunNumber();
    if (n >= 1)
        FFormatter->DrawGraphs(n);
}
