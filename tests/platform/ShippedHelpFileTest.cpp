#include "ExecutableFolder.h"
#include "HelpFile.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The help contexts that the design windows' menu items carry: the Infiltration, Operation,
// Parameters and Calculation menus with their items.
struct ModuleContexts {
    const char *module;
    std::set<int> contexts;
};
const ModuleContexts kMenuContexts[] = {
    {"basin", {1100, 1110, 1120, 1130, 1200, 1210, 1220, 1230, 1240}},
    {"border", {2100, 2110, 2120, 2130, 2200, 2210, 2220, 2300, 2310, 2320, 2330, 2340}},
    {"furrow", {3100, 3110, 3120, 3130, 3200, 3300, 3310, 3320, 3330, 3400, 3410, 3411, 3412, 3413, 3420,
                3500, 3510, 3520, 3530, 3540}},
};

HelpFile ShippedHelpFile()
{
    const std::string path = FindFileIgnoringCase(ExecutableFolder(), "IRRIKAHELP.HLP");
    EXPECT_FALSE(path.empty()) << "no help file next to the executable";
    return HelpFile::Load(path);
}

std::vector<std::string> LinksOf(const HelpTopic &topic)
{
    std::vector<std::string> links;
    for (const HelpParagraph &paragraph : topic.paragraphs)
        for (const HelpSpan &span : paragraph.spans)
            if (!span.link.empty())
                links.push_back(span.link);
    return links;
}

}  // namespace

TEST(ShippedHelpFile, HasATopicWithTextForEveryMenuContextAndNoStrayContext)
{
    const HelpFile file = ShippedHelpFile();
    std::set<int> expected;
    for (const ModuleContexts &module : kMenuContexts) {
        SCOPED_TRACE(module.module);
        for (const int context : module.contexts) {
            const HelpTopic *topic = file.FindContext(context);
            ASSERT_NE(topic, nullptr) << context;
            EXPECT_FALSE(topic->paragraphs.empty()) << context;
            expected.insert(context);
        }
    }
    std::set<int> present;
    for (const HelpTopic &topic : file.Topics())
        if (topic.context != 0)
            present.insert(topic.context);
    EXPECT_EQ(present, expected);
}

TEST(ShippedHelpFile, ContentsLinksEveryContextTopicAndEveryLinkResolves)
{
    const HelpFile file = ShippedHelpFile();
    const HelpTopic *contents = file.FindName("Contents");
    ASSERT_NE(contents, nullptr);
    std::set<const HelpTopic *> reached;
    for (const std::string &link : LinksOf(*contents))
        reached.insert(file.FindLink(link));
    for (const HelpTopic &topic : file.Topics()) {
        SCOPED_TRACE(topic.title);
        if (&topic != contents) {
            EXPECT_EQ(reached.count(&topic), 1u) << "not linked from Contents";
        }
        for (const std::string &link : LinksOf(topic))
            EXPECT_NE(file.FindLink(link), nullptr) << link;
    }
}
