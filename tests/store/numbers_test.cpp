#include "store/dates.h"
#include "store/numbers.h"

#include "controls/error.h"

#include <gtest/gtest.h>

namespace pesavia {
namespace {

TEST(FormatNombre, roundsThroughEighteenDigitsHalfAwayFromZero) {
    struct Case {
        long double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {254.3L * (0.35L + 15.0L * 4.6L / 254.3L), 2, "158.01"}, // tail-wheel moment
        {12.345L, 2, "12.35"},
        {-12.345L, 2, "-12.35"},
        {0.0L, 2, "0.00"},
        {-0.0L, 2, "0.00"},
        {0.0L * -0.5L, 2, "0.00"},
        {-0.001L, 2, "0.00"},
        {0.005L, 2, "0.01"},
        {0.3007L, 4, "0.3007"},
        {9.999L, 2, "10.00"},
        {999.995L, 2, "1000.00"},
        {1250.3L, 2, "1250.30"},
        {1e20L, 2, "100000000000000000000.00"},
        {1.5L, 0, "2"},
        {0.00004L, 4, "0.0000"},
        {0.00005L, 4, "0.0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNombre(c.value, c.decimals), c.expected) << c.expected;
}

TEST(LitNombre, acceptsOnlyTheStrictForm) {
    struct Case {
        const char* text;
        std::optional<long double> expected;
    } cases[] = {
        {"12.50", 12.5L}, {" 12.5 ", 12.5L}, {"+3", 3.0L}, {"-0.5", -0.5L}, {".", 0.0L},
        {".5", 0.5L},     {"5.", 5.0L},      {"1e3", 1000.0L}, {"1E-2", 0.01L}, {"2e+1", 20.0L},
        {"", std::nullopt},    {" ", std::nullopt},     {"12,5", std::nullopt}, {"1 2", std::nullopt},
        {"1.2.3", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},  {"0x10", std::nullopt},
        {"1e", std::nullopt},  {"1e+", std::nullopt},  {"abc", std::nullopt},  {"+-1", std::nullopt},
        {"1e99999", std::nullopt}, {"12kg", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = LitNombre(c.text);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_EQ(*got, *c.expected) << c.text;
        }
    }
}

TEST(StrToFloat, reportsTheOffendingText) {
    try {
        StrToFloat("12,5");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'12,5' n'est pas une valeur en virgule flottante correcte");
    }
}

TEST(NormaliseNombre, readsCommaAndBlanksAndFallsBackToZero) {
    struct Case {
        const char* text;
        const char* format;
        const char* expected;
    } cases[] = {
        {"12,5", "%.2f", "12.50"}, {"1 250,3", "%.2f", "1250.30"}, {"abc", "%.2f", "0.00"},
        {"", "%.2f", "0.00"},      {"1.2.3", "%.2f", "0.00"},      {"1,2", "%.4f", "1.2000"},
        {"-3", "%.2f", "-3.00"},   {"450,5", "%.2f", "450.50"},    {"12.345", "%.2f", "12.35"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseNombre(c.text, c.format), c.expected) << c.text;
    EXPECT_EQ(LitNombreSaisi("1 200"), 1200.0L);
    EXPECT_EQ(LitNombreSaisi("12kg"), 0.0L);
}

TEST(LitEntier, needsTheWholeText) {
    EXPECT_EQ(LitEntier("1"), 1);
    EXPECT_EQ(LitEntier("-1"), -1);
    EXPECT_EQ(LitEntier(" 10 "), 10);
    EXPECT_EQ(LitEntier("1x"), std::nullopt);
    EXPECT_EQ(LitEntier("12.5"), std::nullopt);
    EXPECT_EQ(LitEntier(""), std::nullopt);
    EXPECT_EQ(LitEntier("99999999999"), std::nullopt);
}

TEST(TruncToFirstDigit, keepsTheFirstDigitOfFifteen) {
    struct Case {
        long double x, expected;
    } cases[] = {{0.37L, 0.3L}, {25, 20}, {7.5L, 7}, {0, 0}, {0.999999999999999999L, 1}, {0.21L, 0.2L},
                 {2.1L / 10, 0.2L}, {210.0L / 10, 20}, {1.58L / 10, 0.1L}, {400.0L / 10, 40}};
    for (const auto& c : cases) EXPECT_EQ(TruncToFirstDigit(c.x), c.expected) << static_cast<double>(c.x);
}

TEST(Dates, readAndWriteDayMonthYear) {
    EXPECT_EQ(LitDate("11/12/2026"), (Date{2026, 12, 11}));
    EXPECT_EQ(LitDate("29/02/2024"), (Date{2024, 2, 29}));
    EXPECT_EQ(LitDate("31/02/2020"), std::nullopt);
    EXPECT_EQ(LitDate("  /  /    "), std::nullopt);
    EXPECT_EQ(LitDate("12/2026"), std::nullopt);
    EXPECT_EQ(LitDate("aa/bb/cccc"), std::nullopt);
    EXPECT_EQ(FormatDate({2026, 3, 5}, "dd/MM/yyyy"), "05/03/2026");
    EXPECT_EQ(FormatDate({2026, 3, 5}, "d/M/yy"), "5/3/26");
}

} // namespace
} // namespace pesavia
