#include "UiDriver.h"

#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameResults.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"
#include "uRunFileLayout.h"
#include "uPondixMainForm.h"
#include "uRilloxMainForm.h"
#include "uStrivaMainForm.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <cmath>
#include <fstream>
#include <sstream>

void ClickMenu(QMainWindow &window, std::initializer_list<const char *> path)
{
    ClickMenu(window, std::vector<std::string>(path.begin(), path.end()));
}

void ClickMenu(QMainWindow &window, const std::vector<std::string> &path)
{
    QMenuBar *bar = window.menuBar();
    QMenu *menu = nullptr;
    std::size_t step = 0;
    for (const std::string &name : path) {
        auto *action = window.findChild<QAction *>(QString::fromStdString(name));
        ASSERT_NE(action, nullptr) << name;
        const bool last = ++step == path.size();
        if (!menu) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        } else {
            ASSERT_TRUE(action->isVisible()) << name;
            QTest::mouseMove(menu, menu->actionGeometry(action).center());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        if (action->menu()) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return action->menu()->isVisible(); })) << name;
            menu = action->menu();
            if (last) {
                // A path that ends on a submenu only opens it.
                while (QApplication::activePopupWidget())
                    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            }
        }
    }
}

void OpenAndCloseMenu(QMainWindow &window, const char *item) { ClickMenu(window, {item}); }

QWidget *KeyTarget(QWidget &window)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == &window ? focus : &window;
}

void PressKey(QWidget &window, int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(KeyTarget(window), static_cast<Qt::Key>(key), modifiers);
}

void RepeatKey(QWidget &window, int key, int repeats)
{
    QWidget *target = KeyTarget(window);
    QKeyEvent first(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &first);
    for (int i = 0; i < repeats; ++i) {
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(target, &up);
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(target, &down);
    }
    QKeyEvent last(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &last);
}

std::string FileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

namespace {

const TRunFileLayout &LayoutOf(TIrrigationModule module)
{
    return module == imBasin ? PondixLayout() : module == imBorder ? StrivaLayout() : RilloxLayout();
}

std::vector<TIrrigationRun *> RunsOf(TIrrigationDataSet &dataSet)
{
    std::vector<TIrrigationRun *> runs;
    const std::unique_ptr<TIterator> it = dataSet.CreateRunIterator();
    while (!it->IsDone())
        runs.push_back(static_cast<TIrrigationRun *>(it->Next()));
    return runs;
}

std::vector<TParameterArray *> CurvesOf(TIrrigationRun &run)
{
    std::vector<TParameterArray *> curves;
    const std::unique_ptr<TIterator> it(run.GetParameters()->CreateArrayIterator());
    while (!it->IsDone())
        curves.push_back(static_cast<TParameterArray *>(it->Next()));
    return curves;
}

bool Near(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-13 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-300;
}

int KindOf(const TUnit *unit) { return unit ? unit->Kind() : -1; }

// What differs between a run in memory and the same run read from its file; empty when
// nothing does.
std::string RunDifference(const TRunFileLayout &layout, TIrrigationRun &memory, TIrrigationRun &file)
{
    if (memory.Number() != file.Number())
        return "number " + std::to_string(file.Number());
    if (memory.GetMode() != file.GetMode())
        return "mode";
    if (InfiltrationTypeToFileCode(layout, memory.InfiltrationType()) !=
        InfiltrationTypeToFileCode(layout, file.InfiltrationType()))
        return "infiltration";
    std::vector<const char *> stored = layout.Options;
    stored.insert(stored.end(), layout.Columns.begin(), layout.Columns.end());
    for (const char *name : stored) {
        TParameter *a = memory.GetParameters()->FindParameter(name);
        TParameter *b = file.GetParameters()->FindParameter(name);
        if (!a || !b)
            return std::string(name) + " missing";
        if (KindOf(a->GetUnit()) == KindOf(b->GetUnit()) && Near(a->GetValue(), b->GetValue()))
            continue;
        std::ostringstream values;
        values.precision(17);
        values << name << ": " << a->GetValue() << " in unit " << KindOf(a->GetUnit()) << " <> " << b->GetValue()
               << " in unit " << KindOf(b->GetUnit());
        return values.str();
    }
    const auto curvesA = CurvesOf(memory);
    const auto curvesB = CurvesOf(file);
    if (curvesA.size() != curvesB.size())
        return "curve count";
    for (std::size_t c = 0; c < curvesA.size(); ++c) {
        if (KindOf(curvesA[c]->GetUnit()) != KindOf(curvesB[c]->GetUnit()))
            return curvesA[c]->Name() + " unit";
        for (int row = 0; row <= 30; ++row)
            if (!Near(curvesA[c]->GetDisplayValue(row, 0), curvesB[c]->GetDisplayValue(row, 0)))
                return curvesA[c]->Name() + " row " + std::to_string(row);
    }
    return std::string();
}

}  // namespace

std::string RunFileDifference(TIrrigationModule module, const std::string &path, TIrrigationDataSet &dataSet)
{
    TIrrigationManager manager;
    const std::unique_ptr<TIrrigationFormatter> binding = manager.CreateFormatter(module);
    if (!binding)
        return "no binding";
    binding->GetDataSet()->SetFileName(path);
    if (!binding->LoadRuns())
        return "the file does not load";
    const auto memory = RunsOf(dataSet);
    const auto file = RunsOf(*binding->GetDataSet());
    if (memory.size() != file.size())
        return std::to_string(file.size()) + " runs in the file, " + std::to_string(memory.size()) + " in memory";
    const TRunFileLayout &layout = LayoutOf(module);
    for (std::size_t i = 0; i < memory.size(); ++i) {
        const std::string what = RunDifference(layout, *memory[i], *file[i]);
        if (!what.empty())
            return "run " + std::to_string(i + 1) + ", " + what;
    }
    return std::string();
}

void RightClick(QWidget &widget, QPoint at) { QTest::mouseClick(&widget, Qt::RightButton, {}, at); }

void TypeInto(QLineEdit &edit, const std::string &text)
{
    QTest::mouseClick(&edit, Qt::LeftButton);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, QString::fromStdString(text));
}

void UiFixture::SetUp()
{
    std::string failure;
    ASSERT_TRUE(LoadEngineLibraries(ExecutableFolder(), failure)) << failure;
}

void UiFixture::TearDown() { window.reset(); }

TfrmDesignWindow &UiFixture::Open(TIrrigationModule module)
{
    SetCurrentModule(module);
    if (module == imBasin)
        window = std::make_unique<TfrmPondix>();
    else if (module == imBorder)
        window = std::make_unique<TfrmStriva>();
    else
        window = std::make_unique<TfrmRillox>();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

TIrrigationRun &UiFixture::Run()
{
    TIrrigationDataSet *set = window->DataSet();
    return *set->GetRunByNumber(set->CurrentRun());
}

TParameter &UiFixture::Parameter(const char *name) { return *Run().GetParameters()->FindParameter(name); }

std::string UiFixture::Status(int panel) const { return window->StatusBar1->PanelText(panel); }

namespace {

std::vector<std::string> InputRows(const TInputFrame &frame)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= frame.EditCount(); ++r) {
        QLineEdit *edit = frame.Edit(r);
        if (edit->isHidden())
            continue;
        rows.push_back(frame.CaptionLabel(r)->text().toStdString() + "=" + edit->text().toStdString() +
                       frame.UnitLabel(r)->text().toStdString());
    }
    return rows;
}

}  // namespace

std::vector<std::string> UiFixture::DecisionRows() const { return InputRows(*window->fraDecisionVariables1); }

std::vector<std::string> UiFixture::FieldRows() const { return InputRows(*window->fraFieldParameters1); }

std::vector<std::string> UiFixture::ResultRows() const
{
    std::vector<std::string> rows;
    for (int r = 1; r <= window->fraResults1->RowCount(); ++r) {
        if (window->fraResults1->CaptionLabel(r)->isHidden())
            continue;
        rows.push_back(window->fraResults1->CaptionLabel(r)->text().toStdString() + " " +
                       window->fraResults1->ValueLabel(r)->text().toStdString() +
                       window->fraResults1->UnitLabel(r)->text().toStdString());
    }
    return rows;
}
