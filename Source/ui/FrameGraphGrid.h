#ifndef IRRIKA_UI_FRAMEGRAPHGRID_H
#define IRRIKA_UI_FRAMEGRAPHGRID_H
// PLACEHOLDER (not committed)
#include <QWidget>
#include <QTabWidget>
#include <QPushButton>
class TChart; class TStringGrid;
class TfraGraphGrid : public QWidget {
    Q_OBJECT
public:
    explicit TfraGraphGrid(QWidget *parent = nullptr);
    QWidget *pnlButtons; QPushButton *btbtnSaveTimeChart, *btbtnPrintTimeChart, *btbtnCopyTimeChart, *bbtDeleteRun, *bbtClose;
    QTabWidget *pgcGraphGrid; QWidget *tshGraph, *tshTable, *Panel1; TChart *chrtTimes, *chrtDepths; TStringGrid *stgIrrigationRuns;
    void ActivatePage(QWidget *page);
    void SetTableTabVisible(bool visible);
signals:
    void pgcGraphGridChange();
};
#endif
