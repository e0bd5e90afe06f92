#ifndef IRRIKA_UI_FRAMEINFO_H
#define IRRIKA_UI_FRAMEINFO_H
// PLACEHOLDER (not committed)
#include <QWidget>
class TStringGrid;
class TfraInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfraInfo(QWidget *parent = nullptr);
    TStringGrid *stgInformation; int FHeight = 240;
    bool ShowInfo(int index);
signals:
    void stgInformationSelectCell(int col, int row);
};
#endif
