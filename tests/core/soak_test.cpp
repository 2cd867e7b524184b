// SPDX-License-Identifier: GPL-3.0-or-later
// A user at random: odd text typed and pasted into any cell, switches,
// resin commands and case files, in a fixed but arbitrary order. Whatever
// happens, the resin database on disk stays a database the program reads
// back cleanly, holding the resins the list shows.

#include <random>

#include "resins/resin_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "support/words.h"
#include "window/main_model.h"

namespace veredod::testing {
namespace {

// In the notation of the data files, then two words too long for any cell.
const Words kOddTexts = [] {
    Words texts =
        Split(R"("HDPE\nfilm grade" "a\r\nb\rc" "\t\x01\x7F" 1e999 -1e400 "" 0 12.5mm 1,000)"
              R"( "3 .5" " 2.5 " abc 920 -0 .0635 nan inf 1e308 "PP, \"film\" \xC3\xA9")");
    texts.push_back("&H" + std::string(300, 'F'));
    texts.push_back(std::string(400, '9'));
    return texts;
}();

TEST(SoakTest, RandomActionsKeepTheResinDatabaseReadable) {
    TempFolder folder;
    const std::string resinPath = folder.path("resins.dat");
    const std::string casePath = folder.path("case.txt");
    WriteBytes(resinPath, ReadBytes(SourcePath("tests/data/model/three_resins.dat")));
    ScriptedDesktop desktop;
    MainModel model(desktop);
    desktop.answerFileDialog(resinPath);
    ASSERT_TRUE(model.startUp());

    std::mt19937 random(20240611);
    auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const CellGroup groups[] = {CellGroup::Var, CellGroup::ExtSys, CellGroup::MotorSpec,
                                CellGroup::MatlProp, CellGroup::MatlProp};
    bool caseSaved = false;
    size_t unsavedAdds = 0;  // Add appends to the list; the file gets it at the next save
    for (int step = 0; step < 300; ++step) {
        const int action = pick(12);
        if (action < 4) {
            // One commit in four goes to the name cell, which takes any text.
            const CellGroup group = action == 0 ? CellGroup::MatlProp : groups[pick(5)];
            const int index = action == 0                    ? 0
                              : group == CellGroup::Var      ? pick(12)
                              : group == CellGroup::MatlProp ? pick(9)
                                                             : pick(4);
            model.setCellText(group, index, kOddTexts[pick(static_cast<int>(kOddTexts.size()))]);
            const bool saves = group == CellGroup::MatlProp && model.resinTable().current();
            model.commitCell(group, index);
            if (saves) unsavedAdds = 0;
        } else if (action == 4) {
            model.selectUnits(pick(2));
            model.selectSectLength(pick(2));
            model.selectScrewType(pick(3));
        } else if (action == 5) {
            const size_t listed = model.state().cmbResins.size();
            model.cmndAddResin_Click();
            unsavedAdds += model.state().cmbResins.size() - listed;
        } else if (action == 6 || action == 11) {
            if (model.state().cmbResinsIndex >= 0) unsavedAdds = 0;
            model.cmndDeleteResin_Click();
        } else if (action == 7) {
            model.selectResin(pick(static_cast<int>(model.state().cmbResins.size()) + 1) - 1);
        } else if (action == 8) {
            model.cmndAddResin_Click();
            model.setCellText(CellGroup::MatlProp, 0, kOddTexts[pick(3)]);
            model.txtMatlProp_KeyPress(0, kEnterKey);
            unsavedAdds = 0;
        } else if (action == 9) {
            desktop.answerFileDialog(casePath);
            model.mnuSaveAs_Click();
            caseSaved = true;
        } else {
            // The resin database itself is an odd case file to open.
            desktop.answerFileDialog(caseSaved && pick(2) == 0 ? casePath : resinPath);
            model.mnuOpen_Click();
            model.mnuCalc_Click();
        }
        desktop.messages.clear();

        const ResinLoad onDisk = ReadResinDatabase(ReadBytes(resinPath));
        ASSERT_TRUE(onDisk.problems.empty()) << "step " << step << ": " << ResinLoadMessage(onDisk);
        const std::vector<std::string>& listed = model.state().cmbResins;
        ASSERT_EQ(onDisk.records.size() + unsavedAdds, listed.size()) << "step " << step;
        for (size_t i = 0; i < onDisk.records.size(); ++i) {
            ASSERT_EQ(onDisk.records[i].ResinName, listed[i]) << "step " << step;
        }
    }
}

}  // namespace
}  // namespace veredod::testing
