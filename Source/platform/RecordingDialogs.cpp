#include "RecordingDialogs.h"

RecordingDialogs::RecordingDialogs() : previous_(Dialogs::Install(this)) {}

RecordingDialogs::~RecordingDialogs() { Dialogs::Install(previous_); }

DialogAnswer RecordingDialogs::Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                                       const std::string &caption)
{
    messages_.push_back({text, icon, buttons, caption});
    if (buttons != DialogButtons::Ok && !answers_.empty()) {
        const DialogAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (buttons == DialogButtons::YesNo || buttons == DialogButtons::YesNoCancel) ? DialogAnswer::Yes
                                                                                       : DialogAnswer::Ok;
}

bool RecordingDialogs::NextFileName(std::string &fileName)
{
    if (fileNames_.empty())
        return false;
    const std::string next = fileNames_.front();
    fileNames_.pop_front();
    if (next.empty())
        return false;
    fileName = next;
    return true;
}

bool RecordingDialogs::OpenFile(const FileDialogRequest &request, std::string &fileName)
{
    fileDialogs_.push_back({false, request});
    return NextFileName(fileName);
}

bool RecordingDialogs::SaveFile(const FileDialogRequest &request, std::string &fileName)
{
    fileDialogs_.push_back({true, request});
    return NextFileName(fileName);
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
