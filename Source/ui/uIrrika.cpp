#include "uIrrika.h"

#include "Dialogs.h"
#include "ExecutableFolder.h"
#include "HelpSystem.h"
#include "TStatusBar.h"
#include "uConstants.h"
#include "uEventHook.h"
#include "uHandlerGuard.h"
#include "uMenuItems.h"
#include "uPondixMainForm.h"
#include "uRilloxMainForm.h"
#include "uSplashScreen.h"
#include "uStrivaMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <clocale>

TfrmIrrika *frmIrrika = nullptr;

namespace {

QFrame *MakePanel(const char *name)
{
    auto *panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QPushButton *MakeButton(const char *name, const char *caption, const char *hint, int x, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setGeometry(x, 8, 85, 25);
    return button;
}

// The modules in the order the launcher checks and offers them.
struct TModuleEntry {
    TIrrigationModule Module;
    const char *IniFileName;
};
const TModuleEntry kModules[] = {
    {imBasin, uConstants::BasinIniFileName},
    {imBorder, uConstants::BorderIniFileName},
    {imFurrow, uConstants::FurrowIniFileName},
};

}  // namespace

TfrmIrrika::TfrmIrrika(QWidget *parent)
    : QMainWindow(parent),
      StatusBar1(new TStatusBar({150, 400, 50}, this)),
      sbxMain(new QScrollArea(this)),
      Panel1(MakePanel("Panel1")),
      btnPondix(MakeButton("btnPondix", "Pondix", "Pondix program", 14, Panel1)),
      btnStriva(MakeButton("btnStriva", "Striva", "Striva program", 102, Panel1)),
      btnRillox(MakeButton("btnRillox", "Rillox", "Rillox program", 190, Panel1)),
      btnQuit(MakeButton("btnQuit", "Quit", "Exit Irrika", 278, Panel1)),
      Panel3(MakePanel("Panel3")),
      Panel2(MakePanel("Panel2"))
{
    setObjectName("frmIrrika");
    setWindowTitle("Surface Irrigation Models");
    auto *bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    setMenuBar(bar);
    QMenu *modules = AddSubMenu(bar, {"mniModules", "&Modules", nullptr, 0, 0});
    mniModules = modules->menuAction();
    mniPondix = AddMenuItem(modules, {"mniPondix", "&Pondix", nullptr, 0, 0});
    mniStriva = AddMenuItem(modules, {"mniStriva", "St&riva", nullptr, 0, 0});
    mniRillox = AddMenuItem(modules, {"mniRillox", "&Rillox", nullptr, 0, 0});
    mniQuit = AddMenuItem(modules, {"mniQuit", "&Quit", nullptr, 0, 0});
    mniAbout = AddBarItem(bar, {"mniAbout", "&About", nullptr, 0, 0});
    StatusBar1->setObjectName("StatusBar1");
    setStatusBar(StatusBar1);

    sbxMain->setObjectName("sbxMain");
    sbxMain->setWidgetResizable(true);
    auto *area = new QWidget;
    auto *areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    Panel1->setFixedHeight(41);
    areaLayout->addWidget(Panel1);
    auto *lower = new QHBoxLayout;
    lower->setContentsMargins(0, 0, 0, 0);
    lower->setSpacing(0);
    Panel2->setFixedWidth(396);
    lower->addWidget(Panel2);
    lower->addWidget(Panel3, 1);
    areaLayout->addLayout(lower, 1);
    sbxMain->setWidget(area);
    setCentralWidget(sbxMain);

    // A handler that fails tells the user and leaves the launcher as it was, as the design
    // windows do: a module that cannot open must not end the program.
    auto on = [this](auto *sender, auto signal, void (TfrmIrrika::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
    };
    on(btnPondix, &QPushButton::clicked, &TfrmIrrika::btnPondixClick);
    on(btnStriva, &QPushButton::clicked, &TfrmIrrika::btnStrivaClick);
    on(btnRillox, &QPushButton::clicked, &TfrmIrrika::btnRilloxClick);
    on(btnQuit, &QPushButton::clicked, &TfrmIrrika::btnQuitClick);
    on(mniPondix, &QAction::triggered, &TfrmIrrika::btnPondixClick);
    on(mniStriva, &QAction::triggered, &TfrmIrrika::btnStrivaClick);
    on(mniRillox, &QAction::triggered, &TfrmIrrika::btnRilloxClick);
    on(mniQuit, &QAction::triggered, &TfrmIrrika::btnQuitClick);
    on(mniAbout, &QAction::triggered, &TfrmIrrika::mniAboutClick);

    frmIrrika = this;
    FormCreate();
}

TfrmIrrika::~TfrmIrrika()
{
    qApp->removeEventFilter(FKeyHook);
    // The about box is the launcher's: it goes with it.
    delete frmSplashScreen;
    frmSplashScreen = nullptr;
    if (frmIrrika == this)
        frmIrrika = nullptr;
}

void TfrmIrrika::FormCreate()
{
    // Every number the program writes or reads uses the point, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_MONETARY, "C");
    std::setlocale(LC_TIME, "C");
    QLocale::setDefault(QLocale::c());

    FPondixForm.reset();
    FStrivaForm.reset();
    FRilloxForm.reset();
    FFirstActivate = true;
    FKeyHook = new TEventHook([this](QObject *watched, QEvent *event) { return ApplicationKey(watched, event); },
                              this);
    qApp->installEventFilter(FKeyHook);
    frmSplashScreen = new TfrmSplashScreen(this);

    QPushButton *buttons[] = {btnPondix, btnStriva, btnRillox};
    for (QPushButton *button : buttons)
        button->setEnabled(false);
    const std::string folder = ExecutableFolder();
    for (const TModuleEntry &entry : kModules) {
        if (!FindFileIgnoringCase(folder, entry.IniFileName).empty())
            buttons[entry.Module]->setEnabled(true);
        else
            ShowErrorMessage(std::string(uConstants::FileNotFound) + entry.IniFileName);
    }
    const std::string help = FindFileIgnoringCase(folder, uConstants::HelpFileName);
    if (!help.empty())
        HelpSystem::SetFileName(help);
    else
        ShowErrorMessage(std::string(uConstants::HelpFileNotFound) + "\n\r" + folder);
}

void TfrmIrrika::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmIrrika::FormActivate()
{
    try {
        if (!FFirstActivate)
            return;
        FFirstActivate = false;
        // Shown once the activation itself has been handled.
        QTimer::singleShot(0, this, [] {
            try {
                if (frmSplashScreen)
                    frmSplashScreen->exec();
            } catch (...) {
            }
        });
    } catch (...) {
    }
}

void TfrmIrrika::mniAboutClick()
{
    if (frmSplashScreen)
        frmSplashScreen->exec();
}

void TfrmIrrika::SetModule(TIrrigationModule Module)
{
    FModule = Module;
    // The display texts of the parameters follow the open module.
    SetCurrentModule(Module);
}

TfrmDesignWindow *TfrmIrrika::DesignWindow() const
{
    if (FPondixForm)
        return FPondixForm.get();
    if (FStrivaForm)
        return FStrivaForm.get();
    return FRilloxForm.get();
}

void TfrmIrrika::OpenModule(TIrrigationModule module)
{
    SetModule(module);
    std::unique_ptr<TfrmDesignWindow> &field =
        module == imBasin ? FPondixForm : module == imBorder ? FStrivaForm : FRilloxForm;
    // The window goes when its showing ends, also when building or showing it failed.
    struct TFreeWindow {
        std::unique_ptr<TfrmDesignWindow> &Field;
        ~TFreeWindow() { Field.reset(); }
    } freeWindow{field};
    if (!field) {
        if (module == imBasin)
            field = std::make_unique<TfrmPondix>();
        else if (module == imBorder)
            field = std::make_unique<TfrmStriva>();
        else
            field = std::make_unique<TfrmRillox>();
    }
    field->ShowModal();
}

void TfrmIrrika::btnPondixClick() { OpenModule(imBasin); }
void TfrmIrrika::btnStrivaClick() { OpenModule(imBorder); }
void TfrmIrrika::btnRilloxClick() { OpenModule(imFurrow); }
void TfrmIrrika::btnQuitClick() { close(); }

void TfrmIrrika::FormKeyUp(int Key)
{
    if (Key == Qt::Key_Escape)
        close();
}

bool TfrmIrrika::ApplicationKey(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    if (!IsKeyTarget(watched, *this))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress)
        FKeyPresses.Pressed(key->key());
    else if (!key->isAutoRepeat() && FKeyPresses.Released(key->key()))
        FormKeyUp(key->key());
    return false;
}

void TfrmIrrika::closeEvent(QCloseEvent *event)
{
    // A design window is modal over the launcher; the launcher does not go while one is
    // open, since its modal loop still runs.
    if (DesignWindow()) {
        event->ignore();
        return;
    }
    FPondixForm.reset();
    FStrivaForm.reset();
    FRilloxForm.reset();
    QMainWindow::closeEvent(event);
}
