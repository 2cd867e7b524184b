#include "output/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/worked_examples.h"
#include "model/calc.h"
#include "support/scripted_desktop.h"

namespace veredod {
namespace {

using testing::MetricWorkedResin;
using testing::TableOf;
using testing::UsWorkedResin;

// The worked two stage cases after Calculate, with a first-stage back
// pressure that differs from the second stage's.
Case CalculatedCase(const Modes& modes) {
    const bool metric = modes.unitSystem == UnitSystem::Metric;
    Case c = metric ? testing::MetricTwoStageCase() : testing::UsTwoStageCase();
    testing::ScriptedDesktop desktop;
    CalcCells(c, TableOf(metric ? MetricWorkedResin() : UsWorkedResin()), modes, desktop);
    return c;
}

const std::vector<std::string> kHeader{
    "Ruvodad",
    "",
    "1200 Example Avenue",
    "Springfield, Ontario",
    "A1B 2C3 Canada",
    "Phone: +1 555 0100 Fax: +1 555 0101",
    "Email: info@example.com",
    "Web: www.example.com",
    "",
    "",
};

// What follows the header.
const std::vector<std::string> kSingleMetricReport{
    "Single Flighted Screw",
    "",
    "Units = SI",
    "",
    "Length Entered as L/D",
    "",
    "Screw Diameter = 63.5",
    "Metering Length = 20",
    "Metering Depth = 3.175",
    "Metering Lead = 63.5",
    "Flight Clearance = .064",
    "Flight Width = 6.35",
    "",
    "Power Supply = 460",
    "Power Available = 37",
    "Motor Speed = 1750",
    "Gear Box Speed = 125",
    "",
    "Material Temp In = 21",
    "Material Temp Out = 232",
    "Screw RPM = 100",
    "System Back Pressure = 138",
    "",
    "LDPE general purpose",
    "Resin cost = 2.2",
    "Melt Density = 750",
    "Solid Density = 920",
    "Consistancy Index = 13790",
    "Powerlaw Index = .35",
    "Heat Capacity = 2100",
    "Heat of Fusion = 116000",
    "Thermal Conductivity = .24",
    "",
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

const std::vector<std::string> kTwoStageMetricReport{
    "Two Stage Vented Screw",
    "",
    "Units = SI",
    "",
    "Length Entered as L/D",
    "",
    "Screw Diameter = 63.5",
    "Metering Length = 20",
    "Metering Depth = 3.175",
    "Metering Lead = 63.5",
    "Flight Clearance = .064",
    "Flight Width = 6.35",
    "",
    "Second Screw Diameter = 50",
    "Second Metering Length = 10",
    "Second Metering Depth = 2",
    "Second Metering Lead = 50",
    "Second Flight Clearance = .05",
    "Second Flight Width = 5",
    "",
    "Power Supply = 460",
    "Power Available = 37",
    "Motor Speed = 1750",
    "Gear Box Speed = 125",
    "",
    "Material Temp In = 21",
    "Material Temp Out = 232",
    "Screw RPM = 100",
    "System Back Pressure = 69",
    "",
    "LDPE general purpose",
    "Resin cost = 2.2",
    "Melt Density = 750",
    "Solid Density = 920",
    "Consistancy Index = 13790",
    "Powerlaw Index = .35",
    "Heat Capacity = 2100",
    "Heat of Fusion = 116000",
    "Thermal Conductivity = .24",
    "",
    "Drag flow for first section = 82.17 kg/hr",
    "Drag flow for second section = 32.09 kg/hr",
    "Equivalent Visc = 580.17 Pa s",
    "Pressure Flow for second zone = .62 kg/hr",
    "Leakage Flow for second zone =  kg/hr",
    "Actual Flow for first zone = 80.0263 kg/hr",
    "Actual Flow for second zone = 31.4716 kg/hr",
    "Specific output for first stage = .8003 kg/hr/rpm",
    "Specific output for second stage = .3147 kg/hr/rpm",
    "Temperature Rise for second zone = 4.38 C",
    "PowerNeeded Kw for first stage = 18.34 Kw",
    "PowerNeeded Hp for first stage = 24.59 Hp",
    "PowerNeeded Kw for second stage = 7.1 Kw",
    "PowerNeeded Hp for second stage = 9.52 Hp",
    "Torque for first stage = 1751.41 N-m",
    "Torque for second stage = 677.8 N-m",
    "Amps for first stage = 23.02 A",
    "Amps for second stage = 8.91 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used for second stage = 69.24 cost/kg",
    "Cost lost due to flight leakage for second stage =  cost/kg",
    "Melt Velocity for first zone = 52.5 mm/s",
    "Melt Velocity for second zone = 41.7 mm/s",
    "Rotational Velocity for first zone = 332.5 mm/s",
    "Rotational Velocity for second zone = 261.8 mm/s",
    "Metering channel shear rate for first zone = 104.7 1/s",
    "Metering channel shear rate for second zone = 130.9 1/s",
};

const std::vector<std::string> kSingleUsReport{
    "Single Flighted Screw",
    "",
    "Units = US",
    "",
    "Length Entered as L/D",
    "",
    "Screw Diameter = 2.5",
    "Metering Length = 20",
    "Metering Depth = .125",
    "Metering Lead = 2.5",
    "Flight Clearance = .003",
    "Flight Width = .25",
    "",
    "Power Supply = 460",
    "Power Available = 50",
    "Motor Speed = 1750",
    "Gear Box Speed = 125",
    "",
    "Material Temp In = 70",
    "Material Temp Out = 450",
    "Screw RPM = 100",
    "System Back Pressure = 2000",
    "",
    "LDPE general purpose",
    "Resin cost = 1",
    "Melt Density = 46.8",
    "Solid Density = 57.4",
    "Consistancy Index = 2",
    "Powerlaw Index = .35",
    "Heat Capacity = .5",
    "Heat of Fusion = 50",
    "Thermal Conductivity = .139",
    "",
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
    "Melt Velocity = 2.1 in/s",
    "Rotational Velocity = 13.1 in/s",
    "Metering channel shear rate = 104.7 1/s",
};

const std::vector<std::string> kTwoStageUsReport{
    "Two Stage Vented Screw",
    "",
    "Units = US",
    "",
    "Length Entered as L/D",
    "",
    "Screw Diameter = 2.5",
    "Metering Length = 20",
    "Metering Depth = .125",
    "Metering Lead = 2.5",
    "Flight Clearance = .003",
    "Flight Width = .25",
    "",
    "Second Screw Diameter = 2",
    "Second Metering Length = 10",
    "Second Metering Depth = .08",
    "Second Metering Lead = 2",
    "Second Flight Clearance = .002",
    "Second Flight Width = .2",
    "",
    "Power Supply = 460",
    "Power Available = 50",
    "Motor Speed = 1750",
    "Gear Box Speed = 125",
    "",
    "Material Temp In = 70",
    "Material Temp Out = 450",
    "Screw RPM = 100",
    "System Back Pressure = 1000",
    "",
    "LDPE general purpose",
    "Resin cost = 1",
    "Melt Density = 46.8",
    "Solid Density = 57.4",
    "Consistancy Index = 2",
    "Powerlaw Index = .35",
    "Heat Capacity = .5",
    "Heat of Fusion = 50",
    "Thermal Conductivity = .139",
    "",
    "Drag flow for first section = 181.07 lbs/hr",
    "Drag flow for second section = 74.17 lbs/hr",
    "Equivalent Visc = .08 psi s",
    "Pressure Flow for second zone = 1.43 lbs/hr",
    "Leakage Flow for second zone = .0024 lbs/hr",
    "Actual Flow for first zone = 176.35 lbs/hr",
    "Actual Flow for second zone = 72.74 lbs/hr",
    "Specific output for first stage = 1.7635 lbs/hr/rpm",
    "Specific output for second stage = .7274 lbs/hr/rpm",
    "Temperature Rise for second zone = 7.91 F",
    "PowerNeeded Kw for first zone = 62455.88 Btu/hr",
    "PowerNeeded Hp for first zone = 24.52 Hp",
    "PowerNeeded Kw for second zone = 25348.71 Btu/hr",
    "PowerNeeded Hp for second zone = 9.95 Hp",
    "Torque for first zone = 1288.01 lbs-ft",
    "Torque for second zone = 522.76 lbs-ft",
    "Amps for first zone  = 22.95 A",
    "Amps for second zone  = 9.32 A",
    "Torque Available = 1575 lbs-ft",
    "Cost of resin used for second zone = 72.74 cost/lbs",
    "Cost lost due to flight leakage for second zone=  cost/lbs",
    "Melt Velocity for first zone = 2.1 in/s",
    "Melt Velocity for second zone = 1.7 in/s",
    "Rotational Velocity for first zone = 13.1 in/s",
    "Rotational Velocity for second zone = 10.5 in/s",
    "Metering channel shear rate for first zone = 104.7 1/s",
    "Metering channel shear rate for second zone = 130.9 1/s",
};

std::vector<std::string> WithHeader(const std::vector<std::string>& body) {
    std::vector<std::string> lines = kHeader;
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

struct ReportRow {
    const char* name;
    Modes modes;
    const std::vector<std::string>* body;
    size_t lineCount;
};

class ReportTest : public ::testing::TestWithParam<ReportRow> {};

TEST_P(ReportTest, PrintsEveryLine) {
    const ReportRow& row = GetParam();
    const Case c = CalculatedCase(row.modes);
    const ResinRecord resin =
        row.modes.unitSystem == UnitSystem::Metric ? MetricWorkedResin() : UsWorkedResin();
    const ReportLines report = BuildReport(c, TableOf(resin), row.modes);
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.lines.size(), row.lineCount);
    EXPECT_EQ(report.lines, WithHeader(*row.body));
}

constexpr auto kRatio = SectionLengthMode::LengthOverDiameter;

INSTANTIATE_TEST_SUITE_P(
    Variants, ReportTest,
    ::testing::Values(
        ReportRow{"SingleMetric",
                  {ScrewType::SingleFlighted, UnitSystem::Metric, kRatio},
                  &kSingleMetricReport,
                  60},
        ReportRow{
            "SingleUs", {ScrewType::SingleFlighted, UnitSystem::US, kRatio}, &kSingleUsReport, 60},
        ReportRow{"TwoStageMetric",
                  {ScrewType::TwoStage, UnitSystem::Metric, kRatio},
                  &kTwoStageMetricReport,
                  77},
        ReportRow{
            "TwoStageUs", {ScrewType::TwoStage, UnitSystem::US, kRatio}, &kTwoStageUsReport, 77}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildReport, BarrierScrewAndDistanceModeHaveTheirOwnLines) {
    const Modes modes{ScrewType::Barrier, UnitSystem::Metric, SectionLengthMode::Distance};
    const ReportLines report =
        BuildReport(CalculatedCase(modes), TableOf(MetricWorkedResin()), modes);
    ASSERT_EQ(report.lines.size(), 60u);
    EXPECT_EQ(report.lines[10], "Melt Channel Screw");
    EXPECT_EQ(report.lines[14], "Length Entered as distance");
    EXPECT_EQ(report.lines[31], "System Back Pressure = 138");
}

TEST(BuildReport, StopsAfterTheSystemBlockWithoutAResin) {
    for (ScrewType type : {ScrewType::SingleFlighted, ScrewType::TwoStage}) {
        const Modes modes{type, UnitSystem::US, kRatio};
        const Case c = CalculatedCase(modes);
        ResinTable table = TableOf(UsWorkedResin());
        table.CurrentResin = 1;
        const ReportLines report = BuildReport(c, table, modes);
        EXPECT_FALSE(report.complete);
        const ReportLines full = BuildReport(c, TableOf(UsWorkedResin()), modes);
        const size_t systemEnd = type == ScrewType::TwoStage ? 40 : 33;
        EXPECT_EQ(report.lines,
                  std::vector<std::string>(full.lines.begin(), full.lines.begin() + systemEnd));
        EXPECT_EQ(report.lines.back(), "");
        EXPECT_EQ(report.lines[systemEnd - 2].rfind("System Back Pressure = ", 0), 0u);
    }
}

TEST(BuildReport, ZeroInputsEndRightAfterTheEqualsSign) {
    ResinRecord unnamed;
    const Modes modes{ScrewType::SingleFlighted, UnitSystem::Metric, kRatio};
    const ReportLines report = BuildReport(Case{}, TableOf(unnamed), modes, ',');
    ASSERT_EQ(report.lines.size(), 60u);
    EXPECT_EQ(report.lines[16], "Screw Diameter = ");
    EXPECT_EQ(report.lines[33], "");  // the empty resin name
    EXPECT_EQ(report.lines[34], "Resin cost = ");
    EXPECT_EQ(report.lines[43], "Drag flow =  kg/hr");
}

TEST(BuildReport, UsesTheUsersDecimalSeparator) {
    const Modes modes{ScrewType::SingleFlighted, UnitSystem::US, kRatio};
    const ReportLines report =
        BuildReport(CalculatedCase(modes), TableOf(UsWorkedResin()), modes, ',');
    EXPECT_EQ(report.lines[18], "Metering Depth = ,125");
    EXPECT_EQ(report.lines[57], "Melt Velocity = 2,1 in/s");
}

}  // namespace
}  // namespace veredod
