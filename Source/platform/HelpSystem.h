#ifndef IRRIKA_PLATFORM_HELPSYSTEM_H
#define IRRIKA_PLATFORM_HELPSYSTEM_H

// The one way the program asks for help: a topic of the application's help file, by context
// number (a menu item's) or by topic name ("Contents"). The program installs the Qt help
// viewer at start-up; tests install a HelpRecorder and assert on the requests.

#include <string>

class HelpSystem {
public:
    virtual ~HelpSystem() = default;

    // Show the topic with this context number or name. Without an application help file
    // nothing is shown and the answer is false; otherwise the installed implementation
    // answers: true when it showed the topic asked for.
    bool ShowContext(int context);
    bool ShowTopic(const std::string &topic);

    // The installed implementation; before any is installed, one that shows nothing.
    static HelpSystem &Current();
    // Installs an implementation (not owned; nullptr restores the fallback). Returns the
    // previous one so scoped installers can put it back.
    static HelpSystem *Install(HelpSystem *helpSystem);

    // The application's help file, a full path; empty when the program has none. It belongs
    // to the application, not to the installed implementation.
    static void SetFileName(const std::string &path);
    static const std::string &FileName();

protected:
    virtual bool OpenContext(const std::string &helpFile, int context) = 0;
    virtual bool OpenTopic(const std::string &helpFile, const std::string &topic) = 0;
};

#endif
