#include "RecordingErrorDisplay.h"

RecordingErrorDisplay::RecordingErrorDisplay() : previous_(frmError) { frmError = this; }

RecordingErrorDisplay::~RecordingErrorDisplay() { frmError = previous_; }

void RecordingErrorDisplay::ShowText(const std::string &text, TErrorKind kind)
{
    shown_.push_back({-1, text, kind});
}

void RecordingErrorDisplay::ShowError(int messageCode, TErrorKind kind)
{
    std::string text;
    TfrmError::GetErrorText(messageCode, text);
    if (!text.empty())
        shown_.push_back({messageCode, text, kind});
}
