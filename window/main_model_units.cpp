// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/units.h"
#include "window/main_model.h"

namespace veredod {

void MainModel::applyUnitCaptions() {
    const UnitCaptions& captions = UnitCaptionsFor(activeUnits());
    m_state.optSectLength.captions[1] = captions.sectionLengthDistance;
    const bool lengthIsRatio = m_state.optSectLength.selected == 0;
    for (int i = 0; i < 6; ++i) {
        const char* caption =
            (i == 1 && lengthIsRatio) ? kMeterLengthRatioCaption : captions.geometry[i];
        m_state.Label1[i].caption = caption;
        m_state.Label1[i + 6].caption = caption;
    }
    m_state.Label3[0].caption = captions.tempIn;
    m_state.Label3[1].caption = captions.tempOut;
    m_state.Label3[3].caption = captions.backPressure;
    m_state.Label4[1].caption = captions.powerAvailable;
    for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
        m_state.Label2[i + 1].caption = captions.resinProperties[i];
    }
    m_state.txtVar[4].help = captions.flightClearanceHelp;
}

void MainModel::optUnits_Click(int /*index*/) {
    const UnitSystem target = activeUnits();
    applyUnitCaptions();
    AlignResinUnits();
    const bool converting = m_caseUnits != target;
    if (converting) {
        ConvertCase(m_case, target, m_caseLengthMode == SectionLengthMode::Distance);
        ConvertDie(m_die, target);
        m_caseUnits = target;
    }
    UpdateCells();
    DisplayResults();
    if (converting) describeConversion();
    dieChanged();
}

void MainModel::AlignResinUnits() {
    if (ResinRecord* record = m_resins.current()) ConvertResin(*record, activeUnits());
}

}  // namespace veredod
