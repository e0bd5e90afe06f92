#ifndef IRRIKA_PLATFORM_DIALOGS_H
#define IRRIKA_PLATFORM_DIALOGS_H

// The one way the program shows message boxes and file dialogs. Model code calls the free
// functions below; the program installs the Qt implementation at start-up, tests install
// a RecordingDialogs that records what was shown and answers from a script.

#include <string>
#include <vector>

enum class DialogIcon { None, Error, Warning, Information, Question };
enum class DialogButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

// A file dialog request: filter lines as "Text (*.ext)" entries, the starting folder and
// the file name the dialog opens with.
struct FileDialogRequest {
    std::string title;
    std::vector<std::string> filters;
    std::string initialDir;
    std::string fileName;
    std::string defaultExt;
    int filterIndex = 1;           // the filter selected when the dialog opens, from 1
    bool overwritePrompt = false;  // ask before an existing file is chosen for saving
};

// What the user chose in a file dialog: the file and the filter selected then, from 1.
struct FileDialogChoice {
    std::string fileName;
    int filterIndex = 1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box. An empty caption means the application's title.
    virtual DialogAnswer Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                                 const std::string &caption) = 0;
    // Modal open/save dialogs: true and the choice, or false when cancelled.
    virtual bool OpenFile(const FileDialogRequest &request, FileDialogChoice &choice) = 0;
    virtual bool SaveFile(const FileDialogRequest &request, FileDialogChoice &choice) = 0;
    // The modal print dialog for the program's printer: true when confirmed.
    virtual bool PrintSetup() = 0;

    // The installed implementation; before any is installed, one that writes to stderr
    // and answers Cancel / No.
    static Dialogs &Current();
    // Installs an implementation (not owned; nullptr restores the fallback). Returns the
    // previous one so scoped installers can put it back.
    static Dialogs *Install(Dialogs *dialogs);
};

// Plain box, one OK button.
void ShowMessage(const std::string &text);
// Error icon, one OK button; the caption defaults to the application's title.
void ShowErrorMessage(const std::string &text, const std::string &caption = std::string());
// Information icon, one OK button.
void ShowInformation(const std::string &text);
// Warning icon, one OK button.
void ShowWarning(const std::string &text);
// Question icon with the given buttons.
DialogAnswer AskQuestion(const std::string &text, DialogButtons buttons, const std::string &caption = std::string());

#endif
