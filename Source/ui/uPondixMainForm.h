#ifndef IRRIKA_UI_UPONDIXMAINFORM_H
#define IRRIKA_UI_UPONDIXMAINFORM_H

// The basin design window. Its infiltration object feeds the basin engine, so the window
// keeps that object in step with the infiltration menu and inputs.

#include "uDesignWindow.h"

class TfrmPondix : public TfrmDesignWindow {
public:
    explicit TfrmPondix(QWidget *parent = nullptr);

    void RadioGroupClick(QAction *Sender) override;
    void RadioGroupInfiltrationClick(QAction *Sender) override;
    void ApplyUnitSelection() override;
    void UpdateInfiltration() override;
    bool IsValidSCSNumber(double number) override;
};

#endif
