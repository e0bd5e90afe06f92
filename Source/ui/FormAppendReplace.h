#ifndef IRRIKA_UI_FORMAPPENDREPLACE_H
#define IRRIKA_UI_FORMAPPENDREPLACE_H

// Asks, when a run is saved into a file that exists, whether the run is appended to the
// file or replaces it. Cancel and the title bar's close button choose neither.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

class TfrmAppendReplace : public QDialog {
public:
    explicit TfrmAppendReplace(QWidget *owner = nullptr);

    // Label2 := "File: " + the file-name part of the name, without its folder.
    void SetFileName(const std::string &name);

    // The choice the dialog closed with; at most one is true.
    bool Append() const { return FAppend; }
    bool Replace() const { return FReplace; }

    QLabel *const Label2;
    QLabel *const Label1;
    QPushButton *const btnAppend;
    QPushButton *const btnReplace;
    QPushButton *const btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnAppendClick();
    void btnReplaceClick();
    void btnCancelClick();

    bool FAppend = false;
    bool FReplace = false;
};

// The dialog while the design window's save shows it; nullptr otherwise.
extern TfrmAppendReplace *frmAppendReplace;

#endif
