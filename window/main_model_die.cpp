// The "Die" tab: the case's die as a table of texts.

#include "window/main_model.h"

namespace veredod {

void MainModel::setDie(const Die& die) {
    m_die = die;
}

void MainModel::selectDieRow(int row) {
    m_state.tabDie.selectedRow = row;
}

void MainModel::cmdAddDieRow_Click() {}

void MainModel::cmdRemoveDieRow_Click() {}

void MainModel::selectDieShape(int /*row*/, int /*shape*/) {}

void MainModel::setDieCellText(int row, DieColumn column, const std::string& text) {
    if (row < 0 || row >= static_cast<int>(m_state.tabDie.rows.size())) return;
    m_state.tabDie.rows[row].cells[static_cast<int>(column)].text = text;
}

void MainModel::tblDie_CellCommit(int /*row*/, DieColumn /*column*/) {}

}  // namespace veredod
