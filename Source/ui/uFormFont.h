#ifndef IRRIKA_UI_UFORMFONT_H
#define IRRIKA_UI_UFORMFONT_H

// The forms are laid out in pixels for "MS Sans Serif". That face does not exist here, so a
// face of nearly the same widths stands in for it; the layout then fits as designed.

#include <QFont>

// The form font of the given height (a negative height is a pixel height, as the forms
// give it).
QFont FormFont(int height);

#endif
