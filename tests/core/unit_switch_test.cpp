#include <functional>

#include "entry/units.h"
#include "model_fixture.h"
#include "output/results_list.h"

namespace veredod::testing {
namespace {

using UnitSwitchTest = ModelTest;

constexpr double Case::*kUnitFields[] = {
    &Case::ScrewDiameter,
    &Case::MeteringLength,
    &Case::MeteringDepth,
    &Case::MeteringLead,
    &Case::FlightClearance,
    &Case::FlightWidth,
    &Case::SecondScrewDiameter,
    &Case::SecondMeteringLength,
    &Case::SecondMeteringDepth,
    &Case::SecondMeteringLead,
    &Case::SecondFlightClearance,
    &Case::SecondFlightWidth,
    &Case::MaterialTempIn,
    &Case::MaterialTempOut,
    &Case::SystemBackPressure,
    &Case::SecondStageBackPressure,
    &Case::PowerAvailable,
    &Case::DragFlow,
    &Case::SecondDragFlow,
    &Case::PressureFlow,
    &Case::SecondPressureFlow,
    &Case::ActualFlow,
    &Case::SecondActualFlow,
    &Case::LeakageFlow,
    &Case::SecondLeakageFlow,
    &Case::SpecificOutput,
    &Case::SecondSpecificOutput,
    &Case::ResinCostUsed,
    &Case::SecondResinCostUsed,
    &Case::LeakageCostLost,
    &Case::SecondLeakageCostLost,
    &Case::EquivalentViscosity,
    &Case::TemperatureRise,
    &Case::SecondTemperatureRise,
    &Case::PowerNeededKw,
    &Case::SecondPowerNeededKw,
    &Case::Torque,
    &Case::SecondTorque,
    &Case::TorqueAvailable,
    &Case::MeltVelocity,
    &Case::SecondMeltVelocity,
    &Case::RotationalVelocity,
    &Case::SecondRotationalVelocity,
};

TEST_F(UnitSwitchTest, MetricToUsAndBackGivesTheSameNumbers) {
    startWith(SampleResins());
    model.selectSectLength(1);
    Case& c = model.mutableCase();
    double value = 1.234567;
    for (auto field : kUnitFields) c.*field = (value *= 1.37);
    const Case before = c;
    const ResinRecord resinBefore = resin(0);

    model.selectUnits(1);
    EXPECT_NE(c.ScrewDiameter, before.ScrewDiameter);
    model.selectUnits(0);
    for (auto field : kUnitFields) EXPECT_DOUBLE_EQ(c.*field, before.*field);
    for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
        EXPECT_DOUBLE_EQ(resin(0).number(i), resinBefore.number(i)) << i;
    }
}

TEST(UnitConversionTest, ConvertsEachValueAsTheTablesSay) {
    struct Row {
        const char* what;
        double Case::*field;
        bool distanceMode;
        UnitSystem from;
        double value;
        double expected;
        double tolerance;
    };
    constexpr auto kMetric = UnitSystem::Metric;
    constexpr auto kUs = UnitSystem::US;
    const Row rows[] = {
        {"100 C", &Case::MaterialTempIn, false, kMetric, 100, 212, 1e-12},
        {"212 F", &Case::MaterialTempOut, false, kUs, 212, 100, 1e-12},
        {"0 C stays", &Case::MaterialTempIn, false, kMetric, 0, 0, 0},
        {"0 F stays", &Case::MaterialTempOut, false, kUs, 0, 0, 0},
        {"rise 9 F", &Case::TemperatureRise, false, kUs, 9, 5, 1e-12},
        {"rise 0 stays", &Case::SecondTemperatureRise, false, kMetric, 0, 0, 0},
        {"L/D 20", &Case::MeteringLength, false, kMetric, 20, 20, 0},
        {"L/D 20 back", &Case::SecondMeteringLength, false, kUs, 20, 20, 0},
        {"100 mm", &Case::MeteringLength, true, kMetric, 100, 3.937007874, 1e-9},
        {"100 HP", &Case::PowerAvailable, false, kUs, 100, 74.5699871, 1e-7},
        {"1 kW", &Case::PowerNeededKw, false, kMetric, 1, 3415.179242, 1e-6},
        {"1000 psi", &Case::SystemBackPressure, false, kUs, 1000, 68.94757, 1e-9},
        {"1000 psi, second", &Case::SecondStageBackPressure, false, kUs, 1000, 68.94757, 1e-9},
        {"1 lb-ft", &Case::TorqueAvailable, false, kUs, 1, 1.3558181, 1e-12},
        {"flow divides", &Case::DragFlow, false, kMetric, 100, 100 / 0.45359237, 0},
        {"viscosity", &Case::EquivalentViscosity, false, kUs, 2, 2 * 6894.757293, 0},
        {"rpm", &Case::ScrewRpm, false, kMetric, 60, 60, 0},
        {"volts", &Case::PowerSupply, false, kUs, 460, 460, 0},
        {"hp", &Case::PowerNeededHp, false, kMetric, 12, 12, 0},
        {"amps", &Case::Amps, false, kUs, 30, 30, 0},
        {"shear", &Case::ShearRate, false, kMetric, 55, 55, 0},
        {"helix", &Case::HelixAngle, false, kUs, 17.66, 17.66, 0},
        {"cost per hour", &Case::ResinCostUsed, false, kMetric, 176.06, 176.06, 0},
        {"leakage cost per hour", &Case::SecondLeakageCostLost, false, kUs, 0.02, 0.02, 0},
    };
    for (const Row& row : rows) {
        ScriptedDesktop desktop;
        MainModel model(desktop);
        if (row.from == kUs) model.selectUnits(1);
        if (row.distanceMode) model.selectSectLength(1);
        model.mutableCase().*row.field = row.value;
        model.selectUnits(row.from == kUs ? 0 : 1);
        EXPECT_NEAR(model.currentCase().*row.field, row.expected, row.tolerance) << row.what;
    }
}

TEST(UnitConversionTest, ResinRecordsConvertOnlyAgainstTheirFlag) {
    ResinRecord record = SampleResins()[1];  // US
    const ResinRecord us = record;
    ConvertResin(record, UnitSystem::US);
    EXPECT_EQ(record, us);
    ConvertResin(record, UnitSystem::Metric);
    EXPECT_TRUE(record.ResinIsMetric);
    EXPECT_EQ(record.ResinCost, 0.68 / 0.45359237);
    EXPECT_EQ(record.SolidDensity, 65.549 * 16.018464);
    EXPECT_EQ(record.ConsistencyIndex, 2.5 * 6894.757293);
    EXPECT_EQ(record.PowerLawIndex, 0.3);
    EXPECT_EQ(record.HeatCapacity, 0.2866 * 4186.80031);
    EXPECT_EQ(record.ThermalConductivity, 0.104 * 1.729195398);
    EXPECT_EQ(record.ResinName, "PS, general purpose");
}

TEST_F(UnitSwitchTest, CaptionsFollowTheUnitSystem) {
    startWith(SampleResins());
    using Get = std::function<const std::string&(const WindowState&)>;
    struct Row {
        Get get;
        const char* metric;
        const char* us;
    };
    auto label1 = [](int i) {
        return Get([i](const WindowState& s) -> auto& { return s.Label1[i].caption; });
    };
    auto label2 = [](int i) {
        return Get([i](const WindowState& s) -> auto& { return s.Label2[i].caption; });
    };
    const Row rows[] = {{[](const WindowState& s) -> auto& {return s.optSectLength.captions[1];
}
, "Section length in (mm)", "Section length in (in)"
}  // namespace
, {label1(0), "Diameter (mm)", "Diameter (in)"}, {label1(6), "Diameter (mm)", "Diameter (in)"},
    {label1(1), "Meter Length (L/D)", "Meter Length (L/D)"},
    {label1(7), "Meter Length (L/D)", "Meter Length (L/D)"},
    {label1(2), "Meter Depth (mm)", "Meter Depth (in)"},
    {label1(9), "Flight Lead (mm)", "Flight Lead (in)"},
    {label1(4), "Flight Clearance (mm)", "Flight Clearance (in)"},
    {label1(11), "Flight Width (mm)", "Flight Width (in)"},
    {[](const WindowState& s) -> auto& {return s.Label3[0].caption;
}  // namespace veredod::testing
, "Mat'l temp into extruder (C)", "Mat'l temp into extruder (F)"
}
, {[](const WindowState& s) -> auto& {return s.Label3[1].caption;
}
, "Mat'l temp out of extruder (C)", "Mat'l temp out of extruder (F)"
}
, {[](const WindowState& s) -> auto& {return s.Label3[3].caption;
}
, "Back pressure at exit (bar)", "Back pressure at exit (psi)"
}
, {[](const WindowState& s) -> auto& {return s.Label4[1].caption;
}
, "Power Available (kw)", "Power Available (HP)"
}
, {label2(1), "Unit Cost/kg", "Unit Cost/lbs"},
    {label2(2), "Melt Density (kg/m^3)", "Melt Density (lb/ft^3)"},
    {label2(3), "Solid Density (kg/m^3)", "Solid Density (lb/ft^3)"},
    {label2(4), "Consistancy index (pa s^n)", "Consistancy index (psi s^n)"},
    {label2(5), "Power law index", "Power law index"},
    {label2(6), "Heat Capacity (J/kg/C)", "Heat Capacity (Btu/lb/F)"},
    {label2(7), "Heat of Fusion (J/kg)", "Heat of Fusion (Btu/lb)"},
    {label2(8), "Thermal Conductivity (W/mC)", "Thermal Conductivity (Btu/ft/hr/F)"},
    {[](const WindowState& s) -> auto& {return s.txtVar[4].help;
}
,
    "The radial clearance between the screw flight and the barrel wall in mm (for a new "
    "screw it is usually 0.0254mm per every 25.4mm of screw diameter)",
    "The radial clearance between the screw flight and the barrel wall in inches (for a new "
    "screw it is usually 0.001in per every inch of screw diameter)"
}
,
}
;
const std::string clearanceLabelHelp = model.state().Label1[4].help;
for (int pass = 0; pass < 3; ++pass) {
    const bool us = pass == 1;
    model.selectUnits(us ? 1 : 0);
    for (const Row& row : rows) EXPECT_EQ(row.get(model.state()), us ? row.us : row.metric);
    EXPECT_EQ(model.state().Label1[4].help, clearanceLabelHelp);
}

model.selectSectLength(1);
EXPECT_EQ(model.state().Label1[1].caption, "Meter Length (mm)");
model.selectUnits(1);
EXPECT_EQ(model.state().Label1[1].caption, "Meter Length (in)");
EXPECT_EQ(model.state().Label1[7].caption, "Meter Length (in)");
}

TEST_F(UnitSwitchTest, OnlyTheCurrentResinIsAlignedAndOnlyOnce) {
    startWith(SampleResins());
    const std::string onDisk = resinFileBytes();
    const std::vector<ResinRecord> loaded = SampleResins();

    model.selectUnits(1);
    EXPECT_FALSE(resin(0).ResinIsMetric);
    EXPECT_EQ(resin(0).MeltDensity, 770 / 16.018464);
    EXPECT_EQ(resin(0).ResinCost, 1.5 * 0.45359237);
    EXPECT_EQ(resin(2), loaded[2]) << "other records wait until they are selected";

    model.selectResin(1);  // already US
    EXPECT_EQ(resin(1), loaded[1]);
    model.selectResin(2);
    EXPECT_FALSE(resin(2).ResinIsMetric);
    EXPECT_EQ(resin(2).MeltDensity, 735 / 16.018464);
    model.selectResin(0);
    EXPECT_EQ(resin(0).MeltDensity, 770 / 16.018464) << "converted once";
    EXPECT_EQ(resinFileBytes(), onDisk);
}

TEST_F(UnitSwitchTest, TheSameSystemAgainConvertsNothing) {
    startWith(SampleResins());
    type(CellGroup::ExtSys, 0, "100");
    const unsigned revision = model.state().resultsRevision;
    model.selectUnits(0);
    EXPECT_EQ(model.state().resultsRevision, revision) << "no handler for an unchanged selection";
    model.optUnits_Click(0);
    EXPECT_EQ(model.currentCase().MaterialTempIn, 100);

    model.selectUnits(1);
    model.optUnits_Click(1);
    EXPECT_NEAR(model.currentCase().MaterialTempIn, 212, 1e-12);
    EXPECT_EQ(model.state().txtExtSys[0].text, "212");
}

TEST_F(UnitSwitchTest, TheResultsAreRelistedConvertedWithoutACalculation) {
    startWith(SampleResins());
    Case& c = model.mutableCase();
    c.DragFlow = 100;
    c.MeltVelocity = 25.4;
    c.HelixAngle = 17.5;
    const unsigned revision = model.state().resultsRevision;

    model.selectUnits(1);
    EXPECT_EQ(model.state().resultsRevision, revision + 1);
    EXPECT_EQ(model.state().lstResults, ResultsLines(c, ScrewType::Barrier, UnitSystem::US, '.'));
    EXPECT_EQ(model.state().lstResults[0], "Drag flow = 220.46 lbs/hr");
    EXPECT_EQ(model.state().lstResults[14], "Melt Velocity = 1 in/s");
    EXPECT_EQ(c.HelixAngle, 17.5);
    EXPECT_TRUE(desktop.messages.empty()) << "no calculation ran";
}

}  // namespace
}  // namespace veredod::testing
