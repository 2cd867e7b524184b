#include "entry/units.h"

namespace veredod {

namespace {

template <typename Record>
struct ConversionRow {
    double Record::*field;
    ConversionKind kind;
    double factor;
};

using CaseRow = ConversionRow<Case>;
using ResinRow = ConversionRow<ResinRecord>;

constexpr auto kMul = ConversionKind::MultiplyToMetric;
constexpr auto kDiv = ConversionKind::DivideToMetric;

constexpr CaseRow kCaseRows[] = {
    {&Case::ScrewDiameter, kMul, kInchToMm},
    {&Case::MeteringDepth, kMul, kInchToMm},
    {&Case::MeteringLead, kMul, kInchToMm},
    {&Case::FlightClearance, kMul, kInchToMm},
    {&Case::FlightWidth, kMul, kInchToMm},
    {&Case::SecondScrewDiameter, kMul, kInchToMm},
    {&Case::SecondMeteringDepth, kMul, kInchToMm},
    {&Case::SecondMeteringLead, kMul, kInchToMm},
    {&Case::SecondFlightClearance, kMul, kInchToMm},
    {&Case::SecondFlightWidth, kMul, kInchToMm},
    {&Case::MaterialTempIn, ConversionKind::Temperature, 0},
    {&Case::MaterialTempOut, ConversionKind::Temperature, 0},
    {&Case::SystemBackPressure, kMul, kPsiToBar},
    {&Case::SecondStageBackPressure, kMul, kPsiToBar},
    {&Case::PowerAvailable, kDiv, kKwToHp},
    {&Case::DragFlow, kMul, kLbToKg},
    {&Case::SecondDragFlow, kMul, kLbToKg},
    {&Case::PressureFlow, kMul, kLbToKg},
    {&Case::SecondPressureFlow, kMul, kLbToKg},
    {&Case::ActualFlow, kMul, kLbToKg},
    {&Case::SecondActualFlow, kMul, kLbToKg},
    {&Case::LeakageFlow, kMul, kLbToKg},
    {&Case::SecondLeakageFlow, kMul, kLbToKg},
    {&Case::SpecificOutput, kMul, kLbToKg},
    {&Case::SecondSpecificOutput, kMul, kLbToKg},
    {&Case::ResinCostUsed, kMul, kLbToKg},
    {&Case::SecondResinCostUsed, kMul, kLbToKg},
    {&Case::LeakageCostLost, kMul, kLbToKg},
    {&Case::SecondLeakageCostLost, kMul, kLbToKg},
    {&Case::EquivalentViscosity, kMul, kPsiToPa},
    {&Case::TemperatureRise, ConversionKind::TemperatureDifference, 0},
    {&Case::SecondTemperatureRise, ConversionKind::TemperatureDifference, 0},
    {&Case::PowerNeededKw, kMul, kBtuPerHourToKw},
    {&Case::SecondPowerNeededKw, kMul, kBtuPerHourToKw},
    {&Case::Torque, kMul, kLbFtToNm},
    {&Case::SecondTorque, kMul, kLbFtToNm},
    {&Case::TorqueAvailable, kMul, kLbFtToNm},
    {&Case::MeltVelocity, kMul, kInchToMm},
    {&Case::SecondMeltVelocity, kMul, kInchToMm},
    {&Case::RotationalVelocity, kMul, kInchToMm},
    {&Case::SecondRotationalVelocity, kMul, kInchToMm},
};

constexpr CaseRow kMeteringLengthRows[] = {
    {&Case::MeteringLength, kMul, kInchToMm},
    {&Case::SecondMeteringLength, kMul, kInchToMm},
};

// ResinName and PowerLawIndex carry no unit.
constexpr ResinRow kResinRows[] = {
    {&ResinRecord::ResinCost, kDiv, kLbToKg},
    {&ResinRecord::MeltDensity, kMul, kLbPerFt3ToKgPerM3},
    {&ResinRecord::SolidDensity, kMul, kLbPerFt3ToKgPerM3},
    {&ResinRecord::ConsistencyIndex, kMul, kPsiToPa},
    {&ResinRecord::HeatCapacity, kMul, kBtuPerLbFToJPerKgC},
    {&ResinRecord::HeatOfFusion, kMul, kBtuPerLbToJPerKg},
    {&ResinRecord::ThermalConductivity, kMul, kBtuPerFtHrFToWPerMC},
};

template <typename Record, std::size_t N>
void ConvertRows(Record& record, const ConversionRow<Record> (&rows)[N], UnitSystem target) {
    for (const auto& row : rows) {
        record.*row.field = ConvertValue(record.*row.field, row.kind, row.factor, target);
    }
}

const UnitCaptions kMetricCaptions{
    "Section length in (mm)",
    {"Diameter (mm)", "Meter Length (mm)", "Meter Depth (mm)", "Flight Lead (mm)",
     "Flight Clearance (mm)", "Flight Width (mm)"},
    "Mat'l temp into extruder (C)",
    "Mat'l temp out of extruder (C)",
    "Back pressure at exit (bar)",
    "Power Available (kw)",
    {"Unit Cost/kg", "Melt Density (kg/m^3)", "Solid Density (kg/m^3)",
     "Consistancy index (pa s^n)", "Power law index", "Heat Capacity (J/kg/C)",
     "Heat of Fusion (J/kg)", "Thermal Conductivity (W/mC)"},
    "The radial clearance between the screw flight and the barrel wall in mm (for a new screw "
    "it is usually 0.0254mm per every 25.4mm of screw diameter)",
};

const UnitCaptions kUsCaptions{
    "Section length in (in)",
    {"Diameter (in)", "Meter Length (in)", "Meter Depth (in)", "Flight Lead (in)",
     "Flight Clearance (in)", "Flight Width (in)"},
    "Mat'l temp into extruder (F)",
    "Mat'l temp out of extruder (F)",
    "Back pressure at exit (psi)",
    "Power Available (HP)",
    {"Unit Cost/lbs", "Melt Density (lb/ft^3)", "Solid Density (lb/ft^3)",
     "Consistancy index (psi s^n)", "Power law index", "Heat Capacity (Btu/lb/F)",
     "Heat of Fusion (Btu/lb)", "Thermal Conductivity (Btu/ft/hr/F)"},
    "The radial clearance between the screw flight and the barrel wall in inches (for a new "
    "screw it is usually 0.001in per every inch of screw diameter)",
};

}  // namespace

double ConvertValue(double value, ConversionKind kind, double factor, UnitSystem target) {
    const bool toMetric = target == UnitSystem::Metric;
    switch (kind) {
        case ConversionKind::None:
            return value;
        case ConversionKind::MultiplyToMetric:
            return toMetric ? value * factor : value / factor;
        case ConversionKind::DivideToMetric:
            return toMetric ? value / factor : value * factor;
        case ConversionKind::Temperature:
            // A zero temperature means "not entered" and must not become 32 F or -17.8 C.
            if (value == 0) return value;
            return toMetric ? (value - 32) * (5.0 / 9.0) : (9.0 / 5.0) * value + 32;
        case ConversionKind::TemperatureDifference:
            if (value == 0) return value;
            return toMetric ? value * (5.0 / 9.0) : value * (9.0 / 5.0);
    }
    return value;
}

void ConvertCase(Case& c, UnitSystem target, bool meteringLengthsAreDistances) {
    ConvertRows(c, kCaseRows, target);
    if (meteringLengthsAreDistances) ConvertRows(c, kMeteringLengthRows, target);
}

void ConvertResin(ResinRecord& record, UnitSystem target) {
    const bool wantMetric = target == UnitSystem::Metric;
    if (record.ResinIsMetric == wantMetric) return;
    record.ResinIsMetric = wantMetric;
    ConvertRows(record, kResinRows, target);
}

const UnitCaptions& UnitCaptionsFor(UnitSystem units) {
    return units == UnitSystem::Metric ? kMetricCaptions : kUsCaptions;
}

}  // namespace veredod
