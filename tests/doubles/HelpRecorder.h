#ifndef IRRIKA_DOUBLES_HELPRECORDER_H
#define IRRIKA_DOUBLES_HELPRECORDER_H

// Test double of the help system: records every request that reaches it (so none without an
// application help file) and answers true unless told otherwise. Installs itself for its
// lifetime and restores the previous one.

#include "HelpSystem.h"

#include <string>
#include <vector>

class HelpRecorder : public HelpSystem {
public:
    struct Request {
        std::string helpFile;
        int context;        // 0 for a request by topic name
        std::string topic;  // empty for a request by context number
    };

    HelpRecorder();
    ~HelpRecorder() override;
    HelpRecorder(const HelpRecorder &) = delete;
    HelpRecorder &operator=(const HelpRecorder &) = delete;

    // The answer to every later request.
    void ScriptAnswer(bool shown) { answer_ = shown; }

    const std::vector<Request> &Requests() const { return requests_; }
    void Clear() { requests_.clear(); }

protected:
    bool OpenContext(const std::string &helpFile, int context) override;
    bool OpenTopic(const std::string &helpFile, const std::string &topic) override;

private:
    HelpSystem *previous_;
    std::vector<Request> requests_;
    bool answer_ = true;
};

#endif
