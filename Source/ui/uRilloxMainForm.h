#ifndef IRRIKA_UI_URILLOXMAINFORM_H
#define IRRIKA_UI_URILLOXMAINFORM_H

// The furrow design window.

#include "uDesignWindow.h"

class TfrmRillox : public TfrmDesignWindow {
public:
    explicit TfrmRillox(QWidget *parent = nullptr);
};

#endif
