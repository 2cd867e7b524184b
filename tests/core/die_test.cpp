// SPDX-License-Identifier: GPL-3.0-or-later
// The operating point against figures worked by hand; all else it, the sweep
// and the charts give on a few screws is printed to the last digit and
// compared with tests/data/die_figures.txt. The die's drops and texts are
// rows of tests/data/rules.txt.
#include "model/die.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/worked_examples.h"
#include "model/operating_point.h"
#include "support/temp_folder.h"
#include "support/words.h"

namespace veredod::testing {
namespace {

constexpr Modes kSingleMetric{ScrewType::SingleFlighted, UnitSystem::Metric,
                              SectionLengthMode::LengthOverDiameter};

Die DieOf(const std::string& text) {
    const DieParse parse = ParseDie(text);
    EXPECT_EQ(parse.error, "") << text;
    return parse.die;
}

ResinTable Newtonian(double n = 1) {
    return TableOf(NewtonianResin(n));
}

// A 60 mm screw at 60 rpm on the Newtonian melt; its line is worked by hand
// from the metering formulas: drag flow 55.45391 kg/hr, falling 0.01171571
// kg/hr per bar.
Case NewtonianScrew() {
    Case c;
    c.ScrewDiameter = 60, c.MeteringLength = 20, c.MeteringDepth = 3, c.MeteringLead = 60;
    c.FlightClearance = 0.06, c.FlightWidth = 6, c.ScrewRpm = 60;
    c.MaterialTempIn = 20, c.MaterialTempOut = 220;
    c.PowerSupply = 400, c.PowerAvailable = 7.5, c.MotorSpeed = 1500, c.GearBoxSpeed = 25;
    return c;
}

Case With(Case c, double Case::*field, double value) {
    c.*field = value;
    return c;
}

TEST(OperatingPoint, NewtonianCaseMatchesTheHandWorkedPoint) {
    const ScrewCharacteristic line =
        ScrewCharacteristicOf(NewtonianScrew(), Newtonian(), kSingleMetric);
    EXPECT_NEAR(line.dragFlow, 55.45391, 1e-5);
    EXPECT_NEAR(line.slope, 0.01171571, 1e-8);
    // The die drops 3.6216591 bar per kg/hr, so Q* = 55.45391 / (1 + 0.01171571
    // * 3.6216591) and P* = 3.6216591 Q*.
    const OperatingPoint p = FindOperatingPoint(NewtonianScrew(), Newtonian(), kSingleMetric,
                                                DieOf("circular:d=5,l=20"));
    EXPECT_NEAR(p.flow, 53.196751117052195, 1e-11);
    EXPECT_NEAR(p.pressure, 192.66050037993614, 1e-10);
    EXPECT_NEAR(p.specificEnergy, 0.2060579563642832, 1e-14);
}

TEST(OperatingPoint, PointsSweepsAndChartsGiveTheGoldenFigures) {
    const Modes twoStage{ScrewType::TwoStage, UnitSystem::Metric};
    const Modes us{ScrewType::SingleFlighted, UnitSystem::US};
    ResinTable noResin = Newtonian();
    noResin.CurrentResin = 3;
    // Drives strong enough to leave only the vent to warn of.
    const Case metricTwoStage = With(MetricTwoStageCase(), &Case::PowerAvailable, 100);
    const struct {
        const char* title;
        Case screw;
        ResinTable resins;
        Modes modes;
        const char* die;
    } rows[] = {
        {"Newtonian", NewtonianScrew(), Newtonian(), kSingleMetric, "circular:d=5,l=20"},
        {"Newtonian without drive figures",
         With(With(NewtonianScrew(), &Case::PowerAvailable, 0), &Case::GearBoxSpeed, 0),
         Newtonian(), kSingleMetric, "circular:d=5,l=20"},
        {"metric worked", MetricWorkedCase(), TableOf(MetricWorkedResin()), kSingleMetric,
         "circular:count=2,d=5.08,l=25.4;slit:w=127,h=2.54,l=50.8"},
        {"US worked", UsWorkedCase(), TableOf(UsWorkedResin()), us,
         "circular:count=2,d=0.2,l=1;slit:w=5,h=0.1,l=2"},
        {"two stage, deep second stage",
         WithSecondStage(metricTwoStage, 63.5, 20, 4.5, 63.5, 0.0635, 6.35, 138),
         TableOf(MetricWorkedResin()), twoStage, "circular:d=5,l=20"},
        {"two stage", metricTwoStage, TableOf(MetricWorkedResin()), twoStage, "circular:d=5,l=20"},
        {"two stage, narrow die", metricTwoStage, TableOf(MetricWorkedResin()), twoStage,
         "circular:d=0.5,l=20"},
        {"no die", NewtonianScrew(), Newtonian(), kSingleMetric, ""},
        {"no resin", NewtonianScrew(), noResin, kSingleMetric, "circular:d=5,l=20"},
        {"n = 0", NewtonianScrew(), Newtonian(0), kSingleMetric, "circular:d=5,l=20"},
        {"standing screw", With(NewtonianScrew(), &Case::ScrewRpm, 0), Newtonian(), kSingleMetric,
         "circular:d=5,l=20"},
    };
    std::ostringstream out;
    for (const auto& row : rows) {
        const OperatingPoint p =
            FindOperatingPoint(row.screw, row.resins, row.modes, ParseDie(row.die).die);
        out << row.title << ": flow " << Number(p.flow) << ", pressure " << Number(p.pressure)
            << ", rise " << Number(p.temperatureRise) << ", power " << Number(p.power)
            << ", energy " << Number(p.specificEnergy) << ", torque " << Number(p.torque)
            << ", current " << Number(p.current) << (p.ventFlooding ? ", vent floods" : "")
            << ", second stage pumps " << Number(p.secondStageCapacity) << "\n  back pressures "
            << Number(p.results.SystemBackPressure) << " "
            << Number(p.results.SecondStageBackPressure) << ", power needed "
            << Number(p.results.PowerNeededKw) << " + " << Number(p.results.SecondPowerNeededKw)
            << "\n";
        for (const std::string& line : OperatingPointLines(p, row.modes.unitSystem))
            out << "  " << line << "\n";
    }
    const auto sweep = [](const char* range) {
        return SweepSpeeds(NewtonianScrew(), Newtonian(), kSingleMetric, DieOf("circular:d=5,l=20"),
                           ParseSpeedRange(range).range);
    };
    out << "Sweep rpm=1:2:0.1 ends at " << Number(sweep("1:2:0.1").rows.back().rpm) << "\n"
        << SweepCsv(sweep("1:2:0.1").rows) << SweepCsv(sweep("rpm=20:120:20").rows);
    const Characteristics chart =
        CharacteristicsOf(NewtonianScrew(), Newtonian(), kSingleMetric, DieOf("circular:d=5,l=20"));
    for (const ScrewLine& line : chart.screwLines) {
        out << "Screw line at " << Number(line.rpm) << " rpm:";
        for (const ChartPoint& point : line.points)
            out << " " << Number(point.flow) << " " << Number(point.pressure);
        out << "\n";
    }
    out << "Die curve:\n";
    for (const ChartPoint& point : chart.dieCurve)
        out << "  " << Number(point.flow) << " " << Number(point.pressure) << "\n";
    Die die = DieOf("annulus:count=2,do=25.4,di=12.7,l=50.8");
    ConvertDie(die, UnitSystem::US);
    out << "In inches " << FormatDie(die);
    ConvertDie(die, UnitSystem::Metric);
    out << ", in millimetres " << FormatDie(die) << "\n";
    ExpectGolden("die_figures.txt", out.str());
}

}  // namespace
}  // namespace veredod::testing
