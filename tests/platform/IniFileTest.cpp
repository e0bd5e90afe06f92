#include "IniFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    std::string path = ::testing::TempDir() + "inifile_test_" + std::to_string(getpid()) + ".ini";
    void Write(const std::string &content)
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(IniFileTest, SectionsAndKeysIgnoreCaseAndKeepFileOrder)
{
    Write("; settings\r\n[ConversionUnits]\r\nMeters=1\r\nfeet = 3.2808\r\n;comment=1\r\nEmpty=\r\n"
          "[initialsettings]\nFlowRate=20\nflowrate=30\nName=\"quoted\"\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSection("CONVERSIONUNITS"), (std::vector<std::string>{"Meters", "feet", "Empty"}));
    EXPECT_EQ(ini.ReadSection("InitialSettings"), (std::vector<std::string>{"FlowRate", "flowrate", "Name"}));
    const auto values = ini.ReadSectionValues("conversionunits");
    ASSERT_EQ(values.size(), 2u);  // the empty value has no line
    EXPECT_EQ(IniFile::ValueOf(values, "FEET"), "3.2808");
    EXPECT_EQ(IniFile::ValueOf(values, "Empty"), "");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("InitialSettings", "FLOWRATE", 1.0), 20.0);  // the first key counts
    EXPECT_EQ(ini.ReadString("InitialSettings", "Name", "x"), "quoted");
    EXPECT_TRUE(ini.SectionExists("INITIALSETTINGS"));
    EXPECT_FALSE(ini.SectionExists("Boundaries"));
}

TEST_F(IniFileTest, ReadFloatFallsBackOnAbsentEmptyOrBadValues)
{
    Write("[Boundaries]\nA=\nB=word\nC=2,5\nD=7.5\n");
    IniFile ini(path);
    const struct {
        const char *key;
        double expected;
    } cases[] = {{"A", -1.0}, {"B", -1.0}, {"C", -1.0}, {"D", 7.5}, {"Missing", -1.0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_DOUBLE_EQ(ini.ReadFloat("Boundaries", c.key, -1.0), c.expected);
    }
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty)
{
    IniFile ini(path + ".none");
    EXPECT_TRUE(ini.ReadSection("ConversionUnits").empty());
    EXPECT_DOUBLE_EQ(ini.ReadFloat("InitialSettings", "FlowRate", 4.0), 4.0);
}

}  // namespace
