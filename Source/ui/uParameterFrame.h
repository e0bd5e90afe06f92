#ifndef IRRIKA_UI_UPARAMETERFRAME_H
#define IRRIKA_UI_UPARAMETERFRAME_H

// What the three parameter frames share: fixed rows of caption, value and unit, filled in
// row order from a list of a run's parameters, and the height the frame asks of its box.
// The frames only read and write the parameters; the lists and the parameters belong to
// the design window and the run.

#include <QWidget>

#include <vector>

class QLabel;
class TAssociationList;
class TParameter;

class TParameterFrame : public QWidget {
public:
    // The height the frame needs: FBase plus FStep for every parameter of the last list.
    int FHeight = 0;

    // Empties and hides every label and value; edits are enabled again.
    void Clear();
    int RowCount() const { return static_cast<int>(FRows.size()); }
    // Row r's caption and unit labels (1-based), whatever the designer named them; nullptr
    // outside the rows.
    QLabel *CaptionLabel(int r) const;
    QLabel *UnitLabel(int r) const;

protected:
    struct TRow {
        QLabel *Caption;
        QWidget *Value;
        QLabel *Unit;
    };

    TParameterFrame(int base, int step, QWidget *parent);

    // Clears the frame, then shows the list's parameters one per row (nil entries skipped);
    // every parameter counts towards FHeight, also those beyond the last row.
    void DisplayList(TAssociationList *List);
    // The value part of a row for one parameter.
    virtual void ShowValue(int row, TParameter *parameter) = 0;
    virtual void ClearValue(QWidget *value) = 0;

    std::vector<TRow> FRows;
    // Labels that belong to no row (the field frame's title).
    std::vector<QLabel *> FOtherLabels;

private:
    int FBase;
    int FStep;
};

#endif
