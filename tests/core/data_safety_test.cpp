// SPDX-License-Identifier: GPL-3.0-or-later
// What the user typed, chose or kept on disk is never silently lost or
// turned into something else.

#include <cmath>
#include <filesystem>
#include <functional>
#include <iterator>
#include <limits>

#include "entry/cell_reading.h"
#include "model/qpround.h"
#include "model_fixture.h"

namespace veredod::testing {
namespace {

using DataSafetyTest = ModelTest;

constexpr const char* kReenter = "Error, please re-enter numeric value";

std::vector<std::string> Texts(std::vector<RecordedMessage> messages) {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : messages) texts.push_back(message.text);
    return texts;
}

TEST_F(DataSafetyTest, AResinNameStaysOnOneLine) {
    startWith(SampleResins());
    const std::pair<std::string, std::string> rows[] = {
        {"HDPE\nfilm grade", "HDPE film grade"},
        {"HDPE\r\nfilm grade", "HDPE film grade"},
        {"a\rb\n\nc", "a b  c"},
        {"tab\there\x01\x7F", "tab here  "},
        {"\r\n", " "},
        {"  commas, \"quotes\" \xC3\xA9 ", "  commas, \"quotes\" \xC3\xA9 "},
    };
    for (const auto& [typed, stored] : rows) {
        type(CellGroup::MatlProp, 0, typed);
        EXPECT_EQ(resin(0).ResinName, stored);
        EXPECT_EQ(model.state().cmbResins.at(0), stored);
        const ResinLoad saved = ReadResinDatabase(resinFileBytes());
        EXPECT_TRUE(saved.problems.empty()) << ResinLoadMessage(saved);
        ASSERT_EQ(saved.records.size(), 3u);
        EXPECT_EQ(saved.records[0].ResinName, stored);
    }
    // Names that come by other ways: set in the table directly, read from a file.
    model.mutableResins().Resins[1].ResinName = "set\nelsewhere";
    EXPECT_EQ(ReadResinDatabase(expectedDatabase()).records.at(1).ResinName, "set elsewhere");
    EXPECT_EQ(ReadResinDatabase("A\rB\tC\r\nTrue\r\n").records.at(0).ResinName, "A B C");
}

TEST(ProblemDatabaseTest, ItsOriginalIsKeptBesideItBeforeTheFirstSave) {
    std::string picture;
    for (int row = 0; row < 30; ++row) picture += "pixel row " + std::to_string(row) + "\n";
    const std::string clean = ResinDatabaseText(SampleResins(), 2);
    struct Row {
        std::string original, oldBackup, keptIn;
        long files;  // in the folder afterwards
    };
    const Row rows[] = {
        {picture, "", ".bak", 2},
        {picture, "an older backup", ".bak.1", 3},
        {picture, picture, ".bak", 2},  // already kept: used as it is
        {clean, "", "", 1},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        const std::string path = folder.path("resins.dat");
        WriteFileBytes(path, row.original);
        if (!row.oldBackup.empty()) WriteFileBytes(path + ".bak", row.oldBackup);
        ScriptedDesktop desktop;
        MainModel model(desktop);
        desktop.answerFileDialog(path);
        ASSERT_TRUE(model.startUp());
        desktop.messages.clear();

        model.cmndDeleteResin_Click();
        if (row.keptIn.empty()) {
            EXPECT_TRUE(desktop.messages.empty());
        } else {
            ASSERT_EQ(desktop.messages.size(), 1u);
            EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(desktop.messages[0].title, "Veredod");
            EXPECT_NE(desktop.messages[0].text.find(path + row.keptIn + " "), std::string::npos)
                << desktop.messages[0].text;
            EXPECT_EQ(ReadFileBytes(path + row.keptIn), row.original);
        }
        model.cmndDeleteResin_Click();  // later saves keep nothing more and say nothing
        EXPECT_EQ(desktop.messages.size(), row.keptIn.empty() ? 0u : 1u);
        if (!row.oldBackup.empty()) {
            EXPECT_EQ(ReadFileBytes(path + ".bak"), row.oldBackup);
        }
        const std::filesystem::directory_iterator entries(folder.path(""));
        EXPECT_EQ(std::distance(begin(entries), end(entries)), row.files);
        const ResinLoad saved = ReadResinDatabase(ReadFileBytes(path));
        EXPECT_TRUE(saved.problems.empty());
        EXPECT_EQ(saved.records.size(), 1u);
    }
}

TEST_F(DataSafetyTest, ANumberTooLargeForADoubleIsRefused) {
    startWith(SampleResins());
    type(CellGroup::Var, 0, "2.5");
    type(CellGroup::ExtSys, 2, "100");
    type(CellGroup::MotorSpec, 1, "50");
    struct Row {
        CellGroup group;
        int index;
        std::string text;
        double kept;
    };
    const Row rows[] = {
        {CellGroup::Var, 0, "1e999", 2.5},
        {CellGroup::Var, 7, "-1e400", 0},
        {CellGroup::ExtSys, 2, "&H" + std::string(300, 'F'), 100},
        {CellGroup::MotorSpec, 1, std::string(400, '9'), 50},
        {CellGroup::MatlProp, 2, "1e999", 770},
    };
    auto stored = [this](const Row& row) {
        Case& c = model.mutableCase();
        switch (row.group) {
            case CellGroup::Var:
                return *VarField(c, row.index);
            case CellGroup::ExtSys:
                return *ExtSysField(c, row.index, ScrewType::Barrier);
            case CellGroup::MotorSpec:
                return *MotorSpecField(c, row.index);
            case CellGroup::MatlProp:
                break;
        }
        return resin(0).number(row.index - 1);
    };
    auto cellText = [this](const Row& row) {
        model.commitCell(row.group, row.index);  // the shown text, committed again
        return row.group == CellGroup::MatlProp ? model.state().txtMatlProp[row.index].text
               : row.group == CellGroup::Var    ? model.state().txtVar[row.index].text
               : row.group == CellGroup::ExtSys ? model.state().txtExtSys[row.index].text
                                                : model.state().txtMotorSpec[row.index].text;
    };
    for (const Row& row : rows) {
        type(row.group, row.index, row.text);
        EXPECT_EQ(Texts(desktop.takeMessages()), std::vector<std::string>{kReenter}) << row.text;
        EXPECT_EQ(stored(row), row.kept) << row.text;
        EXPECT_EQ(cellText(row), QPROUND(row.kept, 3)) << row.text;
        EXPECT_TRUE(desktop.takeMessages().empty());
    }
    // A value that is not finite shows as 0; typing that 0 stores 0.
    model.mutableCase().ScrewDiameter = std::numeric_limits<double>::infinity();
    type(CellGroup::Var, 0, "0");
    EXPECT_EQ(model.currentCase().ScrewDiameter, 0);
    model.mutableResins().Resins[0].MeltDensity = std::nan("");
    type(CellGroup::MatlProp, 2, "0");
    EXPECT_EQ(resin(0).MeltDensity, 0);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DataSafetyTest, AnEmptyDatabaseGivesABlankResinAndNoCascadeOfBoxes) {
    startWith({});
    const ResinTable& table = model.resinTable();
    EXPECT_TRUE(model.state().cmbResins.empty());
    EXPECT_EQ(table.LastResin, 0);
    ASSERT_EQ(table.Resins.size(), 2u);
    EXPECT_EQ(table.Resins[1], ResinRecord{});
    EXPECT_EQ(table.Resins[0].ResinName, "");
    for (const Cell& cell : model.state().txtMatlProp) EXPECT_EQ(cell.text, "");

    // Each user action, at most one box.
    const std::function<void()> actions[] = {
        [&] { model.selectUnits(1); },
        [&] { model.cmndDeleteResin_Click(); },  // nothing selected: nothing to delete
        [&] {
            desktop.answerFileDialog(std::string(VEREDOD_SOURCE_DIR) +
                                     "/examples/worked-example-us.txt");
            model.mnuOpen_Click();
        },
        [&] { model.mnuCalc_Click(); },
        [&] { type(CellGroup::MatlProp, 0, "First"); },
        [&] { model.cmndDeleteResin_Click(); },
        [&] { model.selectScrewType(2); },
        [&] { model.mnuCalc_Click(); },
    };
    for (const auto& action : actions) {
        action();
        const std::vector<RecordedMessage> said = desktop.takeMessages();
        EXPECT_LE(said.size(), 1u);
        if (table.LastResin >= 0) {
            for (const RecordedMessage& message : said) {
                EXPECT_EQ(message.text.find("Subscript"), std::string::npos);
            }
        }
    }
    EXPECT_EQ(resinFileBytes(), "");
    EXPECT_EQ(model.state().lstResults.size(), 27u);
}

TEST_F(DataSafetyTest, LeavingAnUntouchedResinCellReadsNothing) {
    startWith(SampleResins());
    model.cmndAddResin_Click();
    for (int i = 1; i <= 8; ++i) model.commitCell(CellGroup::MatlProp, i);
    model.selectResin(1);  // PS holds a heat of fusion of 0: an empty cell
    model.commitCell(CellGroup::MatlProp, 7);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(resin(3).SolidDensity, 920);
    EXPECT_EQ(resin(1).HeatOfFusion, 0);

    const double solidDensity = resin(1).SolidDensity;
    type(CellGroup::MatlProp, 3, "");  // emptied by the user
    EXPECT_EQ(Texts(desktop.takeMessages()), std::vector<std::string>{kReenter});
    EXPECT_EQ(resin(1).SolidDensity, solidDensity);
}

TEST_F(DataSafetyTest, TheChosenResinPathIsUsedAsItIs) {
    const std::string trimmed = folder.path("resins.dat");
    WriteFileBytes(trimmed, "");
    startWith(SampleResins(), "resins.dat  ");
    EXPECT_EQ(model.state().ResinFile, trimmed + "  ");
    EXPECT_EQ(model.state().cmbResins.size(), 3u);
    model.cmndDeleteResin_Click();
    EXPECT_EQ(ReadResinDatabase(resinFileBytes()).records.size(), 2u);
    EXPECT_EQ(ReadFileBytes(trimmed), "");
    EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace veredod::testing
