// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keyboard path, its status line and the scrolling that lets it
// fit a low screen.

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>

#include "app/main_window.h"

namespace veredod::app {

QScrollArea* MainWindow::scrolled(QWidget* content) {
    auto* area = new QScrollArea(this);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // The cells inside take the focus, never the area around them.
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    m_lblStatus = new QLabel(bar);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setAccessibleName(QStringLiteral("Status"));
    // A long line is cut at the window's edge, not widening the window; its
    // tooltip holds all of it.
    m_lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblStatus->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(m_lblStatus, 1);
}

// Tab follows the eye: option groups, the geometry left to right and first
// stage before second, the property page, the results. Hidden cells and the
// other pages' cells are skipped by Qt.
void MainWindow::chainTabOrder() {
    QList<QWidget*> chain;
    for (QRadioButton* button : m_optUnits) chain << button;
    for (QRadioButton* button : m_optSectLength) chain << button;
    for (QRadioButton* button : m_optScrewType) chain << button;
    for (QLineEdit* cell : m_txtVar) chain << cell;
    chain << m_cmbResins << m_cmndAddResin << m_cmndDeleteResin;
    for (QLineEdit* cell : m_txtMatlProp) chain << cell;
    for (QLineEdit* cell : m_txtExtSys) chain << cell;
    for (QLineEdit* cell : m_txtMotorSpec) chain << cell;
    chain << m_lstResults;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
    // The pages change with Ctrl+Tab and the tab's mnemonic; Tab itself
    // goes from the results list back to the option groups.
    m_sstProperties->setFocusPolicy(Qt::NoFocus);
}

void MainWindow::syncStatus() {
    const QString text = QString::fromStdString(m_model.state().statusBar);
    m_lblStatus->setText(text);
    m_lblStatus->setToolTip(text);
}

}  // namespace veredod::app
