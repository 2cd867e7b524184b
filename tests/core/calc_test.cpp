// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples against the figures they were worked out to; every
// other figure and guard of the calculation is in the model scripts.
#include "model/calc.h"

#include <gtest/gtest.h>

#include <cmath>

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

Case Calculated(Example e) {
    testing::ScriptedDesktop desktop;
    CalcCells(e.c, e.resins, e.modes, desktop);
    EXPECT_TRUE(desktop.messages.empty());
    return e.c;
}

// Within half a unit of the last digit written.
void ExpectDigits(double actual, const std::string& given) {
    const size_t point = given.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(given.size() - point - 1);
    EXPECT_NEAR(actual, std::stod(given), 0.5 * std::pow(10.0, -decimals)) << given;
}

TEST(CalcCells, WorkedExamplesGiveTheirFiguresToTheDigitsGiven) {
    struct Row {
        double Case::*field;
        const char* us;
        const char* metric;
    };
    const Row rows[] = {
        {&Case::HelixAngle, "17.6568", "17.6568"},
        {&Case::DragFlow, "181.071", "82.1693"},
        {&Case::EquivalentViscosity, "0.097277", "670.727"},
        {&Case::PressureFlow, "4.7150", "2.14118"},
        {&Case::LeakageFlow, "0.0041000", "0.0018619"},
        {&Case::ActualFlow, "176.352", "80.0263"},
        {&Case::SpecificOutput, "1.76352", "0.800263"},
    };
    const Case us = Calculated(Load("worked-example-us.txt"));
    const Case metric = Calculated(Load("worked-example-metric.txt"));
    for (const Row& row : rows) {
        ExpectDigits(us.*row.field, row.us);
        ExpectDigits(metric.*row.field, row.metric);
    }
}

}  // namespace
}  // namespace veredod
