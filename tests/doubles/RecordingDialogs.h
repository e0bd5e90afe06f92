#ifndef IRRIKA_DOUBLES_RECORDINGDIALOGS_H
#define IRRIKA_DOUBLES_RECORDINGDIALOGS_H

// Test double of the dialog layer: records every box and file dialog, answers from
// scripted queues. Installs itself for its lifetime and restores the previous one.

#include "Dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        std::string text;
        DialogIcon icon;
        DialogButtons buttons;
        std::string caption;
    };
    struct FileShown {
        bool save;
        FileDialogRequest request;
    };

    RecordingDialogs();
    ~RecordingDialogs() override;
    RecordingDialogs(const RecordingDialogs &) = delete;
    RecordingDialogs &operator=(const RecordingDialogs &) = delete;

    DialogAnswer Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                         const std::string &caption) override;
    bool OpenFile(const FileDialogRequest &request, FileDialogChoice &choice) override;
    bool SaveFile(const FileDialogRequest &request, FileDialogChoice &choice) override;
    bool PrintSetup() override;

    // Answers for the next boxes with more than one button; an empty queue answers the
    // first button (Ok or Yes).
    void ScriptAnswer(DialogAnswer answer) { answers_.push_back(answer); }
    // File names (and the filter chosen with them) for the next file dialogs; an empty text
    // means Cancel, an empty queue too.
    void ScriptFileName(const std::string &fileName, int filterIndex = 1)
    {
        fileNames_.push_back({fileName, filterIndex});
    }
    // Answers for the next print dialogs; an empty queue cancels.
    void ScriptPrint(bool confirmed) { prints_.push_back(confirmed); }
    int PrintDialogs() const { return printDialogs_; }

    // Runs while each dialog is up, as a real modal dialog takes the active window and the
    // focus (and may leave them elsewhere when it closes).
    void WhileShown(std::function<void()> step) { whileShown_ = std::move(step); }

    const std::vector<Shown> &Messages() const { return messages_; }
    const std::vector<FileShown> &FileDialogs() const { return fileDialogs_; }
    std::vector<std::string> Texts() const;
    void Clear();

private:
    bool NextFileName(FileDialogChoice &choice);
    void Up() const;

    Dialogs *previous_;
    std::vector<Shown> messages_;
    std::vector<FileShown> fileDialogs_;
    std::deque<DialogAnswer> answers_;
    std::deque<FileDialogChoice> fileNames_;
    std::deque<bool> prints_;
    int printDialogs_ = 0;
    std::function<void()> whileShown_;
};

#endif
