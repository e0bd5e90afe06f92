#ifndef IRRIKA_UI_FRAMEGRAPHGRID_H
#define IRRIKA_UI_FRAMEGRAPHGRID_H

// The graph-and-table view of a design window: a row of buttons above two pages, Graph with
// the time chart above the depth chart, and Table with the runs table. The window hands the
// charts and the grid to its binding, which draws into them and fills the table; the window
// connects the buttons and the page change to its own handlers.

#include <QWidget>

class QFrame;
class QPushButton;
class QScrollArea;
class QTabWidget;
class TChart;
class TFixedStringGrid;

class TfraGraphGrid : public QWidget {
    Q_OBJECT

public:
    explicit TfraGraphGrid(QWidget *parent = nullptr);

    // Makes tshGraph or tshTable the active page as the program does it: the page's show
    // handler runs when it becomes shown, but no pgcGraphGridChange follows.
    void ActivatePage(QWidget *page);
    QWidget *ActivePage() const;
    // Shows or hides the Table tab. Hiding it while it is active makes the Graph page
    // active, again without pgcGraphGridChange.
    void SetTableTabVisible(bool visible);
    bool TableTabVisible() const;

    // Page shown (by the program or by the user): Delete Run belongs to the table,
    // the clipboard copy to the charts.
    void tshTableShow();
    void tshGraphShow();
    // Each chart gets half of the panel's height, halves going to the even neighbour.
    void Panel1Resize();

    QFrame *const pnlButtons;
    QPushButton *const btbtnSaveTimeChart;  // Export
    QPushButton *const btbtnPrintTimeChart;
    QPushButton *const btbtnCopyTimeChart;  // Clipboard
    QPushButton *const bbtDeleteRun;
    QPushButton *const bbtClose;
    QFrame *const pnlGridGraph;
    QTabWidget *const pgcGraphGrid;
    QWidget *const tshGraph;
    QScrollArea *const ScrollBox1;
    QFrame *const Panel1;
    TChart *const chrtTimes;
    TChart *const chrtDepths;
    QWidget *const tshTable;
    QFrame *const Panel2;
    TFixedStringGrid *const stgIrrigationRuns;

signals:
    // The user switched pages (a click on a tab, the keys or a tab's mnemonic); a page set
    // by the program raises none.
    void pgcGraphGridChange();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Set while the program changes the page.
    bool FProgramSwitch = false;
};

#endif
