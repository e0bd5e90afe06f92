#include "UiDriver.h"

#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "FrameDecisionVariables.h"
#include "FrameFieldParameters.h"
#include "FrameResults.h"
#include "TStatusBar.h"
#include "uIrrigationDataSet.h"
#include "uPondixMainForm.h"
#include "uRilloxMainForm.h"
#include "uStrivaMainForm.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

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
        auto *caption = frame.findChild<QLabel *>(QString("Label%1").arg(r <= 13 ? 2 * r - 1 : 28 + 2 * (r - 14)));
        auto *unit = frame.findChild<QLabel *>(QString("Label%1").arg(r <= 13 ? 2 * r : 29 + 2 * (r - 14)));
        rows.push_back(caption->text().toStdString() + "=" + edit->text().toStdString() + unit->text().toStdString());
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
