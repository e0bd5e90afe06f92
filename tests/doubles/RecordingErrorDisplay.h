#ifndef IRRIKA_DOUBLES_RECORDINGERRORDISPLAY_H
#define IRRIKA_DOUBLES_RECORDINGERRORDISPLAY_H

// Test double of the error dialog: records what each showing would have put on the screen
// and shows nothing. Puts itself into frmError for its lifetime and restores the previous one.

#include "uError.h"

#include <string>
#include <vector>

class RecordingErrorDisplay : public TErrorDisplay {
public:
    struct Shown {
        int code;         // the message code of ShowError, -1 for ShowText
        std::string text; // the text the memo would hold
        TErrorKind kind;
    };

    RecordingErrorDisplay();
    ~RecordingErrorDisplay() override;
    RecordingErrorDisplay(const RecordingErrorDisplay &) = delete;
    RecordingErrorDisplay &operator=(const RecordingErrorDisplay &) = delete;

    void ShowText(const std::string &text, TErrorKind kind) override;
    // Records only what the dialog would show: a code with an empty text shows nothing.
    void ShowError(int messageCode, TErrorKind kind) override;

    const std::vector<Shown> &Showings() const { return shown_; }

private:
    TErrorDisplay *previous_;
    std::vector<Shown> shown_;
};

#endif
