#include "output/results_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/worked_examples.h"
#include "model/calc.h"
#include "support/scripted_desktop.h"

namespace veredod {
namespace {

using testing::MetricTwoStageCase;
using testing::MetricWorkedCase;
using testing::MetricWorkedResin;
using testing::UsTwoStageCase;
using testing::UsWorkedCase;
using testing::UsWorkedResin;

// The worked cases after Calculate, in the given screw type and units.
Case CalculatedCase(ScrewType screwType, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    const bool twoStage = screwType == ScrewType::TwoStage;
    Case c = metric ? (twoStage ? MetricTwoStageCase() : MetricWorkedCase())
                    : (twoStage ? UsTwoStageCase() : UsWorkedCase());
    testing::ScriptedDesktop desktop;
    CalcCells(c, testing::TableOf(metric ? MetricWorkedResin() : UsWorkedResin()),
              Modes{screwType, units, SectionLengthMode::LengthOverDiameter}, desktop);
    return c;
}

const std::vector<std::string> kSingleMetricLines{
    "Drag flow = 82.17 kg/hr",
    "Equivalent Visc = 670.73 Pa s",
    "Pressure Flow = 2.14 kg/hr",
    "Leakage Flow =  kg/hr",
    "Actual Flow = 80.0263 kg/hr",
    "Specific output = .8003 kg/hr/rpm",
    "Temperature Rise = 8.76 C",
    "PowerNeeded Kw = 18.34 Kw",
    "PowerNeeded Hp = 24.59 Hp",
    "Torque = 1751.41 N-m",
    "Amps = 23.02 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used = 176.06 cost/kg",
    "Cost lost due to flight leakage =  cost/kg",
    "Melt Velocity = 52.5 mm/s",
    "Rotational Velocity = 332.5 mm/s",
    "Metering channel shear rate = 104.7 1/s",
};

const std::vector<std::string> kTwoStageMetricLines{
    "Drag flow for first stage = 82.17 kg/hr",
    "Drag flow for second stage = 32.09 kg/hr",
    "Equivalent Visc = 580.17 Pa s",
    "Pressure Flow for second stage = .62 kg/hr",
    "Leakage Flow for second stage =  kg/hr",
    "Actual Flow for first stage = 80.0263 kg/hr",
    "Actual Flow for second stage = 31.4716 kg/hr",
    "Specific output for first stage = .8003 kg/hr/rpm",
    "Specific output for second stage = .3147 kg/hr/rpm",
    "Temperature Rise for second stage = 4.38 C",
    "PowerNeeded Kw for first stage = 18.34 Kw",
    "PowerNeeded Kw for second stage = 7.1 Kw",
    "PowerNeeded Hp for first stage = 24.59 Hp",
    "PowerNeeded Hp for second stage = 9.52 Hp",
    "Torque for first stage = 1751.41 N-m",
    "Torque for second stage = 677.8 N-m",
    "Amps for first stage = 23.02 A",
    "Amps for second stage = 8.91 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used for second stage = 69.24 cost/kg",
    "Cost lost due to flight leakage for second stage =  cost/kg",
    "Melt Velocity for first stage = 52.5 mm/s",
    "Melt Velocity for second stage = 41.7 mm/s",
    "Rotational Velocity for first stage = 332.5 mm/s",
    "Rotational Velocity for second stage = 261.8 mm/s",
    "Metering channel shear rate for first stage = 104.7 1/s",
    "Metering channel shear rate for second stage = 130.9 1/s",
};

const std::vector<std::string> kSingleUsLines{
    "Drag flow = 181.07 lbs/hr",
    "Equivalent Visc = .1 psi s",
    "Pressure Flow = 4.71 lbs/hr",
    "Leakage Flow = .0041 lbs/hr",
    "Actual Flow = 176.35 lbs/hr",
    "Specific output = 1.7635 lbs/hr/rpm",
    "Temperature Rise = 15.82 F",
    "PowerNeeded Kw = 62455.88 Btu/hr",
    "PowerNeeded Hp = 24.52 Hp",
    "Torque = 1288.01 lbs-ft",
    "Amps = 22.95 A",
    "Torque Available = 1575 lbs-ft",
    "Cost of resin used = 176.35 cost/lbs",
    "Cost lost due to flight leakage =  cost/lbs",
    "Melt Velocity = 2.07 in/s",
    "Rotational Velocity = 13.09 in/s",
    "Metering channel shear rate = 104.7 1/s",
};

const std::vector<std::string> kTwoStageUsLines{
    "Drag for first stage = 181.07 lbs/hr",
    "Drag for second stage = 74.17 lbs/hr",
    "Equivalent Visc = .08 psi s",
    "Pressure Flow for second stage = 1.43 lbs/hr",
    "Leakage Flow for second stage = .0024 lbs/hr",
    "Actual Flow for first stage = 176.35 lbs/hr",
    "Actual Flow for second stage = 72.74 lbs/hr",
    "Specific output for first stage = 1.7635 lbs/hr/rpm",
    "Specific output for second stage = .7274 lbs/hr/rpm",
    "Temperature Rise for second stage = 7.91 F",
    "PowerNeeded Kw for first stage = 62455.88 Btu/hr",
    "PowerNeeded Kw for second stage = 25348.71 Btu/hr",
    "PowerNeeded Hp for first stage = 24.52 Hp",
    "PowerNeeded Hp for second stage = 9.95 Hp",
    "Torque for first stage = 1288.01 lbs-ft",
    "Torque for second stage = 522.76 lbs-ft",
    "Amps for first stage = 22.95 A",
    "Amps for second stage = 9.32 A",
    "Torque Available = 1575 lbs-ft",
    "Cost of resin used for second stage = 72.74 cost/lbs",
    "Cost lost due to flight leakage for second stage =  cost/lbs",
    "Melt Velocity for first stage = 2.07 in/s",
    "Melt Velocity for second stage = 1.67 in/s",
    "Rotational Velocity for first stage = 13.09 in/s",
    "Rotational Velocity for second stage = 10.47 in/s",
    "Metering channel shear rate for first stage = 104.7 1/s",
    "Metering channel shear rate for second stage = 130.9 1/s",
};

struct ListRow {
    const char* name;
    ScrewType screwType;
    UnitSystem units;
    const std::vector<std::string>* expected;
};

class ResultsListTest : public ::testing::TestWithParam<ListRow> {};

TEST_P(ResultsListTest, ListsEveryResultLineForLine) {
    const ListRow& row = GetParam();
    const Case c = CalculatedCase(row.screwType, row.units);
    EXPECT_EQ(ResultsLines(c, row.screwType, row.units), *row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ResultsListTest,
    ::testing::Values(
        ListRow{"SingleMetric", ScrewType::SingleFlighted, UnitSystem::Metric, &kSingleMetricLines},
        ListRow{"SingleUs", ScrewType::SingleFlighted, UnitSystem::US, &kSingleUsLines},
        ListRow{"BarrierMetric", ScrewType::Barrier, UnitSystem::Metric, &kSingleMetricLines},
        ListRow{"BarrierUs", ScrewType::Barrier, UnitSystem::US, &kSingleUsLines},
        ListRow{"TwoStageMetric", ScrewType::TwoStage, UnitSystem::Metric, &kTwoStageMetricLines},
        ListRow{"TwoStageUs", ScrewType::TwoStage, UnitSystem::US, &kTwoStageUsLines}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResultsLines, FreshCaseListsLabelsAndUnitsOnly) {
    const std::vector<std::string> lines = ResultsLines(Case{}, ScrewType::Barrier, UnitSystem::US);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "Drag flow =  lbs/hr");
    EXPECT_EQ(lines[16], "Metering channel shear rate =  1/s");
}

TEST(ResultsLines, NonFiniteResultsReadZero) {
    Case c;
    c.TemperatureRise = std::numeric_limits<double>::infinity();
    c.PowerNeededKw = std::numeric_limits<double>::quiet_NaN();
    c.SecondShearRate = -std::numeric_limits<double>::infinity();
    const auto single = ResultsLines(c, ScrewType::SingleFlighted, UnitSystem::Metric);
    EXPECT_EQ(single[6], "Temperature Rise = 0 C");
    EXPECT_EQ(single[7], "PowerNeeded Kw = 0 Kw");
    const auto twoStage = ResultsLines(c, ScrewType::TwoStage, UnitSystem::US);
    EXPECT_EQ(twoStage[10], "PowerNeeded Kw for first stage = 0 Btu/hr");
    EXPECT_EQ(twoStage[26], "Metering channel shear rate for second stage = 0 1/s");
}

TEST(ResultsLines, UsesTheUsersDecimalSeparator) {
    const Case c = CalculatedCase(ScrewType::SingleFlighted, UnitSystem::Metric);
    const auto lines = ResultsLines(c, ScrewType::SingleFlighted, UnitSystem::Metric, ',');
    EXPECT_EQ(lines[0], "Drag flow = 82,17 kg/hr");
    EXPECT_EQ(lines[5], "Specific output = ,8003 kg/hr/rpm");
    EXPECT_EQ(lines[11], "Torque Available = 1580,21 N-m");
}

TEST(ResultsLines, NegativeResultsShowAPlainMinus) {
    Case c;
    c.ActualFlow = -12.34567;
    EXPECT_EQ(ResultsLines(c, ScrewType::SingleFlighted, UnitSystem::Metric)[4],
              "Actual Flow = -12.3457 kg/hr");
}

}  // namespace
}  // namespace veredod
