#ifndef IRRIKA_PLATFORM_QT_HELPVIEWER_H
#define IRRIKA_PLATFORM_QT_HELPVIEWER_H

// The help window: the list of topics on the left, the topic shown on the right with its
// title and its text, whose links open other topics, and a button back to "Contents".

#include "HelpFile.h"

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

class HelpViewer : public QDialog {
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // The topics to offer, read from fileName; nothing is shown until a topic is opened.
    void SetHelpFile(const HelpFile &file, const std::string &fileName);

    // Show a topic; when there is none such, a "no help for this topic" text and false.
    bool OpenContext(int context);
    bool OpenTopic(const std::string &name);
    // A link target: a context number in digits or a topic name.
    bool OpenLink(const std::string &target);

    // The topic shown; nullptr while the "no help" text or nothing is shown.
    const HelpTopic *CurrentTopic() const { return current_; }

    QPushButton *const btnContents;
    QListWidget *const lstTopics;
    QLabel *const lblTitle;
    QTextBrowser *const txtTopic;
    QPushButton *const btnClose;

private:
    bool Show(const HelpTopic *topic, const std::string &what);
    void LinkClicked(const QUrl &url);
    void TopicChosen(int row);

    HelpFile file_;
    std::string fileName_;
    const HelpTopic *current_ = nullptr;
};

#endif
