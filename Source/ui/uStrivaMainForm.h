#ifndef IRRIKA_UI_USTRIVAMAINFORM_H
#define IRRIKA_UI_USTRIVAMAINFORM_H

// The border design window.

#include "uDesignWindow.h"

class TfrmStriva : public TfrmDesignWindow {
public:
    explicit TfrmStriva(QWidget *parent = nullptr);

    void RadioGroupClick(QAction *Sender) override;
    void ApplyUnitSelection() override;
    void UpdateInfiltration() override;
    bool IsValidSCSNumber(double number) override;
};

#endif
