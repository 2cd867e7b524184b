// SPDX-License-Identifier: GPL-3.0-or-later
// The cells: reading a committed cell into the case or the current resin,
// and the refresh that shows the stored values again.

#include <cmath>

#include "entry/cell_reading.h"
#include "model/text.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kReenterNumber = "Error, please re-enter numeric value";

}  // namespace

// Cells show at most three decimals and are committed on every focus loss,
// edited or not. A cell that still shows its stored value's display text
// keeps the stored value, so that merely passing through a cell never turns
// 0.0635 into 0.064 in a case or in the resin database. A value that is not
// finite shows as 0, so its text says nothing about it.
bool MainModel::showsStoredValue(const std::string& text, double stored) const {
    return std::isfinite(stored) && !text.empty() && text == formatNumber(stored);
}

// The lenient reading finds a number in any text, but one too large for a
// double would poison every later conversion and calculation. A text not
// read whole is marked first, whether or not it is stored.
void MainModel::commitLenient(Cell& cell, double* field) {
    markPartialReading(cell, field);
    if (field == nullptr || showsStoredValue(cell.text, *field)) return;
    const double value = ReadLenientNumber(cell.text, m_format.decimalSeparator);
    if (!std::isfinite(value)) {
        showExclamation(kReenterNumber);
        cell.text = formatNumber(*field);
        return;
    }
    *field = value;
}

void MainModel::txtVar_LostFocus(int index) {
    if (index < 0 || index >= kVarCells) return;
    commitLenient(m_state.txtVar[index], VarField(m_case, index));
}

void MainModel::txtExtSys_LostFocus(int index) {
    if (index < 0 || index >= kExtSysCells) return;
    commitLenient(m_state.txtExtSys[index], ExtSysField(m_case, index, modes().screwType));
}

void MainModel::txtMotorSpec_LostFocus(int index) {
    if (index < 0 || index >= kMotorSpecCells) return;
    commitLenient(m_state.txtMotorSpec[index], MotorSpecField(m_case, index));
}

void MainModel::txtMatlProp_LostFocus(int index) {
    if (index < 0 || index >= kMatlPropCells) return;
    ResinRecord* record = m_resins.current();
    if (record == nullptr) {
        // No resin to store into: the cells go back to showing nothing.
        UpdateCells();
        return;
    }

    // Whatever the user types is in the active system, so the whole record is now.
    record->ResinIsMetric = activeUnits() == UnitSystem::Metric;
    const std::string& text = m_state.txtMatlProp[index].text;
    if (index == 0) {
        record->ResinName = SingleLineName(text);
    } else if (const double stored = record->number(index - 1);
               (std::isfinite(stored) && text == m_matlPropRefreshed[index]) ||
               showsStoredValue(text, stored)) {
        // Unchanged: the record keeps its full-precision value, and a 0 that
        // shows as an empty cell is no empty entry.
    } else if (auto value =
                   ReadStrictNumber(text, m_format.decimalSeparator, m_format.groupSeparator)) {
        record->number(index - 1) = *value;
    } else {
        showExclamation(kReenterNumber);
    }

    SaveResin();
    rebuildResinList();
    selectResin(m_resins.CurrentResin);
}

void MainModel::UpdateCells() {
    for (int i = 0; i < kVarCells; ++i) m_state.txtVar[i].text = formatNumber(*VarField(m_case, i));
    for (int i = 0; i < kMotorSpecCells; ++i) {
        m_state.txtMotorSpec[i].text = formatNumber(*MotorSpecField(m_case, i));
    }

    // May run cmbResins_Click, nested, which refreshes the cells itself first.
    const int current = m_resins.CurrentResin;
    if (current >= 0 && current < static_cast<int>(m_state.cmbResins.size())) selectResin(current);

    if (const ResinRecord* record = m_resins.current()) {
        m_state.txtMatlProp[0].text = record->ResinName;
        for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
            m_state.txtMatlProp[i + 1].text = formatNumber(record->number(i));
        }
    } else {
        for (auto& cell : m_state.txtMatlProp) cell.text.clear();
    }
    for (int i = 0; i < kMatlPropCells; ++i) m_matlPropRefreshed[i] = m_state.txtMatlProp[i].text;

    const ScrewType screwType = modes().screwType;
    for (int i = 0; i < kExtSysCells; ++i) {
        m_state.txtExtSys[i].text = formatNumber(*ExtSysField(m_case, i, screwType));
    }
    dropStaleMarks();
}

}  // namespace veredod
