#ifndef IRRIKA_PLATFORM_QTDIALOGS_H
#define IRRIKA_PLATFORM_QTDIALOGS_H

// The program's dialog layer: real modal Qt message boxes and file dialogs.

#include "Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    DialogAnswer Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                         const std::string &caption) override;
    bool OpenFile(const FileDialogRequest &request, std::string &fileName) override;
    bool SaveFile(const FileDialogRequest &request, std::string &fileName) override;

private:
    bool RunFileDialog(bool save, const FileDialogRequest &request, std::string &fileName);
};

#endif
