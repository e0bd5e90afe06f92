#ifndef IRRIKA_PLATFORM_QTDIALOGS_H
#define IRRIKA_PLATFORM_QTDIALOGS_H

// The program's dialog layer: real modal Qt message boxes and file dialogs.

#include "Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    DialogAnswer Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                         const std::string &caption) override;
    bool OpenFile(const FileDialogRequest &request, FileDialogChoice &choice) override;
    bool SaveFile(const FileDialogRequest &request, FileDialogChoice &choice) override;
    bool PrintSetup() override;

private:
    bool RunFileDialog(bool save, const FileDialogRequest &request, FileDialogChoice &choice);
};

#endif
