// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/units.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kBackPressureHelp = "Pressure at the exit of the extruder, back pressure";
constexpr const char* kSecondStageBackPressureHelp =
    "Pressure at the exit of the extruder (second stage), back pressure at the end of the "
    "first stage is assumed to 0.";

}  // namespace

void MainModel::optScrewType_Click(int index) {
    const auto& captions = m_state.optScrewType.captions;
    if (index >= 0 && index < static_cast<int>(captions.size())) {
        m_state.frameScrewTypeCaption = "Screw Geometry for " + captions[index];
    }

    const int shown = static_cast<int>(modes().screwType);
    const bool twoStage = shown == 2;
    for (int i = 0; i < 3; ++i) m_state.picScrew[i].visible = i == shown;
    for (auto& title : m_state.Label5) title.visible = twoStage;
    for (int i = 0; i < 12; ++i) m_state.Label1[i].visible = i < 6 || twoStage;
    for (int i = 0; i < 12; ++i) m_state.txtVar[i].visible = i < 6 || twoStage;
    m_state.txtExtSys[3].help = twoStage ? kSecondStageBackPressureHelp : kBackPressureHelp;
}

void MainModel::optSectLength_Click(int /*index*/) {
    Case& c = m_case;
    if (m_state.optSectLength.selected == 0) {
        m_state.Label1[1].caption = kMeterLengthRatioCaption;
        m_state.Label1[7].caption = kMeterLengthRatioCaption;
        if (m_caseLengthMode != SectionLengthMode::LengthOverDiameter) {
            if (c.ScrewDiameter != 0) c.MeteringLength = c.MeteringLength / c.ScrewDiameter;
            if (c.SecondScrewDiameter != 0) {
                c.SecondMeteringLength = c.SecondMeteringLength / c.SecondScrewDiameter;
            }
            m_caseLengthMode = SectionLengthMode::LengthOverDiameter;
        }
    } else {
        const char* caption = UnitCaptionsFor(activeUnits()).geometry[1];
        m_state.Label1[1].caption = caption;
        m_state.Label1[7].caption = caption;
        if (m_caseLengthMode != SectionLengthMode::Distance) {
            c.MeteringLength = c.ScrewDiameter * c.MeteringLength;
            c.SecondMeteringLength = c.SecondScrewDiameter * c.SecondMeteringLength;
            m_caseLengthMode = SectionLengthMode::Distance;
        }
    }
    UpdateCells();
}

}  // namespace veredod
