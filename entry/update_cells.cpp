#include "entry/cell_reading.h"
#include "window/main_model.h"

namespace veredod {

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

    const ScrewType screwType = modes().screwType;
    for (int i = 0; i < kExtSysCells; ++i) {
        m_state.txtExtSys[i].text = formatNumber(*ExtSysField(m_case, i, screwType));
    }
}

}  // namespace veredod
