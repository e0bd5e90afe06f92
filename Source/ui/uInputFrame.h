#ifndef IRRIKA_UI_UINPUTFRAME_H
#define IRRIKA_UI_UINPUTFRAME_H

// A parameter frame whose rows hold edits: the decision-variable and field-parameter
// frames. The edits show the input text of their parameter and hand typed numbers back.

#include "uParameterFrame.h"

#include <QLineEdit>

class TInputFrame : public TParameterFrame {
public:
    // Row r's edit (1-based), as the designer numbered them.
    QLineEdit *Edit(int r) const;
    int EditCount() const { return RowCount(); }

    // Edit r's text into the r-th parameter of the list, for every row that has both, as a
    // value in the parameter's display unit. Text that is no number raises EConvertError at
    // that row; the rows above it are stored already. No limits are checked.
    void GetValues(TAssociationList *List);

    // Every row's edit shows its parameter's value again, as Display showed it: whatever
    // was typed since and not stored is dropped.
    void ShowValues(TAssociationList *List);

    void DisableEdits();
    void EnableEdits();

protected:
    TInputFrame(int base, int step, QWidget *parent);

    // Adds row r with its caption, edit and unit at the given x positions and y.
    void AddRow(int r, int captionX, int editX, int unitX, int y, const QString &captionName,
                const QString &unitName);

    void ShowValue(int row, TParameter *parameter) override;
    void ClearValue(QWidget *value) override;
};

#endif
