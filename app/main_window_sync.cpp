// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

#include "app/main_window.h"
#include "app/name_text.h"
#include "app/svg_picture.h"

namespace veredod::app {

namespace {

QString Text(const std::string& bytes) {
    return DecodeName(bytes);
}

// A caption as a screen reader should say it: without the mnemonic marker.
QString Spoken(const QString& caption) {
    QString text = caption;
    text.remove(u'&');
    return text.trimmed();
}

// A lenient cell whose text was only partly a number stands out until its
// text changes.
const char* const kWarningProperty = "readPartly";
const QString kWarningStyle = QStringLiteral("QLineEdit { background-color: #fff0b3; }");

void ApplyWarning(QLineEdit* edit, const Cell& state) {
    if (edit->property(kWarningProperty).toBool() == state.warning) return;
    edit->setProperty(kWarningProperty, state.warning);
    edit->setStyleSheet(state.warning ? kWarningStyle : QString());
}

void ApplyControl(QWidget* widget, const Control& control) {
    widget->setToolTip(Text(control.help));
    widget->setVisible(control.visible);
}

void ApplyLabel(QLabel* label, const Control& control) {
    label->setText(Text(control.caption));
    ApplyControl(label, control);
}

template <size_t N>
void ApplyOptionGroup(QButtonGroup* group, std::array<QRadioButton*, N>& buttons,
                      const OptionGroup& state) {
    const QSignalBlocker blockGroup(group);
    for (size_t i = 0; i < N; ++i) {
        const QSignalBlocker blockButton(buttons[i]);
        if (i < state.captions.size()) buttons[i]->setText(Text(state.captions[i]));
        buttons[i]->setAccessibleName(Spoken(buttons[i]->text()));
        if (int(i) == state.selected) buttons[i]->setChecked(true);
    }
}

}  // namespace

void MainWindow::syncFromModel() {
    if (m_syncing) return;
    m_syncing = true;
    syncCaptions();
    syncOptionGroups();
    syncGeometry();
    syncProperties();
    syncCells();
    syncResinList();
    syncResults();
    syncCommands();
    syncAccessibleNames();
    syncStatus();
    syncAnalysis();
    m_syncing = false;
}

void MainWindow::syncCaptions() {
    const WindowState& state = m_model.state();
    setWindowTitle(Text(state.caption));
    m_frameScrewType->setTitle(Text(state.frameScrewTypeCaption));
    m_lblWebAddress->setText(Text(state.lblWebAddress));
    m_lblWebAddress->setToolTip(m_lblWebAddress->text());
}

void MainWindow::syncOptionGroups() {
    const WindowState& state = m_model.state();
    ApplyOptionGroup(m_optUnitsGroup, m_optUnits, state.optUnits);
    ApplyOptionGroup(m_optSectLengthGroup, m_optSectLength, state.optSectLength);
    ApplyOptionGroup(m_optScrewTypeGroup, m_optScrewType, state.optScrewType);
}

void MainWindow::syncGeometry() {
    const WindowState& state = m_model.state();
    for (size_t i = 0; i < m_picScrew.size(); ++i) ApplyControl(m_picScrew[i], state.picScrew[i]);
    for (size_t i = 0; i < m_Label5.size(); ++i) ApplyLabel(m_Label5[i], state.Label5[i]);
    for (size_t i = 0; i < m_Label1.size(); ++i) ApplyLabel(m_Label1[i], state.Label1[i]);
}

void MainWindow::syncProperties() {
    const WindowState& state = m_model.state();
    for (size_t i = 0; i < m_Label2.size(); ++i) ApplyLabel(m_Label2[i], state.Label2[i]);
    for (size_t i = 0; i < m_Label3.size(); ++i) ApplyLabel(m_Label3[i], state.Label3[i]);
    for (size_t i = 0; i < m_Label4.size(); ++i) ApplyLabel(m_Label4[i], state.Label4[i]);
}

const Cell& MainWindow::stateCell(const CellBinding& cell) const {
    const WindowState& state = m_model.state();
    switch (cell.group) {
        case CellGroup::Var:
            return state.txtVar[cell.index];
        case CellGroup::ExtSys:
            return state.txtExtSys[cell.index];
        case CellGroup::MotorSpec:
            return state.txtMotorSpec[cell.index];
        case CellGroup::MatlProp:
            break;
    }
    return state.txtMatlProp[cell.index];
}

// A cell is rewritten only when the model holds another text than the one
// shown, so typing is never disturbed and the caret stays where it was.
void MainWindow::syncCells() {
    for (CellBinding& cell : m_cells) {
        const Cell& state = stateCell(cell);
        const QString text = Text(state.text);
        if (cell.edit->text() != text) {
            const QSignalBlocker block(cell.edit);
            cell.edit->setText(text);
            cell.edited = false;
            // A long resin name shows its start, not its end.
            const bool nameCell = cell.group == CellGroup::MatlProp && cell.index == 0;
            if (nameCell || !cell.edit->hasFocus()) cell.edit->setCursorPosition(0);
        }
        ApplyWarning(cell.edit, state);
        cell.edit->setToolTip(Text(state.warning ? state.warningTip : state.help));
        cell.edit->setAccessibleDescription(cell.edit->toolTip());
        cell.edit->setVisible(state.visible);
    }
}

void MainWindow::syncResinList() {
    const WindowState& state = m_model.state();
    const QSignalBlocker block(m_cmbResins);
    if (!m_resinListShown || state.resinListRevision != m_shownResinRevision) {
        QStringList names;
        names.reserve(qsizetype(state.cmbResins.size()));
        for (const std::string& name : state.cmbResins) names.append(Text(name));
        m_resinNames->setStringList(names);
        m_shownResinRevision = state.resinListRevision;
        m_resinListShown = true;
    }
    if (m_cmbResins->currentIndex() != state.cmbResinsIndex) {
        m_cmbResins->setCurrentIndex(state.cmbResinsIndex);
    }
    // The list may be too narrow for a long name; its tooltip gives it whole.
    QString tip = Text(state.cmbResinsHelp);
    const int selected = state.cmbResinsIndex;
    if (selected >= 0 && selected < int(state.cmbResins.size())) {
        tip = Text(state.cmbResins[size_t(selected)]) + u'\n' + tip;
    }
    m_cmbResins->setToolTip(tip);
}

void MainWindow::syncResults() {
    const WindowState& state = m_model.state();
    if (m_resultsShown && state.resultsRevision == m_shownResultsRevision) return;
    QFont font(state.lstResultsFont.empty() ? QStringLiteral("courier")
                                            : QString::fromStdString(state.lstResultsFont));
    font.setStyleHint(QFont::TypeWriter);
    m_lstResults->setFont(font);
    QStringList lines;
    lines.reserve(qsizetype(state.lstResults.size()));
    for (const std::string& line : state.lstResults) lines.append(Text(line));
    m_lstResults->clear();
    m_lstResults->addItems(lines);
    const int tips = int(std::min(state.lstResultsTips.size(), state.lstResults.size()));
    for (int i = 0; i < tips; ++i)
        m_lstResults->item(i)->setToolTip(Text(state.lstResultsTips[size_t(i)]));
    m_shownResultsRevision = state.resultsRevision;
    m_resultsShown = true;
}

void MainWindow::syncCommands() {
    const WindowState& state = m_model.state();
    m_cmndAddResin->setText(Text(state.cmndAddResin.caption));
    ApplyControl(m_cmndAddResin, state.cmndAddResin);
    m_cmndDeleteResin->setText(Text(state.cmndDeleteResin.caption));
    ApplyControl(m_cmndDeleteResin, state.cmndDeleteResin);
    for (size_t i = 0; i < m_cmndToolBar.size(); ++i) {
        const Control& control = state.cmndToolBar[i];
        m_cmndToolBar[i]->setToolTip(Text(control.help));
        m_cmndToolBar[i]->setText(Text(control.caption.empty() ? control.help : control.caption));
        m_cmndToolBar[i]->setVisible(control.visible);
    }
}

// Screen readers name each control after its label or caption; unlabelled
// ones after their help text.
void MainWindow::syncAccessibleNames() {
    for (size_t i = 0; i < m_txtVar.size(); ++i) {
        m_txtVar[i]->setAccessibleName(Spoken(m_Label1[i]->text()));
    }
    for (size_t i = 0; i < m_txtMatlProp.size(); ++i) {
        m_txtMatlProp[i]->setAccessibleName(Spoken(m_Label2[i]->text()));
    }
    for (size_t i = 0; i < m_txtExtSys.size(); ++i) {
        m_txtExtSys[i]->setAccessibleName(Spoken(m_Label3[i]->text()));
        m_txtMotorSpec[i]->setAccessibleName(Spoken(m_Label4[i]->text()));
    }
    QList<QWidget*> captioned = {m_lblWebAddress, m_cmndAddResin, m_cmndDeleteResin};
    for (QLabel* label : m_Label1) captioned << label;
    for (QLabel* label : m_Label2) captioned << label;
    for (QLabel* label : m_Label3) captioned << label;
    for (QLabel* label : m_Label4) captioned << label;
    for (QLabel* label : m_Label5) captioned << label;
    for (QWidget* widget : captioned) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QPushButton*>(widget);
        widget->setAccessibleName(Spoken(label != nullptr ? label->text() : button->text()));
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{m_picScrew[0], m_picScrew[1],
                                                           m_picScrew[2], m_cmbResins}) {
        widget->setAccessibleName(widget->toolTip());
    }
    // Its tooltip starts with the selected name; the list itself is the resins.
    m_cmbResins->setAccessibleName(Text(m_model.state().cmbResinsHelp));
    for (QToolButton* button : m_cmndToolBar) button->setAccessibleName(button->toolTip());
    m_frameScrewType->setAccessibleName(m_frameScrewType->title());
    m_lstResults->setAccessibleName(QStringLiteral("Results"));
    m_sstProperties->setAccessibleName(QStringLiteral("Properties"));
}

}  // namespace veredod::app
