// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/report.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model/qpround.h"
#include "output/maker.h"
#include "output/result_rows.h"

namespace veredod {

namespace {

constexpr int kInputDecimals = 3;

struct InputRow {
    const char* label;
    double Case::*field;
};

constexpr std::array<InputRow, 6> kGeometryRows{{
    {"Screw Diameter = ", &Case::ScrewDiameter},
    {"Metering Length = ", &Case::MeteringLength},
    {"Metering Depth = ", &Case::MeteringDepth},
    {"Metering Lead = ", &Case::MeteringLead},
    {"Flight Clearance = ", &Case::FlightClearance},
    {"Flight Width = ", &Case::FlightWidth},
}};

constexpr std::array<InputRow, 6> kSecondGeometryRows{{
    {"Second Screw Diameter = ", &Case::SecondScrewDiameter},
    {"Second Metering Length = ", &Case::SecondMeteringLength},
    {"Second Metering Depth = ", &Case::SecondMeteringDepth},
    {"Second Metering Lead = ", &Case::SecondMeteringLead},
    {"Second Flight Clearance = ", &Case::SecondFlightClearance},
    {"Second Flight Width = ", &Case::SecondFlightWidth},
}};

constexpr std::array<InputRow, 4> kMotorRows{{
    {"Power Supply = ", &Case::PowerSupply},
    {"Power Available = ", &Case::PowerAvailable},
    {"Motor Speed = ", &Case::MotorSpeed},
    {"Gear Box Speed = ", &Case::GearBoxSpeed},
}};

// The back pressure line follows these; its field depends on the screw type.
constexpr std::array<InputRow, 3> kSystemRows{{
    {"Material Temp In = ", &Case::MaterialTempIn},
    {"Material Temp Out = ", &Case::MaterialTempOut},
    {"Screw RPM = ", &Case::ScrewRpm},
}};

struct ResinRow {
    const char* label;
    double ResinRecord::*field;
};

constexpr std::array<ResinRow, 8> kResinRows{{
    {"Resin cost = ", &ResinRecord::ResinCost},
    {"Melt Density = ", &ResinRecord::MeltDensity},
    {"Solid Density = ", &ResinRecord::SolidDensity},
    {"Consistancy Index = ", &ResinRecord::ConsistencyIndex},
    {"Powerlaw Index = ", &ResinRecord::PowerLawIndex},
    {"Heat Capacity = ", &ResinRecord::HeatCapacity},
    {"Heat of Fusion = ", &ResinRecord::HeatOfFusion},
    {"Thermal Conductivity = ", &ResinRecord::ThermalConductivity},
}};

// The report words the two-stage results its own way, orders the power
// lines differently and prints every velocity with one decimal.
constexpr std::array<ResultRow, 27> kTwoStageReportRows{{
    {"Drag flow for first section = ", nullptr, &Case::DragFlow, 2, " kg/hr", 2, " lbs/hr"},
    {"Drag flow for second section = ", nullptr, &Case::SecondDragFlow, 2, " kg/hr", 2, " lbs/hr"},
    {"Equivalent Visc = ", nullptr, &Case::EquivalentViscosity, 2, " Pa s", 2, " psi s"},
    {"Pressure Flow for second zone = ", nullptr, &Case::SecondPressureFlow, 2, " kg/hr", 2,
     " lbs/hr"},
    {"Leakage Flow for second zone = ", nullptr, &Case::SecondLeakageFlow, 2, " kg/hr", 4,
     " lbs/hr"},
    {"Actual Flow for first zone = ", nullptr, &Case::ActualFlow, 4, " kg/hr", 2, " lbs/hr"},
    {"Actual Flow for second zone = ", nullptr, &Case::SecondActualFlow, 4, " kg/hr", 2, " lbs/hr"},
    {"Specific output for first stage = ", nullptr, &Case::SpecificOutput, 4, " kg/hr/rpm", 4,
     " lbs/hr/rpm"},
    {"Specific output for second stage = ", nullptr, &Case::SecondSpecificOutput, 4, " kg/hr/rpm",
     4, " lbs/hr/rpm"},
    {"Temperature Rise for second zone = ", nullptr, &Case::SecondTemperatureRise, 2, " C", 2,
     " F"},
    {"PowerNeeded Kw for first stage = ", "PowerNeeded Kw for first zone = ", &Case::PowerNeededKw,
     2, " Kw", 2, " Btu/hr"},
    {"PowerNeeded Hp for first stage = ", "PowerNeeded Hp for first zone = ", &Case::PowerNeededHp,
     2, " Hp", 2, " Hp"},
    {"PowerNeeded Kw for second stage = ", "PowerNeeded Kw for second zone = ",
     &Case::SecondPowerNeededKw, 2, " Kw", 2, " Btu/hr"},
    {"PowerNeeded Hp for second stage = ", "PowerNeeded Hp for second zone = ",
     &Case::SecondPowerNeededHp, 2, " Hp", 2, " Hp"},
    {"Torque for first stage = ", "Torque for first zone = ", &Case::Torque, 2, " N-m", 2,
     " lbs-ft"},
    {"Torque for second stage = ", "Torque for second zone = ", &Case::SecondTorque, 2, " N-m", 2,
     " lbs-ft"},
    {"Amps for first stage = ", "Amps for first zone  = ", &Case::Amps, 2, " A", 2, " A"},
    {"Amps for second stage = ", "Amps for second zone  = ", &Case::SecondAmps, 2, " A", 2, " A"},
    {"Torque Available = ", nullptr, &Case::TorqueAvailable, 2, " N-m", 2, " lbs-ft"},
    {"Cost of resin used for second stage = ", "Cost of resin used for second zone = ",
     &Case::SecondResinCostUsed, 2, " cost/kg", 2, " cost/lbs"},
    {"Cost lost due to flight leakage for second stage = ",
     "Cost lost due to flight leakage for second zone= ", &Case::SecondLeakageCostLost, 2,
     " cost/kg", 2, " cost/lbs"},
    {"Melt Velocity for first zone = ", nullptr, &Case::MeltVelocity, 1, " mm/s", 1, " in/s"},
    {"Melt Velocity for second zone = ", nullptr, &Case::SecondMeltVelocity, 1, " mm/s", 1,
     " in/s"},
    {"Rotational Velocity for first zone = ", nullptr, &Case::RotationalVelocity, 1, " mm/s", 1,
     " in/s"},
    {"Rotational Velocity for second zone = ", nullptr, &Case::SecondRotationalVelocity, 1, " mm/s",
     1, " in/s"},
    {"Metering channel shear rate for first zone = ", nullptr, &Case::ShearRate, 1, " 1/s", 1,
     " 1/s"},
    {"Metering channel shear rate for second zone = ", nullptr, &Case::SecondShearRate, 1, " 1/s",
     1, " 1/s"},
}};

class ReportWriter {
public:
    ReportWriter(const Case& c, const Modes& modes, char decimalSeparator)
        : m_case(c), m_modes(modes), m_separator(decimalSeparator) {}

    void header();
    void modeLines();
    void inputBlocks();
    void resinBlock(const ResinRecord& resin);
    void results();

    std::vector<std::string> take() { return std::move(m_lines); }

private:
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    void addValue(const char* label, double value) {
        add(label + QPROUND(value, kInputDecimals, m_separator));
    }
    template <size_t Count>
    void addBlock(const std::array<InputRow, Count>& rows) {
        for (const InputRow& row : rows) addValue(row.label, m_case.*row.field);
        add("");
    }

    const Case& m_case;
    const Modes& m_modes;
    char m_separator;
    std::vector<std::string> m_lines;
};

void ReportWriter::header() {
    add(maker::kName);
    add("");
    add(maker::kStreet);
    add(maker::kCity);
    add(maker::kPostalCountry);
    add(std::string("Phone: ") + maker::kPhone + " Fax: " + maker::kFax);
    add(std::string("Email: ") + maker::kEmail);
    add(std::string("Web: ") + maker::kWebHost);
    add("");
    add("");
}

void ReportWriter::modeLines() {
    switch (m_modes.screwType) {
        case ScrewType::Barrier:
            add("Melt Channel Screw");
            break;
        case ScrewType::SingleFlighted:
            add("Single Flighted Screw");
            break;
        case ScrewType::TwoStage:
            add("Two Stage Vented Screw");
            break;
    }
    add("");
    add(m_modes.unitSystem == UnitSystem::Metric ? "Units = SI" : "Units = US");
    add("");
    add(m_modes.sectionLengthMode == SectionLengthMode::LengthOverDiameter
            ? "Length Entered as L/D"
            : "Length Entered as distance");
    add("");
}

void ReportWriter::inputBlocks() {
    const bool twoStage = m_modes.screwType == ScrewType::TwoStage;
    addBlock(kGeometryRows);
    if (twoStage) addBlock(kSecondGeometryRows);
    addBlock(kMotorRows);
    for (const InputRow& row : kSystemRows) addValue(row.label, m_case.*row.field);
    addValue("System Back Pressure = ",
             twoStage ? m_case.SecondStageBackPressure : m_case.SystemBackPressure);
    add("");
}

void ReportWriter::resinBlock(const ResinRecord& resin) {
    add(resin.ResinName);
    for (const ResinRow& row : kResinRows) addValue(row.label, resin.*row.field);
    add("");
}

void ReportWriter::results() {
    const UnitSystem units = m_modes.unitSystem;
    if (m_modes.screwType == ScrewType::TwoStage) {
        for (const ResultRow& row : kTwoStageReportRows) {
            add(ResultLine(m_case, row, units, m_separator));
        }
        return;
    }
    for (ResultRow row : SingleScrewResultRows()) {
        // Unlike the list, the report prints the US velocities with one decimal.
        if (row.field == &Case::MeltVelocity || row.field == &Case::RotationalVelocity) {
            row.usDecimals = 1;
        }
        add(ResultLine(m_case, row, units, m_separator));
    }
}

}  // namespace

ReportLines BuildReport(const Case& c, const ResinTable& resins, const Modes& modes,
                        char decimalSeparator) {
    ReportWriter writer(c, modes, decimalSeparator);
    writer.header();
    writer.modeLines();
    writer.inputBlocks();
    const ResinRecord* resin = resins.current();
    if (!resin) return {writer.take(), false};
    writer.resinBlock(*resin);
    writer.results();
    return {writer.take(), true};
}

}  // namespace veredod
