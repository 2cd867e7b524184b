#include "model/number_form.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "model/text.h"

namespace veredod {
namespace {

struct Written {
    double value;
    const char* line;
};

class FormatFileNumberTest : public ::testing::TestWithParam<Written> {};

TEST_P(FormatFileNumberTest, WritesTheNumberForm) {
    EXPECT_EQ(FormatFileNumber(GetParam().value), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatFileNumberTest,
    ::testing::Values(
        Written{0.549, " .549 "}, Written{-12.5, "-12.5 "}, Written{2866, " 2866 "},
        Written{0.35, " .35 "}, Written{0.5, " .5 "}, Written{-0.5, "-.5 "}, Written{0, " 0 "},
        Written{-0.0, " 0 "}, Written{1, " 1 "}, Written{-3, "-3 "}, Written{13790, " 13790 "},
        Written{46.8, " 46.8 "}, Written{0.1 + 0.2, " .3 "}, Written{1.0 / 3, " .333333333333333 "},
        Written{2.0 / 3, " .666666666666667 "}, Written{123456.789012345, " 123456.789012345 "},
        Written{1e14, " 100000000000000 "}, Written{999999999999999.0, " 999999999999999 "},
        Written{9999999999999999.0, " 1E+16 "}, Written{1e15, " 1E+15 "}, Written{1e20, " 1E+20 "},
        Written{-2.5e100, "-2.5E+100 "}, Written{1.5e-7, " 1.5E-07 "}, Written{1e-5, " .00001 "},
        Written{1.25e-5, " .0000125 "}, Written{1e-6, " 1E-06 "},
        Written{5e-324, " 4.94065645841247E-324 "},
        Written{std::numeric_limits<double>::max(), " 1.79769313486231E+308 "},
        Written{-std::numeric_limits<double>::max(), "-1.79769313486231E+308 "},
        Written{std::nan(""), " 0 "}, Written{std::numeric_limits<double>::infinity(), " 0 "},
        Written{-std::numeric_limits<double>::infinity(), " 0 "}));

struct Read {
    const char* token;
    std::optional<double> value;
};

class ParseFileNumberTest : public ::testing::TestWithParam<Read> {};

TEST_P(ParseFileNumberTest, ReadsOnlyPlainDecimals) {
    const std::optional<double> got = ParseFileNumber(GetParam().token);
    ASSERT_EQ(got.has_value(), GetParam().value.has_value()) << '"' << GetParam().token << '"';
    if (got) {
        EXPECT_EQ(*got, *GetParam().value) << '"' << GetParam().token << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ParseFileNumberTest,
    ::testing::Values(
        Read{" .549 ", 0.549}, Read{"-12.5 ", -12.5}, Read{" 2866 ", 2866}, Read{".5", 0.5},
        Read{"5.", 5}, Read{"5", 5}, Read{"+5", 5}, Read{"-.5", -0.5}, Read{"+.5", 0.5},
        Read{"\t 7 \t", 7}, Read{"1E+20", 1e20}, Read{"1.5E-07", 1.5e-7}, Read{"2e3", 2000},
        Read{"2E3", 2000}, Read{"-2.5e-1", -0.25}, Read{"00012.50", 12.5}, Read{"1e-400", 0.0},
        Read{"-1e-400", -0.0}, Read{"0e99999", 0.0},
        Read{"1.79769313486231E+308", 1.79769313486231e308}, Read{"", std::nullopt},
        Read{"   ", std::nullopt}, Read{"abc", std::nullopt}, Read{"1.2.3", std::nullopt},
        Read{"12abc", std::nullopt}, Read{"1 2", std::nullopt}, Read{"inf", std::nullopt},
        Read{"-inf", std::nullopt}, Read{"nan", std::nullopt}, Read{"infinity", std::nullopt},
        Read{"0x10", std::nullopt}, Read{"&H10", std::nullopt}, Read{"1e999", std::nullopt},
        Read{"-1e999", std::nullopt}, Read{"1e", std::nullopt}, Read{"1e+", std::nullopt},
        Read{".", std::nullopt}, Read{"-", std::nullopt}, Read{"+-1", std::nullopt},
        Read{"--1", std::nullopt}, Read{".e5", std::nullopt}, Read{"1,5", std::nullopt},
        Read{"1\r", std::nullopt}, Read{"True", std::nullopt}));

TEST(FileNumberRoundTrip, KeepsFifteenSignificantDigits) {
    const double values[] = {0.549,
                             -12.5,
                             2866,
                             1.0 / 7,
                             -2.0 / 3,
                             6.02214076e23,
                             1.6e-19,
                             13790.25,
                             1e-5,
                             1e-6,
                             9.87654321e-300,
                             123456789.123456789,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
    for (double value : values) {
        const std::optional<double> back = ParseFileNumber(FormatFileNumber(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << value;
        EXPECT_EQ(FormatFileNumber(*back), FormatFileNumber(value)) << value;
    }
}

// Short tokens are converted without std::from_chars; both ways must give
// the same double, bit for bit.
TEST(FileNumberRead, AgreesWithTheGeneralConversion) {
    std::mt19937 random(20240601);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    for (int n = 0; n < 200000; ++n) {
        std::string token;
        if (pick(0, 1)) token += '-';
        const int digits = pick(1, 20);
        const int point = pick(0, digits);
        for (int i = 0; i < digits; ++i) {
            if (i == point) token += '.';
            token += static_cast<char>('0' + pick(0, 9));
        }
        if (pick(0, 1)) token += "E" + std::to_string(pick(-40, 40));
        double expected = 0;
        const auto result = std::from_chars(token.data(), token.data() + token.size(), expected);
        ASSERT_EQ(result.ec, std::errc()) << token;
        const std::optional<double> got = ParseFileNumber(token);
        ASSERT_TRUE(got.has_value()) << token;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(expected))
            << token;
    }
}

std::string FifteenDigits(double value) {
    char text[64];
    return std::string(
        text,
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr);
}

// Short decimals take a quicker path to their digits than other values;
// every value must still be written as its 15-digit rounding.
TEST(FileNumberWrite, WritesTheFifteenDigitRounding) {
    std::mt19937_64 random(7);
    for (int n = 0; n < 200000; ++n) {
        double value;
        if (n % 2 == 0) {
            const auto whole = static_cast<double>(random() % 2'000'000'000'000'000ULL);
            value = whole / std::pow(10.0, static_cast<double>(random() % 12));
        } else {
            value = std::bit_cast<double>(random());
            if (!std::isfinite(value) || value == 0) continue;
        }
        const std::string line = FormatFileNumber(value);
        const std::optional<double> back = ParseFileNumber(line);
        ASSERT_TRUE(back.has_value()) << line;
        ASSERT_EQ(FifteenDigits(*back), FifteenDigits(value)) << line;
    }
}

// The window and the command-line tool may switch LC_NUMERIC to a locale
// with a decimal comma; the files must not notice.
TEST(FileNumberLocale, IgnoresTheProcessLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"};
    for (const char* name : candidates) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) break;
    }
    EXPECT_EQ(FormatFileNumber(-12.5), "-12.5 ");
    EXPECT_EQ(ParseFileNumber(" .549 "), 0.549);
    EXPECT_EQ(ParseFileNumber("1,5"), std::nullopt);
    std::setlocale(LC_NUMERIC, before.c_str());
}

struct LineSplit {
    const char* bytes;
    std::vector<std::string> lines;
};

class TakeFileLineTest : public ::testing::TestWithParam<LineSplit> {};

TEST_P(TakeFileLineTest, SplitsCrLfAndLf) {
    std::string_view rest = GetParam().bytes;
    std::string_view line;
    std::vector<std::string> lines;
    while (TakeFileLine(rest, line)) lines.emplace_back(line);
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, TakeFileLineTest,
                         ::testing::Values(LineSplit{"", {}}, LineSplit{"a\r\nb\r\n", {"a", "b"}},
                                           LineSplit{"a\nb\n", {"a", "b"}},
                                           LineSplit{"a\r\nb", {"a", "b"}},
                                           LineSplit{"\r\n\r\n", {"", ""}},
                                           LineSplit{"a\r\r\n", {"a\r"}},
                                           LineSplit{"a\rb\n", {"a\rb"}}, LineSplit{"\n", {""}}));

}  // namespace
}  // namespace veredod
