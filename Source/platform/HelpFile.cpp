#include "HelpFile.h"

#include "ExecutableFolder.h"
#include "TextCase.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

constexpr const char *kSignature = "IRRIKAHELP 1";
constexpr const char *kByteOrderMark = "\xEF\xBB\xBF";
constexpr long long kHighestContext = 2147483647;

bool IsDigits(const std::string &text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The context number that text spells, or 0 when it spells none in range.
int ContextOf(const std::string &text)
{
    if (!IsDigits(text) || text.size() > 10)
        return 0;
    const long long value = std::stoll(text);
    return value >= 1 && value <= kHighestContext ? static_cast<int>(value) : 0;
}

bool IsName(const std::string &text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (const char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-')
            return false;
    return true;
}

// Builds the topics line by line; the first fault ends the reading.
class Parser {
public:
    explicit Parser(const std::string &source) : source_(source) {}

    std::vector<HelpTopic> Run(const std::string &text)
    {
        std::istringstream in(text);
        std::string raw;
        int number = 0;
        while (std::getline(in, raw)) {
            ++number;
            if (number == 1 && raw.compare(0, 3, kByteOrderMark) == 0)
                raw.erase(0, 3);
            Line(Trim(raw), number);
        }
        if (number == 0)
            Fail(1, std::string("not a help file: the first line must read \"") + kSignature + "\"");
        FinishTopic();
        return std::move(topics_);
    }

private:
    [[noreturn]] void Fail(int line, const std::string &fault) const { throw HelpFileError(source_, line, fault); }

    void Line(const std::string &text, int number)
    {
        if (number == 1) {
            if (text != kSignature)
                Fail(1, std::string("not a help file: the first line must read \"") + kSignature + "\"");
            return;
        }
        if (!text.empty() && text[0] == ';')
            return;
        if (text.empty()) {
            inParagraph_ = false;
            return;
        }
        if (text[0] == '.' && text.compare(0, 2, "..") != 0) {
            Command(text, number);
            return;
        }
        Text(text[0] == '.' ? text.substr(1) : text, number);
    }

    void Command(const std::string &text, int number)
    {
        const auto blank = text.find_first_of(" \t");
        const std::string command = text.substr(0, blank);
        const std::string argument = blank == std::string::npos ? std::string() : Trim(text.substr(blank));
        inParagraph_ = false;
        if (command == ".topic")
            StartTopic(argument, number);
        else if (command == ".title")
            Title(argument, number);
        else
            Fail(number, "unknown command \"" + command + "\" (a text line that starts with '.' is written \"..\")");
    }

    void StartTopic(const std::string &argument, int number)
    {
        FinishTopic();
        HelpTopic topic;
        topic.line = number;
        std::istringstream words(argument);
        std::string word;
        while (words >> word) {
            if (IsDigits(word)) {
                if (topic.context != 0)
                    Fail(number, "a topic has one context number at most");
                topic.context = ContextOf(word);
                if (topic.context == 0)
                    Fail(number, "context number " + word + " is outside 1 to 2147483647");
                if (const HelpTopic *other = Find([&](const HelpTopic &t) { return t.context == topic.context; }))
                    Fail(number, "context number " + word + " is already used on line " + std::to_string(other->line));
            } else if (IsName(word)) {
                if (!topic.name.empty())
                    Fail(number, "a topic has one name at most");
                topic.name = word;
                if (const HelpTopic *other = Find([&](const HelpTopic &t) { return SameText(t.name, word); }))
                    Fail(number, "topic name \"" + word + "\" is already used on line " + std::to_string(other->line));
            } else {
                Fail(number, "\"" + word + "\" is neither a context number nor a topic name");
            }
        }
        if (topic.context == 0 && topic.name.empty())
            Fail(number, ".topic needs a context number or a name");
        topics_.push_back(std::move(topic));
    }

    void Title(const std::string &argument, int number)
    {
        if (topics_.empty())
            Fail(number, ".title before the first .topic");
        HelpTopic &topic = topics_.back();
        if (!topic.title.empty())
            Fail(number, "a second .title for the topic of line " + std::to_string(topic.line));
        if (!topic.paragraphs.empty())
            Fail(number, ".title after the topic's text");
        if (argument.empty())
            Fail(number, "an empty .title");
        topic.title = argument;
    }

    void Text(const std::string &text, int number)
    {
        if (topics_.empty())
            Fail(number, "text before the first .topic");
        HelpTopic &topic = topics_.back();
        if (topic.title.empty())
            Fail(number, "text before the topic's .title");
        const bool item = text.compare(0, 2, "- ") == 0;
        if (item || !inParagraph_) {
            topic.paragraphs.emplace_back();
            topic.paragraphs.back().item = item;
            inParagraph_ = true;
        }
        Append(topic.paragraphs.back(), Spans(item ? Trim(text.substr(2)) : text, number));
    }

    std::vector<HelpSpan> Spans(const std::string &text, int number) const
    {
        std::vector<HelpSpan> spans;
        std::string::size_type from = 0;
        while (from < text.size()) {
            const auto open = text.find("[[", from);
            if (open == std::string::npos) {
                spans.push_back({text.substr(from), std::string()});
                break;
            }
            if (open > from)
                spans.push_back({text.substr(from, open - from), std::string()});
            const auto close = text.find("]]", open + 2);
            if (close == std::string::npos)
                Fail(number, "a link without its closing \"]]\"");
            const std::string inside = text.substr(open + 2, close - open - 2);
            const auto bar = inside.find('|');
            const std::string target = Trim(inside.substr(0, bar));
            const std::string shown = bar == std::string::npos ? target : Trim(inside.substr(bar + 1));
            if (target.empty())
                Fail(number, "a link without a target");
            if (IsDigits(target) ? ContextOf(target) == 0 : !IsName(target))
                Fail(number, "link target \"" + target + "\" is neither a context number nor a topic name");
            spans.push_back({shown.empty() ? target : shown, target});
            from = close + 2;
        }
        return spans;
    }

    // The lines of a paragraph join with one blank; neighbouring plain texts become one span.
    static void Append(HelpParagraph &paragraph, const std::vector<HelpSpan> &spans)
    {
        auto add = [&](const HelpSpan &span) {
            if (span.link.empty() && !paragraph.spans.empty() && paragraph.spans.back().link.empty())
                paragraph.spans.back().text += span.text;
            else
                paragraph.spans.push_back(span);
        };
        if (!paragraph.spans.empty())
            add({" ", std::string()});
        for (const HelpSpan &span : spans)
            add(span);
    }

    void FinishTopic() const
    {
        if (!topics_.empty() && topics_.back().title.empty())
            Fail(topics_.back().line, "the topic has no .title");
    }

    template <typename Match>
    const HelpTopic *Find(Match match) const
    {
        for (const HelpTopic &topic : topics_)
            if (match(topic))
                return &topic;
        return nullptr;
    }

    std::string source_;
    std::vector<HelpTopic> topics_;
    bool inParagraph_ = false;
};

}  // namespace

HelpFileError::HelpFileError(const std::string &file, int line, const std::string &fault)
    : Exception("Help file " + file + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " + fault),
      line_(line)
{
}

HelpFile HelpFile::Load(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!FileExists(path) || !in)
        throw HelpFileError(path, 0, "cannot be opened");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw HelpFileError(path, 0, "cannot be read");
    return Parse(text.str(), path);
}

HelpFile HelpFile::Parse(const std::string &text, const std::string &source)
{
    HelpFile file;
    file.topics_ = Parser(source).Run(text);
    return file;
}

const HelpTopic *HelpFile::FindContext(int context) const
{
    if (context == 0)
        return nullptr;
    for (const HelpTopic &topic : topics_)
        if (topic.context == context)
            return &topic;
    return nullptr;
}

const HelpTopic *HelpFile::FindName(const std::string &name) const
{
    if (name.empty())
        return nullptr;
    for (const HelpTopic &topic : topics_)
        if (SameText(topic.name, name))
            return &topic;
    return nullptr;
}

const HelpTopic *HelpFile::FindLink(const std::string &target) const
{
    return IsDigits(target) ? FindContext(ContextOf(target)) : FindName(target);
}
