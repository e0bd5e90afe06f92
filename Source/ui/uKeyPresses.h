#ifndef IRRIKA_UI_UKEYPRESSES_H
#define IRRIKA_UI_UKEYPRESSES_H

// The keys a window saw go down. A window that acts when a key comes up must not act on a
// release whose press went elsewhere: Esc closes a dialog as it goes down, and its release
// then arrives in the window below.

#include <set>

class TKeyPresses {
public:
    void Pressed(int key) { FDown.insert(key); }
    // True when the window saw this key go down; the key is then up again.
    bool Released(int key) { return FDown.erase(key) > 0; }
    void Forget() { FDown.clear(); }

private:
    std::set<int> FDown;
};

#endif
