#include "Errors.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>
#include <limits>

namespace {

struct FloatTextCase {
    double value;
    const char *text;
};

TEST(FloatToStr, GeneralTextWithFifteenDigits)
{
    const FloatTextCase cases[] = {
        {0.0, "0"},          {40.0, "40"},         {-2.5, "-2.5"},         {0.00005, "5E-5"},
        {0.0001, "0.0001"},  {1e15, "1E15"},       {1.25e15, "1.25E15"},   {999999999999999.0, "999999999999999"},
        {0.706, "0.706"},    {0.1 + 0.2, "0.3"},   {1.0 / 3.0, "0.333333333333333"},
        {-1.5e-7, "-1.5E-7"}, {123456.789, "123456.789"}, {1e100, "1E100"}, {-0.00012, "-0.00012"},
        {3.28, "3.28"},      {1e-300, "1E-300"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.value), c.text);
    }
}

// Rounding to 15 digits must not carry a number past the double range: there the text
// rounds toward zero, so the reader takes back everything the writer wrote.
TEST(FloatToStr, NeverWritesANumberTheReaderRefuses)
{
    const double max = std::numeric_limits<double>::max();
    const FloatTextCase cases[] = {
        {max, "1.79769313486231E308"},
        {-max, "-1.79769313486231E308"},
        {std::nextafter(max, 0.0), "1.79769313486231E308"},
        {1.79769313486231e308, "1.79769313486231E308"},
        {9.99999999999999e307, "9.99999999999999E307"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.value), c.text);
        double back = 0.0;
        ASSERT_TRUE(TryStrToFloat(FloatToStr(c.value), back));
        EXPECT_NEAR(back, c.value, std::fabs(c.value) * 1e-14);
    }
}

TEST(StrToFloat, AcceptsPlainDecimalText)
{
    const struct {
        const char *text;
        double value;
    } cases[] = {
        {"2.5", 2.5},   {" 2.5 ", 2.5}, {"-3", -3.0},  {"+4", 4.0},       {".5", 0.5},   {"5.", 5.0},
        {"1e3", 1000.0}, {"1E-2", 0.01}, {"1e-400", 0.0}, {"0.706", 0.706}, {"-0", 0.0}, {"123456789.25", 123456789.25},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.value);
    }
}

TEST(StrToFloat, RejectsWhatTheRunTimeRejects)
{
    const char *bad[] = {"", "2,5", "inf", "-inf", "nan", "0x10", "1e", "abc", "1.5x", "1e400", "--1", ".", "1 2", "1e+", " "};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        try {
            StrToFloat(text);
            FAIL() << "accepted";
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(NumberText, IgnoresTheUserLocale)
{
    // Qt sets the user's locale at start-up; a comma locale must change nothing. The test
    // compiles one into a folder of its own, so the machine's locale set does not matter.
    const std::string folder = ::testing::TempDir() + "irrika_locale_" + std::to_string(getpid());
    mkdir(folder.c_str(), 0755);
    const std::string command = "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1)
        GTEST_SKIP() << "localedef cannot run";
    setenv("LOCPATH", folder.c_str(), 1);
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "no comma locale could be made";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
    EXPECT_THROW(StrToFloat("2,5"), EConvertError);
    EXPECT_EQ(FormatFloat("####0.00", 2.5), "2.50");
    std::setlocale(LC_NUMERIC, saved.c_str());
    unsetenv("LOCPATH");
    std::system(("rm -rf " + folder).c_str());
}

TEST(FormatFloat, PatternsRoundDecimalTiesAwayFromZero)
{
    const struct {
        const char *pattern;
        double value;
        const char *text;
    } cases[] = {
        {"####0.00", 0.125, "0.13"},       {"####0.00", -0.125, "-0.13"},   {"####0", 2.5, "3"},
        {"####0", -2.5, "-3"},             {"####0", 0.4, "0"},             {"####0.0", 0.05, "0.1"},
        {"####0.00", 1234567.891, "1234567.89"}, {"####0", 123456789.0, "123456789"},
        {"####0.0000", 0.0, "0.0000"},     {"####0.00000", 5e-6, "0.00001"}, {"####0.00000", 1.5e-6, "0.00000"},
        {"####0.000", -0.0001, "0.000"},   {"####0.00", 9.999, "10.00"},    {"####0.0", 99.96, "100.0"},
        {"####0.000", 3.28, "3.280"},      {"####0.00", 5.0, "5.00"},       {"####0", 99999.5, "100000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.text);
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text);
    }
}

TEST(Round, NearestWithTiesToEven)
{
    const struct {
        double value;
        std::int64_t rounded;
    } cases[] = {{12.5, 12}, {13.5, 14}, {-12.5, -12}, {-13.5, -14}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {-0.4, 0}, {7.0, 7}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Round(c.value), c.rounded);
    }
    EXPECT_THROW(Round(std::nan("")), EInvalidOp);
    EXPECT_THROW(Round(std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_THROW(Round(1e300), ERangeError);
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_THROW(RoundToInt32(2147483648.0), ERangeError);
    EXPECT_THROW(RoundToInt32(-2147483649.0), ERangeError);
}

}  // namespace
