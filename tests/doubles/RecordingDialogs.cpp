#include "RecordingDialogs.h"

RecordingDialogs::RecordingDialogs() : previous_(Dialogs::Install(this)) {}

RecordingDialogs::~RecordingDialogs() { Dialogs::Install(previous_); }

DialogAnswer RecordingDialogs::Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                                       const std::string &caption)
{
    messages_.push_back({text, icon, buttons, caption});
    Up();
    if (buttons != DialogButtons::Ok && !answers_.empty()) {
        const DialogAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (buttons == DialogButtons::YesNo || buttons == DialogButtons::YesNoCancel) ? DialogAnswer::Yes
                                                                                       : DialogAnswer::Ok;
}

void RecordingDialogs::Up() const
{
    if (whileShown_)
        whileShown_();
}

bool RecordingDialogs::NextFileName(FileDialogChoice &choice)
{
    if (fileNames_.empty())
        return false;
    const FileDialogChoice next = fileNames_.front();
    fileNames_.pop_front();
    if (next.fileName.empty())
        return false;
    choice = next;
    return true;
}

bool RecordingDialogs::OpenFile(const FileDialogRequest &request, FileDialogChoice &choice)
{
    fileDialogs_.push_back({false, request});
    Up();
    return NextFileName(choice);
}

bool RecordingDialogs::SaveFile(const FileDialogRequest &request, FileDialogChoice &choice)
{
    fileDialogs_.push_back({true, request});
    Up();
    return NextFileName(choice);
}

bool RecordingDialogs::PrintSetup()
{
    ++printDialogs_;
    Up();
    if (prints_.empty())
        return false;
    const bool confirmed = prints_.front();
    prints_.pop_front();
    return confirmed;
}

std::vector<std::string> RecordingDialogs::Texts() const
{
    std::vector<std::string> texts;
    for (const Shown &shown : messages_)
        texts.push_back(shown.text);
    return texts;
}

void RecordingDialogs::Clear()
{
    messages_.clear();
    fileDialogs_.clear();
}
