#include "model/die.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/worked_examples.h"
#include "model/operating_point.h"

namespace veredod {
namespace {

using testing::TableOf;

constexpr Modes kSingleMetric{ScrewType::SingleFlighted, UnitSystem::Metric,
                              SectionLengthMode::LengthOverDiameter};

Die DieOf(const char* text) {
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

TEST(Die, DropsMatchTheFormulasWorkedByHand) {
    // n = 1: Hagen-Poiseuille 8 K L Q / (pi R^4) and plane Poiseuille
    // 12 K L Q / (W H^3); n = 0.5 from the power-law forms.
    struct Row {
        const char* die;
        double n;
        double bar;
    } rows[] = {
        {"circular:d=2,l=10", 1, 2546.479089137824},
        {"circular:count=4,d=2,l=10", 1, 636.6197722844561},
        {"slit:w=100,h=1,l=10", 1, 120.0},
        {"annulus:do=60,di=56,l=30", 1, 24.69645668344873},
        {"circular:d=2,l=10;slit:w=100,h=1,l=10;annulus:do=60,di=56,l=30", 1, 2691.17554582127},
        {"circular:d=2,l=10", 0.5, 25.23132521855434},
        {"slit:count=2,w=50,h=1,l=10", 0.5, 5.656854249492381},
        {"annulus:do=60,di=56,l=30", 0.5, 3.1430212651809235},
    };
    for (const Row& row : rows) {
        const double drop =
            DiePressureDrop(DieOf(row.die), Newtonian(row.n), UnitSystem::Metric, 36);
        EXPECT_NEAR(drop, row.bar, row.bar * 1e-13) << row.die << " n=" << row.n;
        // The power law tends to its Newtonian form.
        if (row.n == 1) {
            const double near =
                DiePressureDrop(DieOf(row.die), Newtonian(1 + 1e-9), UnitSystem::Metric, 36);
            EXPECT_NEAR(near, drop, drop * 1e-7) << row.die;
        }
    }
}

TEST(Die, ParsesAndFormatsDieTexts) {
    const std::pair<const char*, const char*> good[] = {
        {"circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30",
         "circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30"},
        {" slit : l = 40 , h=1.2, w=300 ; ", "slit:w=300,h=1.2,l=40"},
        {"circular:count=1,d=0.1,l=1e3", "circular:d=0.1,l=1000"},
    };
    for (const auto& [text, formatted] : good) EXPECT_EQ(FormatDie(DieOf(text)), formatted);

    const std::pair<const char*, const char*> bad[] = {
        {" ; ", "The die has no element."},
        {"circular:d=0,l=5", "Die element 1 (circular): the diameter d must be above 0."},
        {"circular:d=2,l=5;slit:w=10,h=-1,l=5", "Die element 2 (slit): the gap h must be above 0."},
        {"annulus:do=56,di=56,l=30",
         "Die element 1 (annulus): the inner diameter di must be below the outer diameter do."},
        {"circular:count=0,d=2,l=5", "Die element 1 (circular): the count must be 1 or more."},
        {"circular:count=2.5,d=2,l=5",
         "Die element 1 (circular): the count must be a whole number, not \"2.5\"."},
        {"square:d=2,l=5",
         "Die element 1: \"square\" is not a shape; use circular, slit or annulus."},
        {"circular d=2",
         "Die element 1: write the shape, a colon and the dimensions, as circular:d=3.5,l=12.5."},
        {"slit:w=2,l=1", "Die element 1 (slit): h is missing."},
        {"circular:d=2,d=3,l=1", "Die element 1 (circular): d is given twice."},
        {"circular:d=inf,l=1", "Die element 1 (circular): \"inf\" is not a number for d."},
        {"annulus:w=2",
         "Die element 1 (annulus): \"w\" is not one of its dimensions; use count, do, "
         "di and l."},
        {"slit:w=1,h=1,l=1,x", "Die element 1 (slit): \"x\" is not of the form name=number."},
    };
    for (const auto& [text, message] : bad) EXPECT_EQ(ParseDie(text).error, message) << text;
}

TEST(Die, UnitSwitchScalesEveryDimension) {
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
    EXPECT_EQ(FindOperatingPoint(unknownDrive, TableOf(Newtonian()), kSingleMetric,
                                 DieOf("circular:d=5,l=20"))
                  .warnings,
              std::vector<std::string>{});
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
        const ScrewCharacteristic second = ScrewCharacteristicOf(row.screw, resins, modes);
        EXPECT_NEAR(second.dragFlow - second.slope * p.pressure, row.capacity, 1e-9);
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
        const OperatingPoint p = FindOperatingPoint(c, resins, kSingleMetric, die);
        EXPECT_EQ(OperatingPointLines(p, UnitSystem::Metric),
                  std::vector<std::string>{row.message});
    }
}

TEST(Sweep, GivesOneRowPerSpeedAndTheCsv) {
    const Die die = DieOf("circular:d=5,l=20");
    const auto sweep = [&](const char* range) {
        const SpeedRangeParse parse = ParseSpeedRange(range);
        EXPECT_EQ(parse.error, "") << range;
        return SweepSpeeds(NewtonianScrew(), TableOf(Newtonian()), kSingleMetric, die, parse.range);
    };
    const Sweep tenths = sweep("1:2:0.1");
    ASSERT_EQ(tenths.rows.size(), 11u);
    EXPECT_EQ(tenths.rows.back().rpm, 2);
    const Sweep s = sweep("rpm=20:120:20");
    ASSERT_EQ(s.rows.size(), 6u);
    EXPECT_NEAR(s.rows[2].flow, 53.196751117052195, 1e-11);  // 60 rpm, the worked point
    EXPECT_NEAR(s.rows[2].pressure, 192.66050037993614, 1e-10);
    const std::string csv = SweepCsv(s.rows);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 7);
    EXPECT_NE(csv.find("\n60,53.1967511170522"), std::string::npos) << csv;
}

TEST(Sweep, BadRangesGiveAMessage) {
    const std::pair<const char*, const char*> rows[] = {
        {"rpm=10:100", "The speed range must read FROM:TO:STEP, as rpm=20:120:10."},
        {"10:100:10:5", "The speed range must read FROM:TO:STEP, as rpm=20:120:10."},
        {"rpm=a:100:10", "\"a\" is not a number in the speed range."},
        {"10:100:0", "The speed step must be above 0."},
        {"0:100:10", "The first speed must be above 0 rpm."},
        {"100:10:10", "The last speed must not be below the first."},
        {"1:200000:1", "The speed range gives more than 100000 speeds; take a larger step."},
        {"1:nan:1", "The speed range must be given in finite numbers."},
    };
    for (const auto& [text, message] : rows) EXPECT_EQ(ParseSpeedRange(text).error, message);
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
