#include "model/qpround.h"
#include "model_fixture.h"
#include "output/maker.h"

namespace veredod::testing {
namespace {

using StartUpTest = ModelTest;

TEST_F(StartUpTest, AsksForTheResinDatabaseWithTheBusyPointer) {
    startWith(SampleResins());
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    const FileDialogRequest& request = desktop.dialogs[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.title, "Open Resin Database File");
    EXPECT_EQ(request.initialName, "");
    EXPECT_EQ(request.defaultExtension, "DAT");
    EXPECT_EQ(request.filter, "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*");
    EXPECT_TRUE(request.folderMustExist);
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(desktop.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(StartUpTest, ComesUpWithTheFirstResinBarrierScrewLdAndMetric) {
    startWith(SampleResins());
    const WindowState& s = model.state();

    EXPECT_EQ(s.optScrewType.selected, 0);
    EXPECT_EQ(s.optUnits.selected, 0);
    EXPECT_EQ(s.optSectLength.selected, 0);
    EXPECT_EQ(s.frameScrewTypeCaption, "Screw Geometry for Barrier (melt channel) screw");
    EXPECT_EQ(s.caption, "Veredod Single Screw Extrusion Simulation");
    EXPECT_EQ(s.ResinFile, resinPath);
    EXPECT_EQ(s.CaseFile, "");

    EXPECT_EQ(s.cmbResins, (std::vector<std::string>{"HDPE", "PS, general purpose", "PP"}));
    EXPECT_EQ(s.cmbResinsIndex, 0);
    EXPECT_EQ(model.resinTable().CurrentResin, 0);
    EXPECT_EQ(model.resinTable().LastResin, 2);
    const std::vector<std::string> shown = {"HDPE", "1.5",  "770",    "954", "7000",
                                            ".45",  "2500", "180000", ".25"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(s.txtMatlProp[i].text, shown[i]) << "txtMatlProp " << i;

    for (const Cell& cell : s.txtVar) EXPECT_EQ(cell.text, "");
    for (const Cell& cell : s.txtExtSys) EXPECT_EQ(cell.text, "");
    for (const Cell& cell : s.txtMotorSpec) EXPECT_EQ(cell.text, "");

    // The unit handler ends by listing the (still zero) results.
    EXPECT_EQ(s.lstResults.size(), 17u);
    EXPECT_EQ(s.lstResults[0], "Drag flow =  kg/hr");
    EXPECT_EQ(s.lstResultsFont, "courier");
}

TEST_F(StartUpTest, ShowsTheBarrierPageOnly) {
    startWith(SampleResins());
    const WindowState& s = model.state();
    EXPECT_TRUE(s.picScrew[0].visible);
    EXPECT_FALSE(s.picScrew[1].visible);
    EXPECT_FALSE(s.picScrew[2].visible);
    EXPECT_FALSE(s.Label5[0].visible);
    EXPECT_FALSE(s.Label5[1].visible);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(s.txtVar[i].visible, i < 6) << i;
        EXPECT_EQ(s.Label1[i].visible, i < 6) << i;
    }
}

TEST_F(StartUpTest, SetsTheFixedCaptionsAndHelpTexts) {
    startWith(SampleResins());
    const WindowState& s = model.state();
    struct Row {
        const std::string& actual;
        const char* expected;
    };
    const Row rows[] = {
        {s.Label1[0].caption, "Diameter (mm)"},
        {s.Label1[1].caption, "Meter Length (L/D)"},
        {s.Label1[7].caption, "Meter Length (L/D)"},
        {s.Label2[0].caption, "Resin Name and Type"},
        {s.Label2[1].caption, "Unit Cost/kg"},
        {s.Label3[0].caption, "Mat'l temp into extruder (C)"},
        {s.Label3[2].caption, "RPM of screw"},
        {s.Label4[0].caption, "Power supply (V)"},
        {s.Label4[1].caption, "Power Available (kw)"},
        {s.Label4[2].caption, "Motor speed (RPM)"},
        {s.Label4[3].caption, "Gearbox speed (RPM)"},
        {s.Label5[0].caption, "First Stage"},
        {s.Label5[1].caption, "Second Stage"},
        {s.optSectLength.captions[1], "Section length in (mm)"},
        {s.lblWebAddress, maker::kWebHost},
        {s.cmbResinsHelp, "Resins available for use"},
        {s.Label1[0].help, "The nominal diameter of the screw"},
        {s.txtVar[5].help, "The width of the screw flight in in/mm (usually 0.1D)"},
        {s.Label1[4].help,
         "The radial clearance between the screw flight and the barrel wall in in/mm (for a new "
         "screw it is usually 0.001inch per inch of screw diameter)"},
        {s.txtVar[4].help,
         "The radial clearance between the screw flight and the barrel wall in mm (for a new "
         "screw it is usually 0.0254mm per every 25.4mm of screw diameter)"},
        {s.txtMatlProp[4].help, "Consistancy index is a viscosity constant of the Power Law model"},
        {s.txtExtSys[3].help, "Pressure at the exit of the extruder, back pressure"},
        {s.txtMotorSpec[0].help,
         "3 phase Power supply to motor (it varies from country to country, ie 460 V is typical "
         "in North America)"},
        {s.picScrew[2].help, "Two stage vented flighted screw geometry"},
        {s.cmndToolBar[0].help, "New File (Ctrl+N)"},
        {s.cmndToolBar[4].help, "Perform Calculations (F9)"},
        {s.cmndToolBar[5].help, "About"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.actual, row.expected);
}

TEST_F(StartUpTest, CancellingTheDialogEndsTheStartUp) {
    desktop.answerFileDialog("");
    EXPECT_FALSE(model.startUp());
    EXPECT_EQ(desktop.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(model.state().ResinFile, "");
}

TEST_F(StartUpTest, AFirstResinStoredInUsUnitsIsShownInMetric) {
    std::vector<ResinRecord> records = SampleResins();
    std::swap(records[0], records[1]);
    records[2].ResinIsMetric = false;
    startWith(records);
    const std::string onDisk = resinFileBytes();

    const ResinRecord& first = resin(0);
    EXPECT_TRUE(first.ResinIsMetric);
    EXPECT_EQ(first.MeltDensity, 53.688 * 16.018464);
    EXPECT_EQ(first.ResinCost, 0.68 / 0.45359237);
    EXPECT_EQ(first.PowerLawIndex, 0.3);
    EXPECT_EQ(model.state().txtMatlProp[2].text, QPROUND(53.688 * 16.018464, 3));
    EXPECT_EQ(resin(2), records[2]) << "only the current resin is aligned";
    EXPECT_EQ(resinFileBytes(), onDisk) << "aligning does not write the database";
}

TEST_F(StartUpTest, AnUnreadableDatabaseIsReportedAndLeavesAnEmptyTable) {
    resinPath = folder.path("no-such-file.dat");
    desktop.answerFileDialog(resinPath);
    ASSERT_TRUE(model.startUp());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(desktop.messages[0].title, "Veredod");
    EXPECT_EQ(desktop.messages[0].text.rfind("Error: ", 0), 0u);
    EXPECT_TRUE(model.state().cmbResins.empty());
    EXPECT_TRUE(model.resinTable().Resins.empty());
    EXPECT_EQ(model.resinTable().LastResin, -1);
    EXPECT_EQ(desktop.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(StartUpTest, TheLoadsProblemsMakeOneMessage) {
    const std::string bytes =
        "Bad\r\nTrue\r\n x \r\n 2 \r\n y \r\n 4 \r\n 5 \r\n 6 \r\n 7 \r\n 8 \r\n"
        "Short\r\nFalse\r\n 1 \r\n";
    resinPath = folder.path("bad.dat");
    WriteFileBytes(resinPath, bytes);
    desktop.answerFileDialog(resinPath);
    ASSERT_TRUE(model.startUp());

    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, ResinLoadMessage(ReadResinDatabase(bytes)));
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(desktop.messages[0].title, "Veredod");
    EXPECT_EQ(model.state().cmbResins, (std::vector<std::string>{"Bad", "Short"}));
    EXPECT_EQ(model.resinTable().LastResin, 1);
}

class CommaLocaleStartUpTest : public ModelTest {
protected:
    CommaLocaleStartUpTest() : ModelTest(NumberFormat{',', '.'}) {}
};

TEST_F(CommaLocaleStartUpTest, CellsShowTheRegionalDecimalSeparator) {
    startWith(SampleResins());
    EXPECT_EQ(model.state().txtMatlProp[1].text, "1,5");
    EXPECT_EQ(model.state().txtMatlProp[5].text, ",45");
}

}  // namespace
}  // namespace veredod::testing
