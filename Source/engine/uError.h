#ifndef IRRIKA_ENGINE_UERROR_H
#define IRRIKA_ENGINE_UERROR_H

// The one modal error and warning dialog. It explains the engines' error and warning codes,
// the border's non-erosive refusal and the design windows' out-of-range warnings. Callers
// reach it through TErrorDisplay, so that tests can put a recorder in its place.

#include <QDialog>

#include <cstdint>
#include <string>

class QFrame;
class QPlainTextEdit;
class QPushButton;

// 0 error, 1 warning; any other value leaves icon and caption as the last showing left them.
using TErrorKind = std::uint8_t;
inline constexpr TErrorKind ekError = 0;
inline constexpr TErrorKind ekWarning = 1;

class TErrorDisplay {
public:
    virtual ~TErrorDisplay() = default;
    // Shows a ready text; CR LF inside it starts a new line. An empty text shows an empty dialog.
    virtual void ShowText(const std::string &text, TErrorKind kind) = 0;
    // Shows the text of a message code; a code whose text is empty shows nothing.
    virtual void ShowError(int messageCode, TErrorKind kind) = 0;
};

// The program's error dialog (the form it shows is hidden between showings, so icon and
// caption persist from one showing to the next).
extern TErrorDisplay *frmError;

class TfrmError : public QDialog, public TErrorDisplay {
public:
    explicit TfrmError(QWidget *parent = nullptr);

    void ShowText(const std::string &text, TErrorKind kind) override;
    void ShowError(int messageCode, TErrorKind kind) override;

    // The text of a message code: the engine explanations, "Unknown Error or Warning" for a
    // code without one, empty for the codes that must show nothing (200, 300).
    static void GetErrorText(int messageCode, std::string &text);

    // The kind whose icon and caption the dialog carries now; -1 before the first one.
    int IconKind() const { return iconKind_; }

    QFrame *const Panel1;
    QPlainTextEdit *const memMessage;
    QPushButton *const btnClose;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void btnCloseClick();
    void ApplyKind(TErrorKind kind);
    void PutText(const std::string &text);

    int iconKind_ = -1;
};

#endif
