// Writes a PNG of the whole X screen: the end-to-end tests and the people looking at the
// windows read the screen through it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: irrika_screenshot FILE.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(argv[1], "PNG")) {
        std::fprintf(stderr, "irrika_screenshot: cannot grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
