#ifndef IRRIKA_UI_TSTATUSBAR_H
#define IRRIKA_UI_TSTATUSBAR_H

// A status bar of fixed-width text panels, written by index. Qt's own status bar shows one
// message at a time; the windows here keep several texts side by side.

#include <QStatusBar>

#include <string>
#include <vector>

class QLabel;

class TStatusBar : public QStatusBar {
public:
    TStatusBar(const std::vector<int> &panelWidths, QWidget *parent);

    int PanelCount() const { return static_cast<int>(FPanels.size()); }
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string &text);
    QLabel *Panel(int index) const;

private:
    std::vector<QLabel *> FPanels;
};

#endif
