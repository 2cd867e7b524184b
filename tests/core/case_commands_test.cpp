#include "casefile/case_file.h"
#include "model_fixture.h"

namespace veredod::testing {
namespace {

using CaseCommandsTest = ModelTest;

const std::string kTitle = "Veredod 2000 Single Screw Extrusion Simulation";

// A single flighted screw in US units and L/D, resin 1, as a user's file holds it.
const std::string kUsCase =
    "1\r\nFalse\r\nTrue\r\n 2.5 \r\n 24 \r\n .15 \r\n 2.5 \r\n .004 \r\n .25 \r\n 460 \r\n"
    " 100 \r\n 1750 \r\n 70 \r\n 1 \r\n 70 \r\n 450 \r\n 60 \r\n 2000 \r\n 0 \r\n 0 \r\n"
    " 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

std::string Lines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

void ExpectMessages(ScriptedDesktop& desktop, const std::vector<std::string>& texts) {
    const std::vector<RecordedMessage> shown = desktop.takeMessages();
    ASSERT_EQ(shown.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(shown[i].text, texts[i]);
        EXPECT_EQ(shown[i].icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown[i].title, "Veredod");
    }
}

TEST_F(CaseCommandsTest, NewClearsTheInputsAndSomeResults) {
    startWith(SampleResins());
    model.selectScrewType(2);
    model.selectUnits(1);
    model.selectResin(2);
    type(CellGroup::Var, 0, "2");
    type(CellGroup::ExtSys, 3, "300");
    Case& c = model.mutableCase();
    c.DragFlow = c.Torque = c.HelixAngle = c.SecondAmps = 5;
    c.TorqueAvailable = c.LeakageFlow = c.ShearRate = c.SecondResinCostUsed = 7;

    model.mnuNew_Click();
    EXPECT_EQ(model.state().caption, kTitle);
    EXPECT_EQ(model.state().CaseFile, "");
    EXPECT_EQ(c.ScrewDiameter, 0);
    EXPECT_EQ(c.SecondStageBackPressure, 0);
    EXPECT_EQ(c.DragFlow + c.Torque + c.HelixAngle + c.SecondAmps, 0);
    EXPECT_EQ(c.TorqueAvailable + c.LeakageFlow + c.ShearRate + c.SecondResinCostUsed, 28);
    EXPECT_EQ(model.resinTable().CurrentResin, 0);
    EXPECT_EQ(model.state().cmbResinsIndex, 0);
    EXPECT_EQ(model.state().txtMatlProp[0].text, "HDPE");
    EXPECT_FALSE(resin(0).ResinIsMetric) << "the first resin is aligned to US";
    EXPECT_EQ(model.state().txtVar[0].text, "");
    EXPECT_EQ(model.state().txtExtSys[3].text, "");
    EXPECT_TRUE(model.state().lstResults.empty());
    EXPECT_EQ(model.state().optScrewType.selected, 2);
    EXPECT_EQ(model.state().optUnits.selected, 1);
}

TEST_F(CaseCommandsTest, SaveWithoutAFileIsSaveAs) {
    startWith(SampleResins());
    type(CellGroup::Var, 0, "50");
    const std::string path = folder.path("case.txt");
    desktop.answerFileDialog(path);
    model.mnuSave_Click();

    ASSERT_EQ(desktop.dialogs.size(), 2u);
    const FileDialogRequest& request = desktop.dialogs[1];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.title, "Save Current Data Entries");
    EXPECT_EQ(request.initialName, "");
    EXPECT_EQ(request.defaultExtension, "TXT");
    EXPECT_EQ(request.filter, "Veredod Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_TRUE(request.folderMustExist);
    EXPECT_FALSE(request.fileMustExist);
    EXPECT_EQ(model.state().CaseFile, path);
    EXPECT_EQ(model.state().caption, kTitle + " (" + path + ")");
    EXPECT_EQ(ReadFileBytes(path), CaseFileText(model.currentCase(), model.modes(), 0));

    type(CellGroup::Var, 0, "60");
    model.mnuSave_Click();  // no dialog now
    EXPECT_EQ(ReadFileBytes(path), CaseFileText(model.currentCase(), model.modes(), 0));
    EXPECT_NE(ReadFileBytes(path).find("\r\n 60 \r\n"), std::string::npos);

    model.mnuNew_Click();
    desktop.answerFileDialog("");
    model.mnuSave_Click();
    EXPECT_EQ(desktop.dialogs.size(), 3u) << "after New, Save asks for a name again";
    EXPECT_EQ(model.state().caption, kTitle);
}

TEST_F(CaseCommandsTest, ACancelledDialogChangesNothing) {
    startWith(SampleResins());
    const WindowState before = model.state();
    desktop.answerFileDialog("");
    model.mnuSaveAs_Click();
    desktop.answerFileDialog("");
    model.mnuOpen_Click();
    EXPECT_EQ(model.state().caption, before.caption);
    EXPECT_EQ(model.state().CaseFile, "");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CaseCommandsTest, AUsCaseOpenedWhileMetricIsActiveSwitchesToUs) {
    startWith(SampleResins());
    type(CellGroup::ExtSys, 0, "20");
    model.selectScrewType(2);
    type(CellGroup::ExtSys, 3, "50");
    const std::string path = folder.path("us.txt");
    WriteFileBytes(path, kUsCase);
    const unsigned resultsRevision = model.state().resultsRevision;

    desktop.answerFileDialog(path);
    model.mnuOpen_Click();
    const FileDialogRequest& request = desktop.dialogs.back();
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.title, "Open Saved Data Entries");
    EXPECT_EQ(request.defaultExtension, "TXT");
    EXPECT_EQ(request.filter, "Veredod Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_TRUE(request.fileMustExist);

    const WindowState& s = model.state();
    const Case& c = model.currentCase();
    EXPECT_EQ(s.caption, kTitle + " (" + path + ")");
    EXPECT_EQ(s.CaseFile, path);
    EXPECT_EQ(s.optScrewType.selected, 1);
    EXPECT_EQ(s.optUnits.selected, 1);
    EXPECT_EQ(s.optSectLength.selected, 0);
    EXPECT_EQ(c.ScrewDiameter, 2.5);
    EXPECT_EQ(c.MaterialTempIn, 70) << "the file's value, not a converted one";
    EXPECT_EQ(c.SystemBackPressure, 2000);
    EXPECT_EQ(c.SecondStageBackPressure, 50 / 0.06894757) << "converted by the switch, then kept";
    EXPECT_EQ(model.resinTable().CurrentResin, 1);
    EXPECT_EQ(s.cmbResinsIndex, 1);
    EXPECT_EQ(s.txtVar[0].text, "2.5");
    EXPECT_EQ(s.txtVar[4].text, ".004");
    EXPECT_EQ(s.txtExtSys[3].text, "2000");
    EXPECT_EQ(s.txtMatlProp[2].text, "53.688");
    EXPECT_EQ(s.Label3[0].caption, "Mat'l temp into extruder (F)");
    EXPECT_EQ(s.resultsRevision, resultsRevision + 1) << "only the unit switch relists";
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CaseCommandsTest, AShortFileLoadsTheLinesItHas) {
    startWith(SampleResins());
    type(CellGroup::ExtSys, 2, "33");
    type(CellGroup::MotorSpec, 1, "75");
    const std::string path = folder.path("short.txt");
    WriteFileBytes(path, Lines(kUsCase, 10));
    desktop.answerFileDialog(path);
    model.mnuOpen_Click();

    const Case& c = model.currentCase();
    EXPECT_EQ(c.FlightWidth, 0.25);
    EXPECT_EQ(c.PowerSupply, 460);
    EXPECT_EQ(c.PowerAvailable, 75 * 1.34102209) << "line 11 is missing: converted, then kept";
    EXPECT_EQ(c.ScrewRpm, 33);
    EXPECT_EQ(model.resinTable().CurrentResin, 0);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CaseCommandsTest, AResinIndexTheDatabaseDoesNotHoldKeepsTheCurrentResin) {
    struct Row {
        const char* line14;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {" 40 ",
         {"The case names resin number 40, which the resin database does not hold; the current "
          "resin is kept."}},
        {"-1 ",
         {"The case names resin number -1, which the resin database does not hold; the current "
          "resin is kept."}},
        {" 3 ",
         {"The case names resin number 3, which the resin database does not hold; the current "
          "resin is kept."}},
        {" 99999 ", {"Output Error: Overflow"}},
    };
    startWith(SampleResins());
    model.selectResin(2);
    for (const Row& row : rows) {
        std::string text = kUsCase;
        text.replace(text.find("\r\n 1 \r\n") + 2, 3, row.line14);
        const std::string path = folder.path("resin.txt");
        WriteFileBytes(path, text);
        desktop.answerFileDialog(path);
        model.mnuOpen_Click();
        ExpectMessages(desktop, row.messages);
        EXPECT_EQ(model.resinTable().CurrentResin, 2) << row.line14;
        EXPECT_EQ(model.state().cmbResinsIndex, 2);
        EXPECT_EQ(model.currentCase().ScrewDiameter, 2.5) << "the rest is still read";
    }
}

TEST_F(CaseCommandsTest, AnUnreadableFileChangesNothing) {
    startWith(SampleResins());
    type(CellGroup::Var, 0, "50");
    const std::string missing = folder.path("missing.txt");
    desktop.answerFileDialog(missing);
    model.mnuOpen_Click();
    const std::vector<RecordedMessage> shown = desktop.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text.rfind("Output Error: ", 0), 0u);
    EXPECT_GT(shown[0].text.size(), std::string("Output Error: ").size());
    EXPECT_EQ(shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(model.state().caption, "Veredod Single Screw Extrusion Simulation");
    EXPECT_EQ(model.state().CaseFile, "");
    EXPECT_EQ(model.currentCase().ScrewDiameter, 50);
}

TEST_F(CaseCommandsTest, SaveAsThenOpenRestoresTheCase) {
    startWith(SampleResins());
    model.selectScrewType(2);
    model.selectSectLength(1);
    model.selectUnits(1);
    const char* texts[] = {"2.5", "60", ".15", "2.5", ".004", ".25",
                           "3",   "75", ".2",  "3",   ".005", ".3"};
    for (int i = 0; i < 12; ++i) type(CellGroup::Var, i, texts[i]);
    type(CellGroup::ExtSys, 3, "1500");
    type(CellGroup::MotorSpec, 1, "100");
    model.selectResin(2);
    const Case saved = model.currentCase();
    const std::string path = folder.path("round.txt");
    desktop.answerFileDialog(path);
    model.mnuSaveAs_Click();

    model.mnuNew_Click();
    model.selectScrewType(0);
    model.selectSectLength(0);
    model.selectUnits(0);
    desktop.answerFileDialog(path);
    model.mnuOpen_Click();

    EXPECT_EQ(model.modes().screwType, ScrewType::TwoStage);
    EXPECT_EQ(model.modes().unitSystem, UnitSystem::US);
    EXPECT_EQ(model.modes().sectionLengthMode, SectionLengthMode::Distance);
    for (int line = 4; line <= kCaseFileLines; ++line) {
        if (line == 14) continue;
        Case expected = saved;
        Case actual = model.currentCase();
        EXPECT_EQ(*CaseFileField(actual, line, ScrewType::TwoStage),
                  *CaseFileField(expected, line, ScrewType::TwoStage))
            << "line " << line;
    }
    EXPECT_EQ(model.resinTable().CurrentResin, 2);
    EXPECT_EQ(model.state().txtExtSys[3].text, "1500");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(CaseCommandsTest, AFailedSaveAsIsReportedAndKeepsTheCaseFile) {
    startWith(SampleResins());
    const std::string path = folder.path("no-folder/case.txt");
    desktop.answerFileDialog(path);
    model.mnuSaveAs_Click();
    const std::vector<RecordedMessage> shown = desktop.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(IsSaveFailedMessage(shown[0].text, path)) << shown[0].text;
    EXPECT_EQ(shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shown[0].title, "Veredod");
    EXPECT_EQ(model.state().CaseFile, "");
    EXPECT_EQ(model.state().caption, "Veredod Single Screw Extrusion Simulation");
}

TEST_F(CaseCommandsTest, AFailedSaveKeepsTheOldFileAndReports) {
    startWith(SampleResins());
    const std::string path = folder.path(LongestFileName());
    WriteFileBytes(path, kUsCase);
    desktop.answerFileDialog(path);
    model.mnuOpen_Click();
    ASSERT_EQ(model.state().CaseFile, path);

    type(CellGroup::Var, 0, "3");
    model.mnuSave_Click();
    const std::vector<RecordedMessage> shown = desktop.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(IsSaveFailedMessage(shown[0].text, path)) << shown[0].text;
    EXPECT_EQ(ReadFileBytes(path), kUsCase);
    EXPECT_EQ(model.state().CaseFile, path);
}

}  // namespace
}  // namespace veredod::testing
