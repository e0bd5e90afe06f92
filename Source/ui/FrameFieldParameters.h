#ifndef IRRIKA_UI_FRAMEFIELDPARAMETERS_H
#define IRRIKA_UI_FRAMEFIELDPARAMETERS_H

// The field parameters of the input screen under a title line: fifteen rows of caption,
// edit and unit. The furrow's longest screen lists fifteen parameters, and each of them
// reaches the engine, so each needs a row where it can be seen and edited.

#include "uInputFrame.h"

#include <string>

class QLabel;

class TfraFieldParameters : public TInputFrame {
public:
    explicit TfraFieldParameters(QWidget *parent = nullptr);

    void Display(const std::string &Title, TAssociationList *List);
    // Shows the title line, also when the text is empty.
    void SetTitle(const std::string &Title);
    // The row an edit shows (its tag), 0 for an edit of no row.
    int EditRow(const QWidget *edit) const;

    QLabel *const TitleLabel;

protected:
    void ShowValue(int row, TParameter *parameter) override;
    void ClearValue(QWidget *value) override;
};

#endif
