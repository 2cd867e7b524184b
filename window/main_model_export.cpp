// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report's other outlets: a PDF file and the print preview.

#include <filesystem>

#include "model/atomic_write.h"
#include "model/messages.h"
#include "output/report.h"
#include "window/main_model.h"

namespace veredod {

namespace {

// The PDF is offered beside the case it reports, under the case's name.
FileDialogRequest PdfDialog(const std::string& caseFile) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = "Export PDF";
    request.defaultExtension = "PDF";
    request.filter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";
    request.folderMustExist = true;
    if (!caseFile.empty()) {
        request.initialName = std::filesystem::path(caseFile).replace_extension(".pdf").string();
    }
    return request;
}

}  // namespace

void MainModel::mnuPrintPreview_Click() {
    const ReportLines report = BuildReport(m_case, m_resins, modes(), m_format.decimalSeparator);
    if (!report.complete) {
        m_desktop.showMessage(MessageIcon::Critical, "Print Error", kAppTitle);
        return;
    }
    m_desktop.previewLines(report.lines);
}

void MainModel::mnuExportPdf_Click() {
    // A report that cannot be made fails before the user picks a file for it.
    const ReportLines report = BuildReport(m_case, m_resins, modes(), m_format.decimalSeparator);
    if (!report.complete) {
        m_desktop.showMessage(MessageIcon::Critical, "Print Error", kAppTitle);
        return;
    }
    const std::string path = m_desktop.chooseFile(PdfDialog(m_state.CaseFile));
    if (path.empty()) return;
    std::string error;
    if (!m_desktop.writePdf(report.lines, path, error)) {
        showExclamation(SaveFailedMessage(path, error));
    }
}

}  // namespace veredod
