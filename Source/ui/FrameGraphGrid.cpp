#include "FrameGraphGrid.h"
#include "TChart.h"
#include "TStringGrid.h"
#include <QVBoxLayout>
TfraGraphGrid::TfraGraphGrid(QWidget *parent) : QWidget(parent) {
    auto *l = new QVBoxLayout(this);
    pnlButtons = new QWidget(this); pnlButtons->setFixedHeight(41); l->addWidget(pnlButtons);
    btbtnSaveTimeChart = new QPushButton("&Export", pnlButtons); btbtnSaveTimeChart->setGeometry(6,8,91,25);
    btbtnPrintTimeChart = new QPushButton("&Print", pnlButtons); btbtnPrintTimeChart->setGeometry(102,8,91,25);
    btbtnCopyTimeChart = new QPushButton("&Clipboard", pnlButtons); btbtnCopyTimeChart->setGeometry(198,8,91,25);
    bbtDeleteRun = new QPushButton("&Delete Run", pnlButtons); bbtDeleteRun->setGeometry(296,8,91,25); bbtDeleteRun->setEnabled(false);
    bbtClose = new QPushButton("C&lose", pnlButtons); bbtClose->setGeometry(392,8,91,25);
    pgcGraphGrid = new QTabWidget(this); l->addWidget(pgcGraphGrid);
    tshGraph = new QWidget; tshTable = new QWidget;
    pgcGraphGrid->addTab(tshGraph, "&Graph"); pgcGraphGrid->addTab(tshTable, "&Table");
    auto *gl = new QVBoxLayout(tshGraph); Panel1 = new QWidget; gl->addWidget(Panel1);
    auto *pl = new QVBoxLayout(Panel1);
    chrtTimes = new TChart(Panel1); chrtDepths = new TChart(Panel1); pl->addWidget(chrtTimes); pl->addWidget(chrtDepths);
    auto *tl = new QVBoxLayout(tshTable); stgIrrigationRuns = new TStringGrid(tshTable); tl->addWidget(stgIrrigationRuns);
    stgIrrigationRuns->SetColCount(100); stgIrrigationRuns->SetRowCount(60);
}
void TfraGraphGrid::ActivatePage(QWidget *page) { pgcGraphGrid->setCurrentWidget(page); }
void TfraGraphGrid::SetTableTabVisible(bool visible) { pgcGraphGrid->setTabVisible(1, visible); }
