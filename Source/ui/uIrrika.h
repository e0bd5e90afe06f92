#ifndef IRRIKA_UI_UIRRIKA_H
#define IRRIKA_UI_UIRRIKA_H

// The launcher, the program's main window. Creating it fixes the number formats of the
// whole process and checks that the modules' settings files and the help file are there;
// it offers the three modules and shows one design window at a time, modally, freeing it
// when it closes.

#include "uIrrigationTypes.h"
#include "uKeyPresses.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QPushButton;
class QScrollArea;
class TStatusBar;
class TfrmDesignWindow;

class TfrmIrrika : public QMainWindow {
public:
    explicit TfrmIrrika(QWidget *parent = nullptr);
    ~TfrmIrrika() override;

    void btnPondixClick();
    void btnStrivaClick();
    void btnRilloxClick();
    void btnQuitClick();
    void mniAboutClick();
    void SetModule(TIrrigationModule Module);
    TIrrigationModule Module() const { return FModule; }
    // The design window that is open, nullptr when none is.
    TfrmDesignWindow *DesignWindow() const;

    QAction *mniModules;
    QAction *mniPondix;
    QAction *mniStriva;
    QAction *mniRillox;
    QAction *mniQuit;
    QAction *mniAbout;
    TStatusBar *const StatusBar1;
    QScrollArea *const sbxMain;
    QFrame *const Panel1;
    QPushButton *const btnPondix;
    QPushButton *const btnStriva;
    QPushButton *const btnRillox;
    QPushButton *const btnQuit;
    QFrame *const Panel3;
    QFrame *const Panel2;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void FormKeyUp(int Key);
    bool ApplicationKey(QObject *watched, QEvent *event);
    void OpenModule(TIrrigationModule module);

    std::unique_ptr<TfrmDesignWindow> FPondixForm;
    std::unique_ptr<TfrmDesignWindow> FStrivaForm;
    std::unique_ptr<TfrmDesignWindow> FRilloxForm;
    TIrrigationModule FModule = imBasin;
    bool FFirstActivate = false;
    TKeyPresses FKeyPresses;
    QObject *FKeyHook = nullptr;
};

// The one launcher, while it exists.
extern TfrmIrrika *frmIrrika;

#endif
