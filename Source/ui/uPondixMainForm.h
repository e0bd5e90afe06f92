#ifndef IRRIKA_UI_UPONDIXMAINFORM_H
#define IRRIKA_UI_UPONDIXMAINFORM_H

// The basin design window.

#include "uDesignWindow.h"

class TfrmPondix : public TfrmDesignWindow {
public:
    explicit TfrmPondix(QWidget *parent = nullptr);
};

#endif
