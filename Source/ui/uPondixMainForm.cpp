#include "uPondixMainForm.h"

TfrmPondix::TfrmPondix(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imBasin), parent) {}
