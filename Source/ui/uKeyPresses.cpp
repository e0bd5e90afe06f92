#include "uKeyPresses.h"

#include <QApplication>
#include <QWidget>

bool IsKeyTarget(const QObject *watched, const QWidget &window)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == &window)
        return watched == focus;
    return watched == &window;
}
