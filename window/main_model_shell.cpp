// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's print, About, tool bar and web-address commands.

#include "model/messages.h"
#include "output/maker.h"
#include "output/report.h"
#include "window/links.h"
#include "window/main_model.h"

namespace veredod {

void MainModel::mnuPrint_Click() {
    const ReportLines report = BuildReport(m_case, m_resins, modes(), m_format.decimalSeparator);
    std::string error;
    // An unfinished report is never handed to the printer: a half report on
    // paper would pass for a whole one.
    if (report.complete && m_desktop.printLines(report.lines, error)) return;
    m_desktop.showDetailedMessage(MessageIcon::Critical, "Print Error", kAppTitle, error);
}

void MainModel::mnuAbout_Click() {
    m_desktop.showAbout();
}

void MainModel::cmndToolBar_Click(int index) {
    switch (index) {
        case 0:
            mnuNew_Click();
            break;
        case 1:
            mnuOpen_Click();
            break;
        case 2:
            mnuSave_Click();
            break;
        case 3:
            mnuPrint_Click();
            break;
        case 4:
            mnuCalc_Click();
            break;
        case 5:
            mnuAbout_Click();
            break;
        default:
            break;
    }
}

void MainModel::lblWebAddress_Click() {
    if (auto url = NormaliseWebAddress(m_desktop, maker::kWebHost)) {
        ShellToBrowser(m_desktop, *url, 0);
    }
}

}  // namespace veredod
