// SPDX-License-Identifier: GPL-3.0-or-later
// The die tab, the "Analysis" menu and the Operating Point window, bound to
// the main window's way of running handlers.

#include <QAction>
#include <QMenuBar>
#include <QTabWidget>

#include "app/die_tab.h"
#include "app/main_window.h"
#include "app/name_text.h"
#include "app/operating_point_window.h"

namespace veredod::app {

void MainWindow::createDieTab() {
    m_dieTab = new DieTab(
        m_model, [this](const std::function<void()>& handler) { runHandler(handler); }, this);
    m_dieTab->setObjectName(QStringLiteral("tabDie"));
    m_sstProperties->addTab(m_dieTab, DecodeName(m_model.state().tabDie.tabCaption));
}

void MainWindow::createAnalysisMenu() {
    m_mnuAnalysis = menuBar()->addMenu(QString());
    m_mnuAnalysis->setObjectName(QStringLiteral("mnuAnalysis"));
    m_mnuOperatingPoint = m_mnuAnalysis->addAction(QString());
    m_mnuOperatingPoint->setObjectName(QStringLiteral("mnuOperatingPoint"));
    connect(m_mnuOperatingPoint, &QAction::triggered, this, [this] {
        runCommand(&MainModel::mnuOperatingPoint_Click);
        if (m_frmOperatingPoint == nullptr) return;
        m_frmOperatingPoint->raise();
        m_frmOperatingPoint->activateWindow();
    });
}

// The Operating Point window is made when the model first opens it and kept
// afterwards, so reopening it is instant and shows it where the user left it.
void MainWindow::syncAnalysis() {
    const WindowState& state = m_model.state();
    m_mnuAnalysis->setTitle(u'&' + DecodeName(state.mnuAnalysisCaption));
    m_mnuOperatingPoint->setText(DecodeName(state.mnuOperatingPointCaption));
    m_sstProperties->setTabText(m_sstProperties->indexOf(m_dieTab),
                                DecodeName(state.tabDie.tabCaption));
    m_dieTab->syncFromModel();
    if (m_frmOperatingPoint == nullptr && state.frmOperatingPoint.visible) {
        m_frmOperatingPoint = new OperatingPointWindow(
            m_model, [this](const std::function<void()>& handler) { runHandler(handler); }, this);
    }
    if (m_frmOperatingPoint != nullptr) m_frmOperatingPoint->syncFromModel();
}

}  // namespace veredod::app
