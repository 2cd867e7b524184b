#include "entry/cell_reading.h"
#include "window/main_model.h"

namespace veredod {

void MainModel::txtVar_LostFocus(int index) {
    if (double* field = VarField(m_case, index)) {
        *field = ReadLenientNumber(m_state.txtVar[index].text, m_format.decimalSeparator);
    }
}

void MainModel::txtExtSys_LostFocus(int index) {
    if (double* field = ExtSysField(m_case, index, modes().screwType)) {
        *field = ReadLenientNumber(m_state.txtExtSys[index].text, m_format.decimalSeparator);
    }
}

void MainModel::txtMotorSpec_LostFocus(int index) {
    if (double* field = MotorSpecField(m_case, index)) {
        *field = ReadLenientNumber(m_state.txtMotorSpec[index].text, m_format.decimalSeparator);
    }
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
        record->ResinName = text;
    } else if (auto value =
                   ReadStrictNumber(text, m_format.decimalSeparator, m_format.groupSeparator)) {
        record->number(index - 1) = *value;
    } else {
        showExclamation("Error, please re-enter numeric value");
    }

    SaveResin();
    rebuildResinList();
    selectResin(m_resins.CurrentResin);
}

}  // namespace veredod
