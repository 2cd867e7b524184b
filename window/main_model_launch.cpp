// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up sequence, for a plain start and for one from the command line.

#include "model/read_file.h"
#include "window/main_model.h"

namespace veredod {

bool MainModel::startUp(const StartOptions& options) {
    m_resins.Resins.resize(2);
    optScrewType_Click(0);
    optSectLength_Click(0);
    setHelpTexts();
    setFixedCaptions();
    const bool named = !options.resinFile.empty() && loadNamedDatabase(options.resinFile);
    if (!named && !OpenRes()) return false;
    optUnits_Click(0);
    if (!m_state.cmbResins.empty()) {
        selectResin(0);
    } else {
        m_resins.CurrentResin = 0;
        UpdateCells();
    }
    // The case comes last, onto a window that is otherwise ready, as if the
    // user had opened it at once.
    if (!options.caseFile.empty()) openCaseFile(options.caseFile);
    return true;
}

// The named file is loaded as if it had been chosen in the resin dialog, its
// message included. Only a file that cannot be read at all sends the user on
// to the dialog: one that reads with problems is what the user asked for.
bool MainModel::loadNamedDatabase(const std::string& path) {
    const bool readable = ReadWholeFile(path).ok;
    m_desktop.setBusy(true);
    m_state.ResinFile = path;
    takeResinLoad(path);
    m_desktop.setBusy(false);
    return readable;
}

}  // namespace veredod
