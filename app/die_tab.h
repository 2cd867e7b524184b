// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "window/main_model.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace veredod::app {

// The "Die" tab: a table of the die's elements in series, bound to the
// model's die state like the other cells (a cell commits on focus loss or
// Enter). Every user event goes through `run`, the main window's way of
// running a handler and re-syncing afterwards.
class DieTab : public QWidget {
    Q_OBJECT
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    DieTab(MainModel& model, Runner run, QWidget* parent = nullptr);

    void syncFromModel();
    // A cell being typed into is committed, as leaving it would.
    void commitPendingEdit();

private:
    void createTable();
    void createButtons();
    void syncRow(int row, const DieRow& state);
    void syncShapeCombo(int row, int shape);
    void onItemChanged(QTableWidgetItem* item);

    MainModel& m_model;
    Runner m_run;
    QTableWidget* m_tblDie = nullptr;
    QPushButton* m_cmdAddDieRow = nullptr;
    QPushButton* m_cmdRemoveDieRow = nullptr;
    QLabel* m_lblDieStatus = nullptr;
    unsigned m_shownRevision = 0;
    bool m_shown = false;
    bool m_syncing = false;
};

}  // namespace veredod::app
