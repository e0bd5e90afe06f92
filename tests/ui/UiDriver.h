#ifndef IRRIKA_TESTS_UIDRIVER_H
#define IRRIKA_TESTS_UIDRIVER_H

// Drives the windows as a user does: real clicks on the menu bar and its menus, real key
// presses into the focused control, real mouse buttons. The dialog layer and the error
// dialog are recorders; the engines are the real libraries.

#include "RecordingDialogs.h"
#include "RecordingErrorDisplay.h"
#include "uDesignWindow.h"
#include "uIrrigationTypes.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class TIrrigationDataSet;
class TIrrigationRun;
class TParameter;

// Clicks the items of a menu path, e.g. {"mniCalculation", "mniN2Dimensions"}: the first on
// the window's menu bar, each next one in the menu the previous opened. A submenu that the
// path ends on is only opened (and closed again with Esc).
void ClickMenu(QMainWindow &window, std::initializer_list<const char *> path);
void ClickMenu(QMainWindow &window, const std::vector<std::string> &path);
// Opens a top-level menu and closes it again without a choice.
void OpenAndCloseMenu(QMainWindow &window, const char *item);
// Press and release of a key where the keyboard sends it: the focused control of the
// window, or the window when none has the focus.
void PressKey(QWidget &window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A held key: the auto-repeated presses that follow the first.
void RepeatKey(QWidget &window, int key, int repeats);
void RightClick(QWidget &widget, QPoint at = QPoint(2, 2));
// Click into an edit, select its text and type over it.
void TypeInto(QLineEdit &edit, const std::string &text);
QWidget *KeyTarget(QWidget &window);
// The bytes of a file the program wrote; empty when there is none.
std::string FileBytes(const std::string &path);
// What a run file, loaded through a fresh binding of the module, holds otherwise than the
// data set: empty when it holds the same runs in the same order, with the same numbers,
// modes and infiltration, the same stored values (to the 15 digits the file holds) and
// units in every stored column, and the same curves in the same units.
std::string RunFileDifference(TIrrigationModule module, const std::string &path, TIrrigationDataSet &dataSet);

class UiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh design window of the module, shown at 800 x 600 and active.
    TfrmDesignWindow &Open(TIrrigationModule module);

    TIrrigationRun &Run();
    TParameter &Parameter(const char *name);
    std::string Status(int panel) const;
    // The captions and values the frames show, row by row ("Basin length=40.00 m").
    std::vector<std::string> DecisionRows() const;
    std::vector<std::string> FieldRows() const;
    std::vector<std::string> ResultRows() const;

    RecordingDialogs dialogs;
    RecordingErrorDisplay errors;
    std::unique_ptr<TfrmDesignWindow> window;
};

#endif
