// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/die.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/worked_examples.h"
#include "model/operating_point.h"
#include "support/golden_rows.h"

namespace veredod {
namespace {

using testing::TableOf;

constexpr Modes kSingleMetric{ScrewType::SingleFlighted, UnitSystem::Metric,
                              SectionLengthMode::LengthOverDiameter};

Die DieOf(const std::string& text) {
    const DieParse parse = ParseDie(text);
    EXPECT_EQ(parse.error, "") << text;
    return parse.die;
}

// A Newtonian melt of water's density: 36 kg/hr is 10^4 mm^3/s.
ResinRecord Newtonian(double n = 1) {
    ResinRecord r;
    r.MeltDensity = 1000, r.ConsistencyIndex = 1000, r.PowerLawIndex = n;
    r.HeatCapacity = 2000, r.HeatOfFusion = 100000, r.ResinCost = 1;
    return r;
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

TEST(Die, TextsDropsAndRangesMatchTheGoldenRows) {
    for (const auto& row : testing::GoldenRows("die_texts.txt")) {
        const std::string& kind = row.at(0);
        if (kind == "drop") {
            const double n = std::stod(row.at(2)), bar = std::stod(row.at(3));
            const auto drop = [&](double index) {
                return DiePressureDrop(DieOf(row[1]), Newtonian(index), UnitSystem::Metric, 36);
            };
            EXPECT_NEAR(drop(n), bar, bar * 1e-13) << row[1] << " n=" << n;
            // The power law tends to its Newtonian form.
            if (n == 1) {
                EXPECT_NEAR(drop(1 + 1e-9), bar, bar * 1e-7) << row[1];
            }
        } else if (kind == "format") {
            EXPECT_EQ(FormatDie(DieOf(row.at(1))), row.at(2));
        } else if (kind == "die") {
            EXPECT_EQ(ParseDie(row.at(1)).error, row.at(2)) << row[1];
        } else {
            EXPECT_EQ(ParseSpeedRange(row.at(1)).error, row.at(2)) << row[1];
        }
    }
    Die die = DieOf("annulus:count=2,do=25.4,di=12.7,l=50.8");
    ConvertDie(die, UnitSystem::US);
    EXPECT_EQ(FormatDie(die), "annulus:count=2,do=1,di=0.5,l=2");
    ConvertDie(die, UnitSystem::Metric);
    EXPECT_EQ(FormatDie(die), "annulus:count=2,do=25.4,di=12.7,l=50.8");
}

TEST(OperatingPoint, NewtonianCaseMatchesTheHandWorkedPoint) {
    // The die drops 3.6216591 bar per kg/hr, so Q* = 55.45391 / (1 + 0.01171571
    // * 3.6216591) and P* = 3.6216591 Q*.
    const OperatingPoint p = FindOperatingPoint(NewtonianScrew(), TableOf(Newtonian()),
                                                kSingleMetric, DieOf("circular:d=5,l=20"));
    ASSERT_TRUE(p.found()) << p.error;
    EXPECT_NEAR(p.flow, 53.196751117052195, 1e-11);
    EXPECT_NEAR(p.pressure, 192.66050037993614, 1e-10);
    EXPECT_EQ(p.results.SystemBackPressure, p.pressure);
    EXPECT_NEAR(p.specificEnergy, 0.2060579563642832, 1e-14);
    EXPECT_EQ(OperatingPointLines(p, UnitSystem::Metric),
              (std::vector<std::string>{
                  "Operating point flow = 53.1968 kg/hr",
                  "Head pressure = 192.661 bar",
                  "Specific energy = .2061 kWh/kg",
                  "Torque needed 1744.72 N-m is above the torque available 1372.77 N-m by 27.1 %.",
                  "Power needed 10.96 kW is above the motor power available 7.5 kW by 46.2 %.",
              }));
    Case unknownDrive = NewtonianScrew();  // no motor figures: nothing to warn of
    unknownDrive.PowerAvailable = 0, unknownDrive.GearBoxSpeed = 0;
    EXPECT_TRUE(FindOperatingPoint(unknownDrive, TableOf(Newtonian()), kSingleMetric,
                                   DieOf("circular:d=5,l=20"))
                    .warnings.empty());
}

TEST(OperatingPoint, UsUnitsAgreeWithMetric) {
    const OperatingPoint metric = FindOperatingPoint(
        testing::MetricWorkedCase(), TableOf(testing::MetricWorkedResin()), kSingleMetric,
        DieOf("circular:count=2,d=5.08,l=25.4;slit:w=127,h=2.54,l=50.8"));
    const OperatingPoint us = FindOperatingPoint(
        testing::UsWorkedCase(), TableOf(testing::UsWorkedResin()),
        {ScrewType::SingleFlighted, UnitSystem::US, SectionLengthMode::LengthOverDiameter},
        DieOf("circular:count=2,d=0.2,l=1;slit:w=5,h=0.1,l=2"));
    ASSERT_TRUE(metric.found() && us.found());
    EXPECT_NEAR(us.flow * 0.45359237 / metric.flow, 1, 2e-3);
    EXPECT_NEAR(us.pressure * 0.06894757 / metric.pressure, 1, 2e-3);
    EXPECT_NEAR(us.specificEnergy / (metric.specificEnergy * 1.34102209 * 0.45359237), 1, 5e-3);
}

TEST(OperatingPoint, TwoStageTakesTheFirstStageFlowAndSaysWhenTheVentFloods) {
    // The first stage gives the worked 80.02626 kg/hr against 138 bar; the
    // die's drop at that flow is the head.
    const ResinTable resins = TableOf(testing::MetricWorkedResin());
    const Modes modes{ScrewType::TwoStage, UnitSystem::Metric,
                      SectionLengthMode::LengthOverDiameter};
    Case deep = testing::WithIdenticalSecondStage(testing::MetricWorkedCase());
    deep.SecondMeteringDepth = 4.5;
    const struct {
        Case screw;
        const char* die;
        double pressure;
        double capacity;
        std::vector<std::string> warnings;
    } rows[] = {
        {deep, "circular:d=5,l=20", 38.520230501091035, 115.1035244049402, {}},
        {testing::MetricTwoStageCase(),
         "circular:d=5,l=20",
         38.520230501091035,
         31.74537731162306,
         {"Vent flooding: the second stage pumps only 31.7454 kg/hr against 38.52 bar, less than "
          "the first stage's 80.0263 kg/hr."}},
        {testing::MetricTwoStageCase(),
         "circular:d=0.5,l=20",
         4322.040948618951,
         -6.730836093469042,
         {"Vent flooding: against 4322.041 bar the second stage pumps nothing of the first "
          "stage's 80.0263 kg/hr."}},
    };
    for (auto row : rows) {
        row.screw.PowerAvailable = 100;  // a drive strong enough to leave only the vent to warn of
        const OperatingPoint p = FindOperatingPoint(row.screw, resins, modes, DieOf(row.die));
        EXPECT_NEAR(p.flow, 80.02625595236192, 1e-10);
        EXPECT_NEAR(p.pressure, row.pressure, row.pressure * 1e-13);
        EXPECT_EQ(p.results.SecondStageBackPressure, p.pressure);
        EXPECT_NEAR(p.secondStageCapacity, row.capacity, 1e-9);
        EXPECT_EQ(p.ventFlooding, !row.warnings.empty());
        EXPECT_EQ(p.warnings, row.warnings);
        EXPECT_EQ(p.power, p.results.PowerNeededKw + p.results.SecondPowerNeededKw);
    }
}

TEST(OperatingPoint, BadInputGivesAMessage) {
    const struct {
        std::function<void(Case&, ResinTable&, Die&)> spoil;
        const char* message;
    } rows[] = {
        {[](Case&, ResinTable&, Die& d) { d.elements.clear(); }, "The die has no element."},
        {[](Case&, ResinTable& r, Die&) { r.CurrentResin = 3; }, "No resin is selected."},
        {[](Case&, ResinTable& r, Die&) { r.Resins[0].PowerLawIndex = 0; },
         "The resin's power law index must be above 0."},
        {[](Case& c, ResinTable&, Die&) { c.ScrewRpm = 0; },
         "The drag flow is 0 or less, so the screw pumps nothing into the die; check the speed, "
         "the diameter, the channel depth and the lead."},
    };
    for (const auto& row : rows) {
        Case c = NewtonianScrew();
        ResinTable resins = TableOf(Newtonian());
        Die die = DieOf("circular:d=5,l=20");
        row.spoil(c, resins, die);
        EXPECT_EQ(OperatingPointLines(FindOperatingPoint(c, resins, kSingleMetric, die),
                                      UnitSystem::Metric),
                  std::vector<std::string>{row.message});
    }
}

TEST(Sweep, GivesOneRowPerSpeedAndTheCsv) {
    const auto sweep = [](const char* range) {
        return SweepSpeeds(NewtonianScrew(), TableOf(Newtonian()), kSingleMetric,
                           DieOf("circular:d=5,l=20"), ParseSpeedRange(range).range);
    };
    const Sweep tenths = sweep("1:2:0.1");
    ASSERT_EQ(tenths.rows.size(), 11u);
    EXPECT_EQ(tenths.rows.back().rpm, 2);
    const Sweep s = sweep("rpm=20:120:20");
    ASSERT_EQ(s.rows.size(), 6u);
    const std::string csv = SweepCsv(s.rows);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7);
    EXPECT_NE(csv.find("\n60,53.1967511170522"), std::string::npos) << csv;  // the worked point
}

TEST(Characteristics, DrawsFiveScrewLinesAndTheDieCurve) {
    const Characteristics chart = CharacteristicsOf(NewtonianScrew(), TableOf(Newtonian()),
                                                    kSingleMetric, DieOf("circular:d=5,l=20"));
    ASSERT_EQ(chart.screwLines.size(), 5u);
    const ScrewLine& set = chart.screwLines[2];
    EXPECT_EQ(set.rpm, 60);
    EXPECT_NEAR(set.points[0].flow, 55.45390581995837, 1e-11);
    EXPECT_NEAR(set.points[1].pressure, 55.45390581995837 / 0.011715710788952333, 1e-8);
    EXPECT_EQ(chart.screwLines[4].rpm, 90);
    ASSERT_EQ(chart.dieCurve.size(), 65u);
    EXPECT_NEAR(chart.dieCurve.back().flow, 1.5 * 55.45390581995837 * 1.05, 1e-10);
    EXPECT_NEAR(chart.dieCurve.back().pressure / chart.dieCurve.back().flow, 3.6216591489960166,
                1e-12);
}

}  // namespace
}  // namespace veredod
