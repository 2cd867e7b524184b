#include "model/qpround.h"
#include "model_fixture.h"
#include "resins/default_resins.h"

namespace veredod::testing {
namespace {

using ResinCommandsTest = ModelTest;

std::vector<ResinRecord> FourResins() {
    return {
        MakeResin("A", true, {1, 2, 3, 4, .5, 6, 7, .8}),
        MakeResin("B", true, {10, 20, 30, 40, .25, 60, 70, .9}),
        MakeResin("C", true, {11, 21, 31, 41, .35, 61, 71, .19}),
        MakeResin("D", true, {12, 22, 32, 42, .45, 62, 72, .29}),
    };
}

std::vector<std::string> MatlPropTexts(const WindowState& s) {
    std::vector<std::string> texts;
    for (const Cell& cell : s.txtMatlProp) texts.push_back(cell.text);
    return texts;
}

TEST_F(ResinCommandsTest, SelectingConvertsTheResinInMemoryOnly) {
    startWith(SampleResins());
    const std::string onDisk = resinFileBytes();
    model.selectResin(1);
    EXPECT_EQ(model.resinTable().CurrentResin, 1);
    EXPECT_TRUE(resin(1).ResinIsMetric);
    EXPECT_EQ(resin(1).MeltDensity, 53.688 * 16.018464);
    EXPECT_EQ(model.state().txtMatlProp[0].text, "PS, general purpose");
    EXPECT_EQ(model.state().txtMatlProp[2].text, QPROUND(53.688 * 16.018464, 3));
    EXPECT_EQ(resinFileBytes(), onDisk);
}

TEST_F(ResinCommandsTest, SelectingTheSelectedEntryAgainRunsNothing) {
    startWith(SampleResins());
    model.mutableResins().Resins[0].ResinIsMetric = false;
    model.selectResin(0);
    EXPECT_FALSE(resin(0).ResinIsMetric);
    model.selectResin(7);  // no such entry
    EXPECT_EQ(model.state().cmbResinsIndex, 0);
    model.selectResin(2);
    model.selectResin(0);
    EXPECT_TRUE(resin(0).ResinIsMetric);
}

TEST(ResinAddTest, ShowsTheTypicalValuesAndStartsABlankResin) {
    struct Row {
        int units;
        bool metric;
    };
    for (const Row row : {Row{0, true}, Row{1, false}}) {
        ScriptedDesktop quiet;
        MainModel m(quiet);
        ScratchFolder scratch;
        const std::string path = scratch.path("r.dat");
        WriteFileBytes(path, ResinDatabaseText(SampleResins(), 2));
        quiet.answerFileDialog(path);
        ASSERT_TRUE(m.startUp());
        m.selectUnits(row.units);
        const unsigned listRevision = m.state().resinListRevision;

        m.cmndAddResin_Click();
        const WindowState& s = m.state();
        EXPECT_EQ(s.lstResults,
                  DefaultResinLines(row.metric ? UnitSystem::Metric : UnitSystem::US));
        EXPECT_EQ(s.lstResults.size(), 18u);
        EXPECT_EQ(s.lstResultsFont, "courier");
        EXPECT_EQ(s.cmbResins.size(), 4u);
        EXPECT_EQ(s.cmbResins[3], "");
        EXPECT_EQ(s.cmbResinsIndex, 3);
        EXPECT_NE(s.resinListRevision, listRevision);
        EXPECT_EQ(m.resinTable().CurrentResin, 3);
        EXPECT_EQ(m.resinTable().LastResin, 3);
        EXPECT_EQ(MatlPropTexts(s), std::vector<std::string>(9, ""));

        ResinRecord expected;
        expected.ResinIsMetric = row.metric;
        expected.SolidDensity = 920;
        EXPECT_EQ(m.resinTable().Resins.at(3), expected);
        EXPECT_EQ(ReadFileBytes(path), ResinDatabaseText(SampleResins(), 2)) << "no write";
        EXPECT_TRUE(quiet.messages.empty());
    }
}

TEST_F(ResinCommandsTest, TheFirstCommitWritesTheAddedResin) {
    startWith(SampleResins());
    model.cmndAddResin_Click();
    type(CellGroup::MatlProp, 0, "LDPE");
    EXPECT_EQ(model.state().cmbResins.back(), "LDPE");
    EXPECT_EQ(model.state().cmbResinsIndex, 3);
    EXPECT_EQ(MatlPropTexts(model.state()),
              (std::vector<std::string>{"LDPE", "", "", "920", "", "", "", "", ""}));
    std::vector<ResinRecord> expected = SampleResins();
    expected.push_back(MakeResin("LDPE", true, {0, 0, 920, 0, 0, 0, 0, 0}));
    EXPECT_EQ(resinFileBytes(), ResinDatabaseText(expected, 3));
}

TEST_F(ResinCommandsTest, DeleteMovesTheLaterResinsUpAndSavesAtOnce) {
    const std::vector<ResinRecord> all = FourResins();
    startWith(all);
    struct Step {
        int select;             // -1: keep the selection
        std::vector<int> left;  // the original records still held, in order
        int selectedAfter;
    };
    const Step steps[] = {
        {1, {0, 2, 3}, 1},                              // the resin that moved into place 1
        {2, {0, 2}, 1},                                 // the last one: the new last is selected
        {-1, {0}, 0},      {-1, {}, -1}, {-1, {}, -1},  // nothing selected: nothing happens
    };
    for (const Step& step : steps) {
        if (step.select >= 0) model.selectResin(step.select);
        model.cmndDeleteResin_Click();
        std::vector<ResinRecord> expected;
        std::vector<std::string> names;
        for (int i : step.left) {
            expected.push_back(all[i]);
            names.push_back(all[i].ResinName);
        }
        const int last = static_cast<int>(expected.size()) - 1;
        EXPECT_EQ(model.resinTable().Resins, expected);
        EXPECT_EQ(model.resinTable().LastResin, last);
        EXPECT_EQ(resinFileBytes(), ResinDatabaseText(expected, last));
        EXPECT_EQ(model.state().cmbResins, names);
        EXPECT_EQ(model.state().cmbResinsIndex, step.selectedAfter);
        if (step.selectedAfter >= 0) {
            EXPECT_EQ(model.resinTable().CurrentResin, step.selectedAfter);
            EXPECT_EQ(model.state().txtMatlProp[0].text, names[step.selectedAfter]);
        } else {
            EXPECT_EQ(MatlPropTexts(model.state()), std::vector<std::string>(9, ""));
        }
    }
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ResinCommandsTest, TheFileHoldsExactlyTheRecordsLeft) {
    startWith(FourResins());
    for (int i = 0; i < 3; ++i) {
        model.selectResin(1);
        model.cmndDeleteResin_Click();
    }
    EXPECT_EQ(resinFileBytes(),
              "A\r\nTrue\r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n .5 \r\n 6 \r\n 7 \r\n .8 \r\n");
}

TEST_F(ResinCommandsTest, AResinAddedAfterADeletionStartsBlank) {
    startWith(FourResins());
    model.selectResin(3);
    model.cmndDeleteResin_Click();
    model.cmndAddResin_Click();
    EXPECT_EQ(model.resinTable().LastResin, 3);
    ResinRecord expected;
    expected.ResinIsMetric = true;
    expected.SolidDensity = 920;
    EXPECT_EQ(resin(3), expected);
}

TEST_F(ResinCommandsTest, AfterTheLastResinIsGoneAddCreatesTheFirst) {
    startWith({MakeResin("Only", false, {1, 2, 3, 4, 5, 6, 7, 8})});
    model.cmndDeleteResin_Click();
    EXPECT_EQ(resinFileBytes(), "");
    model.cmndAddResin_Click();
    EXPECT_EQ(model.state().cmbResins, std::vector<std::string>{""});
    EXPECT_EQ(model.state().cmbResinsIndex, 0);
    type(CellGroup::MatlProp, 0, "New");
    EXPECT_EQ(ReadResinDatabase(resinFileBytes()).records.size(), 1u);
    EXPECT_EQ(model.state().cmbResins, std::vector<std::string>{"New"});
}

TEST_F(ResinCommandsTest, AddIsRefusedAtTheLargestIndex) {
    startWith(SampleResins());
    ResinTable& table = model.mutableResins();
    table.Resins.resize(kMaxResinIndex + 1);
    table.LastResin = kMaxResinIndex;
    const std::vector<std::string> results = model.state().lstResults;

    model.cmndAddResin_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(desktop.messages[0].title, "Veredod");
    EXPECT_NE(desktop.messages[0].text.find("32,768"), std::string::npos);
    EXPECT_EQ(model.resinTable().LastResin, kMaxResinIndex);
    EXPECT_EQ(model.resinTable().Resins.size(), kMaxResinIndex + 1u);
    EXPECT_EQ(model.state().lstResults, results);
}

TEST_F(ResinCommandsTest, AFailedSaveAfterADeletionIsReported) {
    startWith(FourResins(), LongestFileName());
    const std::string onDisk = resinFileBytes();
    model.selectResin(0);
    model.cmndDeleteResin_Click();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_TRUE(IsSaveFailedMessage(desktop.messages[0].text, resinPath));
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(resinFileBytes(), onDisk);
    EXPECT_EQ(model.state().cmbResins, (std::vector<std::string>{"B", "C", "D"}));
}

}  // namespace
}  // namespace veredod::testing
