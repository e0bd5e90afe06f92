#ifndef IRRIKA_PLATFORM_HELPFILE_H
#define IRRIKA_PLATFORM_HELPFILE_H

// The program's help file: plain UTF-8 text, read whole. Lines end in LF or CR LF; blanks
// at the end of a line do not count.
//
//   IRRIKAHELP 1                 first line (after an optional byte-order mark): the format
//   ; any text                   a comment line, anywhere
//   .topic 1100 BasinInfiltration
//                                starts a topic: its context number (1 to 2147483647), its
//                                name (a letter, then letters, digits, '_' or '-'), or both,
//                                in either order. Context numbers and names are unique in the
//                                file; names match ignoring letter case.
//   .title Infiltration menu     the topic's title: exactly one, before the topic's text
//   Text lines ...               consecutive lines form one paragraph, joined by one blank;
//                                an empty line ends the paragraph
//   - Text                       a list item: a paragraph of its own, continued by the lines
//                                that follow it
//   ..text                       a text line that starts with '.' (the first '.' is dropped)
//   [[1110]] [[Contents|the index]]
//                                a link to a topic, by context number or by name, shown as
//                                the text after '|' or else as the target; it ends on its line
//
// Anything else is refused with HelpFileError naming the file, the line and the fault, so a
// broken help file is found at once rather than shown half.

#include "Errors.h"

#include <string>
#include <vector>

struct HelpSpan {
    std::string text;
    std::string link;  // the target of a link; empty for plain text
};

struct HelpParagraph {
    bool item = false;  // a list item
    std::vector<HelpSpan> spans;
};

struct HelpTopic {
    int context = 0;   // 0: the topic has no context number
    std::string name;  // empty: the topic has no name
    std::string title;
    std::vector<HelpParagraph> paragraphs;
    int line = 0;      // the line of its .topic
};

// "Help file NAME, line N: fault"; line 0 when the file as a whole is at fault.
class HelpFileError : public Exception {
public:
    HelpFileError(const std::string &file, int line, const std::string &fault);
    int Line() const { return line_; }

private:
    int line_;
};

class HelpFile {
public:
    HelpFile() = default;

    // Reads and parses the file; HelpFileError when it cannot be read or is malformed.
    static HelpFile Load(const std::string &path);
    // Parses text; source names it in error messages.
    static HelpFile Parse(const std::string &text, const std::string &source);

    const std::vector<HelpTopic> &Topics() const { return topics_; }
    const HelpTopic *FindContext(int context) const;
    const HelpTopic *FindName(const std::string &name) const;
    // A link target: digits only name a context number, anything else a topic name.
    const HelpTopic *FindLink(const std::string &target) const;

private:
    std::vector<HelpTopic> topics_;
};

#endif
