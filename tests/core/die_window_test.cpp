// SPDX-License-Identifier: GPL-3.0-or-later
// The case's die in the case file and the window, and the Operating Point
// window's handlers.

#include "casefile/case_file.h"
#include "core/model_fixture.h"
#include "core/worked_examples.h"
#include "model/qpround.h"
#include "support/golden_rows.h"

namespace veredod::testing {
namespace {

const char* const kDieText =
    "circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30";
const char* const kDieBlock =
    "[Die]\r\ncircular:count=4,d=3.5,l=12.5\r\nslit:w=300,h=1.2,l=40\r\n"
    "annulus:do=60,di=56,l=30\r\n[End Die]\r\n";

Die SampleDie() {
    return ParseDie(kDieText).die;
}

TEST(CaseFileDie, BlockFollowsTheTwentyFourLinesAndKeepsWhatItCanRead) {
    const Modes modes{ScrewType::TwoStage, UnitSystem::Metric};
    const std::string plain = CaseFileText(MetricWorkedCase(), modes, 2);
    EXPECT_EQ(CaseFileText(MetricWorkedCase(), modes, 2, Die{}), plain);
    EXPECT_EQ(CaseFileText(MetricWorkedCase(), modes, 2, SampleDie()), plain + kDieBlock);
    const CaseFileData read = ReadCaseFile(plain + kDieBlock), old = ReadCaseFile(plain);
    EXPECT_EQ(read.die, SampleDie());
    EXPECT_TRUE(read.errors.empty());
    EXPECT_EQ(read.numbers, old.numbers);
    EXPECT_FALSE(old.die.has_value());

    for (const auto& row : GoldenRows("case_file_die_blocks.txt")) {
        const CaseFileData data = ReadCaseFile(CaseFileText(Case{}, Modes{}, 0) + row.at(0));
        ASSERT_TRUE(data.die.has_value()) << row[0];
        EXPECT_EQ(data.die->elements.size(), 1u);
        EXPECT_EQ(data.errors, row.at(1).empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{row[1]});
    }
}

class DieModelTest : public ModelTest {
protected:
    void SetUp() override {
        startWith({MetricWorkedResin()});
        model.mutableCase() = MetricWorkedCase();
        model.setDie(SampleDie());
    }

    const DieCell& cell(int row, DieColumn column) const {
        return model.state().tabDie.rows.at(row).cells[static_cast<int>(column)];
    }
    void typeDie(int row, DieColumn column, const std::string& text) {
        model.setDieCellText(row, column, text);
        model.tblDie_CellCommit(row, column);
    }
};

TEST_F(DieModelTest, SaveOpenNewAndUnitSwitchCarryTheDie) {
    const std::string path = folder.path("case.txt");
    desktop.answerFileDialog(path);
    model.mnuSaveAs_Click();
    EXPECT_EQ(ReadFileBytes(path), CaseFileText(model.currentCase(), model.modes(), 0) + kDieBlock);

    model.mnuNew_Click();
    EXPECT_TRUE(model.state().tabDie.rows.empty());
    EXPECT_EQ(model.state().tabDie.status, "The die has no element.");

    model.openCaseFile(path);
    EXPECT_EQ(model.die(), SampleDie());
    EXPECT_EQ(cell(2, DieColumn::InnerDiameter).text, "56");
    EXPECT_FALSE(cell(0, DieColumn::Width).enabled);
    model.selectUnits(1);
    EXPECT_DOUBLE_EQ(model.die().elements[1].width, 300 / 25.4);
    EXPECT_EQ(cell(0, DieColumn::Diameter).text, ".138");

    // A case without a die opens without one and saves as it was.
    const std::string plainPath = folder.path("plain.txt");
    const std::string plain = CaseFileText(MetricWorkedCase(), Modes{}, 0);
    WriteFileBytes(plainPath, plain);
    model.openCaseFile(plainPath);
    EXPECT_TRUE(model.die().elements.empty());
    model.mnuSave_Click();
    EXPECT_EQ(ReadFileBytes(plainPath), plain);
    EXPECT_TRUE(desktop.takeMessages().empty());
}

TEST_F(DieModelTest, RefusedCellsSayWhyAndShowTheStoredValue) {
    for (const auto& bad : GoldenRows("die_cells.txt")) {
        const int row = std::stoi(bad.at(0));
        const auto column = static_cast<DieColumn>(std::stoi(bad.at(1)));
        const std::string shown = cell(row, column).text;
        typeDie(row, column, bad.at(2));
        const auto messages = desktop.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << bad[2];
        EXPECT_EQ(messages[0].text, bad.at(3));
        EXPECT_EQ(model.die(), SampleDie());
        EXPECT_EQ(cell(row, column).text, shown);
    }
}

TEST_F(DieModelTest, RowsAreAddedEditedAndRemoved) {
    model.selectDieRow(0);
    model.cmdAddDieRow_Click();
    EXPECT_EQ(model.state().tabDie.selectedRow, 1);
    EXPECT_EQ(model.state().tabDie.status,
              "Die element 2 (circular): the diameter d must be above 0.");
    model.selectDieShape(1, 2);
    typeDie(1, DieColumn::OuterDiameter, "20");
    typeDie(1, DieColumn::InnerDiameter, "10");
    typeDie(1, DieColumn::Length, "5");
    typeDie(1, DieColumn::Count, "2");
    EXPECT_EQ(model.die().elements[1], (DieElement{DieShape::Annulus, 2, 0, 0, 0, 20, 10, 5}));
    EXPECT_EQ(model.state().tabDie.status, "");
    model.cmdRemoveDieRow_Click();
    EXPECT_EQ(model.die(), SampleDie());
    model.selectDieRow(-1);
    model.cmdRemoveDieRow_Click();
    EXPECT_EQ(model.die().elements.size(), 2u);
    EXPECT_TRUE(desktop.takeMessages().empty());
}

TEST_F(DieModelTest, WindowFollowsTheCaseOnlyWhileOpen) {
    const OperatingPointState& window = model.state().frmOperatingPoint;
    model.mnuCalc_Click();
    EXPECT_TRUE(window.txtOperatingPoint.empty());
    model.mnuOperatingPoint_Click();
    EXPECT_EQ(window.txtOperatingPoint,
              OperatingPointLines(FindOperatingPoint(model.currentCase(), model.resinTable(),
                                                     model.modes(), SampleDie()),
                                  UnitSystem::Metric));
    EXPECT_EQ(window.sweepText, (std::array<std::string, 3>{"50", "150", "5"}));
    EXPECT_EQ(model.sweep().rows.size(), 21u);
    ASSERT_EQ(window.chartCharacteristics.series.size(), 7u);
    EXPECT_EQ(window.chartCharacteristics.series[6].points.size(), 1u);

    for (auto edit :
         {+[](MainModel& m) { m.mnuCalc_Click(); }, +[](MainModel& m) { m.selectUnits(1); },
          +[](MainModel& m) { m.cmdRemoveDieRow_Click(); }}) {
        const unsigned before = window.revision;
        edit(model);
        EXPECT_GT(window.revision, before);
    }
    model.mnuNew_Click();
    EXPECT_EQ(window.txtOperatingPoint, std::vector<std::string>{"The die has no element."});
    EXPECT_FALSE(window.usePressureEnabled || window.exportCsvEnabled);
    EXPECT_EQ(window.chartSweep.message, "The die has no element.");

    model.frmOperatingPoint_Close();
    const unsigned hidden = window.revision;
    model.mnuCalc_Click();
    EXPECT_EQ(window.revision, hidden);
}

TEST_F(DieModelTest, SweepCellsTakeNumbersAndUsePressureFillsTheBackPressure) {
    model.mnuOperatingPoint_Click();
    model.setSweepText(SweepCell::Step, "fast");
    model.txtSweep_LostFocus(SweepCell::Step);
    EXPECT_EQ(desktop.takeMessages().at(0).text, "The speed range's Step (RPM) must be a number.");
    EXPECT_EQ(model.state().frmOperatingPoint.sweepText[2], "5");
    model.setSweepText(SweepCell::Step, "50");
    model.txtSweep_LostFocus(SweepCell::Step);
    model.mnuCalc_Click();  // a typed range stays
    EXPECT_EQ(model.sweep().rows.size(), 3u);

    model.mutableCase() = MetricTwoStageCase();
    for (auto [type, backPressure] :
         {std::pair{0, &Case::SystemBackPressure}, std::pair{2, &Case::SecondStageBackPressure}}) {
        model.selectScrewType(type);
        model.mnuCalc_Click();
        const double pressure = model.operatingPoint().pressure;
        ASSERT_GT(pressure, 10);
        model.cmdUsePressure_Click();
        EXPECT_EQ(model.state().txtExtSys[3].text, QPROUND(pressure, 3));
        EXPECT_NEAR(model.currentCase().*backPressure, pressure, 5e-4);
    }
}

TEST_F(DieModelTest, ExportCsvWritesTheSweepOrSaysWhyNot) {
    model.mnuOperatingPoint_Click();
    const std::string path = folder.path("sweep.csv");
    desktop.answerFileDialog(path);
    model.cmdExportCsv_Click();
    EXPECT_EQ(ReadFileBytes(path), SweepCsv(model.sweep().rows));

    desktop.answerFileDialog(folder.path(""));
    model.cmdExportCsv_Click();
    const auto messages = desktop.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(IsSaveFailedMessage(messages[0].text, folder.path("")));
}

}  // namespace
}  // namespace veredod::testing
