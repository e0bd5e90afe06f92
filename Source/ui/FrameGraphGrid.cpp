#include "FrameGraphGrid.h"

#include "FixedStringGrid.h"
#include "NumberText.h"
#include "TChart.h"
#include "uFormFont.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFontPixelSize = 13;
constexpr int kButtonPanelHeight = 41;
constexpr int kRunGridCols = 100;
constexpr int kRunGridRows = 60;
constexpr int kRunGridRowHeight = 24;

// The button row: caption, left edge and glyph; all at y 8, 91 x 25 as designed.
struct TButtonDesign {
    QPushButton *const TfraGraphGrid::*button;
    const char *name;
    const char *caption;
    int left;
    QStyle::StandardPixmap glyph;
};
constexpr int kButtonTop = 8, kButtonWidth = 91, kButtonHeight = 25;
const TButtonDesign kButtons[] = {
    {&TfraGraphGrid::btbtnSaveTimeChart, "btbtnSaveTimeChart", "&Export", 6, QStyle::SP_DialogSaveButton},
    {&TfraGraphGrid::btbtnPrintTimeChart, "btbtnPrintTimeChart", "&Print", 102, QStyle::SP_FileIcon},
    {&TfraGraphGrid::btbtnCopyTimeChart, "btbtnCopyTimeChart", "&Clipboard", 198, QStyle::SP_FileDialogContentsView},
    {&TfraGraphGrid::bbtDeleteRun, "bbtDeleteRun", "&Delete Run", 296, QStyle::SP_TrashIcon},
    {&TfraGraphGrid::bbtClose, "bbtClose", "C&lose", 392, QStyle::SP_DialogCloseButton},
};

// A panel that only holds what lies on it: no frame, no margins.
QVBoxLayout *FillingLayout(QWidget *owner)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

}  // namespace

TfraGraphGrid::TfraGraphGrid(QWidget *parent)
    : QWidget(parent),
      pnlButtons(new QFrame(this)),
      btbtnSaveTimeChart(new QPushButton(pnlButtons)),
      btbtnPrintTimeChart(new QPushButton(pnlButtons)),
      btbtnCopyTimeChart(new QPushButton(pnlButtons)),
      bbtDeleteRun(new QPushButton(pnlButtons)),
      bbtClose(new QPushButton(pnlButtons)),
      pnlGridGraph(new QFrame(this)),
      pgcGraphGrid(new QTabWidget(pnlGridGraph)),
      tshGraph(new QWidget),
      ScrollBox1(new QScrollArea(tshGraph)),
      Panel1(new QFrame),
      chrtTimes(new TChart(Panel1)),
      chrtDepths(new TChart(Panel1)),
      tshTable(new QWidget),
      Panel2(new QFrame(tshTable)),
      stgIrrigationRuns(new TFixedStringGrid(Panel2))
{
    setObjectName("fraGraphGrid");
    setFont(FormFont(-kFontPixelSize));

    pnlButtons->setObjectName("pnlButtons");
    pnlButtons->setFixedHeight(kButtonPanelHeight);
    // A caption and glyph wider than the designed button widen it and move the buttons
    // after it along, so that no caption is cut.
    int shift = 0;
    for (const TButtonDesign &design : kButtons) {
        QPushButton *button = this->*design.button;
        button->setObjectName(design.name);
        button->setText(design.caption);
        button->setIcon(style()->standardIcon(design.glyph));
        const int width = std::max(kButtonWidth, button->sizeHint().width());
        button->setGeometry(design.left + shift, kButtonTop, width, kButtonHeight);
        shift += width - kButtonWidth;
    }
    bbtDeleteRun->setEnabled(false);

    pnlGridGraph->setObjectName("pnlGridGraph");
    pgcGraphGrid->setObjectName("pgcGraphGrid");
    tshGraph->setObjectName("tshGraph");
    tshTable->setObjectName("tshTable");
    pgcGraphGrid->addTab(tshGraph, "&Graph");
    pgcGraphGrid->addTab(tshTable, "&Table");
    FillingLayout(pnlGridGraph)->addWidget(pgcGraphGrid);

    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setWidget(Panel1);
    Panel1->setObjectName("Panel1");
    chrtTimes->setObjectName("chrtTimes");
    chrtDepths->setObjectName("chrtDepths");
    FillingLayout(tshGraph)->addWidget(ScrollBox1);

    Panel2->setObjectName("Panel2");
    stgIrrigationRuns->setObjectName("stgIrrigationRuns");
    stgIrrigationRuns->SetColCount(kRunGridCols);
    stgIrrigationRuns->SetRowCount(kRunGridRows);
    stgIrrigationRuns->SetDefaultRowHeight(kRunGridRowHeight);
    stgIrrigationRuns->SetFixedRows(1);
    stgIrrigationRuns->SetFixedCols(1);
    stgIrrigationRuns->setSelectionBehavior(QAbstractItemView::SelectItems);
    stgIrrigationRuns->setSelectionMode(QAbstractItemView::ContiguousSelection);
    stgIrrigationRuns->setShowGrid(true);
    FillingLayout(Panel2)->addWidget(stgIrrigationRuns);
    FillingLayout(tshTable)->addWidget(Panel2);

    QVBoxLayout *frameLayout = FillingLayout(this);
    frameLayout->addWidget(pnlButtons);
    frameLayout->addWidget(pnlGridGraph, 1);

    Panel1->installEventFilter(this);
    tshGraph->installEventFilter(this);
    tshTable->installEventFilter(this);
    connect(pgcGraphGrid, &QTabWidget::currentChanged, this, [this] {
        if (!FProgramSwitch)
            emit pgcGraphGridChange();
    });
}

bool TfraGraphGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Panel1Resize();
    else if (watched == tshTable && event->type() == QEvent::Show)
        tshTableShow();
    else if (watched == tshGraph && event->type() == QEvent::Show)
        tshGraphShow();
    return QWidget::eventFilter(watched, event);
}

void TfraGraphGrid::ActivatePage(QWidget *page)
{
    const QScopedValueRollback<bool> byProgram(FProgramSwitch, true);
    pgcGraphGrid->setCurrentWidget(page);
}

QWidget *TfraGraphGrid::ActivePage() const { return pgcGraphGrid->currentWidget(); }

void TfraGraphGrid::SetTableTabVisible(bool visible)
{
    const QScopedValueRollback<bool> byProgram(FProgramSwitch, true);
    // A page whose tab is gone would stay on screen with no tab to tell what it is.
    if (!visible && pgcGraphGrid->currentWidget() == tshTable)
        pgcGraphGrid->setCurrentWidget(tshGraph);
    // A hidden tab is also disabled: the tab bar's arrow keys, Ctrl+Tab and the tab's
    // mnemonic would otherwise still reach it.
    const int table = pgcGraphGrid->indexOf(tshTable);
    pgcGraphGrid->setTabEnabled(table, visible);
    pgcGraphGrid->setTabVisible(table, visible);
}

bool TfraGraphGrid::TableTabVisible() const { return pgcGraphGrid->isTabVisible(pgcGraphGrid->indexOf(tshTable)); }

void TfraGraphGrid::tshTableShow()
{
    bbtDeleteRun->setEnabled(true);
    btbtnCopyTimeChart->setEnabled(false);
}

void TfraGraphGrid::tshGraphShow()
{
    bbtDeleteRun->setEnabled(false);
    btbtnCopyTimeChart->setEnabled(true);
}

void TfraGraphGrid::Panel1Resize()
{
    const int height = static_cast<int>(Round(Panel1->height() / 2.0));
    chrtTimes->setGeometry(0, 0, Panel1->width(), height);
    chrtDepths->setGeometry(0, Panel1->height() - height, Panel1->width(), height);
}
