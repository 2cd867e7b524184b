// The case's die in the case file and the window, and the Operating Point
// window's handlers.

#include "casefile/case_file.h"
#include "core/model_fixture.h"
#include "core/worked_examples.h"
#include "model/qpround.h"

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

TEST(CaseFileDie, BlockFollowsTheUnchangedTwentyFourLinesAndReadsBack) {
    const Case c = MetricWorkedCase();
    const Modes modes{ScrewType::TwoStage, UnitSystem::Metric};
    const std::string plain = CaseFileText(c, modes, 2);
    EXPECT_EQ(CaseFileText(c, modes, 2, Die{}), plain);
    const std::string withDie = CaseFileText(c, modes, 2, SampleDie());
    EXPECT_EQ(withDie, plain + kDieBlock);

    const CaseFileData read = ReadCaseFile(withDie), old = ReadCaseFile(plain);
    EXPECT_EQ(read.die, SampleDie());
    EXPECT_TRUE(read.errors.empty());
    EXPECT_EQ(read.numbers, old.numbers);
    EXPECT_FALSE(old.die.has_value());
}

struct BlockCase {
    const char* after24;
    size_t elements;
    std::vector<std::string> errors;
};

class CaseFileDieBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(CaseFileDieBlock, KeepsWhatItCanReadAndSaysWhatItCannot) {
    const std::string text = CaseFileText(Case{}, Modes{}, 0) + GetParam().after24;
    const CaseFileData data = ReadCaseFile(text);
    ASSERT_TRUE(data.die.has_value());
    EXPECT_EQ(data.die->elements.size(), GetParam().elements);
    EXPECT_EQ(data.errors, GetParam().errors);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CaseFileDieBlock,
    ::testing::Values(BlockCase{"\r\n[Die]\n annulus:do=0,di=0,l=0 \n\n[End Die]\n", 1, {}},
                      BlockCase{"[Die]\r\ncircular:d=1,l=2\r\n",
                                1,
                                {"The case file's die block has no \"[End Die]\" line."}},
                      BlockCase{
                          "[Die]\r\nsquare:a=1\r\ncircular:d=1,l=2\r\n[End Die]\r\n",
                          1,
                          {"The case file's die line \"square:a=1\" was left out: Die element 1: "
                           "\"square\" is not a shape; use circular, slit or annulus."}}));

class DieModelTest : public ModelTest {
protected:
    void SetUp() override {
        startWith({MetricWorkedResin()});
        model.mutableCase() = MetricWorkedCase();
        model.setDie(SampleDie());
    }

    const DieRow& row(int i) const { return model.state().tabDie.rows.at(i); }
    std::string cell(int i, DieColumn column) const {
        return row(i).cells[static_cast<int>(column)].text;
    }
    void typeDie(int i, DieColumn column, const std::string& text) {
        model.setDieCellText(i, column, text);
        model.tblDie_CellCommit(i, column);
    }
};

TEST_F(DieModelTest, SaveOpenNewAndUnitSwitchCarryTheDie) {
    const std::string path = folder.path("case.txt");
    desktop.answerFileDialog(path);
    model.mnuSaveAs_Click();
    EXPECT_EQ(ReadFileBytes(path), CaseFileText(model.currentCase(), model.modes(), 0) + kDieBlock);

    model.mnuNew_Click();
    EXPECT_TRUE(model.die().elements.empty());
    EXPECT_TRUE(model.state().tabDie.rows.empty());
    EXPECT_EQ(model.state().tabDie.status, "The die has no element.");

    model.openCaseFile(path);
    EXPECT_EQ(model.die(), SampleDie());
    EXPECT_EQ(cell(0, DieColumn::Count), "4");
    EXPECT_EQ(cell(2, DieColumn::InnerDiameter), "56");
    EXPECT_FALSE(row(0).cells[static_cast<int>(DieColumn::Width)].enabled);
    EXPECT_EQ(model.state().tabDie.columnCaptions[2], "d (mm)");

    model.selectUnits(1);
    EXPECT_DOUBLE_EQ(model.die().elements[1].width, 300 / 25.4);
    EXPECT_EQ(model.state().tabDie.columnCaptions[7], "L (in)");
    EXPECT_EQ(cell(0, DieColumn::Diameter), ".138");

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

struct BadDieCell {
    int row;
    DieColumn column;
    const char* text;
    const char* message;
};

class DieCellCommit : public DieModelTest, public ::testing::WithParamInterface<BadDieCell> {};

TEST_P(DieCellCommit, RefusesTheValueWithAMessage) {
    const BadDieCell& bad = GetParam();
    const std::string shown = cell(bad.row, bad.column);
    typeDie(bad.row, bad.column, bad.text);
    const auto messages = desktop.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, bad.message);
    EXPECT_EQ(model.die(), SampleDie());
    EXPECT_EQ(cell(bad.row, bad.column), shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DieCellCommit,
    ::testing::Values(
        BadDieCell{0, DieColumn::Count, "0",
                   "Die element 1: the count must be a whole number of 1 or more."},
        BadDieCell{0, DieColumn::Count, "2.5",
                   "Die element 1: the count must be a whole number of 1 or more."},
        BadDieCell{0, DieColumn::Diameter, "0", "Die element 1: the diameter d must be above 0."},
        BadDieCell{1, DieColumn::Gap, "-1.2", "Die element 2: the gap h must be above 0."},
        BadDieCell{1, DieColumn::Length, "abc", "Die element 2: the length L must be a number."},
        BadDieCell{2, DieColumn::InnerDiameter, "60",
                   "Die element 3: the inner diameter Di must be below the outer diameter Do."},
        BadDieCell{2, DieColumn::OuterDiameter, "55",
                   "Die element 3: the inner diameter Di must be below the outer diameter Do."}));

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

TEST_F(DieModelTest, WindowFollowsTheCaseAndNeverShowsNan) {
    const OperatingPointState& window = model.state().frmOperatingPoint;
    model.mnuCalc_Click();
    const unsigned closed = window.revision;
    EXPECT_TRUE(window.txtOperatingPoint.empty());

    model.mnuOperatingPoint_Click();
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.txtOperatingPoint,
              OperatingPointLines(FindOperatingPoint(model.currentCase(), model.resinTable(),
                                                     model.modes(), SampleDie()),
                                  UnitSystem::Metric));
    EXPECT_EQ(window.sweepText, (std::array<std::string, 3>{"50", "150", "5"}));
    EXPECT_EQ(model.sweep().rows.size(), 21u);
    ASSERT_EQ(window.chartCharacteristics.series.size(), 7u);
    EXPECT_EQ(window.chartCharacteristics.series[6].points.size(), 1u);
    EXPECT_EQ(window.chartSweep.series[1].axisTitle, "Head pressure (bar)");
    EXPECT_GT(window.revision, closed);

    for (auto edit :
         {+[](MainModel& m) { m.mnuCalc_Click(); }, +[](MainModel& m) { m.selectUnits(1); },
          +[](MainModel& m) { m.cmdRemoveDieRow_Click(); }}) {
        const unsigned before = window.revision;
        edit(model);
        EXPECT_GT(window.revision, before);
    }
    EXPECT_EQ(window.chartSweep.series[1].axisTitle, "Head pressure (psi)");

    model.mnuNew_Click();
    EXPECT_EQ(window.txtOperatingPoint, std::vector<std::string>{"The die has no element."});
    EXPECT_FALSE(window.usePressureEnabled);
    EXPECT_FALSE(window.exportCsvEnabled);
    EXPECT_EQ(window.chartSweep.message, "The die has no element.");

    model.frmOperatingPoint_Close();
    const unsigned hidden = window.revision;
    model.mnuCalc_Click();
    EXPECT_EQ(window.revision, hidden);
}

TEST_F(DieModelTest, SweepRangeCellsTakeNumbersOnly) {
    model.mnuOperatingPoint_Click();
    model.setSweepText(SweepCell::Step, "fast");
    model.txtSweep_LostFocus(SweepCell::Step);
    EXPECT_EQ(desktop.takeMessages().at(0).text, "The speed range's Step (RPM) must be a number.");
    EXPECT_EQ(model.state().frmOperatingPoint.sweepText[2], "5");
    model.setSweepText(SweepCell::Step, "50");
    model.txtSweep_LostFocus(SweepCell::Step);
    EXPECT_EQ(model.sweep().rows.size(), 3u);
    model.mnuCalc_Click();  // a typed range stays
    EXPECT_EQ(model.sweep().rows.size(), 3u);
}

struct PressureCase {
    ScrewType type;
    double Case::*backPressure;
};

class UsePressure : public DieModelTest, public ::testing::WithParamInterface<PressureCase> {};

TEST_P(UsePressure, TypesTheHeadPressureIntoTheBackPressureCell) {
    model.mutableCase() = MetricTwoStageCase();
    model.selectScrewType(static_cast<int>(GetParam().type));
    model.mnuOperatingPoint_Click();
    const double pressure = model.operatingPoint().pressure;
    ASSERT_GT(pressure, 10);
    model.cmdUsePressure_Click();
    EXPECT_EQ(model.state().txtExtSys[3].text, QPROUND(pressure, 3));
    EXPECT_NEAR(model.currentCase().*GetParam().backPressure, pressure, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Screws, UsePressure,
    ::testing::Values(PressureCase{ScrewType::SingleFlighted, &Case::SystemBackPressure},
                      PressureCase{ScrewType::TwoStage, &Case::SecondStageBackPressure}));

TEST_F(DieModelTest, ExportCsvWritesTheSweep) {
    model.mnuOperatingPoint_Click();
    const std::string path = folder.path("sweep.csv");
    desktop.answerFileDialog(path);
    model.cmdExportCsv_Click();
    EXPECT_EQ(desktop.dialogs.back().filter, "CSV Files (*.csv)|*.csv");
    EXPECT_EQ(ReadFileBytes(path), SweepCsv(model.sweep().rows));

    const std::string folderPath = folder.path("");
    desktop.answerFileDialog(folderPath);
    model.cmdExportCsv_Click();
    const auto messages = desktop.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(IsSaveFailedMessage(messages[0].text, folderPath));
}

}  // namespace
}  // namespace veredod::testing
