#include "uRilloxMainForm.h"

TfrmRillox::TfrmRillox(QWidget *parent) : TfrmDesignWindow(DesignWindowTraits(imFurrow), parent) {}
