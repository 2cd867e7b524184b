// SPDX-License-Identifier: GPL-3.0-or-later
#include "casefile/case_file.h"
#include "model/fields.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kCaseFilter = "Veredod Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

FileDialogRequest CaseDialog(FileDialogRequest::Mode mode) {
    FileDialogRequest request;
    request.mode = mode;
    const bool opening = mode == FileDialogRequest::Mode::Open;
    request.title = opening ? "Open Saved Data Entries" : "Save Current Data Entries";
    request.defaultExtension = "TXT";
    request.filter = kCaseFilter;
    request.folderMustExist = true;
    request.fileMustExist = opening;
    return request;
}

std::string CaptionFor(const std::string& caseFile) {
    return std::string(kProductTitle) + " (" + caseFile + ")";
}

}  // namespace

void MainModel::mnuNew_Click() {
    m_state.caption = kProductTitle;
    for (const CaseField& field : CaseFields()) {
        if (field.clearedByNew) m_case.*field.member = 0;
    }
    m_resins.CurrentResin = 0;
    m_state.CaseFile.clear();
    UpdateCells();
    setResults({});
    m_die = {};
    dieChanged();
}

void MainModel::mnuOpen_Click() {
    const std::string path = m_desktop.chooseFile(CaseDialog(FileDialogRequest::Mode::Open));
    if (!path.empty()) openCaseFile(path);
}

void MainModel::openCaseFile(const std::string& path) {
    const CaseFileData data = LoadCaseFile(path);
    if (!data.opened) {
        showExclamation("Output Error: " + data.openError);
        return;
    }
    m_state.CaseFile = path;
    m_state.caption = CaptionFor(path);
    applyCaseFile(data);
}

// The switches run first and convert the old values; the file's values then
// replace them as they stand, in the system the file names.
void MainModel::applyCaseFile(const CaseFileData& data) {
    for (const std::string& error : data.errors) showExclamation(error);
    if (data.screwType) selectScrewType(static_cast<int>(*data.screwType));
    if (data.unitSystem) selectUnits(static_cast<int>(*data.unitSystem));
    if (data.sectionLengthMode) selectSectLength(static_cast<int>(*data.sectionLengthMode));

    const ScrewType screwType = modes().screwType;
    for (int line = 4; line <= kCaseFileLines; ++line) {
        if (line == kResinIndexLine || !data.numbers[line]) continue;
        if (double* field = CaseFileField(m_case, line, screwType)) *field = *data.numbers[line];
    }

    if (data.resinIndex) {
        const int index = *data.resinIndex;
        if (index >= 0 && index <= m_resins.LastResin) {
            m_resins.CurrentResin = index;
        } else {
            showExclamation("The case names resin number " + std::to_string(index) +
                            ", which the resin database does not hold; the current resin is "
                            "kept.");
        }
    }
    UpdateCells();
    // The die belongs to the case: a file without one opens a case without one.
    m_die = data.die.value_or(Die{});
    m_state.tabDie.selectedRow = -1;
    dieChanged();
}

void MainModel::mnuSave_Click() {
    if (m_state.CaseFile.empty()) {
        mnuSaveAs_Click();
        return;
    }
    writeCaseFile(m_state.CaseFile);
}

void MainModel::mnuSaveAs_Click() {
    const std::string path = m_desktop.chooseFile(CaseDialog(FileDialogRequest::Mode::Save));
    if (path.empty()) return;
    if (!writeCaseFile(path)) return;
    m_state.CaseFile = path;
    m_state.caption = CaptionFor(path);
}

bool MainModel::writeCaseFile(const std::string& path) {
    const WriteOutcome outcome = SaveCaseFile(path, m_case, modes(), m_resins.CurrentResin, m_die);
    if (!outcome.ok) showExclamation(SaveFailedMessage(path, outcome.error));
    return outcome.ok;
}

}  // namespace veredod
