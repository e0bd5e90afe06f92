#ifndef IRRIKA_UI_UKEYPRESSES_H
#define IRRIKA_UI_UKEYPRESSES_H

// The keys a window saw go down. A window that acts when a key comes up must not act on a
// release whose press went elsewhere: Esc closes a dialog as it goes down, and its release
// then arrives in the window below.

#include <set>

class QObject;
class QWidget;

class TKeyPresses {
public:
    void Pressed(int key) { FDown.insert(key); }
    // True when the window saw this key go down; the key is then up again.
    bool Released(int key) { return FDown.erase(key) > 0; }

private:
    std::set<int> FDown;
};

// Keys go to the window's focused control, or to the window when none has the focus; a
// window takes each key there once, not again as it passes on to the control's parents.
bool IsKeyTarget(const QObject *watched, const QWidget &window);

#endif
