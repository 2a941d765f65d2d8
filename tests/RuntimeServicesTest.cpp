#include "runtime/DecimalSeparator.h"
#include "runtime/RuntimeError.h"
#include "runtime/SquareRoot.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace faktorlupe {
namespace {

TEST(SquareRootTest, RootsOfNonNegativeNumbers) {
    EXPECT_EQ(squareRoot(0), 0);
    EXPECT_EQ(squareRoot(16), 4);
    EXPECT_EQ(squareRoot(717313), std::sqrt(717313.0));
    EXPECT_EQ(squareRoot(2147395600), 46340);
}

TEST(SquareRootTest, NegativeArgumentRaisesInvalidArgument) {
    for (const double value : {-1.0, -6.0, -2147483648.0}) {
        try {
            squareRoot(value);
            ADD_FAILURE() << value << " was accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), 5);
            EXPECT_STREQ(error.what(), "Ungültiger Prozeduraufruf oder ungültiges Argument");
        }
    }
}

struct SeparatorOfLocale {
    const char* locale;
    const char* expected;
};

class UserDecimalSeparatorTest : public ::testing::TestWithParam<SeparatorOfLocale> {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("LC_ALL"))
            m_saved = old;
    }
    void TearDown() override {
        if (m_saved.empty())
            unsetenv("LC_ALL");
        else
            setenv("LC_ALL", m_saved.c_str(), 1);
    }

private:
    std::string m_saved;
};

TEST_P(UserDecimalSeparatorTest, ComesFromTheUsersLocale) {
    setenv("LC_ALL", GetParam().locale, 1);
    EXPECT_EQ(userDecimalSeparator(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, UserDecimalSeparatorTest,
                         ::testing::Values(SeparatorOfLocale{"C", "."},
                                           SeparatorOfLocale{"de_DE.UTF-8", ","},
                                           SeparatorOfLocale{"no_SUCH.LOCALE", "."}));

} // namespace
} // namespace faktorlupe
