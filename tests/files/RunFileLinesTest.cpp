// Fields and numbers of run-file lines, and the code tables in which the modules differ.

#include "Errors.h"
#include "uRunFileLayout.h"
#include "uRunFileLines.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char *line;
    TFieldList fields;
};

TEST(SplitFields, DropsTextAfterTheLastSeparatorAndKeepsEmptyFields)
{
    const SplitCase cases[] = {
        {"a;;b;c", {"a", "", "b"}},
        {";", {""}},
        {"", {}},
        {"no separator", {}},
        {"PondixFile;IrrikaWindows 1.0;D:/Fields/trial.pdx;", {"PondixFile", "IrrikaWindows 1.0", "D:/Fields/trial.pdx"}},
        {" 1 ; 2;", {" 1 ", " 2"}},  // nothing is trimmed
    };
    for (const SplitCase &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitFields(c.line), c.fields);
    }
}

struct ValueCase {
    double value;
    const char *text;
};

TEST(LineBuilder, WritesValuesInGeneralFormWithFifteenDigits)
{
    const ValueCase cases[] = {
        {0.00005, "5E-5"}, {0.0001, "0.0001"}, {1E15, "1E15"}, {1.25E15, "1.25E15"},
        {40.0, "40"}, {-2.5, "-2.5"}, {0.0, "0"}, {0.706, "0.706"},
        {999999999999999.0, "999999999999999"}, {1.0 / 3.0, "0.333333333333333"},
        {-0.00012345, "-0.00012345"}, {2.0 / 3.0 * 1E-7, "6.66666666666667E-8"},
    };
    for (const ValueCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TLineBuilder().AddValue(c.value).Text(), std::string(c.text) + ";");
    }
}

// Stored value x factor in extended precision, then 15 significant digits. The first row is
// a flow of 2.05 l/s in US gallons per minute with the factor 1 / 0.0630901964.
TEST(LineBuilder, WritesDisplayValuesFormedInExtendedPrecision)
{
    struct Case {
        double stored;
        double factor;
        const char *text;
    };
    const Case cases[] = {
        {2.05, 15.850323141488904, "32.4931624400522"},  // the double product gives ...523
        {14.73, 15.8503231414889, "233.475259874132"},   // ...131
        {0.706, 1.0, "0.706"},
        {0.00005, 1.0, "5E-5"},
        {-2.5, 0.0393700787401575, "-0.0984251968503938"},
        {7.0, 0.0, "0"},  // no conversion known
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TLineBuilder().AddDisplayValue(c.stored, c.factor).Text(), std::string(c.text) + ";");
    }
}

TEST(LineBuilder, FollowsEveryFieldBySeparator)
{
    TLineBuilder line;
    line.AddInteger(3).Add("").AddValue(27.5).AddInteger(-1);
    EXPECT_EQ(line.Text(), "3;;27.5;-1;");
    EXPECT_EQ(SplitFields(line.Text()), (TFieldList{"3", "", "27.5", "-1"}));
}

TEST(FieldAt, MissingFieldRaisesTheListIndexError)
{
    const TFieldList fields = {"a", "b"};
    EXPECT_EQ(FieldAt(fields, 1), "b");
    try {
        FieldAt(fields, 2);
        FAIL() << "no error";
    } catch (const EListError &e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
}

TEST(StrToInt, TakesDecimalIntegersOnly)
{
    const std::pair<const char *, int> good[] = {{"0", 0}, {"12", 12}, {"-7", -7}, {"+3", 3},
                                                 {"  42", 42}, {"2147483647", 2147483647},
                                                 {"-2147483648", -2147483647 - 1}};
    for (const auto &[text, value] : good) {
        SCOPED_TRACE(text);
        EXPECT_EQ(StrToInt(text), value);
    }
    const char *bad[] = {"", " ", "-", "1.5", "1E3", "12 ", "0x10", "abc", "2147483648",
                         "99999999999999999999"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        try {
            StrToInt(text);
            FAIL() << "accepted";
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(UnitCodes, CodeIsKindPlusOneWithinTheModuleRange)
{
    struct Case {
        const TRunFileLayout &layout;
        int kind;
        int code;
    };
    const Case writing[] = {
        {PondixLayout(), 6, 7}, {PondixLayout(), 10, 11}, {PondixLayout(), 12, 13},
        {PondixLayout(), 15, 16}, {PondixLayout(), 20, 21}, {PondixLayout(), 23, 13},
        {StrivaLayout(), 38, 39}, {StrivaLayout(), 39, 13}, {RilloxLayout(), 39, 40},
        {RilloxLayout(), 46, 47}, {RilloxLayout(), 47, 13},
    };
    for (const Case &c : writing) {
        SCOPED_TRACE(std::string(c.layout.Tag) + " kind " + std::to_string(c.kind));
        EXPECT_EQ(UnitKindToFileCode(c.layout, static_cast<std::uint8_t>(c.kind)), c.code);
    }
    const Case reading[] = {
        {PondixLayout(), 12, 0}, {StrivaLayout(), 12, 0}, {RilloxLayout(), 12, 0},
        {PondixLayout(), 12, 48}, {StrivaLayout(), 12, 48}, {RilloxLayout(), 12, 48},
        {PondixLayout(), 12, -3}, {PondixLayout(), 12, 22}, {StrivaLayout(), 21, 22},
        {PondixLayout(), 20, 21}, {StrivaLayout(), 12, 40}, {RilloxLayout(), 39, 40},
        {RilloxLayout(), 46, 47}, {PondixLayout(), 0, 1},
    };
    for (const Case &c : reading) {
        SCOPED_TRACE(std::string(c.layout.Tag) + " code " + std::to_string(c.code));
        EXPECT_EQ(FileCodeToUnitKind(c.layout, c.code), c.kind);
    }
}

TEST(InfiltrationCodes, FollowEachModulesNumbering)
{
    struct Case {
        const TRunFileLayout &layout;
        int written[5];  // types 0, 1, 2, 3 and one beyond
        int readBack[5]; // codes 0, 1, 2, 3, 4
    };
    const Case cases[] = {
        {PondixLayout(), {1, 2, 3, 1, 1}, {0, 0, 1, 2, 0}},
        {StrivaLayout(), {1, 1, 2, 1, 1}, {0, 0, 2, 0, 0}},
        {RilloxLayout(), {1, 1, 2, 3, 1}, {0, 0, 2, 3, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.layout.Tag);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(InfiltrationTypeToFileCode(c.layout, static_cast<std::uint8_t>(i)), c.written[i]) << "type " << i;
            EXPECT_EQ(FileCodeToInfiltrationType(c.layout, i), c.readBack[i]) << "code " << i;
        }
    }
}

TEST(RunFileLayout, LineLengthsOfTheThreeModules)
{
    struct Case {
        const TRunFileLayout &layout;
        std::size_t columns;
        std::size_t runFields;
    };
    const Case cases[] = {{PondixLayout(), 26, 29}, {StrivaLayout(), 40, 44}, {RilloxLayout(), 52, 58}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.layout.Tag);
        EXPECT_EQ(c.layout.Columns.size(), c.columns);
        EXPECT_EQ(c.layout.RunFields(), c.runFields);
    }
}

}  // namespace
