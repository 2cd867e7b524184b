#include "model/calc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/worked_examples.h"
#include "support/scripted_desktop.h"

namespace veredod {
namespace {

using testing::MetricWorkedCase;
using testing::MetricWorkedResin;
using testing::ScriptedDesktop;
using testing::TableOf;
using testing::UsWorkedCase;
using testing::UsWorkedResin;
using testing::WithIdenticalSecondStage;

constexpr Modes kSingleMetric{ScrewType::SingleFlighted, UnitSystem::Metric,
                              SectionLengthMode::LengthOverDiameter};
constexpr Modes kSingleUs{ScrewType::SingleFlighted, UnitSystem::US,
                          SectionLengthMode::LengthOverDiameter};
constexpr Modes kTwoStageMetric{ScrewType::TwoStage, UnitSystem::Metric,
                                SectionLengthMode::LengthOverDiameter};

// An expected figure, known to the digits written: the tolerance is half a
// unit of the last digit.
struct Expected {
    const char* name;
    double Case::*field;
    double value;
    double tolerance;
};

Case Calculated(Case c, const ResinRecord& resin, const Modes& modes) {
    ScriptedDesktop desktop;
    CalcCells(c, TableOf(resin), modes, desktop);
    EXPECT_TRUE(desktop.messages.empty());
    return c;
}

void ExpectFigures(const Case& c, const std::vector<Expected>& rows) {
    for (const Expected& row : rows) {
        EXPECT_NEAR(c.*row.field, row.value, row.tolerance) << row.name;
    }
}

TEST(CalcCells, UsWorkedCaseGivesTheKnownFigures) {
    const Case c = Calculated(UsWorkedCase(), UsWorkedResin(), kSingleUs);
    ExpectFigures(c, {
                         {"HelixAngle", &Case::HelixAngle, 17.6568, 5e-5},
                         {"DragFlow", &Case::DragFlow, 181.071, 5e-4},
                         {"EquivalentViscosity", &Case::EquivalentViscosity, 0.097277, 5e-7},
                         {"PressureFlow", &Case::PressureFlow, 4.7150, 5e-5},
                         {"LeakageFlow", &Case::LeakageFlow, 0.0041000, 5e-8},
                         {"ActualFlow", &Case::ActualFlow, 176.352, 5e-4},
                         {"SpecificOutput", &Case::SpecificOutput, 1.76352, 5e-6},
                         {"TemperatureRise", &Case::TemperatureRise, 15.8162, 5e-5},
                         {"PowerNeededKw", &Case::PowerNeededKw, 62455.9, 5e-2},
                         {"PowerNeededHp", &Case::PowerNeededHp, 24.5242, 5e-5},
                         {"Torque", &Case::Torque, 1288.01, 5e-3},
                         {"Amps", &Case::Amps, 22.9531, 5e-5},
                         {"TorqueAvailable", &Case::TorqueAvailable, 1575, 1e-9},
                         {"ResinCostUsed", &Case::ResinCostUsed, 176.352, 5e-4},
                         {"LeakageCostLost", &Case::LeakageCostLost, 0.0041000, 5e-8},
                         {"MeltVelocity", &Case::MeltVelocity, 2.06808, 5e-6},
                         {"RotationalVelocity", &Case::RotationalVelocity, 13.0900, 5e-5},
                         {"ShearRate", &Case::ShearRate, 104.720, 5e-4},
                     });
}

TEST(CalcCells, MetricWorkedCaseGivesTheKnownFigures) {
    const Case c = Calculated(MetricWorkedCase(), MetricWorkedResin(), kSingleMetric);
    ExpectFigures(c, {
                         {"HelixAngle", &Case::HelixAngle, 17.6568, 5e-5},
                         {"DragFlow", &Case::DragFlow, 82.1693, 5e-5},
                         {"EquivalentViscosity", &Case::EquivalentViscosity, 670.727, 5e-4},
                         {"PressureFlow", &Case::PressureFlow, 2.14118, 5e-6},
                         {"LeakageFlow", &Case::LeakageFlow, 0.0018619, 5e-8},
                         {"ActualFlow", &Case::ActualFlow, 80.0263, 5e-5},
                         {"SpecificOutput", &Case::SpecificOutput, 0.800263, 5e-7},
                         {"TemperatureRise", &Case::TemperatureRise, 8.76190, 5e-6},
                         {"PowerNeededKw", &Case::PowerNeededKw, 18.3394, 5e-5},
                         {"PowerNeededHp", &Case::PowerNeededHp, 24.5935, 5e-5},
                         {"Torque", &Case::Torque, 1751.41, 5e-3},
                         {"Amps", &Case::Amps, 23.0179, 5e-5},
                         {"TorqueAvailable", &Case::TorqueAvailable, 1580.21, 5e-3},
                         {"ResinCostUsed", &Case::ResinCostUsed, 176.058, 5e-4},
                         {"MeltVelocity", &Case::MeltVelocity, 52.5282, 5e-5},
                         {"RotationalVelocity", &Case::RotationalVelocity, 332.485, 5e-4},
                         {"ShearRate", &Case::ShearRate, 104.720, 5e-4},
                     });
    EXPECT_DOUBLE_EQ(c.LeakageCostLost, c.LeakageFlow * 2.2);
}

// Every result field, for comparing whole runs.
constexpr double Case::*kFirstResults[] = {&Case::HelixAngle,
                                           &Case::DragFlow,
                                           &Case::EquivalentViscosity,
                                           &Case::PressureFlow,
                                           &Case::LeakageFlow,
                                           &Case::ActualFlow,
                                           &Case::SpecificOutput,
                                           &Case::TemperatureRise,
                                           &Case::PowerNeededKw,
                                           &Case::PowerNeededHp,
                                           &Case::Torque,
                                           &Case::Amps,
                                           &Case::TorqueAvailable,
                                           &Case::ResinCostUsed,
                                           &Case::LeakageCostLost,
                                           &Case::MeltVelocity,
                                           &Case::RotationalVelocity,
                                           &Case::ShearRate};
constexpr double Case::*kSecondResults[] = {
    &Case::SecondDragFlow,      &Case::SecondPressureFlow,       &Case::SecondLeakageFlow,
    &Case::SecondActualFlow,    &Case::SecondSpecificOutput,     &Case::SecondTemperatureRise,
    &Case::SecondPowerNeededKw, &Case::SecondPowerNeededHp,      &Case::SecondTorque,
    &Case::SecondAmps,          &Case::SecondResinCostUsed,      &Case::SecondLeakageCostLost,
    &Case::SecondMeltVelocity,  &Case::SecondRotationalVelocity, &Case::SecondShearRate};
// The plain twin of each second-stage result, in the order above.
constexpr double Case::*kSecondTwins[] = {
    &Case::DragFlow,      &Case::PressureFlow,       &Case::LeakageFlow,
    &Case::ActualFlow,    &Case::SpecificOutput,     &Case::TemperatureRise,
    &Case::PowerNeededKw, &Case::PowerNeededHp,      &Case::Torque,
    &Case::Amps,          &Case::ResinCostUsed,      &Case::LeakageCostLost,
    &Case::MeltVelocity,  &Case::RotationalVelocity, &Case::ShearRate};

TEST(CalcCells, BarrierScrewIsCalculatedAsSingleFlighted) {
    Modes barrier = kSingleMetric;
    barrier.screwType = ScrewType::Barrier;
    const Case a = Calculated(MetricWorkedCase(), MetricWorkedResin(), barrier);
    const Case b = Calculated(MetricWorkedCase(), MetricWorkedResin(), kSingleMetric);
    for (auto field : kFirstResults) EXPECT_EQ(a.*field, b.*field);
    for (auto field : kSecondResults) EXPECT_EQ(a.*field, 0);
}

TEST(CalcCells, IdenticalStagesGiveIdenticalResults) {
    const Case c = Calculated(WithIdenticalSecondStage(MetricWorkedCase()), MetricWorkedResin(),
                              kTwoStageMetric);
    for (size_t i = 0; i < std::size(kSecondResults); ++i) {
        EXPECT_EQ(c.*kSecondResults[i], c.*kSecondTwins[i]) << i;
    }
    EXPECT_NEAR(c.SecondDragFlow, 82.1693, 5e-5);
}

TEST(CalcCells, SecondPassOverwritesHelixAngleAndViscosityOnly) {
    Case input = WithIdenticalSecondStage(MetricWorkedCase());
    input.SecondMeteringLead = 2 * input.MeteringLead;
    input.SecondMeteringDepth = 2 * input.MeteringDepth;
    const Case two = Calculated(input, MetricWorkedResin(), kTwoStageMetric);
    const Case one = Calculated(input, MetricWorkedResin(), kSingleMetric);
    EXPECT_NEAR(two.HelixAngle, std::atan(2 / kCalcPi) * 180 / kCalcPi, 1e-12);
    EXPECT_NE(two.EquivalentViscosity, one.EquivalentViscosity);
    for (auto field : kFirstResults) {
        if (field == &Case::HelixAngle || field == &Case::EquivalentViscosity) continue;
        EXPECT_EQ(two.*field, one.*field);
    }
}

TEST(CalcCells, SingleScrewRunAfterTwoStageKeepsSecondResults) {
    Case c = WithIdenticalSecondStage(MetricWorkedCase());
    c.SecondMeteringDepth = 4;
    c = Calculated(c, MetricWorkedResin(), kTwoStageMetric);
    const Case afterTwoStage = c;
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    for (auto field : kSecondResults) EXPECT_EQ(c.*field, afterTwoStage.*field);
    const Case fresh = Calculated(MetricWorkedCase(), MetricWorkedResin(), kSingleMetric);
    EXPECT_EQ(c.HelixAngle, fresh.HelixAngle);
    EXPECT_EQ(c.EquivalentViscosity, fresh.EquivalentViscosity);
}

TEST(CalcCells, DistanceModeTakesTheLengthAsEntered) {
    Case c = MetricWorkedCase();
    c.MeteringLength = 1270;
    Modes distance = kSingleMetric;
    distance.sectionLengthMode = SectionLengthMode::Distance;
    const Case byDistance = Calculated(c, MetricWorkedResin(), distance);
    const Case byRatio = Calculated(MetricWorkedCase(), MetricWorkedResin(), kSingleMetric);
    EXPECT_EQ(byDistance.PressureFlow, byRatio.PressureFlow);
    EXPECT_EQ(byDistance.LeakageFlow, byRatio.LeakageFlow);
}

TEST(CalcCells, LengthOverDiameterOf20On50MillimetresIs1000Millimetres) {
    Case ratio = MetricWorkedCase();
    ratio.ScrewDiameter = 50;
    ratio.MeteringLength = 20;
    Case distance = ratio;
    distance.MeteringLength = 1000;
    Modes distanceMode = kSingleMetric;
    distanceMode.sectionLengthMode = SectionLengthMode::Distance;
    const Case a = Calculated(ratio, MetricWorkedResin(), kSingleMetric);
    const Case b = Calculated(distance, MetricWorkedResin(), distanceMode);
    for (auto field : kFirstResults) EXPECT_EQ(a.*field, b.*field);
}

// A case whose every result holds a marker, so a skipped step shows.
Case WithMarkedResults(Case c) {
    for (auto field : kFirstResults) c.*field = 777;
    return c;
}

struct GuardRow {
    const char* name;
    void (*change)(Case&);
    std::vector<double Case::*> kept;  // results that keep the marker
};

class GuardTest : public ::testing::TestWithParam<GuardRow> {};

TEST_P(GuardTest, SkippedStepKeepsTheEarlierValue) {
    const GuardRow& row = GetParam();
    Case c = WithMarkedResults(MetricWorkedCase());
    row.change(c);
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    for (size_t i = 0; i < std::size(kFirstResults); ++i) {
        const auto field = kFirstResults[i];
        const bool kept = std::find(row.kept.begin(), row.kept.end(), field) != row.kept.end();
        if (kept) {
            EXPECT_EQ(c.*field, 777) << "result " << i << ": a skipped step wrote its target";
        } else {
            EXPECT_NE(c.*field, 777) << "result " << i << ": a step that should run was skipped";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalcCells, GuardTest,
    ::testing::Values(
        // In L/D mode a zero diameter also makes the effective length zero.
        GuardRow{"ZeroDiameter",
                 [](Case& c) { c.ScrewDiameter = 0; },
                 {&Case::HelixAngle, &Case::PressureFlow, &Case::LeakageFlow}},
        GuardRow{
            "ZeroRpm", [](Case& c) { c.ScrewRpm = 0; }, {&Case::SpecificOutput, &Case::Torque}},
        GuardRow{"ZeroPowerSupply", [](Case& c) { c.PowerSupply = 0; }, {&Case::Amps}},
        GuardRow{"ZeroGearBoxSpeed", [](Case& c) { c.GearBoxSpeed = 0; }, {&Case::TorqueAvailable}},
        GuardRow{"ZeroMeteringLength",
                 [](Case& c) { c.MeteringLength = 0; },
                 {&Case::PressureFlow, &Case::LeakageFlow}},
        GuardRow{"ZeroFlightWidth", [](Case& c) { c.FlightWidth = 0; }, {&Case::LeakageFlow}},
        GuardRow{"ZeroDepth", [](Case& c) { c.MeteringDepth = 0; }, {&Case::EquivalentViscosity}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcCells, ZeroDiameterInAFreshCaseGivesNoDragFlow) {
    Case c = MetricWorkedCase();
    c.ScrewDiameter = 0;
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    EXPECT_EQ(c.HelixAngle, 0);
    EXPECT_EQ(c.DragFlow, 0);
}

TEST(CalcCells, ZeroRpmWithIndexAboveOneZeroesViscositySoFlowsAreSkipped) {
    Case c = WithMarkedResults(MetricWorkedCase());
    c.ScrewRpm = 0;
    ResinRecord resin = MetricWorkedResin();
    resin.PowerLawIndex = 1.5;
    c = Calculated(c, resin, kSingleMetric);
    EXPECT_EQ(c.EquivalentViscosity, 0);
    EXPECT_EQ(c.DragFlow, 0);
    EXPECT_EQ(c.PressureFlow, 777);
    EXPECT_EQ(c.LeakageFlow, 777);
    EXPECT_EQ(c.ActualFlow, 0 - 777 - 777);
}

TEST(CalcCells, ZeroDepthGivesNoDragFlowAndNonFiniteShearRate) {
    Case c = MetricWorkedCase();
    c.MeteringDepth = 0;
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    EXPECT_EQ(c.DragFlow, 0);
    EXPECT_FALSE(std::isfinite(c.ShearRate));
}

TEST(CalcCells, PowerLawIndexOneGivesConsistencyAsViscosity) {
    ResinRecord resin = MetricWorkedResin();
    resin.PowerLawIndex = 1;
    const Case c = Calculated(MetricWorkedCase(), resin, kSingleMetric);
    EXPECT_EQ(c.EquivalentViscosity, resin.ConsistencyIndex);
}

TEST(CalcCells, ZeroLeadGivesNoFlowsAndNoMeltVelocity) {
    Case c = UsWorkedCase();
    c.MeteringLead = 0;
    c = Calculated(c, UsWorkedResin(), kSingleUs);
    EXPECT_EQ(c.HelixAngle, 0);
    EXPECT_EQ(c.DragFlow, 0);
    EXPECT_EQ(c.PressureFlow, 0);
    EXPECT_EQ(c.LeakageFlow, 0);
    EXPECT_EQ(c.MeltVelocity, 0);
}

TEST(CalcCells, ZeroDensityGivesNonFiniteResultsWithoutAMessage) {
    ResinRecord resin = MetricWorkedResin();
    resin.MeltDensity = 0;
    const Case c = Calculated(MetricWorkedCase(), resin, kSingleMetric);  // no messages
    EXPECT_FALSE(std::isfinite(c.TemperatureRise));
    EXPECT_FALSE(std::isfinite(c.PowerNeededKw));
}

TEST(CalcCells, NegativeRpmWithFractionalIndexKeepsViscosity) {
    Case c = MetricWorkedCase();
    c.EquivalentViscosity = 123.5;
    c.ScrewRpm = -100;
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    EXPECT_EQ(c.EquivalentViscosity, 123.5);
}

TEST(CalcCells, NegativeRpmWithWholeIndexTakesThePower) {
    Case c = MetricWorkedCase();
    c.ScrewRpm = -100;
    ResinRecord resin = MetricWorkedResin();
    resin.PowerLawIndex = 3;
    c = Calculated(c, resin, kSingleMetric);
    const double rate = ((kCalcPi * 63.5) * (-100.0 / 60)) / 3.175;
    EXPECT_DOUBLE_EQ(c.EquivalentViscosity, rate * rate * 13790);
}

TEST(CalcCells, ZeroRpmWithIndexBelowOneStoresInfiniteViscosity) {
    Case c = WithMarkedResults(MetricWorkedCase());
    c.ScrewRpm = 0;
    c = Calculated(c, MetricWorkedResin(), kSingleMetric);
    EXPECT_TRUE(std::isinf(c.EquivalentViscosity));
    EXPECT_EQ(c.PressureFlow, 0);
    EXPECT_EQ(c.LeakageFlow, 0);
}

struct MissingResinRow {
    const char* name;
    Modes modes;
    double startViscosity;
    size_t messages;
};

class MissingResinTest : public ::testing::TestWithParam<MissingResinRow> {};

// Steps reading the resin: A2, A3, A4, A5, A8, A9, A14, A15, A17 (A4 and A5
// only while a viscosity is left over from before).
TEST_P(MissingResinTest, OneMessagePerStepThatReadsTheResin) {
    const MissingResinRow& row = GetParam();
    Case c = WithIdenticalSecondStage(MetricWorkedCase());
    c.EquivalentViscosity = row.startViscosity;
    c.DragFlow = 5;
    ResinTable table = TableOf(MetricWorkedResin());
    table.CurrentResin = 1;
    ScriptedDesktop desktop;
    CalcCells(c, table, row.modes, desktop);
    ASSERT_EQ(desktop.messages.size(), row.messages);
    for (const auto& message : desktop.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.text, "Error: Subscript out of range");
        EXPECT_EQ(message.title, "Veredod");
    }
    EXPECT_EQ(c.DragFlow, 5);
    EXPECT_EQ(c.EquivalentViscosity, row.startViscosity);
    EXPECT_EQ(c.ActualFlow, 5 - c.PressureFlow - c.LeakageFlow);
    EXPECT_NEAR(c.RotationalVelocity, 332.485, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    CalcCells, MissingResinTest,
    ::testing::Values(MissingResinRow{"FreshViscositySingle", kSingleMetric, 0, 7},
                      MissingResinRow{"FreshViscosityTwoStage", kTwoStageMetric, 0, 14},
                      MissingResinRow{"LeftoverViscositySingle", kSingleMetric, 50, 9},
                      MissingResinRow{"LeftoverViscosityTwoStage", kTwoStageMetric, 50, 18}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalcCells, ZeroDepthWithMissingResinSkipsTheViscosityMessage) {
    Case c = MetricWorkedCase();
    c.MeteringDepth = 0;
    ResinTable table;
    ScriptedDesktop desktop;
    CalcCells(c, table, kSingleMetric, desktop);
    EXPECT_EQ(desktop.messages.size(), 6u);  // A2, A8, A9, A14, A15, A17
}

}  // namespace
}  // namespace veredod
