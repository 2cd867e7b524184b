// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "app/die_tab.h"
#include "app/main_window.h"
#include "app/name_text.h"
#include "app/tray_icon.h"

namespace veredod::app {

namespace {

// Focus that only passes to a menu, a popup or another window (a message
// box of this very commit, say) is no leaving of the cell.
bool LeavesCell(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Marks the window busy in a handler, so that focus moves caused by the
// handler's own boxes and widget updates do not start another commit.
class HandlerScope {
public:
    explicit HandlerScope(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~HandlerScope() { m_flag = m_was; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

}  // namespace

MainWindow::CellBinding* MainWindow::bindingOf(QObject* object) {
    for (CellBinding& cell : m_cells) {
        if (cell.edit == object) return &cell;
    }
    return nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lblWebAddress) {
        const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        const bool keyed = event->type() == QEvent::KeyPress &&
                           (IsEnter(static_cast<QKeyEvent*>(event)) ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
        if (clicked || keyed) runCommand(&MainModel::lblWebAddress_Click);
        return QMainWindow::eventFilter(watched, event);
    }
    CellBinding* cell = bindingOf(watched);
    if (cell == nullptr || m_syncing || m_inHandler) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut &&
        LeavesCell(static_cast<QFocusEvent*>(event)->reason())) {
        commitCell(*cell);
    } else if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        pressEnter(*cell);
    }
    // The cell still gets every event, Enter included.
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onCellEdited(CellBinding& cell, const QString& text) {
    cell.edited = true;
    m_model.setCellText(cell.group, cell.index, EncodeName(text));
}

void MainWindow::commitCell(CellBinding& cell) {
    {
        HandlerScope scope(m_inHandler);
        cell.edited = false;
        m_model.commitCell(cell.group, cell.index);
    }
    syncFromModel();
}

void MainWindow::pressEnter(CellBinding& cell) {
    {
        HandlerScope scope(m_inHandler);
        cell.edited = false;
        switch (cell.group) {
            case CellGroup::Var:
                m_model.txtVar_KeyPress(cell.index, kEnterKey);
                break;
            case CellGroup::ExtSys:
                m_model.txtExtSys_KeyPress(cell.index, kEnterKey);
                break;
            case CellGroup::MotorSpec:
                m_model.txtMotorSpec_KeyPress(cell.index, kEnterKey);
                break;
            case CellGroup::MatlProp:
                m_model.txtMatlProp_KeyPress(cell.index, kEnterKey);
                break;
        }
    }
    syncFromModel();
}

// A command chosen from the menu or the tool bar leaves the focus where it
// is; what the user typed into that cell is committed first, as leaving the
// cell would, so the command never works on a value other than the one shown.
void MainWindow::commitPendingEdit() {
    m_dieTab->commitPendingEdit();
    CellBinding* cell = bindingOf(QApplication::focusWidget());
    if (cell != nullptr && cell->edited) commitCell(*cell);
}

void MainWindow::runHandler(const std::function<void()>& handler) {
    if (m_inHandler) return;
    commitPendingEdit();
    {
        HandlerScope scope(m_inHandler);
        handler();
    }
    syncFromModel();
}

void MainWindow::runCommand(void (MainModel::*command)()) {
    runHandler([this, command] { (m_model.*command)(); });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Hiding from inside the state change confuses some window managers.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && m_tray != nullptr) m_tray->hideOnMinimise();
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_tray != nullptr) m_tray->remove();
    event->accept();
    emit shutDown();
}

}  // namespace veredod::app
