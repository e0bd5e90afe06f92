#ifndef IRRIKA_UI_FRAMEDECISIONVARIABLES_H
#define IRRIKA_UI_FRAMEDECISIONVARIABLES_H

// The decision variables that the current calculation mode takes as input: five rows of
// caption, edit and unit.

#include "uInputFrame.h"

class TfraDecisionVariables : public TInputFrame {
public:
    explicit TfraDecisionVariables(QWidget *parent = nullptr);

    void Display(TAssociationList *List) { DisplayList(List); }
};

#endif
