// A seeded random walk over the real actions of each design window: every menu item, the
// keys, clicks into the edits, right clicks, reference-table picks and the view's buttons,
// with every dialog answered at random. After each step the window must be whole: no fault
// reached the user as a message, every run holds finite numbers and the runs are numbered
// 1..N; every run file the walk wrote loads again, and right after the step that wrote it
// holds the runs of the data set: the same values in the same units. A failure names its
// seed and step, and IRRIKA_WALK_SEED replays that walk (IRRIKA_WALK_STEPS makes it longer).
#include "UiDriver.h"

#include "FixedStringGrid.h"
#include "FormAppendReplace.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameGraphGrid.h"
#include "FrameInfo.h"
#include "HelpRecorder.h"
#include "Printer.h"
#include "TStatusBar.h"
#include "uConstants.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace {

constexpr int kDefaultSteps = 2000;

// Texts that only a fault brings up: an exception the window caught as unexpected, a lookup
// or an index that went wrong, a unit the settings lack.
const char *const kFaultTexts[] = {"Unexpected error", "Range check error",   "List index out of bounds",
                                   "Assertion failure", "Can't find ",        "Unknown Unit",
                                   "is not loaded",     "External exception", "Floating point"};

// The error boxes the walk provokes on purpose: a run file, table or picture written into a
// folder that does not exist, a file opened that is not there, a run appended to a file with
// other units.
const char *const kExpectedErrors[] = {uConstants::FileNotOpened, uConstants::SpreadsheetError, "Cannot create file",
                                       uConstants::UnitsDifferFromFile};

// The unit items of the menus: a switch between two saves is what a run file's one units
// line must survive, so the walk picks them on their own as well.
bool IsUnitItem(const std::string &item)
{
    const char *const items[] = {"mnilitrespersecond", "mnicubicmetresperminute", "mnicubicfeetpersecond",
                                 "mniUSgallonsperminute", "mnimeters", "mnifeet", "mnimillimetres",
                                 "mnicentimeters", "mniinches", "mniminutes", "mnihours"};
    return std::find(std::begin(items), std::end(items), item) != std::end(items);
}

struct WalkCase {
    const char *Name;
    TIrrigationModule Module;
    unsigned Seed;
    const char *Extension;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const WalkCase &walk, std::ostream *out) { *out << walk.Name; }

const WalkCase kWalkCases[] = {
    {"Basin", imBasin, 1101, ".pdx"},
    {"Border", imBorder, 2202, ".svx"},
    {"Furrow", imFurrow, 3303, ".rlx"},
};

int EnvironmentNumber(const char *name, int fallback)
{
    const char *text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

bool Contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

// The dialog layer of the walk: the recorder, told just before each dialog what to answer,
// drawn from the walk's own random numbers so that a seed replays the same answers.
class WalkDialogs : public RecordingDialogs {
public:
    WalkDialogs(std::mt19937 &random, std::string folder, std::string extension)
        : FRandom(random), FFolder(std::move(folder)), FExtension(std::move(extension))
    {
    }

    DialogAnswer Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                         const std::string &caption) override
    {
        if (buttons == DialogButtons::OkCancel)
            ScriptAnswer(Pick(2) ? DialogAnswer::Ok : DialogAnswer::Cancel);
        else if (buttons == DialogButtons::YesNo)
            ScriptAnswer(Pick(2) ? DialogAnswer::Yes : DialogAnswer::No);
        else if (buttons == DialogButtons::YesNoCancel)
            ScriptAnswer(std::array{DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Cancel}[Pick(3)]);
        return RecordingDialogs::Message(text, icon, buttons, caption);
    }
    // Opening mostly picks a file that is there; saving mostly names a new one.
    bool OpenFile(const FileDialogRequest &request, FileDialogChoice &choice) override
    {
        ScriptFileName(DrawName(7), FilterIndex(request));
        return RecordingDialogs::OpenFile(request, choice);
    }
    bool SaveFile(const FileDialogRequest &request, FileDialogChoice &choice) override
    {
        ScriptFileName(DrawName(3), FilterIndex(request));
        return RecordingDialogs::SaveFile(request, choice);
    }
    bool PrintSetup() override
    {
        ScriptPrint(Pick(3) != 0);
        return RecordingDialogs::PrintSetup();
    }

private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<unsigned>(n)); }
    int FilterIndex(const FileDialogRequest &request)
    {
        return request.filters.empty() ? 1 : 1 + Pick(static_cast<int>(request.filters.size()));
    }
    // One time in ten Cancel (an empty name), one in ten a folder that does not exist, then
    // existingInTen times a file that is there, else a new name.
    std::string DrawName(int existingInTen)
    {
        const int draw = Pick(10);
        if (draw == 0)
            return "";
        if (draw == 1)
            return BadFolderName();
        return draw < 2 + existingInTen ? ExistingName() : NewName();
    }
    std::string NewName()
    {
        const char *bases[] = {"walk", "runs", "field", "table", "chart"};
        const std::string extensions[] = {"", FExtension, ".txt", ".xls", ".bmp", ".jpg", ".wmf", ".dat"};
        return FFolder + "/" + bases[Pick(5)] + extensions[Pick(8)];
    }
    std::string BadFolderName() { return FFolder + "/no such folder/walk" + FExtension; }
    std::string ExistingName()
    {
        const QStringList files = QDir(QString::fromStdString(FFolder)).entryList(QDir::Files, QDir::Name);
        if (files.isEmpty())
            return NewName();
        return FFolder + "/" + files[Pick(static_cast<int>(files.size()))].toStdString();
    }

    std::mt19937 &FRandom;
    std::string FFolder;
    std::string FExtension;
};

// Answers the append-or-replace dialog, once it is up, with a click on one of its buttons.
class AppendReplaceAnswer : public QObject {
public:
    explicit AppendReplaceAnswer(std::mt19937 &random) : FRandom(random) { qApp->installEventFilter(this); }
    ~AppendReplaceAnswer() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && frmAppendReplace && watched == frmAppendReplace) {
            QPushButton *buttons[] = {frmAppendReplace->btnAppend, frmAppendReplace->btnReplace,
                                      frmAppendReplace->btnCancel};
            QPushButton *button = buttons[FRandom() % 3];
            QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        }
        return false;
    }

private:
    std::mt19937 &FRandom;
};

class RandomWalk : public UiFixture, public ::testing::WithParamInterface<WalkCase> {
protected:
    struct Action {
        const char *Name;
        int Weight;
        std::function<bool()> Available;
        // Carries the step out; returns what it did, for the failure report.
        std::function<std::string()> Run;
    };

    void SetUp() override
    {
        UiFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer().setOutputFileName(folder.filePath("print.pdf"));
    }

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    template <typename T>
    T &PickOf(std::vector<T> &items)
    {
        return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
    }

    TfrmDesignWindow &W() { return *window; }
    bool ViewShown() { return W().sbxGraph->isVisible(); }

    // Every menu path of the window: its items, and the menus that a path only opens.
    void CollectMenuPaths(QMenu *menu, const std::vector<std::string> &prefix)
    {
        for (QAction *item : menu->actions()) {
            if (item->isSeparator() || !item->isVisible() || item->objectName().isEmpty())
                continue;
            std::vector<std::string> path = prefix;
            path.push_back(item->objectName().toStdString());
            menuPaths.push_back(path);
            if (item->menu())
                CollectMenuPaths(item->menu(), path);
        }
    }
    void CollectMenuPaths()
    {
        menuPaths.clear();
        for (QAction *item : W().menuBar()->actions()) {
            menuPaths.push_back({item->objectName().toStdString()});
            if (item->menu())
                CollectMenuPaths(item->menu(), {item->objectName().toStdString()});
        }
    }

    std::vector<QLineEdit *> VisibleEdits()
    {
        std::vector<QLineEdit *> edits;
        for (TInputFrame *frame : {static_cast<TInputFrame *>(W().fraFieldParameters1),
                                   static_cast<TInputFrame *>(W().fraDecisionVariables1)})
            for (int r = 1; r <= frame->EditCount(); ++r)
                if (frame->Edit(r)->isVisible())
                    edits.push_back(frame->Edit(r));
        return edits;
    }

    std::vector<QWidget *> VisibleNamedAreas()
    {
        std::vector<QWidget *> areas;
        for (const char *name : {"pnlButtons", "Panel1", "Panel2", "grbFieldParameters", "grbDecisionVariables",
                                 "grbResults", "grbExtraInformation", "fraFieldParameters1", "fraDecisionVariables1",
                                 "fraResults1", "fraInfo1"}) {
            auto *area = W().findChild<QWidget *>(name);
            if (area && area->isVisible())
                areas.push_back(area);
        }
        return areas;
    }

    // A click on a cell of a grid, scrolled into sight first as the user would.
    std::string ClickCell(TStringGrid *grid, int col, int row)
    {
        const QModelIndex index = grid->model()->index(row, col);
        grid->scrollTo(index);
        const QRect cell = grid->visualRect(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        return "(" + std::to_string(col) + ", " + std::to_string(row) + ")";
    }

    void BuildActions()
    {
        auto always = [] { return true; };
        auto key = [this, always](const char *name, int key, Qt::KeyboardModifiers modifiers, int weight) {
            actions.push_back({name, weight, always, [this, key, modifiers] {
                                   PressKey(W(), key, modifiers);
                                   return std::string();
                               }});
        };
        // A click through a menu path whose last item the filter wants.
        auto menuAction = [this, always](const char *name, int weight, bool (*wanted)(const std::string &)) {
            actions.push_back({name, weight, always, [this, wanted] {
                                   std::vector<const std::vector<std::string> *> paths;
                                   for (const std::vector<std::string> &path : menuPaths)
                                       if (wanted(path.back()))
                                           paths.push_back(&path);
                                   const std::vector<std::string> &path = *PickOf(paths);
                                   ClickMenu(W(), path);
                                   std::string text;
                                   for (const std::string &name : path)
                                       text += (text.empty() ? "" : " > ") + name;
                                   return text;
                               }});
        };
        menuAction("menu", 8, [](const std::string &item) { return item != "mniExit" && item != "mniQuit"; });
        menuAction("mode", 6, [](const std::string &item) { return item.rfind("mniN", 0) == 0; });
        menuAction("units", 6, IsUnitItem);
        menuAction("open", 2, [](const std::string &item) { return item == "mniView" || item == "mniLoad"; });
        // Exit and Quit end the window: now and then, so that the walk gets deep into each one.
        menuAction("quit", 1, [](const std::string &item) { return item == "mniExit" || item == "mniQuit"; });
        key("F1", Qt::Key_F1, Qt::NoModifier, 4);
        key("F2", Qt::Key_F2, Qt::NoModifier, 10);
        key("F3", Qt::Key_F3, Qt::NoModifier, 5);
        key("F4", Qt::Key_F4, Qt::NoModifier, 10);
        key("Esc", Qt::Key_Escape, Qt::NoModifier, 6);
        key("Enter", Qt::Key_Return, Qt::NoModifier, 4);
        key("Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, 2);
        key("Backspace", Qt::Key_Backspace, Qt::NoModifier, 2);
        actions.push_back({"type", 14, always, [this] {
                               // Mostly digits, as a number is typed; now and then a separator or a letter.
                               const char *const characters = "01234567890123456789..,,abxzE";
                               const char c = characters[Pick(29)];
                               QTest::keyClick(KeyTarget(W()), c);
                               return std::string(1, c);
                           }});
        // A click into an edit and a whole entry typed over its text: round and odd numbers,
        // both separators, nothing at all.
        actions.push_back({"type over", 8, [this] { return !VisibleEdits().empty(); }, [this] {
                               const char *const texts[] = {"", "0", "1", "5", "10", "0.5", "2,5", "0.0001",
                                                            "120", "1000", "99999999999999999999", "1.2.3", ".", ","};
                               std::vector<QLineEdit *> edits = VisibleEdits();
                               QLineEdit *edit = PickOf(edits);
                               const char *text = texts[Pick(14)];
                               // The keys go where the focus is: the edit, unless leaving the
                               // edit before was refused and the focus went back there.
                               QTest::mouseClick(edit, Qt::LeftButton);
                               if (QApplication::focusWidget() == edit)
                                   edit->selectAll();
                               QTest::keyClick(KeyTarget(W()), Qt::Key_Delete);
                               QTest::keyClicks(KeyTarget(W()), text);
                               return edit->objectName().toStdString() + " of " +
                                      edit->parentWidget()->objectName().toStdString() + " \"" + text + "\"";
                           }});
        actions.push_back({"click edit", 8, [this] { return !VisibleEdits().empty(); }, [this] {
                               std::vector<QLineEdit *> edits = VisibleEdits();
                               QLineEdit *edit = PickOf(edits);
                               QTest::mouseClick(edit, Qt::LeftButton);
                               return edit->objectName().toStdString() + " of " +
                                      edit->parentWidget()->objectName().toStdString();
                           }});
        actions.push_back({"right click", 4, [this] { return !VisibleNamedAreas().empty(); }, [this] {
                               std::vector<QWidget *> areas = VisibleNamedAreas();
                               QWidget *area = PickOf(areas);
                               RightClick(*area, QPoint(1 + Pick(std::max(1, area->width() - 2)),
                                                        1 + Pick(std::max(1, area->height() - 2))));
                               return area->objectName().toStdString();
                           }});
        // F1 finds a reference table only for the field edit that has the focus.
        actions.push_back({"F1 on a field", 6,
                           [this] {
                               std::vector<QLineEdit *> edits = VisibleEdits();
                               return std::any_of(edits.begin(), edits.end(), [this](QLineEdit *edit) {
                                   return edit->parentWidget() == W().fraFieldParameters1;
                               });
                           },
                           [this] {
                               std::vector<QLineEdit *> edits;
                               for (QLineEdit *edit : VisibleEdits())
                                   if (edit->parentWidget() == W().fraFieldParameters1)
                                       edits.push_back(edit);
                               QLineEdit *edit = PickOf(edits);
                               QTest::mouseClick(edit, Qt::LeftButton);
                               PressKey(W(), Qt::Key_F1);
                               return edit->objectName().toStdString();
                           }});
        actions.push_back({"reference pick", 40,
                           [this] { return W().fraInfo1->stgInformation->isVisible(); },
                           [this] {
                               TFixedStringGrid *grid = W().fraInfo1->stgInformation;
                               if (grid->RowCount() <= grid->FixedRows() || grid->ColCount() <= grid->FixedCols())
                                   return std::string("empty table");
                               const int row = grid->FixedRows() + Pick(grid->RowCount() - grid->FixedRows());
                               const int col = grid->FixedCols() + Pick(grid->ColCount() - grid->FixedCols());
                               return ClickCell(grid, col, row);
                           }});
        actions.push_back({"button", 3, [this] { return W().pnlButtons->isVisible(); }, [this] {
                               QPushButton *buttons[] = {W().bbtCalculate, W().bbtGraph, W().bbtSaveRun};
                               QPushButton *button = buttons[Pick(3)];
                               QTest::mouseClick(button, Qt::LeftButton);
                               return button->objectName().toStdString();
                           }});
        actions.push_back({"view button", 20, [this] { return ViewShown(); }, [this] {
                               TfraGraphGrid *view = W().fraGraphGrid1;
                               QPushButton *buttons[] = {view->btbtnSaveTimeChart, view->btbtnPrintTimeChart,
                                                         view->btbtnCopyTimeChart, view->bbtDeleteRun,
                                                         view->bbtClose};
                               QPushButton *button = buttons[Pick(5)];
                               QTest::mouseClick(button, Qt::LeftButton);
                               return button->objectName().toStdString();
                           }});
        actions.push_back({"tab", 8, [this] { return ViewShown(); }, [this] {
                               QTabBar *tabs = W().fraGraphGrid1->pgcGraphGrid->tabBar();
                               std::vector<int> shown;
                               for (int i = 0; i < tabs->count(); ++i)
                                   if (tabs->isTabVisible(i))
                                       shown.push_back(i);
                               if (shown.empty())
                                   return std::string("no tab");
                               const int tab = PickOf(shown);
                               QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
                               return tabs->tabText(tab).toStdString();
                           }});
        actions.push_back({"runs table", 10,
                           [this] { return W().fraGraphGrid1->stgIrrigationRuns->isVisible(); },
                           [this] {
                               TStringGrid *grid = W().fraGraphGrid1->stgIrrigationRuns;
                               return ClickCell(grid, Pick(grid->ColCount()), Pick(grid->RowCount()));
                           }});
        actions.push_back({"status bar", 1, always, [this] {
                               QTest::mouseClick(W().StatusBar1, Qt::LeftButton);
                               return std::string();
                           }});
    }

    Action &ChooseAction()
    {
        std::vector<Action *> available;
        int total = 0;
        for (Action &action : actions) {
            if (action.Available()) {
                available.push_back(&action);
                total += action.Weight;
            }
        }
        int draw = Pick(total);
        for (Action *action : available) {
            if (draw < action->Weight)
                return *action;
            draw -= action->Weight;
        }
        return *available.back();
    }

    std::string ScreenState()
    {
        if (!window->isVisible())
            return "closed";
        if (W().sbxGraph->isVisible())
            return W().grbResults->isHidden() ? "file view" : "chart view";
        if (W().grbResults->isVisible())
            return "results";
        if (W().grbFieldParameters->isVisible())
            return "input";
        return "empty";
    }

    // A menu the step left open would take the next step's input; a dialog that closed gives
    // the window back its activation, as the window manager does.
    void SettleWindow()
    {
        for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        if (window->isVisible() && QApplication::activeWindow() != window.get()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
    }

    // Every run of a data set numbered 1..N in order, every stored value, limit and curve
    // point finite.
    static void CheckRuns(TIrrigationDataSet &dataSet)
    {
        const std::unique_ptr<TIterator> runs = dataSet.CreateRunIterator();
        int expected = 0;
        while (!runs->IsDone()) {
            auto *run = dynamic_cast<TIrrigationRun *>(runs->Next());
            ASSERT_NE(run, nullptr);
            ++expected;
            EXPECT_EQ(run->Number(), expected) << "runs out of order";
            TParameters *parameters = run->GetParameters();
            ASSERT_NE(parameters, nullptr) << "run " << run->Number();
            const std::unique_ptr<TIterator> values(parameters->CreateParameterIterator());
            while (!values->IsDone()) {
                auto *p = dynamic_cast<TParameter *>(values->Next());
                ASSERT_NE(p, nullptr);
                if (p->HasValue()) {
                    EXPECT_TRUE(std::isfinite(p->GetValue()))
                        << "run " << run->Number() << ", " << p->Name() << " = " << p->GetValue();
                }
                if (TBoundary *limits = p->Boundary()) {
                    EXPECT_TRUE(std::isfinite(limits->Lower()) && std::isfinite(limits->Upper()))
                        << "run " << run->Number() << ", limits of " << p->Name();
                }
            }
            const std::unique_ptr<TIterator> curves(parameters->CreateArrayIterator());
            while (!curves->IsDone()) {
                auto *curve = dynamic_cast<TParameterArray *>(curves->Next());
                ASSERT_NE(curve, nullptr);
                for (int r = 0; r < curve->RowCount(); ++r)
                    for (int c = 0; c < curve->ColCount(); ++c) {
                        const std::optional<double> value = curve->GetValue(r, c);
                        EXPECT_TRUE(!value || std::isfinite(*value))
                            << "run " << run->Number() << ", " << curve->Name() << "[" << r << ", " << c << "]";
                    }
            }
        }
    }

    void CheckMessages()
    {
        const std::vector<RecordingDialogs::Shown> &shown = walkDialogs->Messages();
        for (; checkedMessages < shown.size(); ++checkedMessages) {
            const RecordingDialogs::Shown &message = shown[checkedMessages];
            for (const char *fault : kFaultTexts)
                EXPECT_FALSE(Contains(message.text, fault)) << "message: " << message.text;
            if (message.icon != DialogIcon::Error)
                continue;
            bool expected = false;
            for (const char *text : kExpectedErrors)
                expected = expected || Contains(message.text, text);
            EXPECT_TRUE(expected) << "error box: " << message.text;
        }
    }

    // A run file loads into a fresh data set through the module's binding, quietly.
    void ExpectLoads(const std::string &path)
    {
        SCOPED_TRACE("loading " + path);
        TIrrigationManager manager;
        std::unique_ptr<TIrrigationFormatter> binding = manager.CreateFormatter(GetParam().Module);
        ASSERT_NE(binding, nullptr);
        binding->GetDataSet()->SetFileName(path);
        const std::size_t before = walkDialogs->Messages().size();
        EXPECT_TRUE(binding->LoadRuns());
        EXPECT_GE(binding->GetDataSet()->GetRunCount(), 1);
        EXPECT_EQ(walkDialogs->Messages().size(), before);
        CheckMessages();
        CheckRuns(*binding->GetDataSet());
    }

    // The run files the walk has written, with when and how large each was last seen.
    std::map<std::string, std::pair<qint64, qint64>> RunFiles() const
    {
        std::map<std::string, std::pair<qint64, qint64>> files;
        const QString filter = QString("*") + GetParam().Extension;
        for (const QFileInfo &file : QDir(folder.path()).entryInfoList({filter}, QDir::Files))
            files[file.filePath().toStdString()] = {file.size(), file.lastModified().toMSecsSinceEpoch()};
        return files;
    }

    // The window's three lists only refer to parameters: each must belong to a run the data
    // set still holds, or the next check of the inputs reads freed memory.
    void CheckListsReferToLiveRuns()
    {
        std::set<const TRootObject *> owned;
        const std::unique_ptr<TIterator> runs = W().DataSet()->CreateRunIterator();
        while (!runs->IsDone()) {
            auto *run = static_cast<TIrrigationRun *>(runs->Next());
            const std::unique_ptr<TIterator> values(run->GetParameters()->CreateParameterIterator());
            while (!values->IsDone())
                owned.insert(values->Next());
        }
        const std::pair<const char *, TAssociationList *> lists[] = {{"decision variables", W().DecisionVariables()},
                                                                     {"field parameters", W().FieldParameters()},
                                                                     {"results", W().Results()}};
        for (const auto &[name, list] : lists)
            for (int i = 1; i <= list->Count(); ++i)
                EXPECT_TRUE(owned.count(list->GetItem(i))) << "item " << i << " of the " << name
                                                           << " list belongs to no run of the data set";
    }

    void CheckStep()
    {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog was left open";
        CheckMessages();
        if (window && window->DataSet()) {
            CheckRuns(*window->DataSet());
            CheckListsReferToLiveRuns();
        }
        // A file written in this step must load again now, while the step is known, and hold
        // what the window holds: every step that writes a run file leaves the data set with
        // the runs it wrote.
        auto files = RunFiles();
        for (const auto &[path, stamp] : files) {
            auto seen = runFiles.find(path);
            if (seen == runFiles.end() || seen->second != stamp) {
                ++filesWritten;
                ExpectLoads(path);
                if (window && window->DataSet()) {
                    EXPECT_EQ(W().DataSet()->FileName(), path) << "a run file the data set does not name was written";
                    EXPECT_EQ(RunFileDifference(GetParam().Module, path, *W().DataSet()), "") << path;
                }
            }
        }
        runFiles = files;
    }

    std::mt19937 rng;
    QTemporaryDir folder;
    std::unique_ptr<WalkDialogs> walkDialogs;
    std::unique_ptr<AppendReplaceAnswer> appendReplace;
    HelpRecorder help;
    std::vector<Action> actions;
    std::vector<std::vector<std::string>> menuPaths;
    std::size_t checkedMessages = 0;
    std::map<std::string, std::pair<qint64, qint64>> runFiles;
    int filesWritten = 0;
};

TEST_P(RandomWalk, KeepsTheWindowWholeAndEverySavedFileLoads)
{
    const WalkCase &walk = GetParam();
    const unsigned seed = static_cast<unsigned>(EnvironmentNumber("IRRIKA_WALK_SEED", static_cast<int>(walk.Seed)));
    const int steps = EnvironmentNumber("IRRIKA_WALK_STEPS", kDefaultSteps);
    rng.seed(seed);
    walkDialogs = std::make_unique<WalkDialogs>(rng, folder.path().toStdString(), walk.Extension);
    appendReplace = std::make_unique<AppendReplaceAnswer>(rng);

    Open(walk.Module);
    CollectMenuPaths();
    BuildActions();
    int windows = 1;
    std::map<std::string, int> counts;
    std::map<std::string, int> states;
    std::deque<std::string> recent;
    for (int step = 1; step <= steps; ++step) {
        if (!window->isVisible()) {
            // Exit or Quit closed it: the walk goes on in a fresh window, as after reopening.
            Open(walk.Module);
            ++windows;
        }
        Action &action = ChooseAction();
        std::ostringstream where;
        where << walk.Name << " walk, seed " << seed << ", step " << step << ": " << action.Name;
        SCOPED_TRACE(where.str());
        const std::string detail = action.Run();
        ++counts[action.Name];
        recent.push_back(std::to_string(step) + " " + action.Name + (detail.empty() ? "" : " " + detail));
        if (recent.size() > 25)
            recent.pop_front();
        SettleWindow();
        ++states[ScreenState()];
        CheckStep();
        if (HasFailure()) {
            std::string trail;
            for (const std::string &line : recent)
                trail += "  " + line + "\n";
            ADD_FAILURE() << "Replay: IRRIKA_WALK_SEED=" << seed << " IRRIKA_WALK_STEPS=" << step
                          << " test_ui --gtest_filter='*RandomWalk*/" << walk.Name << "'; the last steps:\n" << trail;
            return;
        }
    }
    window.reset();
    // Every run file the walk wrote loads once more at the end.
    for (const auto &entry : RunFiles()) {
        SCOPED_TRACE(std::string(walk.Name) + " walk, seed " + std::to_string(seed) + ", at the end");
        ExpectLoads(entry.first);
    }
    // What the walk went through, for the record.
    std::ostringstream summary;
    summary << walk.Name << " walk, seed " << seed << ": " << steps << " steps in " << windows << " windows; "
            << filesWritten << " run-file writes, " << walkDialogs->Messages().size() << " boxes, "
            << walkDialogs->FileDialogs().size() << " file dialogs, " << walkDialogs->PrintDialogs()
            << " print dialogs, " << errors.Showings().size() << " error dialogs\n  screens:";
    for (const auto &[name, count] : states)
        summary << " " << name << " " << count;
    summary << "\n  actions:";
    for (const auto &[name, count] : counts)
        summary << " " << name << " " << count;
    RecordProperty("walk", summary.str());
    std::cout << summary.str() << "\n";
}

INSTANTIATE_TEST_SUITE_P(Modules, RandomWalk, ::testing::ValuesIn(kWalkCases),
                         [](const ::testing::TestParamInfo<WalkCase> &info) { return std::string(info.param.Name); });

}  // namespace
