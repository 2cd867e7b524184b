// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "model/file_backup.h"
#include "resins/resin_file.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kResinFilter = "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*";
constexpr double kNewResinSolidDensity = 920;

}  // namespace

bool MainModel::OpenRes() {
    m_desktop.setBusy(true);
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = "Open Resin Database File";
    request.defaultExtension = "DAT";
    request.filter = kResinFilter;
    request.folderMustExist = true;
    request.fileMustExist = true;
    const std::string chosen = m_desktop.chooseFile(request);
    if (chosen.empty()) {
        m_desktop.setBusy(false);
        return false;
    }
    // Blanks may end a file name; the path is the one the user chose.
    m_state.ResinFile = chosen;
    takeResinLoad(m_state.ResinFile);
    m_desktop.setBusy(false);
    return true;
}

// The table becomes exactly what the file holds, so that the list and the
// table never disagree, not even for an unreadable file. An empty file is
// the one exception: the two blank start-up records stay, unlisted, so that
// Calculate meets a blank resin rather than none.
void MainModel::takeResinLoad(const std::string& path) {
    ResinLoad load = LoadResinDatabase(path);
    const std::string problems = ResinLoadMessage(load);
    m_keepOriginalBeforeSave = !problems.empty();
    if (!load.opened) {
        m_resins.Resins.clear();
        m_resins.LastResin = -1;
        rebuildResinList();
        showExclamation("Error: " + load.openError);
        return;
    }
    m_resins.Resins = std::move(load.records);
    m_resins.LastResin = static_cast<int>(m_resins.Resins.size()) - 1;
    rebuildResinList();
    if (m_resins.Resins.empty()) {
        m_resins.Resins.resize(2);
        m_resins.LastResin = 0;
    }
    if (!problems.empty()) showExclamation(problems);
}

void MainModel::rebuildResinList() {
    const int count = std::min(m_resins.LastResin + 1, static_cast<int>(m_resins.Resins.size()));
    m_state.cmbResins.clear();
    m_state.cmbResins.reserve(std::max(count, 0));
    for (int i = 0; i < count; ++i) m_state.cmbResins.push_back(m_resins.Resins[i].ResinName);
    m_state.cmbResinsIndex = -1;
    ++m_state.resinListRevision;
}

void MainModel::selectResin(int listIndex) {
    if (listIndex < -1 || listIndex >= static_cast<int>(m_state.cmbResins.size())) return;
    if (listIndex == m_state.cmbResinsIndex) return;
    m_state.cmbResinsIndex = listIndex;
    if (listIndex >= 0) cmbResins_Click();
}

void MainModel::cmbResins_Click() {
    if (m_state.cmbResinsIndex < 0) return;
    m_resins.CurrentResin = m_state.cmbResinsIndex;
    AlignResinUnits();
    UpdateCells();
}

void MainModel::cmndAddResin_Click() {
    if (m_resins.LastResin >= kMaxResinIndex) {
        showExclamation(
            "The resin database already holds the largest number of resins it can (32,768); "
            "delete one before adding another.");
        return;
    }
    DisplayDefaultResins();
    const int added = ++m_resins.LastResin;
    m_state.cmbResins.resize(added + 1);
    m_state.cmbResins[added].clear();
    ++m_state.resinListRevision;
    m_resins.Resins.resize(added + 1);
    m_resins.Resins[added] = ResinRecord{};

    selectResin(added);
    m_resins.CurrentResin = added;
    for (auto& cell : m_state.txtMatlProp) cell.text.clear();
    m_matlPropRefreshed = {};
    ResinRecord& record = m_resins.Resins[added];
    record.ResinIsMetric = activeUnits() == UnitSystem::Metric;
    record.SolidDensity = kNewResinSolidDensity;
}

void MainModel::cmndDeleteResin_Click() {
    const int doomed = m_state.cmbResinsIndex;
    if (doomed < 0 || doomed > m_resins.LastResin || !m_resins.hasIndex(doomed)) return;

    m_resins.Resins.erase(m_resins.Resins.begin() + doomed);
    --m_resins.LastResin;
    m_resins.Resins.resize(m_resins.LastResin + 1);
    SaveResin();
    rebuildResinList();
    if (m_resins.LastResin >= 0) {
        selectResin(std::min(doomed, m_resins.LastResin));
    } else {
        m_resins.CurrentResin = 0;
        UpdateCells();
    }
}

void MainModel::SaveResin() {
    std::string keptIn;
    if (m_keepOriginalBeforeSave) {
        const BackupOutcome backup = KeepBackupCopy(m_state.ResinFile);
        if (!backup.ok) {
            showExclamation(SaveFailedMessage(
                m_state.ResinFile, "its original could not be kept first (" + backup.error + ")"));
            return;
        }
        keptIn = backup.backupPath;
    }
    const WriteOutcome outcome =
        SaveResinDatabase(m_state.ResinFile, m_resins.Resins, m_resins.LastResin);
    if (!outcome.ok) {
        showExclamation(SaveFailedMessage(m_state.ResinFile, outcome.error));
        return;
    }
    m_keepOriginalBeforeSave = false;
    if (!keptIn.empty()) {
        m_desktop.showMessage(MessageIcon::Information,
                              "The resin database did not load cleanly, so its original content "
                              "was kept in " +
                                  keptIn + " before the first save.",
                              kAppTitle);
    }
}

}  // namespace veredod
