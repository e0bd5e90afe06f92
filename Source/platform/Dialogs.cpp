#include "Dialogs.h"

#include <iostream>

namespace {

// Used when nothing is installed (a tool without a window): the text must not be lost.
class StderrDialogs : public Dialogs {
public:
    DialogAnswer Message(const std::string &text, DialogIcon, DialogButtons buttons, const std::string &) override
    {
        std::cerr << text << '\n';
        switch (buttons) {
        case DialogButtons::Ok: return DialogAnswer::Ok;
        case DialogButtons::YesNo: return DialogAnswer::No;
        default: return DialogAnswer::Cancel;
        }
    }
    bool OpenFile(const FileDialogRequest &, FileDialogChoice &) override { return false; }
    bool SaveFile(const FileDialogRequest &, FileDialogChoice &) override { return false; }
    bool PrintSetup() override { return false; }
};

StderrDialogs fallback;
Dialogs *installed = nullptr;

}  // namespace

Dialogs &Dialogs::Current() { return installed ? *installed : fallback; }

Dialogs *Dialogs::Install(Dialogs *dialogs)
{
    Dialogs *previous = installed;
    installed = dialogs;
    return previous;
}

void ShowMessage(const std::string &text)
{
    Dialogs::Current().Message(text, DialogIcon::None, DialogButtons::Ok, std::string());
}

void ShowErrorMessage(const std::string &text, const std::string &caption)
{
    Dialogs::Current().Message(text, DialogIcon::Error, DialogButtons::Ok, caption);
}

void ShowInformation(const std::string &text)
{
    Dialogs::Current().Message(text, DialogIcon::Information, DialogButtons::Ok, std::string());
}

void ShowWarning(const std::string &text)
{
    Dialogs::Current().Message(text, DialogIcon::Warning, DialogButtons::Ok, std::string());
}

DialogAnswer AskQuestion(const std::string &text, DialogButtons buttons, const std::string &caption)
{
    return Dialogs::Current().Message(text, DialogIcon::Question, buttons, caption);
}
