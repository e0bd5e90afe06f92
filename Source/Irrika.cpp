// Program start-up. The engine libraries are loaded before any window exists: without all
// three the program cannot calculate, so it says which one failed and does not start.
#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "HelpSystem.h"
#include "HelpViewerSystem.h"
#include "QtDialogs.h"
#include "uError.h"
#include "uIrrika.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Irrika");
    QtDialogs dialogs;
    Dialogs::Install(&dialogs);
    HelpSystem::SetFileName("");
    HelpViewerSystem help;
    HelpSystem::Install(&help);

    std::string failure;
    if (!LoadEngineLibraries(ExecutableFolder(), failure)) {
        std::fprintf(stderr, "Irrika: %s\n", failure.c_str());
        ShowErrorMessage(failure, "Irrika");
        return 1;
    }

    TfrmIrrika launcher;
    TfrmError errorDialog;
    frmError = &errorDialog;
    launcher.showMaximized();
    const int result = app.exec();
    frmError = nullptr;
    return result;
}
