#ifndef IRRIKA_PLATFORM_QT_HELPVIEWERSYSTEM_H
#define IRRIKA_PLATFORM_QT_HELPVIEWERSYSTEM_H

// The program's help system: every request reads the help file afresh and shows the topic in
// one help window. A help file that cannot be read or is malformed is reported through the
// dialog layer and nothing is shown.

#include "HelpSystem.h"
#include "HelpViewer.h"

#include <QPointer>

class HelpViewerSystem : public HelpSystem {
public:
    HelpViewerSystem() = default;
    ~HelpViewerSystem() override;
    HelpViewerSystem(const HelpViewerSystem &) = delete;
    HelpViewerSystem &operator=(const HelpViewerSystem &) = delete;

    // The help window; nullptr before the first request that could read its file.
    HelpViewer *Viewer() const { return viewer_; }

protected:
    bool OpenContext(const std::string &helpFile, int context) override;
    bool OpenTopic(const std::string &helpFile, const std::string &topic) override;

private:
    HelpViewer *Prepare(const std::string &helpFile);

    QPointer<HelpViewer> viewer_;
};

#endif
