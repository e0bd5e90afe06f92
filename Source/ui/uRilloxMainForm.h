#ifndef IRRIKA_UI_URILLOXMAINFORM_H
#define IRRIKA_UI_URILLOXMAINFORM_H

// The furrow design window. Its shape coefficients "Sigma1" and "Tau1" mean different
// numbers in metres and in feet, so a length switch rescales them.

#include "uDesignWindow.h"

class TfrmRillox : public TfrmDesignWindow {
public:
    explicit TfrmRillox(QWidget *parent = nullptr);

    void RadioGroupClick(QAction *Sender) override;
    void ApplyUnitSelection() override;
    void UpdateInfiltration() override;
    bool IsValidSCSNumber(double number) override;
};

#endif
