#ifndef IRRIKA_UI_UDESIGNWINDOW_H
#define IRRIKA_UI_UDESIGNWINDOW_H

// The design window of a module: the frame that the basin, border and furrow windows share.
// It owns the module's manager and binding (and through the binding the data set and its
// runs) and three lists that only refer to the current run's parameters. Its key dispatcher
// turns F1-F4, Esc, the three buttons and the right mouse button into steps between the
// screen states: empty screen, input screen, results screen, chart view and file view.
// Where the three windows differ in this frame, a row of TDesignWindowTraits says how; the
// module windows add what their menus, input screens and checks need.

#include "ConcreteCollections.h"
#include "uDesignWindowTraits.h"
#include "uIrrigationFormatter.h"
#include "uInputScreenContent.h"
#include "uIrrigationManager.h"
#include "uKeyPresses.h"
#include "uMenuItems.h"
#include "uUnitKind.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QEventLoop;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class TIrrigationDataSet;
class TIrrigationRun;
class TParameter;
struct TInfoTableRow;
class TStatusBar;
class TfraDecisionVariables;
class TfraFieldParameters;
class TfraGraphGrid;
class TfraInfo;
class TfraResults;

class TfrmDesignWindow : public QMainWindow {
public:
    ~TfrmDesignWindow() override;

    // Shows the window maximised and modal and returns once it has closed.
    void ShowModal();

    // The key dispatcher: every key the window sees, and the buttons and the right mouse
    // button, come here. It never swallows the key.
    void FormKeyUp(int Key);
    void FormResize();
    // Hides every box and the view and shows the input area; runs when a top-level menu
    // opens. The key flags stay as they were.
    void ClearScreen();
    // The long part of a hint into status panel 1.
    void DisplayHint(const std::string &hint);
    // A help request: a context opens that topic of the help file; 0 shows the reference
    // table of the focused field instead. Always True.
    bool FormHelp(int Data);
    void Help1Click();
    void fraGraphGrid1bbtCloseClick();
    void mniQuitClick();
    void StatusBar1Click();
    void RadioGroupCalculationClick(QAction *Sender);

    // The unit, infiltration, operation and geometry menus.
    virtual void RadioGroupClick(QAction *Sender) = 0;
    virtual void RadioGroupInfiltrationClick(QAction *Sender);
    // Re-points the parameters of the run that takes menu choices to the units the menus show.
    virtual void ApplyUnitSelection() = 0;
    // Keeps the run's infiltration object and its Kostiakov parameters in step with the
    // infiltration inputs and the checked depth and time units.
    virtual void UpdateInfiltration() = 0;
    // UpdateInfiltration after a menu choice: nothing for a saved run.
    void UpdateInfiltrationForMenuChoice();
    // Builds the input screen of the checked mode and options.
    void CalculationClick();

    // Calculates the current run through the binding and lists its results.
    bool Calculate();

    // Stores the calculated run: into the current run file after a confirmation, or through
    // the save dialog. True when something was written for it.
    bool SaveRun();
    // Files > View / Print and Files > Load: open a run file, set the menus from its last
    // run, and show its runs or go on calculating from its last run.
    void mniViewClick();
    void mniLoadClick();
    // The view's buttons and its page change.
    void fraGraphGrid1btbtnSaveTimeChartClick();
    void fraGraphGrid1btbtnPrintTimeChartClick();
    void fraGraphGrid1btbtnCopyTimeChartClick();
    void fraGraphGrid1bbtDeleteRunClick();
    void fraGraphGrid1pgcGraphGridChange();

    // The reference table of the focused field edit, and a row picked from it.
    void ShowInformation();
    void fraInfo1stgInformationSelectCell(int ACol, int ARow);
    // The enter and exit handlers of the input edits: remember the text an edit had, and
    // validate what was typed when it is left.
    void fraDecisionVariables1Edit1Enter(QLineEdit *Sender);
    void fraDecisionVariables1Edit1Exit(QLineEdit *Sender);
    // Copies both frames' edits into the run and checks them; a value that fails does not
    // stay in its parameter. True when all pass.
    bool ValidateInputs();
    // The window's character filter: Enter moves the focus, and an edit takes only digits,
    // the point, the comma, Backspace and Tab. True when the key is swallowed.
    bool FormKeyPress(QObject *watched, QKeyEvent *event);

    const TDesignWindowTraits &Traits() const { return FTraits; }
    TIrrigationFormatter *Formatter() const { return FFormatter.get(); }
    TIrrigationDataSet *DataSet() const { return FDataSet; }
    TAssociationList *DecisionVariables() const { return FDecisionVariables.get(); }
    TAssociationList *FieldParameters() const { return FFieldParameters.get(); }
    TAssociationList *Results() const { return FResults.get(); }
    int LastCalculatedRun() const { return FLastCalculatedRun; }
    const std::string &EditText() const { return FEditText; }
    bool Editing() const { return FEditing; }
    bool ModeSwitched() const { return FModeSwitched; }
    bool InputActive() const { return FInputActive; }
    bool HelpEnabled() const { return FHelpEnabled; }
    bool CalculateEnabled() const { return FCalculateEnabled; }
    bool GraphEnabled() const { return FGraphEnabled; }
    bool SaveEnabled() const { return FSaveEnabled; }
    const std::vector<bool> &OldChecks() const { return FOldChecks; }
    const std::array<bool, 3> &InfoShown() const { return FInfoShown; }

    // The window's client height: all of it below the menu bar.
    int ClientHeight() const;

    QMenuBar *const mmnMain;
    TStatusBar *const StatusBar1;
    QScrollArea *const sbxCalculation;
    QFrame *const pnlButtons;
    QPushButton *const bbtCalculate;
    QPushButton *const bbtGraph;
    QPushButton *const bbtSaveRun;
    QFrame *const Panel1;
    QFrame *const Panel2;
    QGroupBox *const grbFieldParameters;
    TfraFieldParameters *const fraFieldParameters1;
    QGroupBox *const grbExtraInformation;
    TfraInfo *const fraInfo1;
    QGroupBox *const grbDecisionVariables;
    TfraDecisionVariables *const fraDecisionVariables1;
    QGroupBox *const grbResults;
    TfraResults *const fraResults1;
    QScrollArea *const sbxGraph;
    TfraGraphGrid *const fraGraphGrid1;

    // Menu bar items; those a module lacks stay nullptr.
    QAction *mniFiles = nullptr;
    QAction *mniOperation = nullptr;
    QAction *mniUnits = nullptr;
    QAction *mniInfiltration = nullptr;
    QAction *mniParameters = nullptr;
    QAction *mniCalculation = nullptr;
    QAction *mniQuit = nullptr;
    QAction *mniLoad = nullptr;
    QAction *mniView = nullptr;
    QAction *Help1 = nullptr;
    QAction *mniExit = nullptr;
    QAction *mniN1Flowrate = nullptr;
    QAction *mniN2Dimensions = nullptr;
    QAction *mniN3Cutofftime = nullptr;
    QAction *mniN4Mindepth = nullptr;
    // Unit items, in the order of their groups; the amount items are the furrow's and hidden.
    QAction *mnilitrespersecond = nullptr;
    QAction *mnicubicmetresperminute = nullptr;
    QAction *mnicubicfeetpersecond = nullptr;
    QAction *mniUSgallonsperminute = nullptr;
    QAction *mnimeters = nullptr;
    QAction *mnifeet = nullptr;
    QAction *mnimillimetres = nullptr;
    QAction *mnicentimeters = nullptr;
    QAction *mniinches = nullptr;
    QAction *mniCubicMetre = nullptr;
    QAction *mniCubicFeet = nullptr;
    QAction *mniminutes = nullptr;
    QAction *mnihours = nullptr;
    // Infiltration, operation and furrow geometry items.
    QAction *mniModifiedSCSfamilies = nullptr;
    QAction *mniTimeratedfamilies = nullptr;
    QAction *mniKostiakovequation = nullptr;
    QAction *mniFieldData = nullptr;
    QAction *mniFixedFlow = nullptr;
    QAction *mniCutbackFlow = nullptr;
    QAction *mniTailwaterReuse = nullptr;
    QAction *mniCrossSection = nullptr;
    QAction *mniSigma_Tau = nullptr;
    QAction *mniTriangular = nullptr;
    QAction *mniParabolic = nullptr;
    QAction *mniTrapezoidal = nullptr;

protected:
    TfrmDesignWindow(const TDesignWindowTraits &traits, QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // A box is shown when it is meant to be, whatever its parents show: the chart view
    // hides the input area but keeps the results box marked shown.
    static bool Shown(const QWidget *widget);
    // The edit of either input frame that has the focus, nullptr when none has.
    QLineEdit *FocusedEdit() const;
    // Runs one step of the window as an event handler runs: an exception it raises is
    // shown to the user and the window goes on; focus moves it causes are not the user's.
    void Step(const std::function<void()> &step);
    // The data set's current run, nullptr when it has none.
    TIrrigationRun *CurrentRun() const;
    // The run that unit and option choices change: the current run unless it is saved. A
    // saved run is never edited again, and a run file holds all its runs in one set of
    // units; the menus keep the choice and the next run takes it.
    TIrrigationRun *RunForMenuChoice() const;

    const TDesignWindowTraits &FTraits;
    std::unique_ptr<TIrrigationManager> FManager;
    std::unique_ptr<TIrrigationFormatter> FFormatter;
    TIrrigationDataSet *FDataSet = nullptr;  // the binding's
    std::unique_ptr<TAssociationList> FDecisionVariables;
    std::unique_ptr<TAssociationList> FFieldParameters;
    std::unique_ptr<TAssociationList> FResults;
    int FLastCalculatedRun = 0;
    std::string FEditText;
    bool FEditing = false;
    bool FModeSwitched = false;
    bool FInputActive = false;
    bool FHelpEnabled = false;
    bool FCalculateEnabled = false;
    bool FGraphEnabled = false;
    bool FSaveEnabled = false;
    std::vector<bool> FOldChecks;
    std::array<bool, 3> FInfoShown{};

    TRadioMenuGroup FCalculationGroup;
    TRadioMenuGroup FFlowGroup;
    TRadioMenuGroup FLengthGroup;
    TRadioMenuGroup FDepthGroup;
    TRadioMenuGroup FTimeGroup;
    TRadioMenuGroup FInfiltrationGroup;
    TRadioMenuGroup FOperationGroup;
    TRadioMenuGroup FGeometryGroup;
    TRadioMenuGroup FCrossSectionGroup;
    // The items whose checks FOldChecks keeps, in its order.
    std::vector<QAction *> FOldCheckItems;

    // FOldChecks of the items of these groups := their checks before the click.
    void RememberChecks(const std::vector<TRadioMenuGroup *> &groups);
    // The item that FOldChecks records as checked in a group; nullptr when none.
    QAction *OldChecked(const TRadioMenuGroup &group) const;
    // Checks the sender within the first of these groups that holds it; true when one did.
    static bool CheckWithin(QAction *sender, const std::vector<TRadioMenuGroup *> &groups);
    // The value an item stands for: its unit kind, or its option number.
    static int ItemValue(const QAction *item);
    // Whether F1 opens a reference table in this row of the field frame.
    bool HasInfoTable(int fieldRow) const;
    // The reference table of the parameter in this row of the field frame; nullptr for none.
    const TInfoTableRow *FindInfoRow(int fieldRow) const;
    // The field parameter of a row of the screen shown; nullptr for a row without one.
    const TParameter *FieldParameter(int row) const;
    // The field row that holds the named parameter on the screen shown (the furrow's rows
    // move with its geometry); 0 when the screen lists none.
    int FieldRow(const char *name) const;
    // Whether the displayed "SCS #" is one the module accepts.
    virtual bool IsValidSCSNumber(double number) = 0;

    // The new run made from the previous one takes the previous run's units first: a
    // copied value means what it meant only in the unit it came with.
    void TakeOverUnits(TIrrigationRun *from, TIrrigationRun *to);
    // The unit kinds the checked items of a group stand for.
    static std::vector<TUnitKind> GroupKinds(const TRadioMenuGroup &group);
    static TUnitKind CheckedKind(const TRadioMenuGroup &group, TUnitKind none);
    // The value the checked item of a group stands for; none when no item is checked.
    static int CheckedValue(const TRadioMenuGroup &group, int none);
    // The mode of the checked calculation item (cmNone when none is), and the options the
    // other menus have checked, as an input screen takes them.
    TCalculationMode CheckedMode() const;
    TScreenOptions CheckedScreenOptions() const;
    // Whether the menu item of that name is checked; false for an item the window lacks.
    bool ItemChecked(const char *name) const;
    // Border and furrow: the intake family of "SCS #", and k re-expressed in the depth and
    // time units the menus ask for.
    void UpdateSlopingFieldInfiltration();
    // Border and furrow: flow, length with the slopes, depth and time end in the checked
    // units.
    void RepointSlopingFieldUnits(TIrrigationRun &run);
    // The top-level menus whose items the module windows add (nullptr where a module has
    // no such menu).
    QMenu *FOperationMenu = nullptr;
    QMenu *FUnitsMenu = nullptr;
    QMenu *FInfiltrationMenu = nullptr;
    QMenu *FParametersMenu = nullptr;

private:
    void FormCreate();
    void BuildMenus();
    void BuildOptionMenus();
    void BuildScreen();
    void ConnectHandlers();
    void DispatchKey(int Key);
    // The run whose number heads the runs table's selected column; 0 for the caption and
    // unit columns or no column.
    int SelectedRunNumber() const;
    // Opens a run file for View or Load and sets the menus from its last run; false when
    // the dialog was cancelled or nothing was loaded (then nothing changed).
    bool OpenRunFile(bool forLoad);
    void RestoreMenus(TIrrigationRun &run, bool forLoad);
    // Runs a step that may free runs of the data set (opening a file, appending, saving the
    // last run alone, deleting one) and keeps the three lists live: they only refer to
    // parameters, and an entry whose run is gone afterwards points at the parameter of the
    // same name in the current run, or goes when there is none.
    bool WithLiveLists(const std::function<bool()> &step);
    void RelinkLists(const std::array<std::vector<std::string>, 3> &names);
    void EscapeStep(TIrrigationRun *last);
    void CalculateStep(TIrrigationRun *last);
    void SaveStep(TIrrigationRun *last);
    void GraphStep(TIrrigationRun *last);
    // Every key event of the application passes here first.
    bool ApplicationKey(QObject *watched, QEvent *event);
    bool HandleKey(QObject *watched, QKeyEvent *event);
    bool HandleMenuKey(QMenu *menu, QKeyEvent *event);
    void UpdateScrollExtent();
    // Keys go to the focused control: when a step has hidden it, the window takes the focus.
    void KeepFocusVisible();
    bool EditEvent(QLineEdit *edit, QEvent *event);
    // The user types into the focused edit after its text was taken or taken back.
    void EditTyped(QLineEdit *edit);
    bool IsInputEdit(const QObject *object) const;
    void ShowRangeWarning(TParameter *parameter);

    std::vector<QWidget *> FEscapeAreas;
    std::vector<QMenu *> FMenus;
    TKeyPresses FKeyPresses;
    QObject *FKeyHook = nullptr;
    QEventLoop *FModalLoop = nullptr;
    // The edit whose enter handler ran last, and whether its exit handler is running: the
    // focus has moved on already when Qt reports an edit left, and the handler may put it back.
    QLineEdit *FEnteredEdit = nullptr;
    bool FInEditExit = false;
    int FQuietFocus = 0;
    // What the dialogs keep between showings: the picture dialog its file name and filter,
    // the table-export and run-file dialogs their filter.
    std::string FPictureFileName;
    int FPictureFilterIndex = 1;
    int FExportFilterIndex = 1;
    int FRunFileFilterIndex = 1;
};

#endif
