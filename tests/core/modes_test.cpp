#include "model_fixture.h"

namespace veredod::testing {
namespace {

using ModesTest = ModelTest;

TEST_F(ModesTest, TheScrewTypeDecidesWhatTheGeometryPageShows) {
    struct Row {
        int type;
        const char* frame;
        int picture;
        bool secondStage;
        const char* backPressureHelp;
    };
    const char* kSingleHelp = "Pressure at the exit of the extruder, back pressure";
    const Row rows[] = {
        {2, "Screw Geometry for Two stage screw", 2, true,
         "Pressure at the exit of the extruder (second stage), back pressure at the end of the "
         "first stage is assumed to 0."},
        {1, "Screw Geometry for Single flighted screw", 1, false, kSingleHelp},
        {0, "Screw Geometry for Barrier (melt channel) screw", 0, false, kSingleHelp},
        {2, "Screw Geometry for Two stage screw", 2, true, nullptr},
    };
    startWith(SampleResins());
    type(CellGroup::Var, 7, "30");
    model.setCellText(CellGroup::Var, 8, "typed, not committed");
    for (const Row& row : rows) {
        model.selectScrewType(row.type);
        const WindowState& s = model.state();
        EXPECT_EQ(s.optScrewType.selected, row.type);
        EXPECT_EQ(s.frameScrewTypeCaption, row.frame);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.picScrew[i].visible, i == row.picture);
        for (const Control& title : s.Label5) EXPECT_EQ(title.visible, row.secondStage);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(s.txtVar[i].visible, i < 6 || row.secondStage) << row.type << " " << i;
            EXPECT_EQ(s.Label1[i].visible, i < 6 || row.secondStage) << row.type << " " << i;
        }
        if (row.backPressureHelp) {
            EXPECT_EQ(s.txtExtSys[3].help, row.backPressureHelp);
        }
        EXPECT_EQ(model.currentCase().SecondMeteringLength, 30) << "hidden cells keep their values";
        EXPECT_EQ(s.txtVar[8].text, "typed, not committed") << "no refresh on a screw type change";
    }
}

TEST_F(ModesTest, TheBackPressureCellStandsForTheScrewTypesField) {
    startWith(SampleResins());
    type(CellGroup::ExtSys, 3, "200");
    model.selectScrewType(2);
    EXPECT_EQ(model.state().txtExtSys[3].text, "200") << "kept until the next refresh";
    type(CellGroup::ExtSys, 3, "50");
    EXPECT_EQ(model.currentCase().SecondStageBackPressure, 50);
    EXPECT_EQ(model.currentCase().SystemBackPressure, 200);

    model.selectScrewType(1);
    model.UpdateCells();
    EXPECT_EQ(model.state().txtExtSys[3].text, "200");
    model.selectScrewType(2);
    model.UpdateCells();
    EXPECT_EQ(model.state().txtExtSys[3].text, "50");
}

TEST(SectionLengthTest, SwitchesConvertBothStages) {
    struct Row {
        double diameter;
        double length;
        double distance;  // after switching to distance mode
        double ratio;     // after switching back
    };
    const Row rows[] = {
        {50, 20, 1000, 20},
        {0, 20, 0, 0},  // no diameter: no distance, and the ratio cannot be rebuilt
        {2.5, 0.5, 1.25, 0.5},
    };
    for (const Row& row : rows) {
        ScriptedDesktop quiet;
        MainModel m(quiet);
        m.selectScrewType(1);  // the second stage converts even while hidden
        Case& c = m.mutableCase();
        c.ScrewDiameter = c.SecondScrewDiameter = row.diameter;
        c.MeteringLength = c.SecondMeteringLength = row.length;

        m.selectSectLength(1);
        EXPECT_EQ(c.MeteringLength, row.distance) << row.diameter;
        EXPECT_EQ(c.SecondMeteringLength, row.distance) << row.diameter;
        m.selectSectLength(0);
        EXPECT_EQ(c.MeteringLength, row.ratio) << row.diameter;
        EXPECT_EQ(c.SecondMeteringLength, row.ratio) << row.diameter;
    }
}

TEST_F(ModesTest, ToRatiosWithoutADiameterKeepsTheLength) {
    startWith(SampleResins());
    model.selectSectLength(1);
    type(CellGroup::Var, 1, "300");
    model.selectSectLength(0);
    EXPECT_EQ(model.currentCase().MeteringLength, 300);
}

TEST_F(ModesTest, TheSwitchRefreshesCellsAndCaptionsAndConvertsOnce) {
    startWith(SampleResins());
    type(CellGroup::Var, 0, "50");
    type(CellGroup::Var, 1, "20");

    model.selectSectLength(1);
    EXPECT_EQ(model.state().txtVar[1].text, "1000");
    EXPECT_EQ(model.state().Label1[1].caption, "Meter Length (mm)");
    EXPECT_EQ(model.state().Label1[7].caption, "Meter Length (mm)");
    model.optSectLength_Click(1);
    model.selectSectLength(1);
    EXPECT_EQ(model.currentCase().MeteringLength, 1000);

    model.selectUnits(1);
    EXPECT_NEAR(model.currentCase().MeteringLength, 1000 / 25.4, 1e-12);
    EXPECT_EQ(model.state().txtVar[1].text, "39.37");
    model.selectSectLength(0);
    EXPECT_NEAR(model.currentCase().MeteringLength, 20, 1e-12);
    EXPECT_EQ(model.state().Label1[1].caption, "Meter Length (L/D)");
    model.selectUnits(0);
    EXPECT_NEAR(model.currentCase().MeteringLength, 20, 1e-12) << "ratios are not converted";
}

TEST_F(ModesTest, ModesFollowTheOptionButtons) {
    startWith(SampleResins());
    model.selectScrewType(2);
    model.selectUnits(1);
    model.selectSectLength(1);
    const Modes modes = model.modes();
    EXPECT_EQ(modes.screwType, ScrewType::TwoStage);
    EXPECT_EQ(modes.unitSystem, UnitSystem::US);
    EXPECT_EQ(modes.sectionLengthMode, SectionLengthMode::Distance);

    model.selectScrewType(3);
    model.selectUnits(-1);
    EXPECT_EQ(model.state().optScrewType.selected, 2) << "no such button";
    EXPECT_EQ(model.state().optUnits.selected, 1);
}

}  // namespace
}  // namespace veredod::testing
