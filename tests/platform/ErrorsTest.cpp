#include "Errors.h"

#include <gtest/gtest.h>

TEST(Errors, MessagesAsTheUserSeesThem)
{
    EXPECT_STREQ(EAssertionFailed("Assertion failure", "ConcreteCollections", 140).what(),
                 "Assertion failure (ConcreteCollections, line 140)");
    EXPECT_STREQ(EListError(-1).what(), "List index out of bounds (-1)");
    EXPECT_STREQ(EConvertError("2,5").what(), "'2,5' is not a valid floating point value");
    EXPECT_STREQ(EZeroDivide().what(), "Floating point division by zero");
    try {
        Assert(false, "Collection", 102);
        FAIL();
    } catch (const EAssertionFailed &e) {
        EXPECT_EQ(e.Unit(), "Collection");
        EXPECT_EQ(e.Line(), 102);
    }
    EXPECT_NO_THROW(Assert(true, "Collection", 103));
}
