#include "HelpFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

// Every construct of the format once, written with LF; the tests also read it with CR LF.
constexpr const char *kSample =
    "IRRIKAHELP 1\n"
    "; a comment before the first topic\n"
    ".topic Contents\n"
    ".title Contents  \n"
    "First line\n"
    "   goes on [[1100|Infiltration]] and [[Keys]].\n"
    "\n"
    "- An item\n"
    "  continued\n"
    "- Second item\n"
    "; a comment inside a topic\n"
    "..dot at the start\n"
    "\n"
    ".topic 1100 BasinInfiltration\n"
    ".title Infiltration menu\n"
    "Text of 1100.\n"
    ".topic Keys 7\n"
    ".title Keys\n";

std::string WithCrLf(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string Plain(const HelpParagraph &paragraph)
{
    std::string text;
    for (const HelpSpan &span : paragraph.spans)
        text += span.link.empty() ? span.text : "<" + span.link + ":" + span.text + ">";
    return text;
}

}  // namespace

TEST(HelpFile, ReadsTopicsParagraphsItemsAndLinksWithLfCrLfAndByteOrderMark)
{
    const std::string texts[] = {kSample, WithCrLf(kSample), "\xEF\xBB\xBF" + std::string(kSample)};
    for (const std::string &text : texts) {
        SCOPED_TRACE(text.substr(0, 16));
        const HelpFile file = HelpFile::Parse(text, "sample");
        ASSERT_EQ(file.Topics().size(), 3u);

        const HelpTopic &contents = file.Topics()[0];
        EXPECT_EQ(contents.context, 0);
        EXPECT_EQ(contents.name, "Contents");
        EXPECT_EQ(contents.title, "Contents");
        EXPECT_EQ(contents.line, 3);
        ASSERT_EQ(contents.paragraphs.size(), 3u);
        EXPECT_EQ(Plain(contents.paragraphs[0]), "First line goes on <1100:Infiltration> and <Keys:Keys>.");
        EXPECT_FALSE(contents.paragraphs[0].item);
        EXPECT_EQ(Plain(contents.paragraphs[1]), "An item continued");
        EXPECT_TRUE(contents.paragraphs[1].item);
        EXPECT_EQ(Plain(contents.paragraphs[2]), "Second item .dot at the start");
        EXPECT_TRUE(contents.paragraphs[2].item);

        EXPECT_EQ(file.Topics()[1].context, 1100);
        EXPECT_EQ(file.Topics()[1].name, "BasinInfiltration");
        EXPECT_EQ(file.Topics()[2].context, 7);
        EXPECT_EQ(file.Topics()[2].name, "Keys");
        EXPECT_TRUE(file.Topics()[2].paragraphs.empty());
    }
}

TEST(HelpFile, FindsTopicsByContextByNameIgnoringCaseAndByLink)
{
    const HelpFile file = HelpFile::Parse(kSample, "sample");
    const HelpTopic *infiltration = &file.Topics()[1];
    EXPECT_EQ(file.FindContext(1100), infiltration);
    EXPECT_EQ(file.FindName("basininfiltration"), infiltration);
    EXPECT_EQ(file.FindName("CONTENTS"), &file.Topics()[0]);
    EXPECT_EQ(file.FindLink("1100"), infiltration);
    EXPECT_EQ(file.FindLink("keys"), &file.Topics()[2]);
    EXPECT_EQ(file.FindLink("7"), &file.Topics()[2]);

    EXPECT_EQ(file.FindContext(0), nullptr);  // 0 is "no context", never a topic
    EXPECT_EQ(file.FindContext(1110), nullptr);
    EXPECT_EQ(file.FindName(""), nullptr);
    EXPECT_EQ(file.FindName("Index"), nullptr);
    EXPECT_EQ(file.FindLink("99999999999"), nullptr);
}

TEST(HelpFile, RefusesMalformedInputNamingTheLineAndTheFault)
{
    struct Case {
        const char *body;  // after the signature line, unless the case starts with '!'
        int line;
        const char *fault;
    };
    const Case cases[] = {
        {"!", 1, "not a help file"},
        {"!IRRIKAHELP 2\n", 1, "not a help file"},
        {"!.topic 1\n.title A\n", 1, "not a help file"},
        {"Loose text\n", 2, "text before the first .topic"},
        {".title A\n", 2, ".title before the first .topic"},
        {".topic\n.title A\n", 2, ".topic needs a context number or a name"},
        {".topic 0\n.title A\n", 2, "outside 1 to 2147483647"},
        {".topic 2147483648\n.title A\n", 2, "outside 1 to 2147483647"},
        {".topic 12 13\n.title A\n", 2, "one context number at most"},
        {".topic Alpha Beta\n.title A\n", 2, "one name at most"},
        {".topic 1x\n.title A\n", 2, "\"1x\" is neither a context number nor a topic name"},
        {".topic 5\n.title A\n.topic 5\n.title B\n", 4, "context number 5 is already used on line 2"},
        {".topic Contents\n.title A\n.topic CONTENTS\n.title B\n", 4, "already used on line 2"},
        {".topic 5\n.topic 6\n.title B\n", 2, "the topic has no .title"},
        {".topic 5\n", 2, "the topic has no .title"},
        {".topic 5\nText\n", 3, "text before the topic's .title"},
        {".topic 5\n.title A\n.title B\n", 4, "a second .title for the topic of line 2"},
        {".topic 5\n.title A\nText\n.title B\n", 5, "a second .title"},
        {".topic 5\n.title\n", 3, "an empty .title"},
        {".topic 5\n.titel A\n", 3, "unknown command \".titel\""},
        {".topic 5\n.title A\nSee [[6\n", 4, "a link without its closing \"]]\""},
        {".topic 5\n.title A\nSee [[|six]]\n", 4, "a link without a target"},
        {".topic 5\n.title A\nSee [[two words]]\n", 4, "link target \"two words\" is neither"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.body);
        const std::string text = c.body[0] == '!' ? std::string(c.body + 1) : "IRRIKAHELP 1\n" + std::string(c.body);
        try {
            HelpFile::Parse(text, "test.hlp");
            ADD_FAILURE() << "accepted";
        } catch (const HelpFileError &error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_NE(error.Message().find(c.fault), std::string::npos) << error.Message();
            EXPECT_EQ(error.Message().rfind("Help file test.hlp, line " + std::to_string(c.line) + ": ", 0), 0u)
                << error.Message();
        }
    }
}

TEST(HelpFile, LoadsAFileAndNamesOneThatCannotBeOpened)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("Help.hlp").toStdString();
    std::ofstream(path, std::ios::binary) << WithCrLf(kSample);
    EXPECT_EQ(HelpFile::Load(path).Topics().size(), 3u);

    for (const std::string &missing : {folder.filePath("None.hlp").toStdString(), folder.path().toStdString()}) {
        SCOPED_TRACE(missing);
        try {
            HelpFile::Load(missing);
            ADD_FAILURE() << "loaded";
        } catch (const HelpFileError &error) {
            EXPECT_EQ(error.Line(), 0);
            EXPECT_EQ(error.Message(), "Help file " + missing + ": cannot be opened");
        }
    }
}
