#include "TStatusBar.h"

#include <QLabel>

TStatusBar::TStatusBar(const std::vector<int> &panelWidths, QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panelWidths.size(); ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(panelWidths[i]);
        panel->setTextFormat(Qt::PlainText);
        addWidget(panel);
        FPanels.push_back(panel);
    }
}

QLabel *TStatusBar::Panel(int index) const
{
    return index >= 0 && index < PanelCount() ? FPanels[static_cast<std::size_t>(index)] : nullptr;
}

std::string TStatusBar::PanelText(int index) const
{
    QLabel *panel = Panel(index);
    return panel ? panel->text().toStdString() : std::string();
}

void TStatusBar::SetPanelText(int index, const std::string &text)
{
    if (QLabel *panel = Panel(index))
        panel->setText(QString::fromStdString(text));
}
