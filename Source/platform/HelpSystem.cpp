#include "HelpSystem.h"

namespace {

// Used when nothing is installed (a tool without a window): there is nobody to show help to.
class NoHelp : public HelpSystem {
protected:
    bool OpenContext(const std::string &, int) override { return false; }
    bool OpenTopic(const std::string &, const std::string &) override { return false; }
};

NoHelp fallback;
HelpSystem *installed = nullptr;
std::string applicationHelpFile;

}  // namespace

bool HelpSystem::ShowContext(int context)
{
    return !applicationHelpFile.empty() && OpenContext(applicationHelpFile, context);
}

bool HelpSystem::ShowTopic(const std::string &topic)
{
    return !applicationHelpFile.empty() && OpenTopic(applicationHelpFile, topic);
}

HelpSystem &HelpSystem::Current() { return installed ? *installed : fallback; }

HelpSystem *HelpSystem::Install(HelpSystem *helpSystem)
{
    HelpSystem *previous = installed;
    installed = helpSystem;
    return previous;
}

void HelpSystem::SetFileName(const std::string &path) { applicationHelpFile = path; }

const std::string &HelpSystem::FileName() { return applicationHelpFile; }
