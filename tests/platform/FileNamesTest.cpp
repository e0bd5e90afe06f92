#include "FileNames.h"

#include <gtest/gtest.h>

TEST(ChangeFileExt, ReplacesTheLastExtensionOfTheLastPart)
{
    struct Case { const char *name, *extension, *expected; };
    const Case kCases[] = {
        {"/x/chart.bmp", ".jpg", "/x/chart.jpg"},
        {"/x/chart.JPG", ".jpg", "/x/chart.jpg"},
        {"/x/chart", ".bmp", "/x/chart.bmp"},
        {"/x/chart.wmf", ".WMF", "/x/chart.WMF"},
        {"/x/chart.old.bmp", ".jpg", "/x/chart.old.jpg"},
        {"/x.d/chart", ".jpg", "/x.d/chart.jpg"},  // a dot in a folder is no extension
        {"chart.", ".jpg", "chart.jpg"},
        {"", ".jpg", ".jpg"},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, ChangeFileExt(c.name, c.extension));
    }
}

TEST(ExtractFileName, DropsTheFolder)
{
    EXPECT_EQ("a.pdx", ExtractFileName("/data/a.pdx"));
    EXPECT_EQ("a.pdx", ExtractFileName("a.pdx"));
    EXPECT_EQ("", ExtractFileName("/data/"));
}
