#include "entry/cell_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace veredod {
namespace {

struct LenientRow {
    const char* text;
    char decimalSeparator;
    double expected;
};

TEST(LenientReadingTest, TakesTheLongestLeadingNumber) {
    const double kInf = std::numeric_limits<double>::infinity();
    const LenientRow rows[] = {
        {"12.5mm", '.', 12.5},  {"1 000", '.', 1000},  {"1,000", '.', 1},      {"3,5", '.', 3},
        {"&H10", '.', 16},      {"&h1f", '.', 31},     {"&HFFFF", '.', 65535}, {"&O17", '.', 15},
        {"&o19", '.', 1},       {"&H", '.', 0},        {"&X10", '.', 0},       {" 3 .5", '.', 3.5},
        {"\t4\r\n2", '.', 42},  {"0.125", '.', 0.125}, {"abc", '.', 0},        {"", '.', 0},
        {"-", '.', 0},          {".", '.', 0},         {"-2.5e2x", '.', -250}, {"+.5", '.', 0.5},
        {"-.5", '.', -0.5},     {"1.2.3", '.', 1.2},   {"2E-3", '.', 0.002},   {"1e", '.', 1},
        {"1e+", '.', 1},        {"7e 1", '.', 70},     {"12abc", '.', 12},     {"1e400", '.', kInf},
        {"-1e400", '.', -kInf}, {"1e-400", '.', 0},    {"2,5", ',', 2.5},      {"2.5", ',', 2.5},
        {"2,5,1", ',', 2.5},    {"1.000", ',', 1},
    };
    for (const LenientRow& row : rows) {
        EXPECT_EQ(ReadLenientNumber(row.text, row.decimalSeparator), row.expected)
            << '"' << row.text << "\" with '" << row.decimalSeparator << "'";
    }
}

struct StrictRow {
    const char* text;
    char decimalSeparator;
    char groupSeparator;
    std::optional<double> expected;
};

TEST(StrictReadingTest, AcceptsOnlyAWholeRegionalNumber) {
    const std::optional<double> kFails;
    const StrictRow rows[] = {
        {"1.5", '.', ',', 1.5},
        {"  2  ", '.', ',', 2},
        {"\t-3\t", '.', ',', -3},
        {".5", '.', ',', 0.5},
        {"-.5", '.', ',', -0.5},
        {"+7", '.', ',', 7},
        {"5.", '.', ',', 5},
        {"1,000", '.', ',', 1000},
        {"12,345,678.25", '.', ',', 12345678.25},
        {"1e3", '.', ',', 1000},
        {"2.5E-2", '.', ',', 0.025},
        {"1e-400", '.', ',', 0},
        {"", '.', ',', kFails},
        {"   ", '.', ',', kFails},
        {"abc", '.', ',', kFails},
        {"12abc", '.', ',', kFails},
        {"1,00", '.', ',', kFails},
        {"1,0000", '.', ',', kFails},
        {"1234,567", '.', ',', kFails},
        {",100", '.', ',', kFails},
        {"1,", '.', ',', kFails},
        {"1.5,000", '.', ',', kFails},
        {"1 000", '.', ',', kFails},
        {"- 5", '.', ',', kFails},
        {"1.2.3", '.', ',', kFails},
        {"1e", '.', ',', kFails},
        {"e5", '.', ',', kFails},
        {".", '.', ',', kFails},
        {"-", '.', ',', kFails},
        {"1e400", '.', ',', kFails},
        {"inf", '.', ',', kFails},
        {"nan", '.', ',', kFails},
        {"&H10", '.', ',', kFails},
        {"2,5", ',', '.', 2.5},
        {"1.000,5", ',', '.', 1000.5},
        {",5", ',', '.', 0.5},
        {"2.5", ',', '.', kFails},
    };
    for (const StrictRow& row : rows) {
        EXPECT_EQ(ReadStrictNumber(row.text, row.decimalSeparator, row.groupSeparator),
                  row.expected)
            << '"' << row.text << "\" with '" << row.decimalSeparator << "'";
    }
}

TEST(CellFieldsTest, IndicesOutsideAGroupNameNoField) {
    Case c;
    EXPECT_EQ(VarField(c, 0), &c.ScrewDiameter);
    EXPECT_EQ(VarField(c, 11), &c.SecondFlightWidth);
    EXPECT_EQ(VarField(c, 12), nullptr);
    EXPECT_EQ(VarField(c, -1), nullptr);
    EXPECT_EQ(ExtSysField(c, 3, ScrewType::Barrier), &c.SystemBackPressure);
    EXPECT_EQ(ExtSysField(c, 3, ScrewType::SingleFlighted), &c.SystemBackPressure);
    EXPECT_EQ(ExtSysField(c, 3, ScrewType::TwoStage), &c.SecondStageBackPressure);
    EXPECT_EQ(ExtSysField(c, 4, ScrewType::Barrier), nullptr);
    EXPECT_EQ(MotorSpecField(c, 3), &c.GearBoxSpeed);
    EXPECT_EQ(MotorSpecField(c, 4), nullptr);
}

}  // namespace
}  // namespace veredod
