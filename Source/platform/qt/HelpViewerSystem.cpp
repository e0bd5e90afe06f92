#include "HelpViewerSystem.h"

#include "Dialogs.h"

#include <QApplication>

HelpViewerSystem::~HelpViewerSystem() { delete viewer_; }

bool HelpViewerSystem::OpenContext(const std::string &helpFile, int context)
{
    HelpViewer *viewer = Prepare(helpFile);
    return viewer && viewer->OpenContext(context);
}

bool HelpViewerSystem::OpenTopic(const std::string &helpFile, const std::string &topic)
{
    HelpViewer *viewer = Prepare(helpFile);
    return viewer && viewer->OpenTopic(topic);
}

HelpViewer *HelpViewerSystem::Prepare(const std::string &helpFile)
{
    HelpFile file;
    try {
        file = HelpFile::Load(helpFile);
    } catch (const HelpFileError &error) {
        ShowErrorMessage(error.Message());
        return nullptr;
    }
    // A modal window blocks every window but its own children, so the help window belongs to
    // the modal window that asks for help (and goes with it).
    QWidget *modal = QApplication::activeModalWidget();
    if (viewer_ && viewer_->parentWidget() != modal) {
        delete viewer_;
        viewer_ = nullptr;
    }
    if (!viewer_)
        viewer_ = new HelpViewer(modal);
    viewer_->SetHelpFile(file, helpFile);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return viewer_;
}
