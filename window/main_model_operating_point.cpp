// The Operating Point window: where the screw meets the die, and a sweep of
// speeds, for the case as it stands.

#include "window/main_model.h"

namespace veredod {

void MainModel::mnuOperatingPoint_Click() {
    m_state.frmOperatingPoint.visible = true;
    RefreshOperatingPoint();
}

void MainModel::frmOperatingPoint_Close() {
    m_state.frmOperatingPoint.visible = false;
}

void MainModel::setSweepText(SweepCell cell, const std::string& text) {
    m_state.frmOperatingPoint.sweepText[static_cast<int>(cell)] = text;
}

void MainModel::txtSweep_LostFocus(SweepCell /*cell*/) {}

void MainModel::cmdUsePressure_Click() {}

void MainModel::cmdExportCsv_Click() {}

void MainModel::RefreshOperatingPoint() {
    ++m_state.frmOperatingPoint.revision;
}

}  // namespace veredod
