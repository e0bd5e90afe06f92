#ifndef IRRIKA_UI_UEVENTHOOK_H
#define IRRIKA_UI_UEVENTHOOK_H

// An event filter that hands the events to a function. A window watches the application's
// keys through one of these, apart from the filter it installs on its own widgets, so that
// no event reaches the window's handlers twice.

#include <QObject>

#include <functional>

class TEventHook : public QObject {
public:
    using THandler = std::function<bool(QObject *watched, QEvent *event)>;

    TEventHook(THandler handler, QObject *parent) : QObject(parent), FHandler(std::move(handler)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return FHandler(watched, event); }

private:
    THandler FHandler;
};

#endif
