// SPDX-License-Identifier: GPL-3.0-or-later
// What a script cannot type: values that are not finite, and resin names
// set other than through the name cell. The rest is played in
// tests/data/model/data_safety.txt.

#include <cmath>
#include <limits>

#include "resins/resin_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "window/main_model.h"

namespace veredod::testing {
namespace {

TEST(DataSafety, ANotFiniteValueShowsAs0AndTypingThat0Stores0) {
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    WriteBytes(path, ReadBytes(SourcePath("tests/data/model/three_resins.dat")));
    ScriptedDesktop desktop;
    MainModel model(desktop);
    desktop.answerFileDialog(path);
    ASSERT_TRUE(model.startUp());
    model.mutableCase().ScrewDiameter = std::numeric_limits<double>::infinity();
    model.mutableResins().Resins[0].MeltDensity = std::nan("");
    model.UpdateCells();
    EXPECT_EQ(model.state().txtVar[0].text, "0");
    for (CellGroup group : {CellGroup::Var, CellGroup::MatlProp}) {
        model.setCellText(group, group == CellGroup::Var ? 0 : 2, "0");
        model.commitCell(group, group == CellGroup::Var ? 0 : 2);
    }
    EXPECT_EQ(model.currentCase().ScrewDiameter, 0);
    EXPECT_EQ(model.resinTable().Resins[0].MeltDensity, 0);
    EXPECT_TRUE(desktop.messages.empty());

    model.mutableResins().Resins[1].ResinName = "set\nelsewhere";
    const ResinTable& table = model.resinTable();
    EXPECT_EQ(
        ReadResinDatabase(ResinDatabaseText(table.Resins, table.LastResin)).records.at(1).ResinName,
        "set elsewhere");
    EXPECT_EQ(ReadResinDatabase("A\rB\tC\r\nTrue\r\n").records.at(0).ResinName, "A B C");
}

}  // namespace
}  // namespace veredod::testing
