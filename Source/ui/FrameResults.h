#ifndef IRRIKA_UI_FRAMERESULTS_H
#define IRRIKA_UI_FRAMERESULTS_H

// The results of a calculation: twenty read-only rows of caption, "= value" and unit.

#include "uParameterFrame.h"

class QLabel;

class TfraResults : public TParameterFrame {
public:
    explicit TfraResults(QWidget *parent = nullptr);

    void Display(TAssociationList *List) { DisplayList(List); }
    // Row r's value label (1-based).
    QLabel *ValueLabel(int r) const;

protected:
    void ShowValue(int row, TParameter *parameter) override;
    void ClearValue(QWidget *value) override;
};

#endif
