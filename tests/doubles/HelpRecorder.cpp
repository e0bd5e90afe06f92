#include "HelpRecorder.h"

HelpRecorder::HelpRecorder() : previous_(HelpSystem::Install(this)) {}

HelpRecorder::~HelpRecorder() { HelpSystem::Install(previous_); }

bool HelpRecorder::OpenContext(const std::string &helpFile, int context)
{
    requests_.push_back({helpFile, context, std::string()});
    return answer_;
}

bool HelpRecorder::OpenTopic(const std::string &helpFile, const std::string &topic)
{
    requests_.push_back({helpFile, 0, topic});
    return answer_;
}
