// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_model.h"

#include <algorithm>

#include "model/calc.h"
#include "model/qpround.h"
#include "output/maker.h"
#include "output/results_list.h"
#include "resins/default_resins.h"

namespace veredod {

namespace {

constexpr const char* kGeometryHelp[] = {
    "The nominal diameter of the screw",
    "The total length of the metering section of the screw in L/D or in/mm",
    "The depth of the metering section of the screw in in/mm",
    "The lead is the horizontal axial distance of one turn of the screw flight in in/mm",
    // clang-format off
    "The radial clearance between the screw flight and the barrel wall in in/mm (for a new screw it is usually 0.001inch per inch of screw diameter)",
    // clang-format on
    "The width of the screw flight in in/mm (usually 0.1D)",
};

constexpr const char* kMatlPropHelp[] = {
    "Resin Name and Type (for identification)",
    "Resin cost per unit weight",
    "Molten polymer density",
    "Solid polymer density",
    "Consistancy index is a viscosity constant of the Power Law model",
    "Power Law Index is a constant of the power law model",
    "Heat capacity of the polymer",
    "Heat of fusion of the polymer",
    "Thermal conductivity of the polymer",
};

constexpr const char* kExtSysHelp[] = {
    "Temperature of material coming into the extruder (room temperature usually)",
    "Temperature of material coming out of the extruder (the exiting melt temp)",
    "RPM of the screw",
    "Pressure at the exit of the extruder, back pressure",
};

constexpr const char* kMotorSpecHelp[] = {
    "3 phase Power supply to motor (it varies from country to country, ie 460 V is typical in "
    "North America)",
    "HP of the motor",
    "Speed of the motor (usually 1750 is typical)",
    "Gearbox reducer speed (depending on the reduction ratio 14:1 means you take the motor speed "
    "and divide by 14)",
};

constexpr const char* kScrewPictureHelp[] = {
    "Multiflighted barrier screw",
    "Single flighted screw geometry",
    "Two stage vented flighted screw geometry",
};

// Each names the shortcut of its menu item, which the window binds to these keys.
constexpr const char* kToolBarHelp[] = {
    "New File (Ctrl+N)", "Open File (Ctrl+O)",        "Save File (Ctrl+S)",
    "Print (Ctrl+P)",    "Perform Calculations (F9)", "About",
};

// The geometry texts help only the first stage's six cells; every other
// group has a text for each control, which the build checks.
template <class Control, std::size_t Size, std::size_t Count>
void SetHelps(std::array<Control, Size>& controls, const char* const (&helps)[Count]) {
    static_assert(Count == Size || (Count == 6 && Size == 12));
    for (std::size_t i = 0; i < Count; ++i) controls[i].help = helps[i];
}

Cell* CellAt(WindowState& state, CellGroup group, int index) {
    auto pick = [index](auto& cells) -> Cell* {
        if (index < 0 || index >= static_cast<int>(cells.size())) return nullptr;
        return &cells[index];
    };
    switch (group) {
        case CellGroup::Var:
            return pick(state.txtVar);
        case CellGroup::ExtSys:
            return pick(state.txtExtSys);
        case CellGroup::MotorSpec:
            return pick(state.txtMotorSpec);
        case CellGroup::MatlProp:
            return pick(state.txtMatlProp);
    }
    return nullptr;
}

// Sets an option group's selection; true when it changed, so that the
// group's handler has to run.
bool SelectOption(OptionGroup& group, int index) {
    if (index < 0 || index >= static_cast<int>(group.captions.size())) return false;
    if (group.selected == index) return false;
    group.selected = index;
    return true;
}

}  // namespace

MainModel::MainModel(Desktop& desktop, NumberFormat format)
    : m_desktop(desktop), m_format(format) {}

Modes MainModel::modes() const {
    Modes modes;
    switch (m_state.optScrewType.selected) {
        case 0:
            modes.screwType = ScrewType::Barrier;
            break;
        case 1:
            modes.screwType = ScrewType::SingleFlighted;
            break;
        default:
            modes.screwType = ScrewType::TwoStage;
            break;
    }
    modes.unitSystem = activeUnits();
    modes.sectionLengthMode = m_state.optSectLength.selected == 0
                                  ? SectionLengthMode::LengthOverDiameter
                                  : SectionLengthMode::Distance;
    return modes;
}

UnitSystem MainModel::activeUnits() const {
    return m_state.optUnits.selected == 0 ? UnitSystem::Metric : UnitSystem::US;
}

void MainModel::selectScrewType(int index) {
    if (SelectOption(m_state.optScrewType, index)) optScrewType_Click(index);
}

void MainModel::selectUnits(int index) {
    if (SelectOption(m_state.optUnits, index)) optUnits_Click(index);
}

void MainModel::selectSectLength(int index) {
    if (SelectOption(m_state.optSectLength, index)) optSectLength_Click(index);
}

void MainModel::setCellText(CellGroup group, int index, const std::string& text) {
    if (Cell* cell = CellAt(m_state, group, index)) cell->text = text;
    dropStaleMarks();
}

void MainModel::commitCell(CellGroup group, int index) {
    switch (group) {
        case CellGroup::Var:
            txtVar_LostFocus(index);
            break;
        case CellGroup::ExtSys:
            txtExtSys_LostFocus(index);
            break;
        case CellGroup::MotorSpec:
            txtMotorSpec_LostFocus(index);
            break;
        case CellGroup::MatlProp:
            txtMatlProp_LostFocus(index);
            break;
    }
}

void MainModel::txtVar_KeyPress(int index, int keyCode) {
    if (keyCode == kEnterKey) txtVar_LostFocus(index);
}

void MainModel::txtExtSys_KeyPress(int index, int keyCode) {
    if (keyCode == kEnterKey) txtExtSys_LostFocus(index);
}

void MainModel::txtMotorSpec_KeyPress(int index, int keyCode) {
    if (keyCode == kEnterKey) txtMotorSpec_LostFocus(index);
}

void MainModel::txtMatlProp_KeyPress(int index, int keyCode) {
    if (keyCode == kEnterKey) txtMatlProp_LostFocus(index);
}

void MainModel::setHelpTexts() {
    SetHelps(m_state.Label1, kGeometryHelp);
    SetHelps(m_state.txtVar, kGeometryHelp);
    m_state.cmbResinsHelp = "Resins available for use";
    SetHelps(m_state.txtMatlProp, kMatlPropHelp);
    SetHelps(m_state.txtExtSys, kExtSysHelp);
    SetHelps(m_state.txtMotorSpec, kMotorSpecHelp);
    SetHelps(m_state.picScrew, kScrewPictureHelp);
    SetHelps(m_state.cmndToolBar, kToolBarHelp);
}

// The captions that no unit system changes; the others come with optUnits_Click.
void MainModel::setFixedCaptions() {
    m_state.Label2[0].caption = "Resin Name and Type";
    m_state.Label3[2].caption = "RPM of screw";
    m_state.Label4[0].caption = "Power supply (V)";
    m_state.Label4[2].caption = "Motor speed (RPM)";
    m_state.Label4[3].caption = "Gearbox speed (RPM)";
    m_state.Label5[0].caption = "First Stage";
    m_state.Label5[1].caption = "Second Stage";
    m_state.lblWebAddress = maker::kWebHost;
}

void MainModel::showExclamation(const std::string& text) {
    m_desktop.showMessage(MessageIcon::Exclamation, text, kAppTitle);
}

namespace {

// The calculation speaks at every step that fails the same way (a missing
// resin fails seven of them); one box per kind of failure tells the user all.
class OncePerText : public MessageSink {
public:
    explicit OncePerText(MessageSink& sink) : m_sink(sink) {}
    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override {
        if (std::find(m_shown.begin(), m_shown.end(), text) != m_shown.end()) return;
        m_shown.push_back(text);
        m_sink.showMessage(icon, text, title);
    }

private:
    MessageSink& m_sink;
    std::vector<std::string> m_shown;
};

}  // namespace

void MainModel::mnuCalc_Click() {
    OncePerText messages(m_desktop);
    CalcCells(m_case, m_resins, modes(), messages);
    DisplayResults();
    describeCalculation();
    followCase();
}

void MainModel::DisplayResults() {
    const Modes current = modes();
    setResults(
        ResultsLines(m_case, current.screwType, current.unitSystem, m_format.decimalSeparator));
    setResultsTips();
}

void MainModel::DisplayDefaultResins() {
    setResults(DefaultResinLines(activeUnits()));
}

void MainModel::setResults(std::vector<std::string> lines) {
    m_state.lstResults = std::move(lines);
    m_state.lstResultsFont = kResultsFontFace;
    m_state.lstResultsTips.clear();
    m_state.statusBar.clear();
    ++m_state.resultsRevision;
}

std::string MainModel::formatNumber(double value) const {
    return QPROUND(value, 3, m_format.decimalSeparator);
}

}  // namespace veredod
