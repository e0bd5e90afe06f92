#include "FrameInfo.h"
#include "TStringGrid.h"
#include <QVBoxLayout>
TfraInfo::TfraInfo(QWidget *parent) : QWidget(parent) { auto *l = new QVBoxLayout(this); stgInformation = new TStringGrid(this); l->addWidget(stgInformation); }
bool TfraInfo::ShowInfo(int index) { FHeight = 240; return index == 0 || index == 1; }
