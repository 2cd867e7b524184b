#include "model/qpround.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace veredod {
namespace {

struct QproundRow {
    double value;
    int decimals;
    char separator;
    const char* text;
};

class QproundTest : public ::testing::TestWithParam<QproundRow> {};

TEST_P(QproundTest, GivesTheDisplayText) {
    const QproundRow& row = GetParam();
    EXPECT_EQ(QPROUND(row.value, row.decimals, row.separator), row.text)
        << row.value << " with " << row.decimals;
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rounding, QproundTest,
    ::testing::Values(QproundRow{12.34567, 3, '.', "12.346"}, QproundRow{12.3, 3, '.', "12.3"},
                      QproundRow{2, 3, '.', "2"}, QproundRow{0, 3, '.', ""},
                      QproundRow{-0.0, 3, '.', ""}, QproundRow{0.0004, 3, '.', ""},
                      QproundRow{0.0005, 3, '.', ".001"}, QproundRow{0.5, 2, '.', ".5"},
                      QproundRow{0.25, 2, '.', ".25"}, QproundRow{2.5, 2, '.', "2.5"},
                      QproundRow{1234567.891, 1, '.', "1234567.9"}, QproundRow{12.3, 0, '.', "12"},
                      QproundRow{12.5, 0, '.', "13"}, QproundRow{0.4, 0, '.', ""},
                      // Halves are judged on the decimal the user reads, not the binary.
                      QproundRow{2.675, 2, '.', "2.68"}, QproundRow{0.0635, 3, '.', ".064"},
                      QproundRow{1.005, 2, '.', "1.01"}, QproundRow{0.125, 2, '.', ".13"},
                      QproundRow{0.0125, 3, '.', ".013"},
                      // Carries run through every nine, into a new integer digit.
                      QproundRow{9.9996, 3, '.', "10"}, QproundRow{0.99995, 4, '.', "1"},
                      QproundRow{999.95, 1, '.', "1000"}, QproundRow{0.0096, 2, '.', ".01"},
                      // Digits beyond the fifteenth significant one are noise.
                      QproundRow{0.1 + 0.2, 4, '.', ".3"}, QproundRow{1.0 / 3, 4, '.', ".3333"},
                      QproundRow{123456789012.345678, 4, '.', "123456789012.346"},
                      QproundRow{1e20, 2, '.', "100000000000000000000"},
                      QproundRow{1.5e-7, 3, '.', ""}, QproundRow{6.02e-3, 2, '.', ".01"},
                      // Negative values show a plain minus.
                      QproundRow{-3.5, 2, '.', "-3.5"}, QproundRow{-0.25, 2, '.', "-.25"},
                      QproundRow{-2.675, 2, '.', "-2.68"}, QproundRow{-1234.5, 0, '.', "-1235"},
                      QproundRow{-0.0001, 3, '.', ""}, QproundRow{-0.0004, 3, '.', ""},
                      // Non-finite values.
                      QproundRow{kNan, 3, '.', "0"}, QproundRow{kInf, 2, '.', "0"},
                      QproundRow{-kInf, 1, '.', "0"},
                      // The user's decimal separator.
                      QproundRow{2.5, 2, ',', "2,5"}, QproundRow{2, 2, ',', "2"},
                      QproundRow{-0.125, 3, ',', "-,125"}, QproundRow{kNan, 2, ',', "0"}));

TEST(Qpround, HugeValuesShowEveryIntegerDigit) {
    const std::string text = QPROUND(1e300, 2);
    EXPECT_EQ(text, "1" + std::string(300, '0'));
    EXPECT_EQ(QPROUND(std::numeric_limits<double>::max(), 3),
              "179769313486232" + std::string(294, '0'));
}

TEST(Qpround, TinyValuesNeedManyDecimals) {
    EXPECT_EQ(QPROUND(1.25e-300, 301), "." + std::string(299, '0') + "13");
    EXPECT_EQ(QPROUND(std::numeric_limits<double>::denorm_min(), 400),
              "." + std::string(323, '0') + "494065645841247");
}

TEST(Qpround, NegativeDecimalsCountAsNone) {
    EXPECT_EQ(QPROUND(12.7, -2), "13");
}

}  // namespace
}  // namespace veredod
