// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/results_list.h"

#include <array>
#include <string_view>

#include "model/qpround.h"
#include "output/result_rows.h"

namespace veredod {

namespace {

constexpr std::array<ResultRow, 17> kSingleScrewRows{{
    {"Drag flow = ", nullptr, &Case::DragFlow, 2, " kg/hr", 2, " lbs/hr"},
    {"Equivalent Visc = ", nullptr, &Case::EquivalentViscosity, 2, " Pa s", 2, " psi s"},
    {"Pressure Flow = ", nullptr, &Case::PressureFlow, 2, " kg/hr", 2, " lbs/hr"},
    {"Leakage Flow = ", nullptr, &Case::LeakageFlow, 2, " kg/hr", 4, " lbs/hr"},
    {"Actual Flow = ", nullptr, &Case::ActualFlow, 4, " kg/hr", 2, " lbs/hr"},
    {"Specific output = ", nullptr, &Case::SpecificOutput, 4, " kg/hr/rpm", 4, " lbs/hr/rpm"},
    {"Temperature Rise = ", nullptr, &Case::TemperatureRise, 2, " C", 2, " F"},
    {"PowerNeeded Kw = ", nullptr, &Case::PowerNeededKw, 2, " Kw", 2, " Btu/hr"},
    {"PowerNeeded Hp = ", nullptr, &Case::PowerNeededHp, 2, " Hp", 2, " Hp"},
    {"Torque = ", nullptr, &Case::Torque, 2, " N-m", 2, " lbs-ft"},
    {"Amps = ", nullptr, &Case::Amps, 2, " A", 2, " A"},
    {"Torque Available = ", nullptr, &Case::TorqueAvailable, 2, " N-m", 2, " lbs-ft"},
    {"Cost of resin used = ", nullptr, &Case::ResinCostUsed, 2, " cost/kg", 2, " cost/lbs"},
    {"Cost lost due to flight leakage = ", nullptr, &Case::LeakageCostLost, 2, " cost/kg", 2,
     " cost/lbs"},
    {"Melt Velocity = ", nullptr, &Case::MeltVelocity, 1, " mm/s", 2, " in/s"},
    {"Rotational Velocity = ", nullptr, &Case::RotationalVelocity, 1, " mm/s", 2, " in/s"},
    {"Metering channel shear rate = ", nullptr, &Case::ShearRate, 1, " 1/s", 1, " 1/s"},
}};

constexpr std::array<ResultRow, 27> kTwoStageRows{{
    {"Drag flow for first stage = ", "Drag for first stage = ", &Case::DragFlow, 2, " kg/hr", 2,
     " lbs/hr"},
    {"Drag flow for second stage = ", "Drag for second stage = ", &Case::SecondDragFlow, 2,
     " kg/hr", 2, " lbs/hr"},
    {"Equivalent Visc = ", nullptr, &Case::EquivalentViscosity, 2, " Pa s", 2, " psi s"},
    {"Pressure Flow for second stage = ", nullptr, &Case::SecondPressureFlow, 2, " kg/hr", 2,
     " lbs/hr"},
    {"Leakage Flow for second stage = ", nullptr, &Case::SecondLeakageFlow, 2, " kg/hr", 4,
     " lbs/hr"},
    {"Actual Flow for first stage = ", nullptr, &Case::ActualFlow, 4, " kg/hr", 2, " lbs/hr"},
    {"Actual Flow for second stage = ", nullptr, &Case::SecondActualFlow, 4, " kg/hr", 2,
     " lbs/hr"},
    {"Specific output for first stage = ", nullptr, &Case::SpecificOutput, 4, " kg/hr/rpm", 4,
     " lbs/hr/rpm"},
    {"Specific output for second stage = ", nullptr, &Case::SecondSpecificOutput, 4, " kg/hr/rpm",
     4, " lbs/hr/rpm"},
    {"Temperature Rise for second stage = ", nullptr, &Case::SecondTemperatureRise, 2, " C", 2,
     " F"},
    {"PowerNeeded Kw for first stage = ", nullptr, &Case::PowerNeededKw, 2, " Kw", 2, " Btu/hr"},
    {"PowerNeeded Kw for second stage = ", nullptr, &Case::SecondPowerNeededKw, 2, " Kw", 2,
     " Btu/hr"},
    {"PowerNeeded Hp for first stage = ", nullptr, &Case::PowerNeededHp, 2, " Hp", 2, " Hp"},
    {"PowerNeeded Hp for second stage = ", nullptr, &Case::SecondPowerNeededHp, 2, " Hp", 2, " Hp"},
    {"Torque for first stage = ", nullptr, &Case::Torque, 2, " N-m", 2, " lbs-ft"},
    {"Torque for second stage = ", nullptr, &Case::SecondTorque, 2, " N-m", 2, " lbs-ft"},
    {"Amps for first stage = ", nullptr, &Case::Amps, 2, " A", 2, " A"},
    {"Amps for second stage = ", nullptr, &Case::SecondAmps, 2, " A", 2, " A"},
    {"Torque Available = ", nullptr, &Case::TorqueAvailable, 2, " N-m", 2, " lbs-ft"},
    {"Cost of resin used for second stage = ", nullptr, &Case::SecondResinCostUsed, 2, " cost/kg",
     2, " cost/lbs"},
    {"Cost lost due to flight leakage for second stage = ", nullptr, &Case::SecondLeakageCostLost,
     2, " cost/kg", 2, " cost/lbs"},
    {"Melt Velocity for first stage = ", nullptr, &Case::MeltVelocity, 1, " mm/s", 2, " in/s"},
    {"Melt Velocity for second stage = ", nullptr, &Case::SecondMeltVelocity, 1, " mm/s", 2,
     " in/s"},
    {"Rotational Velocity for first stage = ", nullptr, &Case::RotationalVelocity, 1, " mm/s", 2,
     " in/s"},
    {"Rotational Velocity for second stage = ", nullptr, &Case::SecondRotationalVelocity, 1,
     " mm/s", 2, " in/s"},
    {"Metering channel shear rate for first stage = ", nullptr, &Case::ShearRate, 1, " 1/s", 1,
     " 1/s"},
    {"Metering channel shear rate for second stage = ", nullptr, &Case::SecondShearRate, 1, " 1/s",
     1, " 1/s"},
}};

}  // namespace

std::string ResultLine(const Case& c, const ResultRow& row, UnitSystem units,
                       char decimalSeparator) {
    const bool metric = units == UnitSystem::Metric;
    const std::string_view label = (metric || !row.usLabel) ? row.label : row.usLabel;
    const std::string_view unit = metric ? row.metricUnit : row.usUnit;
    const std::string value =
        QPROUND(c.*row.field, metric ? row.metricDecimals : row.usDecimals, decimalSeparator);
    std::string line;
    line.reserve(label.size() + value.size() + unit.size());
    line.append(label).append(value).append(unit);
    return line;
}

std::span<const ResultRow> SingleScrewResultRows() {
    return kSingleScrewRows;
}

std::span<const ResultRow> ResultsListRows(ScrewType screwType) {
    if (screwType == ScrewType::TwoStage) return kTwoStageRows;
    return kSingleScrewRows;
}

std::vector<std::string> ResultsLines(const Case& c, ScrewType screwType, UnitSystem units,
                                      char decimalSeparator) {
    const std::span<const ResultRow> rows = ResultsListRows(screwType);
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const ResultRow& row : rows) lines.push_back(ResultLine(c, row, units, decimalSeparator));
    return lines;
}

}  // namespace veredod
