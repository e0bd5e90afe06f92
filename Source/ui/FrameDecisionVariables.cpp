#include "FrameDecisionVariables.h"

namespace {
const int kRows = 5;
const int kBase = 42, kStep = 20;
}

TfraDecisionVariables::TfraDecisionVariables(QWidget *parent) : TInputFrame(kBase, kStep, parent)
{
    setObjectName("fraDecisionVariables");
    for (int r = 1; r <= kRows; ++r)
        AddRow(r, 8, 140, 276, 8 + 20 * (r - 1), QString("Label%1").arg(2 * r - 1), QString("Label%1").arg(2 * r));
    Clear();
}
