#include "uDesignWindow.h"

#include "Dialogs.h"
#include "Errors.h"
#include "ExecutableFolder.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FixedStringGrid.h"
#include "FrameGraphGrid.h"
#include "FrameInfo.h"
#include "FrameResults.h"
#include "HelpSystem.h"
#include "TStatusBar.h"
#include "TStringGrid.h"
#include "uEventHook.h"
#include "uFormFont.h"
#include "uHandlerGuard.h"
#include "uIrrigationDataSet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include <cmath>
#include <unistd.h>

namespace {

const int kDesignWidth = 800, kDesignHeight = 600;
const int kButtonPanelHeight = 41;
const int kBoxLeft = 10, kBoxTop = 8, kBoxGap = 10;
const char *const kHelpStatus = "F1 Help";

const TMenuItemDef kFilesItem = {"mniFiles", "&Files", "Files | Load, view or print a file", 0, 1};
const TMenuItemDef kUnitsItemHint = {"mniUnits", nullptr, "Units | Select units for flow rate, length, depth and time", 0, 1};
const TMenuItemDef kLoadItem = {"mniLoad", "&Load", "Load | Load an existing file for editing/calculatin", 0, 11};
const TMenuItemDef kViewItem = {"mniView", "&View / &Print", "View | View a file", 0, 11};
const TMenuItemDef kHelpItem = {"Help1", "&Help", nullptr, 0, 11};
const TMenuItemDef kExitItem = {"mniExit", "E&xit", nullptr, 0, 11};

struct TModeItem {
    const char *Name;
    const char *Caption;
    const char *Hint;
};
const TModeItem kModeItems[] = {
    {"mniN1Flowrate", "&1. Flow rate", "Mode 1 | Select calculation mode 1"},
    {"mniN2Dimensions", "&2. Dimensions", "Mode 2 | Select calculation mode 2"},
    {"mniN3Cutofftime", "&3. Cutoff time", "Mode 3 | Select calculation mode 3"},
    {"mniN4Mindepth", "&4. Min. depth", "Mode 4 | Select calculation mode 4"},
};
const int kCalculationGroupIndex = 41;

QPushButton *MakeButton(const char *name, const char *caption, int x, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, 8, 85, 25);
    button->setEnabled(false);
    return button;
}

QGroupBox *MakeBox(const char *name, const char *caption, QWidget *frame, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    frame->setParent(box);
    layout->addWidget(frame);
    box->hide();
    return box;
}

QFrame *MakePanel(const char *name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

}  // namespace

TfrmDesignWindow::TfrmDesignWindow(const TDesignWindowTraits &traits, QWidget *parent)
    : QMainWindow(parent),
      mmnMain(new QMenuBar(this)),
      StatusBar1(new TStatusBar({150, 400, 204}, this)),
      sbxCalculation(new QScrollArea(this)),
      pnlButtons(MakePanel("pnlButtons", nullptr)),
      bbtCalculate(MakeButton("bbtCalculate", "&Calculate", 16, pnlButtons)),
      bbtGraph(MakeButton("bbtGraph", "&Graph", 104, pnlButtons)),
      bbtSaveRun(MakeButton("bbtSaveRun", "&Save", 192, pnlButtons)),
      Panel1(MakePanel("Panel1", nullptr)),
      Panel2(MakePanel("Panel2", nullptr)),
      grbFieldParameters(MakeBox("grbFieldParameters", " FieldParameters ", new TfraFieldParameters, Panel1)),
      fraFieldParameters1(grbFieldParameters->findChild<TfraFieldParameters *>()),
      grbExtraInformation(MakeBox("grbExtraInformation", " Information ", new TfraInfo, Panel1)),
      fraInfo1(grbExtraInformation->findChild<TfraInfo *>()),
      grbDecisionVariables(MakeBox("grbDecisionVariables", traits.DecisionBoxCaption, new TfraDecisionVariables, Panel2)),
      fraDecisionVariables1(grbDecisionVariables->findChild<TfraDecisionVariables *>()),
      grbResults(MakeBox("grbResults", " Results ", new TfraResults, Panel2)),
      fraResults1(grbResults->findChild<TfraResults *>()),
      sbxGraph(new QScrollArea(this)),
      fraGraphGrid1(new TfraGraphGrid),
      FTraits(traits),
      FCalculationGroup(this, kCalculationGroupIndex),
      FFlowGroup(this, 22),
      FLengthGroup(this, 23),
      FDepthGroup(this, 24),
      FTimeGroup(this, 25),
      FInfiltrationGroup(this, traits.InfiltrationGroupIndex),
      FOperationGroup(this, 51),
      FGeometryGroup(this, 32),
      FCrossSectionGroup(this, 33)
{
    setObjectName(traits.FormName);
    setWindowTitle(traits.Caption);
    setFont(FormFont(traits.FontHeight));
    fraFieldParameters1->setObjectName("fraFieldParameters1");
    fraInfo1->setObjectName("fraInfo1");
    fraDecisionVariables1->setObjectName("fraDecisionVariables1");
    fraResults1->setObjectName("fraResults1");
    fraGraphGrid1->setObjectName("fraGraphGrid1");
    mmnMain->setObjectName(QString("mmn") + traits.Caption);
    setMenuBar(mmnMain);
    StatusBar1->setObjectName("StatusBar1");
    setStatusBar(StatusBar1);
    BuildScreen();
    BuildMenus();
    ConnectHandlers();
    FormCreate();
    // Only a window that was built sees the application's events: one whose creation
    // failed is torn down by the base classes, and its hook must not reach it meanwhile.
    qApp->installEventFilter(FKeyHook);
}

TfrmDesignWindow::~TfrmDesignWindow()
{
    // The lists go first: they only refer to parameters that the binding's runs own.
    qApp->removeEventFilter(FKeyHook);
    FDecisionVariables.reset();
    FFieldParameters.reset();
    FResults.reset();
    FManager.reset();
    FFormatter.reset();
}

void TfrmDesignWindow::BuildScreen()
{
    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    setCentralWidget(central);

    // The input area: the button panel on top, Panel1 on the left, Panel2 the rest.
    sbxCalculation->setObjectName("sbxCalculation");
    sbxCalculation->setWidgetResizable(true);
    auto *area = new QWidget;
    area->setObjectName("sbxCalculationArea");
    auto *areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    pnlButtons->setParent(area);
    pnlButtons->setFixedHeight(kButtonPanelHeight);
    areaLayout->addWidget(pnlButtons);
    auto *halves = new QHBoxLayout;
    halves->setContentsMargins(0, 0, 0, 0);
    halves->setSpacing(0);
    Panel1->setParent(area);
    Panel2->setParent(area);
    halves->addWidget(Panel1);
    halves->addWidget(Panel2, 1);
    areaLayout->addLayout(halves, 1);
    sbxCalculation->setWidget(area);
    centralLayout->addWidget(sbxCalculation);

    sbxGraph->setObjectName("sbxGraph");
    sbxGraph->setWidgetResizable(true);
    sbxGraph->setWidget(fraGraphGrid1);
    sbxGraph->hide();
    centralLayout->addWidget(sbxGraph);

    FEscapeAreas = {pnlButtons,           Panel1,         Panel2,        grbFieldParameters, grbDecisionVariables,
                    grbResults,           fraFieldParameters1, fraDecisionVariables1, fraResults1};
    for (QWidget *w : FEscapeAreas)
        w->installEventFilter(this);
    // The information table is no Esc area: a right click there must not reach Panel1.
    grbExtraInformation->installEventFilter(this);
    for (QGroupBox *box : {grbFieldParameters, grbExtraInformation, grbDecisionVariables, grbResults})
        box->installEventFilter(this);
    StatusBar1->installEventFilter(this);
    for (TInputFrame *frame : std::initializer_list<TInputFrame *>{fraFieldParameters1, fraDecisionVariables1})
        for (int r = 1; r <= frame->EditCount(); ++r) {
            QLineEdit *edit = frame->Edit(r);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textEdited, this, [this, edit] { EditTyped(edit); });
        }
}

void TfrmDesignWindow::BuildMenus()
{
    QMenu *files = AddSubMenu(mmnMain, kFilesItem);
    mniFiles = files->menuAction();
    mniLoad = AddMenuItem(files, kLoadItem);
    files->addSeparator();
    mniView = AddMenuItem(files, kViewItem);
    files->addSeparator();
    Help1 = AddMenuItem(files, kHelpItem);
    files->addSeparator();
    mniExit = AddMenuItem(files, kExitItem);
    FMenus.push_back(files);

    if (FTraits.OperationHelp != 0) {
        FOperationMenu = AddSubMenu(
            mmnMain, {"mniOperation", "&Operation", "Operation | Select fixed flow operation", FTraits.OperationHelp, 1});
        mniOperation = FOperationMenu->menuAction();
        FMenus.push_back(FOperationMenu);
    }
    TMenuItemDef units = kUnitsItemHint;
    units.Caption = FTraits.UnitsCaption;
    FUnitsMenu = AddSubMenu(mmnMain, units);
    mniUnits = FUnitsMenu->menuAction();
    FMenus.push_back(FUnitsMenu);
    if (FTraits.InfiltrationHelp != 0) {
        FInfiltrationMenu = AddSubMenu(mmnMain, {"mniInfiltration", "&Infiltration",
                                                 "Infiltration | Select infiltration option", FTraits.InfiltrationHelp, 1});
        mniInfiltration = FInfiltrationMenu->menuAction();
        FMenus.push_back(FInfiltrationMenu);
    }
    if (FTraits.ParametersHelp != 0) {
        FParametersMenu = AddSubMenu(mmnMain, {"mniParameters", "&Parameters",
                                               "Parameters | Select parameters for Geometry and Infiltration",
                                               FTraits.ParametersHelp, 1});
        mniParameters = FParametersMenu->menuAction();
        FMenus.push_back(FParametersMenu);
    }
    QMenu *calculation = AddSubMenu(mmnMain, {"mniCalculation", "&Calculation",
                                              "Calculation | Select mode, perform calculations, see results",
                                              FTraits.CalculationHelp, 1});
    mniCalculation = calculation->menuAction();
    FMenus.push_back(calculation);
    QAction **modeItems[] = {&mniN1Flowrate, &mniN2Dimensions, &mniN3Cutofftime, &mniN4Mindepth};
    for (int i = 0; i < 4; ++i) {
        const TModeItem &m = kModeItems[i];
        *modeItems[i] = AddMenuItem(calculation,
                                    {m.Name, m.Caption, m.Hint, FTraits.FirstModeHelp + 10 * i, kCalculationGroupIndex});
        FCalculationGroup.Add(*modeItems[i]);
    }
    FCalculationGroup.Check(mniN1Flowrate);

    mniQuit = AddBarItem(mmnMain, {"mniQuit", "&Quit", FTraits.QuitHint, 0, 1});
    BuildOptionMenus();
}

void TfrmDesignWindow::ConnectHandlers()
{
    // The buttons are the function keys.
    connect(bbtCalculate, &QPushButton::clicked, this, [this] { FormKeyUp(Qt::Key_F2); });
    connect(bbtGraph, &QPushButton::clicked, this, [this] { FormKeyUp(Qt::Key_F3); });
    connect(bbtSaveRun, &QPushButton::clicked, this, [this] { FormKeyUp(Qt::Key_F4); });
    // Opening any top-level menu clears the screen; Quit opens none.
    for (QMenu *menu : FMenus)
        connect(menu, &QMenu::aboutToShow, this, [this] { Step([this] { ClearScreen(); }); });
    auto on = [this](QAction *item, void (TfrmDesignWindow::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { Step([this, handler] { (this->*handler)(); }); });
    };
    on(mniLoad, &TfrmDesignWindow::mniLoadClick);
    on(mniView, &TfrmDesignWindow::mniViewClick);
    on(Help1, &TfrmDesignWindow::Help1Click);
    on(mniExit, &TfrmDesignWindow::mniQuitClick);
    on(mniQuit, &TfrmDesignWindow::mniQuitClick);
    for (QAction *item : FCalculationGroup.Items())
        connect(item, &QAction::triggered, this,
                [this, item] { Step([this, item] { RadioGroupCalculationClick(item); }); });
    auto onButton = [this](QPushButton *button, void (TfrmDesignWindow::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Step([this, handler] { (this->*handler)(); }); });
    };
    onButton(fraGraphGrid1->bbtClose, &TfrmDesignWindow::fraGraphGrid1bbtCloseClick);
    onButton(fraGraphGrid1->btbtnSaveTimeChart, &TfrmDesignWindow::fraGraphGrid1btbtnSaveTimeChartClick);
    onButton(fraGraphGrid1->btbtnPrintTimeChart, &TfrmDesignWindow::fraGraphGrid1btbtnPrintTimeChartClick);
    onButton(fraGraphGrid1->btbtnCopyTimeChart, &TfrmDesignWindow::fraGraphGrid1btbtnCopyTimeChartClick);
    onButton(fraGraphGrid1->bbtDeleteRun, &TfrmDesignWindow::fraGraphGrid1bbtDeleteRunClick);
    connect(fraInfo1, &TfraInfo::stgInformationSelectCell, this,
            [this](int col, int row) { Step([this, col, row] { fraInfo1stgInformationSelectCell(col, row); }); });
    connect(fraGraphGrid1, &TfraGraphGrid::pgcGraphGridChange, this,
            [this] { Step([this] { fraGraphGrid1pgcGraphGridChange(); }); });
    FKeyHook = new TEventHook([this](QObject *watched, QEvent *event) { return ApplicationKey(watched, event); },
                              this);
}

void TfrmDesignWindow::FormCreate()
{
    // Relative names in dialogs and files start from the program's folder.
    const std::string folder = ExecutableFolder();
    if (chdir(folder.c_str()) != 0)
        throw Exception("I/O error: cannot change to " + folder);

    FManager = std::make_unique<TIrrigationManager>();
    FFormatter = FManager->CreateFormatter(FTraits.Module);
    if (FFormatter) {
        FFormatter->FTimeChart = fraGraphGrid1->chrtTimes;
        FFormatter->FDepthChart = fraGraphGrid1->chrtDepths;
        FFormatter->FRunGrid = fraGraphGrid1->stgIrrigationRuns;
        FDataSet = FFormatter->GetDataSet();
    }
    if (FDataSet) {
        TIrrigationRun *run = FDataSet->GetRunByNumber(FDataSet->CurrentRun());
        if (!run || run->Saved())
            FDataSet->SetCurrentRun(FDataSet->NewRun());
    }
    FDecisionVariables = std::make_unique<TAssociationList>();
    FFieldParameters = std::make_unique<TAssociationList>();
    FResults = std::make_unique<TAssociationList>();
    FLastCalculatedRun = 0;

    resize(kDesignWidth, kDesignHeight);
    // The input area spans the window's width (its layout has not run yet).
    const int half = static_cast<int>(std::floor(width() / 2.0));
    Panel1->setFixedWidth(half);
    Panel2->setMinimumWidth(half);

    for (QGroupBox *box : {grbFieldParameters, grbExtraInformation})
        box->setGeometry(kBoxLeft, kBoxTop, half - FTraits.FieldBoxMargin, box->height());
    for (QGroupBox *box : {grbDecisionVariables, grbResults})
        box->setGeometry(kBoxLeft, kBoxTop, half - 20, box->height());
    for (QGroupBox *box : {grbFieldParameters, grbExtraInformation, grbDecisionVariables, grbResults})
        box->hide();

    sbxGraph->hide();
    bbtCalculate->setEnabled(false);
    bbtSaveRun->setEnabled(false);
    bbtGraph->setEnabled(false);
    fraGraphGrid1->ActivatePage(FTraits.TablePageFirst ? fraGraphGrid1->tshTable : fraGraphGrid1->tshGraph);

    StatusBar1->SetPanelText(0, kHelpStatus);
    FHelpEnabled = true;
    FEditing = false;
    FModeSwitched = false;
}

void TfrmDesignWindow::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    showMaximized();
    QEventLoop loop;
    FModalLoop = &loop;
    loop.exec();
    FModalLoop = nullptr;
}

void TfrmDesignWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && FModalLoop)
        FModalLoop->quit();
}

int TfrmDesignWindow::ClientHeight() const
{
    return height() - (menuBar() && menuBar()->isVisible() ? menuBar()->height() : 0);
}

bool TfrmDesignWindow::Shown(const QWidget *widget) { return widget && !widget->isHidden(); }

QLineEdit *TfrmDesignWindow::FocusedEdit() const
{
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (!edit)
        return nullptr;
    const QWidget *frame = edit->parentWidget();
    return frame == fraFieldParameters1 || frame == fraDecisionVariables1 ? edit : nullptr;
}

TIrrigationRun *TfrmDesignWindow::CurrentRun() const
{
    return FDataSet ? FDataSet->GetRunByNumber(FDataSet->CurrentRun()) : nullptr;
}

TIrrigationRun *TfrmDesignWindow::RunForMenuChoice() const
{
    TIrrigationRun *run = CurrentRun();
    return run && !run->Saved() ? run : nullptr;
}

void TfrmDesignWindow::UpdateInfiltrationForMenuChoice()
{
    if (RunForMenuChoice())
        UpdateInfiltration();
}

void TfrmDesignWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmDesignWindow::FormResize()
{
    const int top = grbDecisionVariables->y() + grbDecisionVariables->height() + kBoxGap;
    int height = ClientHeight() - (top + pnlButtons->height() + StatusBar1->height() + 20);
    height = std::min(height, fraResults1->FHeight);
    grbResults->setGeometry(grbResults->x(), top, grbResults->width(), height);
}

void TfrmDesignWindow::DisplayHint(const std::string &hint) { StatusBar1->SetPanelText(1, LongHint(hint)); }

void TfrmDesignWindow::ClearScreen()
{
    for (QGroupBox *box : {grbFieldParameters, grbDecisionVariables, grbResults, grbExtraInformation})
        box->hide();
    sbxGraph->hide();
    sbxCalculation->show();
    bbtCalculate->setEnabled(false);
    bbtSaveRun->setEnabled(false);
    bbtGraph->setEnabled(false);
    FEditing = false;
    KeepFocusVisible();
}

void TfrmDesignWindow::fraGraphGrid1bbtCloseClick()
{
    sbxGraph->hide();
    sbxCalculation->show();
    StatusBar1->SetPanelText(0, kHelpStatus);
    KeepFocusVisible();
}

void TfrmDesignWindow::mniQuitClick() { close(); }

void TfrmDesignWindow::StatusBar1Click()
{
    if (FTraits.StatusBarClickShowsWidth)
        ShowMessage(std::to_string(Panel1->width()));
}

bool TfrmDesignWindow::FormHelp(int Data)
{
    if (Data != 0)
        HelpSystem::Current().ShowContext(Data);
    else
        ShowInformation();
    return true;
}

void TfrmDesignWindow::Help1Click() { HelpSystem::Current().ShowTopic("Contents"); }

void TfrmDesignWindow::RadioGroupCalculationClick(QAction *Sender)
{
    if (!FCalculationGroup.Contains(Sender))
        return;
    FCalculationGroup.Check(Sender);
    CalculationClick();
}


void TfrmDesignWindow::FormKeyUp(int Key)
{
    Step([this, Key] { DispatchKey(Key); });
}

void TfrmDesignWindow::Step(const std::function<void()> &step)
{
    // Hiding or locking the focused edit moves the focus on, into another edit perhaps;
    // that is no entering by the user. Where the focus ends up is entered afterwards.
    ++FQuietFocus;
    RunReportingErrors(step);
    --FQuietFocus;
    KeepFocusVisible();
    if (FQuietFocus == 0) {
        if (QLineEdit *edit = FocusedEdit(); edit && edit != FEnteredEdit)
            fraDecisionVariables1Edit1Enter(edit);
    }
}

void TfrmDesignWindow::DispatchKey(int Key)
{
    TIrrigationRun *last = FDataSet ? FDataSet->GetLastRun() : nullptr;
    // F3 follows the last run on every key.
    if (last)
        FGraphEnabled = last->Calculated();
    if (FInputActive && Key == Qt::Key_Escape)
        EscapeStep(last);
    if (Key == Qt::Key_F1 && FHelpEnabled && Shown(grbFieldParameters))
        ShowInformation();
    if (Key == Qt::Key_F2 && FCalculateEnabled)
        CalculateStep(last);
    if (Key == Qt::Key_F4 && FSaveEnabled && last && last->Calculated())
        SaveStep(last);
    if (Key == Qt::Key_F3 && FGraphEnabled)
        GraphStep(last);
}

void TfrmDesignWindow::KeepFocusVisible()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == this && !focus->isVisible())
        setFocus();
}

void TfrmDesignWindow::EscapeStep(TIrrigationRun *last)
{
    if (FEditing) {
        if (QLineEdit *edit = FocusedEdit()) {
            edit->setText(QString::fromStdString(FEditText));
            edit->setFocus();
        }
        // Also when the focus has left the edits, so that the next Esc steps back.
        FEditing = false;
    } else if (Shown(grbExtraInformation)) {
        grbExtraInformation->hide();
    } else if (Shown(sbxGraph) && Shown(grbResults)) {
        sbxGraph->hide();
        sbxCalculation->show();
    } else if (Shown(sbxGraph)) {
        fraGraphGrid1->bbtDeleteRun->setEnabled(true);
        fraGraphGrid1->btbtnCopyTimeChart->setEnabled(false);
        fraGraphGrid1->ActivatePage(fraGraphGrid1->tshTable);
    } else if (!FCalculateEnabled) {
        grbResults->hide();
        if (FModeSwitched) {
            FCalculationGroup.Check(mniN1Flowrate);
            FModeSwitched = false;
        }
        FGraphEnabled = false;
        FSaveEnabled = false;
        bbtSaveRun->setEnabled(false);
        bbtGraph->setEnabled(false);
        if (last)
            last->SetCalculated(false);
        FCalculateEnabled = true;
        bbtCalculate->setEnabled(true);
        fraFieldParameters1->EnableEdits();
        fraDecisionVariables1->EnableEdits();
        StatusBar1->SetPanelText(0, FTraits.EscStatusText);
        sbxGraph->hide();
        sbxCalculation->show();
        grbExtraInformation->hide();
        CalculationClick();
    } else {
        StatusBar1->SetPanelText(0, kHelpStatus);
        for (QGroupBox *box : {grbFieldParameters, grbDecisionVariables, grbResults, grbExtraInformation})
            box->hide();
        FInputActive = false;
        FCalculateEnabled = false;
        FGraphEnabled = false;
        FSaveEnabled = false;
        bbtCalculate->setEnabled(false);
        bbtGraph->setEnabled(false);
        bbtSaveRun->setEnabled(false);
    }
}

void TfrmDesignWindow::CalculateStep(TIrrigationRun *last)
{
    if (FEditing) {
        if (QLineEdit *edit = FocusedEdit())
            fraDecisionVariables1Edit1Exit(edit);
    }
    grbExtraInformation->hide();
    if (last)
        last->SetCalculated(false);
    if (!Calculate())
        return;
    if (last)
        last->SetCalculated(true);
    grbResults->show();
    FCalculateEnabled = false;
    bbtCalculate->setEnabled(false);
    FLastCalculatedRun = FDataSet ? FDataSet->CurrentRun() : 0;
    StatusBar1->SetPanelText(0, "F3 Graph   F4 Save");
    FGraphEnabled = true;
    FSaveEnabled = true;
    bbtSaveRun->setEnabled(true);
    bbtGraph->setEnabled(true);
    if (mniN1Flowrate->isChecked()) {
        // The results of mode 1 stay; the menu offers the cutoff time as the next step.
        FModeSwitched = true;
        FCalculationGroup.Check(mniN3Cutofftime);
    }
}

void TfrmDesignWindow::SaveStep(TIrrigationRun *last)
{
    bool saved = false;
    if (Shown(sbxCalculation))
        saved = SaveRun();
    else if (fraGraphGrid1->pgcGraphGrid->currentWidget() == fraGraphGrid1->tshGraph) {
        fraGraphGrid1btbtnSaveTimeChartClick();
        return;
    } else
        saved = SaveRun();
    if (!saved)
        return;
    // Saving the last run alone renumbers it 1; F3 and the next screen follow it there.
    last = FDataSet->GetLastRun();
    FLastCalculatedRun = last->Number();
    FDataSet->SetCurrentRun(last->Number());
    last->SetSaved(true);
    StatusBar1->SetPanelText(0, "F3 Graph");
    StatusBar1->SetPanelText(1, "Saved");
    bbtSaveRun->setEnabled(false);
    // A saved run is never edited again: the input screen it was saved from (its mode
    // picked again after the calculation) locks as after a calculation, so that neither F2
    // nor an edit changes what the file holds; Esc or a mode starts the next run. Every
    // edit shows what was saved: text typed and never taken is dropped, wherever the save
    // dialog left the focus.
    if (FCalculateEnabled) {
        fraFieldParameters1->ShowValues(FFieldParameters.get());
        fraDecisionVariables1->ShowValues(FDecisionVariables.get());
        FEditing = false;
        FCalculateEnabled = false;
        bbtCalculate->setEnabled(false);
        fraDecisionVariables1->DisableEdits();
        fraFieldParameters1->DisableEdits();
    }
}

void TfrmDesignWindow::GraphStep(TIrrigationRun *last)
{
    if (!Shown(grbResults)) {
        // The file view: the run of the selected table column.
        fraGraphGrid1->bbtDeleteRun->setEnabled(false);
        fraGraphGrid1->ActivatePage(fraGraphGrid1->tshGraph);
        const int n = SelectedRunNumber();
        if (n >= 1 && FFormatter)
            FFormatter->DrawGraphs(n);
        return;
    }
    if (last && last->Calculated()) {
        fraGraphGrid1->SetTableTabVisible(false);
        fraGraphGrid1->bbtDeleteRun->setEnabled(false);
        fraGraphGrid1->ActivatePage(fraGraphGrid1->tshGraph);
        if (FFormatter)
            FFormatter->DrawGraphs(FLastCalculatedRun);
    }
    sbxCalculation->hide();
    sbxGraph->show();
}

bool TfrmDesignWindow::HandleKey(QObject *watched, QKeyEvent *event)
{
    if (!IsKeyTarget(watched, *this))
        return false;
    const int key = event->key();
    // A key the dispatcher acted on goes no further: the step may have moved the focus, and
    // the key passed on to the control's parents would meet the new focus and act again.
    const bool stepKey = key == Qt::Key_Escape || (key >= Qt::Key_F1 && key <= Qt::Key_F4);
    if (event->type() == QEvent::KeyPress) {
        FKeyPresses.Pressed(key);
        if (FTraits.KeysOnKeyDown) {
            FormKeyUp(key);
            if (stepKey)
                return true;
        }
        return FormKeyPress(watched, event);
    }
    // A release counts once, and only for a press this window saw.
    if (event->isAutoRepeat() || !FKeyPresses.Released(key))
        return false;
    if (!FTraits.KeysOnKeyDown)
        FormKeyUp(key);
    return stepKey;
}

bool TfrmDesignWindow::ApplicationKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (auto *menu = qobject_cast<QMenu *>(watched)) {
        // A menu of this window (its menus hang below the menu bar).
        for (QObject *o = menu; o; o = o->parent()) {
            if (o == mmnMain)
                return HandleMenuKey(menu, key);
        }
        return false;
    }
    return HandleKey(watched, key);
}

bool TfrmDesignWindow::HandleMenuKey(QMenu *menu, QKeyEvent *event)
{
    // F1 on a highlighted item asks for that item's help; with none highlighted, for the
    // help of the item that opened the menu (a top-level menu's title).
    if (event->type() != QEvent::KeyPress || event->key() != Qt::Key_F1)
        return false;
    FormHelp(HelpContextOf(menu->activeAction() ? menu->activeAction() : menu->menuAction()));
    return true;
}

void TfrmDesignWindow::UpdateScrollExtent()
{
    int bottom = 0;
    for (QGroupBox *box : {grbFieldParameters, grbExtraInformation, grbDecisionVariables, grbResults}) {
        if (Shown(box))
            bottom = std::max(bottom, box->y() + box->height());
    }
    sbxCalculation->widget()->setMinimumHeight(pnlButtons->height() + bottom + kBoxGap);
}

bool TfrmDesignWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (IsInputEdit(watched))
            return EditEvent(static_cast<QLineEdit *>(watched), event);
        return false;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == StatusBar1) {
            if (mouse->button() == Qt::LeftButton)
                Step([this] { StatusBar1Click(); });
            return false;
        }
        if (mouse->button() != Qt::RightButton)
            return false;
        if (watched == grbExtraInformation)
            return true;
        if (std::find(FEscapeAreas.begin(), FEscapeAreas.end(), watched) != FEscapeAreas.end()) {
            FormKeyUp(Qt::Key_Escape);
            return true;
        }
        return false;
    }
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == grbFieldParameters || watched == grbExtraInformation || watched == grbDecisionVariables ||
            watched == grbResults)
            UpdateScrollExtent();
        return false;
    default:
        return false;
    }
}

bool TfrmDesignWindow::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        // Leaving an item sends an empty tip; the status line keeps what it said.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        if (!tip.isEmpty())
            DisplayHint(tip.toStdString());
        return true;
    }
    return QMainWindow::event(event);
}
