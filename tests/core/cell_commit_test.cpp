#include <cstring>

#include "model_fixture.h"

namespace veredod::testing {
namespace {

using CellCommitTest = ModelTest;

TEST_F(CellCommitTest, LenientCellsStoreTheirReadingAndKeepTheirText) {
    struct Row {
        CellGroup group;
        int index;
        const char* text;
        double Case::*field;
        double expected;
    };
    const Row rows[] = {
        {CellGroup::Var, 0, "50", &Case::ScrewDiameter, 50},
        {CellGroup::Var, 4, "0.125", &Case::FlightClearance, 0.125},
        {CellGroup::Var, 4, " 3 .5", &Case::FlightClearance, 3.5},
        {CellGroup::Var, 4, "3,5", &Case::FlightClearance, 3},
        {CellGroup::Var, 4, "&H10", &Case::FlightClearance, 16},
        {CellGroup::Var, 5, "12abc", &Case::FlightWidth, 12},
        {CellGroup::Var, 11, "-4", &Case::SecondFlightWidth, -4},
        {CellGroup::Var, 2, "", &Case::MeteringDepth, 0},
        {CellGroup::ExtSys, 0, "20", &Case::MaterialTempIn, 20},
        {CellGroup::ExtSys, 2, "1e2", &Case::ScrewRpm, 100},
        {CellGroup::ExtSys, 3, "2000", &Case::SystemBackPressure, 2000},
        {CellGroup::MotorSpec, 0, "460 V", &Case::PowerSupply, 460},
        {CellGroup::MotorSpec, 3, "125", &Case::GearBoxSpeed, 125},
    };
    startWith(SampleResins());
    const std::string onDisk = resinFileBytes();
    for (const Row& row : rows) {
        type(row.group, row.index, row.text);
        EXPECT_EQ(model.currentCase().*row.field, row.expected) << row.text;
    }
    EXPECT_EQ(model.state().txtVar[5].text, "12abc") << "the typed text stays on screen";
    EXPECT_EQ(model.state().txtMotorSpec[0].text, "460 V");
    EXPECT_EQ(model.state().txtVar[0].text, "50");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(resinFileBytes(), onDisk);
}

TEST_F(CellCommitTest, PassingThroughACellKeepsTheStoredPrecision) {
    startWith(SampleResins());
    type(CellGroup::Var, 4, "0.0635");
    ASSERT_EQ(model.state().txtVar[4].text, "0.0635");
    model.UpdateCells();
    ASSERT_EQ(model.state().txtVar[4].text, ".064");
    model.commitCell(CellGroup::Var, 4);  // focus passes through, nothing typed
    EXPECT_EQ(model.currentCase().FlightClearance, 0.0635);
    type(CellGroup::Var, 4, "0.064");  // a value typed in is taken as typed
    EXPECT_EQ(model.currentCase().FlightClearance, 0.064);

    // A US record's heat capacity of 0.2866 shows as .287 and stays 0.2866 on disk.
    model.selectResin(1);
    model.selectUnits(1);
    ASSERT_EQ(model.state().txtMatlProp[6].text, ".287");
    model.commitCell(CellGroup::MatlProp, 6);
    EXPECT_EQ(resin(1).HeatCapacity, 0.2866);
    EXPECT_EQ(resinFileBytes(), expectedDatabase());
    EXPECT_NE(resinFileBytes().find(" .2866 \r\n"), std::string::npos);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CellCommitTest, EnterCommitsAndOtherKeysDoNot) {
    startWith(SampleResins());
    model.setCellText(CellGroup::Var, 3, "40");
    model.txtVar_KeyPress(3, 'a');
    EXPECT_EQ(model.currentCase().MeteringLead, 0);
    model.txtVar_KeyPress(3, kEnterKey);
    EXPECT_EQ(model.currentCase().MeteringLead, 40);
    EXPECT_EQ(model.state().txtVar[3].text, "40");

    model.setCellText(CellGroup::ExtSys, 1, "230");
    model.txtExtSys_KeyPress(1, kEnterKey);
    model.setCellText(CellGroup::MotorSpec, 2, "1750");
    model.txtMotorSpec_KeyPress(2, kEnterKey);
    model.setCellText(CellGroup::MatlProp, 5, "0.4");
    model.txtMatlProp_KeyPress(5, kEnterKey);
    EXPECT_EQ(model.currentCase().MaterialTempOut, 230);
    EXPECT_EQ(model.currentCase().MotorSpeed, 1750);
    EXPECT_EQ(resin(0).PowerLawIndex, 0.4);
}

TEST_F(CellCommitTest, IndicesOutsideAGroupDoNothing) {
    startWith(SampleResins());
    const Case before = model.currentCase();
    const std::string onDisk = resinFileBytes();
    for (CellGroup group :
         {CellGroup::Var, CellGroup::ExtSys, CellGroup::MotorSpec, CellGroup::MatlProp}) {
        model.setCellText(group, 40, "1");
        model.commitCell(group, 40);
        model.commitCell(group, -1);
    }
    EXPECT_EQ(std::memcmp(&before, &model.currentCase(), sizeof(Case)), 0);
    EXPECT_EQ(resinFileBytes(), onDisk);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CellCommitTest, AnAcceptedResinValueIsSavedRelistedAndShownRounded) {
    startWith(SampleResins());
    model.selectResin(2);
    const unsigned listRevision = model.state().resinListRevision;
    type(CellGroup::MatlProp, 2, "1234.56789");

    EXPECT_EQ(resin(2).MeltDensity, 1234.56789);
    EXPECT_EQ(model.state().txtMatlProp[2].text, "1234.568");
    EXPECT_EQ(resinFileBytes(), expectedDatabase());
    EXPECT_NE(resinFileBytes().find("PP\r\nTrue\r\n 1.2 \r\n 1234.56789 \r\n 907 \r\n"),
              std::string::npos);
    EXPECT_EQ(model.state().resinListRevision, listRevision + 1);
    EXPECT_EQ(model.state().cmbResinsIndex, 2);
    EXPECT_EQ(model.resinTable().CurrentResin, 2);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CellCommitTest, ARejectedResinValueIsReportedAndPutBack) {
    startWith(SampleResins());
    for (const char* text : {"abc", "", "1,00", "12 kg"}) {
        type(CellGroup::MatlProp, 2, text);
        ASSERT_EQ(desktop.messages.size(), 1u) << text;
        EXPECT_EQ(desktop.messages[0].text, "Error, please re-enter numeric value");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(desktop.messages[0].title, "Veredod");
        desktop.messages.clear();
        EXPECT_EQ(resin(0).MeltDensity, 770);
        EXPECT_EQ(model.state().txtMatlProp[2].text, "770") << text;
        EXPECT_EQ(resinFileBytes(), expectedDatabase()) << "the database is still written";
    }
}

TEST_F(CellCommitTest, RenamingKeepsTheSelectionAndUpdatesTheList) {
    startWith(SampleResins());
    model.selectResin(1);
    type(CellGroup::MatlProp, 0, "  GPPS, clear ");
    EXPECT_EQ(resin(1).ResinName, "  GPPS, clear ");
    EXPECT_EQ(model.state().cmbResins[1], "  GPPS, clear ");
    EXPECT_EQ(model.state().cmbResinsIndex, 1);
    EXPECT_EQ(model.state().txtMatlProp[0].text, "  GPPS, clear ");
    EXPECT_EQ(ReadResinDatabase(resinFileBytes()).records.at(1).ResinName, "  GPPS, clear ");
}

TEST_F(CellCommitTest, ACommitStampsTheRecordWithTheActiveSystem) {
    startWith(SampleResins());
    model.selectUnits(1);
    type(CellGroup::MatlProp, 5, ".3");
    const ResinLoad saved = ReadResinDatabase(resinFileBytes());
    ASSERT_EQ(saved.records.size(), 3u);
    EXPECT_FALSE(saved.records[0].ResinIsMetric);
    EXPECT_NEAR(saved.records[0].MeltDensity, 770 / 16.018464, 1e-12);
    EXPECT_NE(resinFileBytes().find("HDPE\r\nFalse\r\n"), std::string::npos);
}

TEST_F(CellCommitTest, AFailedResinSaveIsReportedAndTheEditKept) {
    startWith(SampleResins(), LongestFileName());
    const std::string onDisk = resinFileBytes();
    type(CellGroup::MatlProp, 1, "2.25");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(desktop.messages[0].title, "Veredod");
    EXPECT_TRUE(IsSaveFailedMessage(desktop.messages[0].text, resinPath))
        << desktop.messages[0].text;
    EXPECT_EQ(resin(0).ResinCost, 2.25);
    EXPECT_EQ(model.state().txtMatlProp[1].text, "2.25");
    EXPECT_EQ(resinFileBytes(), onDisk);
}

TEST_F(CellCommitTest, WithoutAResinTheResinCellsStoreNothing) {
    startWith({MakeResin("Only", true, {1, 2, 3, 4, 5, 6, 7, 8})});
    model.cmndDeleteResin_Click();
    type(CellGroup::MatlProp, 0, "Ghost");
    type(CellGroup::MatlProp, 3, "920");
    EXPECT_TRUE(model.resinTable().Resins.empty());
    EXPECT_EQ(model.state().txtMatlProp[0].text, "");
    EXPECT_EQ(resinFileBytes(), "");
    EXPECT_TRUE(desktop.messages.empty());
}

class CommaLocaleCommitTest : public ModelTest {
protected:
    CommaLocaleCommitTest() : ModelTest(NumberFormat{',', '.'}) {}
};

TEST_F(CommaLocaleCommitTest, CellsReadTheRegionalDecimalSeparator) {
    startWith(SampleResins());
    type(CellGroup::MatlProp, 1, "2,5");
    EXPECT_EQ(resin(0).ResinCost, 2.5);
    EXPECT_EQ(model.state().txtMatlProp[1].text, "2,5");
    type(CellGroup::MatlProp, 3, "1.250,5");
    EXPECT_EQ(resin(0).SolidDensity, 1250.5);
    type(CellGroup::Var, 0, "2,5");
    EXPECT_EQ(model.currentCase().ScrewDiameter, 2.5);
    EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace veredod::testing
