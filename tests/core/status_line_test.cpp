// SPDX-License-Identifier: GPL-3.0-or-later
// The status line, the results' hover texts and the mark on a lenient cell:
// what a calculation rests on, told without opening a single cell.

#include <functional>

#include "core/worked_examples.h"
#include "model_fixture.h"
#include "support/golden_rows.h"

namespace veredod::testing {
namespace {

class StatusLineTest : public ModelTest {
protected:
    void SetUp() override {
        startWith({MetricWorkedResin()});
        model.mutableCase() = MetricWorkedCase();
    }
};

TEST_F(StatusLineTest, SaysWhatTheCalculationRestsOn) {
    const struct {
        std::function<void(MainModel&)> change;
        const char* status;
    } rows[] = {
        {[](MainModel&) {},
         "Torque needed 1751.41 N-m is above the torque available 1580.21 N-m by 10.8 %."},
        {[](MainModel& m) { m.mutableCase().MotorSpeed = 3500; }, ""},
        {[](MainModel& m) { m.mutableCase().PowerAvailable = 10; },
         "Torque needed 1751.41 N-m is above the torque available 427.08 N-m by 310.1 %. "
         "Power needed 18.34 kW is above the motor power available 10 kW by 83.4 %."},
        {[](MainModel& m) { m.mutableCase().GearBoxSpeed = 0, m.mutableCase().MotorSpeed = 3500; },
         "Gearbox speed (RPM) is 0. Torque Available still shows an earlier run's value."},
        {[](MainModel& m) {
             m.mutableCase().FlightWidth = 0, m.mutableCase().PowerSupply = 0;
             m.mutableResins().Resins[0].HeatCapacity = 0;
         },
         "Flight Width (mm), Power supply (V) and Heat Capacity (J/kg/C) are 0. 10 results still "
         "show an earlier run's values."},
        {[](MainModel& m) {
             m.mutableCase() = WithIdenticalSecondStage(MetricWorkedCase());
             m.selectScrewType(2);
             m.mutableCase().PowerAvailable = 80;
         },
         "First stage back pressure used = 138 bar. Torque needed 3502.82 N-m is above the "
         "torque available 3416.66 N-m by 2.5 %."},
        {[](MainModel& m) {
             m.selectScrewType(2);
             m.mutableCase().SystemBackPressure = 0, m.mutableCase().MotorSpeed = 3500;
         },
         "Diameter (mm) (second stage), Meter Length (L/D) (second stage), Meter Depth (mm) "
         "(second stage), Flight Lead (mm) (second stage) and Flight Width (mm) (second stage) "
         "are 0. 11 results still show an earlier run's values. First stage back pressure used "
         "= 0 bar."},
    };
    for (const auto& row : rows) {
        ScriptedDesktop desktop;
        MainModel m(desktop);
        desktop.answerFileDialog(resinPath);
        ASSERT_TRUE(m.startUp());
        m.mutableCase() = MetricWorkedCase();
        row.change(m);
        m.mnuCalc_Click();
        EXPECT_EQ(m.state().statusBar, row.status);
    }
}

TEST_F(StatusLineTest, UnitSwitchAndFailedPrintSayWhatHappened) {
    model.mutableCase().MotorSpeed = 3500;
    model.mnuCalc_Click();
    model.selectUnits(1);
    EXPECT_EQ(model.state().statusBar, "Results converted, not recalculated");
    EXPECT_EQ(model.state().lstResults[12], "Cost of resin used = 176.06 cost/lbs");
    model.mnuCalc_Click();
    EXPECT_EQ(model.state().statusBar, "");

    desktop.answerPrint(false, "No default printer is set up");
    model.mnuPrint_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Print Error");
    EXPECT_EQ(desktop.messages[0].detail, "No default printer is set up");
}

TEST_F(StatusLineTest, EachResultsLineTellsItsFullValue) {
    model.mutableResins().Resins[0].MeltDensity = 0;
    model.mnuCalc_Click();
    const WindowState& s = model.state();
    ASSERT_EQ(s.lstResultsTips.size(), 17u);
    EXPECT_EQ(s.lstResults[6], "Temperature Rise = 0 C");
    EXPECT_EQ(s.lstResultsTips[6], "Not a finite number (inf)");

    model.mutableResins().Resins[0].MeltDensity = 750;
    model.mnuCalc_Click();
    EXPECT_EQ(s.lstResults[13], "Cost lost due to flight leakage =  cost/kg");
    EXPECT_EQ(s.lstResultsTips[13], "0.004096186046609344 cost/kg");
    EXPECT_EQ(s.lstResultsTips[0], "82.16929829658842 kg/hr");

    model.mutableCase().GearBoxSpeed = 0;
    model.mnuCalc_Click();
    EXPECT_EQ(s.lstResultsTips[11], "1580.2059955500001 N-m (an earlier run's value)");
    model.mnuNew_Click();
    EXPECT_EQ(s.statusBar, "");
    EXPECT_TRUE(s.lstResultsTips.empty());
}

TEST_F(StatusLineTest, ALenientCellNotReadWholeIsMarkedUntilItsTextChanges) {
    for (const auto& row : GoldenRows("lenient_cells.txt")) {
        type(CellGroup::Var, 5, row.at(0));
        EXPECT_EQ(model.currentCase().FlightWidth, std::stod(row.at(1))) << row[0];
        EXPECT_EQ(model.state().txtVar[5].warning, !row.at(2).empty()) << row[0];
        EXPECT_EQ(model.state().txtVar[5].warningTip, row[2]) << row[0];
    }
    type(CellGroup::MotorSpec, 1, "40 kW");
    model.setCellText(CellGroup::MotorSpec, 1, "40 kW");
    EXPECT_TRUE(model.state().txtMotorSpec[1].warning) << "the same text keeps its mark";
    model.setCellText(CellGroup::MotorSpec, 1, "40 k");
    EXPECT_FALSE(model.state().txtMotorSpec[1].warning);

    type(CellGroup::ExtSys, 2, "60rpm");
    EXPECT_TRUE(model.state().txtExtSys[2].warning);
    model.selectUnits(1);  // the refresh writes "60"
    EXPECT_FALSE(model.state().txtExtSys[2].warning);
}

}  // namespace
}  // namespace veredod::testing
