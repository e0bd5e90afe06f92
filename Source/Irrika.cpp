// Program start-up. The engine libraries are loaded before any window exists: without all
// three the program cannot calculate, so it says which one failed and does not start.
// Until the launcher window exists this shows a small window that says what the program is.
#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "QtDialogs.h"
#include "uError.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Irrika");
    QtDialogs dialogs;
    Dialogs::Install(&dialogs);

    std::string failure;
    if (!LoadEngineLibraries(ExecutableFolder(), failure)) {
        std::fprintf(stderr, "Irrika: %s\n", failure.c_str());
        ShowErrorMessage(failure, "Irrika");
        return 1;
    }

    TfrmError errorDialog;
    frmError = &errorDialog;

    QLabel window("Irrika - surface irrigation design (basin, border, furrow).\n"
                  "The launcher window is not built yet.");
    window.setWindowTitle("Irrika");
    window.setMargin(24);
    window.show();
    const int result = app.exec();
    frmError = nullptr;
    return result;
}
