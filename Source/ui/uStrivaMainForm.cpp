#include "uStrivaMainForm.h"

TfrmStriva::TfrmStriva(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imBorder), parent) {}
