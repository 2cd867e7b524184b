#include "model/calc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "casefile/case_file.h"
#include "resins/resin_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace veredod {
namespace {

struct Example {
    Case c;
    ResinTable resins;
    Modes modes;
};

// A worked example as the sample files hold it: examples/<name> on the
// resins of data/resins.dat.
Example Load(const std::string& name) {
    const CaseFileData data = LoadCaseFile(testing::SourcePath("examples/" + name));
    Example e;
    e.modes = {*data.screwType, *data.unitSystem, *data.sectionLengthMode};
    for (int line = 4; line <= kCaseFileLines; ++line) {
        double* field = CaseFileField(e.c, line, e.modes.screwType);
        if (field != nullptr) *field = data.numbers[line].value();
    }
    e.resins.Resins = LoadResinDatabase(testing::SourcePath("data/resins.dat")).records;
    e.resins.LastResin = static_cast<int>(e.resins.Resins.size()) - 1;
    e.resins.CurrentResin = data.resinIndex.value();
    return e;
}

Case Calculated(Case c, const ResinTable& resins, Modes modes, size_t messages = 0) {
    testing::ScriptedDesktop desktop;
    CalcCells(c, resins, modes, desktop);
    EXPECT_EQ(desktop.messages.size(), messages);
    return c;
}
Case Calculated(const Example& e) {
    return Calculated(e.c, e.resins, e.modes);
}

bool Same(const Case& a, const Case& b) {
    return std::memcmp(&a, &b, sizeof(Case)) == 0;
}

// Within half a unit of the last digit written.
void ExpectDigits(double actual, const std::string& given) {
    const size_t point = given.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(given.size() - point - 1);
    EXPECT_NEAR(actual, std::stod(given), 0.5 * std::pow(10.0, -decimals)) << given;
}

TEST(CalcCells, WorkedExamplesGiveTheirFiguresToTheDigitsGiven) {
    struct Row {
        double Case::*field;
        const char* us;
        const char* metric;
    };
    const Row rows[] = {
        {&Case::HelixAngle, "17.6568", "17.6568"},       {&Case::DragFlow, "181.071", "82.1693"},
        {&Case::EquivalentViscosity, "0.097277", "670.727"}, {&Case::PressureFlow, "4.7150", "2.14118"},
        {&Case::LeakageFlow, "0.0041000", "0.0018619"},  {&Case::ActualFlow, "176.352", "80.0263"},
        {&Case::SpecificOutput, "1.76352", "0.800263"},
    };
    const Case us = Calculated(Load("worked-example-us.txt"));
    const Case metric = Calculated(Load("worked-example-metric.txt"));
    for (const Row& row : rows) {
        ExpectDigits(us.*row.field, row.us);
        ExpectDigits(metric.*row.field, row.metric);
    }
}

TEST(CalcCells, BarrierScrewIsCalculatedAsSingleFlighted) {
    Example e = Load("worked-example-metric.txt");
    const Case single = Calculated(e);
    e.modes.screwType = ScrewType::Barrier;
    EXPECT_TRUE(Same(Calculated(e), single));
}

TEST(CalcCells, LengthOverDiameterOf20On50MillimetresIs1000Millimetres) {
    Example e = Load("worked-example-metric.txt");
    e.c.ScrewDiameter = 50;
    const Case ratio = Calculated(e);
    e.c.MeteringLength = 1000;
    e.modes.sectionLengthMode = SectionLengthMode::Distance;
    Case distance = Calculated(e);
    distance.MeteringLength = 20;
    EXPECT_TRUE(Same(distance, ratio));
}

constexpr double Case::*kFirstResults[] = {
    &Case::HelixAngle,     &Case::DragFlow,         &Case::EquivalentViscosity, &Case::PressureFlow,
    &Case::LeakageFlow,    &Case::ActualFlow,       &Case::SpecificOutput,      &Case::TemperatureRise,
    &Case::PowerNeededKw,  &Case::PowerNeededHp,    &Case::Torque,              &Case::Amps,
    &Case::TorqueAvailable, &Case::ResinCostUsed,   &Case::LeakageCostLost,     &Case::MeltVelocity,
    &Case::RotationalVelocity, &Case::ShearRate};

struct GuardRow {
    const char* name;
    void (*change)(Case&, ResinRecord&);
    std::vector<double Case::*> kept;  // results whose step is skipped: they keep the marker
    void (*check)(const Case&) = nullptr;
};

class GuardTest : public ::testing::TestWithParam<GuardRow> {};

// Every result starts as 777, so that a skipped step shows.
TEST_P(GuardTest, SkippedStepKeepsTheEarlierValue) {
    const GuardRow& row = GetParam();
    Example e = Load("worked-example-metric.txt");
    for (auto field : kFirstResults) e.c.*field = 777;
    row.change(e.c, e.resins.Resins[e.resins.CurrentResin]);
    const Case c = Calculated(e);
    for (size_t i = 0; i < std::size(kFirstResults); ++i) {
        const auto field = kFirstResults[i];
        const bool kept = std::find(row.kept.begin(), row.kept.end(), field) != row.kept.end();
        EXPECT_EQ(c.*field == 777, kept) << "result " << i;
    }
    if (row.check) row.check(c);
}

// In L/D mode a zero diameter also makes the effective length zero.
INSTANTIATE_TEST_SUITE_P(
    CalcCells, GuardTest,
    ::testing::Values(
        GuardRow{"ZeroDiameter", [](Case& c, ResinRecord&) { c.ScrewDiameter = 0; },
                 {&Case::HelixAngle, &Case::PressureFlow, &Case::LeakageFlow},
                 [](const Case& c) { EXPECT_EQ(c.DragFlow, 0); }},
        GuardRow{"ZeroRpm", [](Case& c, ResinRecord&) { c.ScrewRpm = 0; },
                 {&Case::SpecificOutput, &Case::Torque},
                 [](const Case& c) {
                     EXPECT_TRUE(std::isinf(c.EquivalentViscosity));
                     EXPECT_EQ(c.PressureFlow + c.LeakageFlow, 0);
                 }},
        GuardRow{"ZeroRpmIndexAboveOne",
                 [](Case& c, ResinRecord& r) { c.ScrewRpm = 0, r.PowerLawIndex = 1.5; },
                 {&Case::SpecificOutput, &Case::Torque, &Case::PressureFlow, &Case::LeakageFlow},
                 [](const Case& c) {
                     EXPECT_EQ(c.EquivalentViscosity, 0);
                     EXPECT_EQ(c.ActualFlow, 0 - 777 - 777);
                 }},
        GuardRow{"ZeroPowerSupply", [](Case& c, ResinRecord&) { c.PowerSupply = 0; }, {&Case::Amps}},
        GuardRow{"ZeroGearBoxSpeed", [](Case& c, ResinRecord&) { c.GearBoxSpeed = 0; },
                 {&Case::TorqueAvailable}},
        GuardRow{"ZeroMeteringLength", [](Case& c, ResinRecord&) { c.MeteringLength = 0; },
                 {&Case::PressureFlow, &Case::LeakageFlow}},
        GuardRow{"ZeroFlightWidth", [](Case& c, ResinRecord&) { c.FlightWidth = 0; }, {&Case::LeakageFlow}},
        GuardRow{"ZeroDepth", [](Case& c, ResinRecord&) { c.MeteringDepth = 0; }, {&Case::EquivalentViscosity},
                 [](const Case& c) {
                     EXPECT_EQ(c.DragFlow, 0);
                     EXPECT_FALSE(std::isfinite(c.ShearRate));
                 }},
        GuardRow{"ZeroLead", [](Case& c, ResinRecord&) { c.MeteringLead = 0; }, {},
                 [](const Case& c) {
                     EXPECT_EQ(c.HelixAngle + c.DragFlow + c.PressureFlow + c.LeakageFlow + c.MeltVelocity, 0);
                 }},
        GuardRow{"IndexOne", [](Case&, ResinRecord& r) { r.PowerLawIndex = 1; }, {},
                 [](const Case& c) { EXPECT_EQ(c.EquivalentViscosity, 13790); }},
        GuardRow{"ZeroDensity", [](Case&, ResinRecord& r) { r.MeltDensity = 0; }, {},
                 [](const Case& c) { EXPECT_FALSE(std::isfinite(c.TemperatureRise)); }},
        GuardRow{"NegativeRpmFractionalIndex", [](Case& c, ResinRecord&) { c.ScrewRpm = -100; },
                 {&Case::EquivalentViscosity}},
        GuardRow{"NegativeRpmWholeIndex",
                 [](Case& c, ResinRecord& r) { c.ScrewRpm = -100, r.PowerLawIndex = 3; }, {},
                 [](const Case& c) {
                     const double rate = ((kCalcPi * 63.5) * (-100.0 / 60)) / 3.175;
                     EXPECT_DOUBLE_EQ(c.EquivalentViscosity, rate * rate * 13790);
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// Steps reading the resin: A2, A3, A4, A5, A8, A9, A14, A15, A17 (A4 and A5
// only while a viscosity is left over from before, A3 only with a depth).
TEST(CalcCells, MissingResinGivesOneMessagePerStepThatReadsIt) {
    struct Row {
        ScrewType type;
        double viscosity;
        double depth;
        size_t messages;
    };
    const Row rows[] = {{ScrewType::SingleFlighted, 0, 3.175, 7}, {ScrewType::TwoStage, 0, 3.175, 14},
                        {ScrewType::SingleFlighted, 50, 3.175, 9}, {ScrewType::TwoStage, 50, 3.175, 18},
                        {ScrewType::SingleFlighted, 0, 0, 6}};
    for (const Row& row : rows) {
        Example e = Load("two-stage-metric.txt");
        e.c.EquivalentViscosity = row.viscosity;
        e.c.MeteringDepth = e.c.SecondMeteringDepth = row.depth;
        e.c.DragFlow = 5;
        e.resins.CurrentResin = e.resins.LastResin + 1;
        testing::ScriptedDesktop desktop;
        CalcCells(e.c, e.resins, {row.type}, desktop);
        ASSERT_EQ(desktop.messages.size(), row.messages);
        for (const auto& message : desktop.messages) {
            EXPECT_EQ(message.icon, MessageIcon::Exclamation);
            EXPECT_EQ(message.text + "|" + message.title, "Error: Subscript out of range|Veredod");
        }
        EXPECT_EQ(e.c.DragFlow, 5);
        EXPECT_EQ(e.c.EquivalentViscosity, row.viscosity);
        EXPECT_EQ(e.c.ActualFlow, 5 - e.c.PressureFlow - e.c.LeakageFlow);
        EXPECT_NEAR(e.c.RotationalVelocity, 332.485, 5e-4);
    }
}

}  // namespace
}  // namespace veredod
