// Program start-up. Until the launcher window exists this shows a small window that says
// what the program is.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Irrika");
    QLabel window("Irrika - surface irrigation design (basin, border, furrow).\n"
                  "The launcher window is not built yet.");
    window.setWindowTitle("Irrika");
    window.setMargin(24);
    window.show();
    return app.exec();
}
