// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/units.h"

#include "model/fields.h"

namespace veredod {

namespace {

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
    for (const CaseField& field : CaseFields()) {
        if (field.conversion == ConversionKind::None) continue;
        if (field.convertsOnlyAsDistance && !meteringLengthsAreDistances) continue;
        c.*field.member = ConvertValue(c.*field.member, field.conversion, field.factor, target);
    }
}

void ConvertResin(ResinRecord& record, UnitSystem target) {
    const bool wantMetric = target == UnitSystem::Metric;
    if (record.ResinIsMetric == wantMetric) return;
    record.ResinIsMetric = wantMetric;
    for (const ResinField& field : ResinNumberFields()) {
        if (field.conversion == ConversionKind::None) continue;
        record.*field.member =
            ConvertValue(record.*field.member, field.conversion, field.factor, target);
    }
}

const UnitCaptions& UnitCaptionsFor(UnitSystem units) {
    return units == UnitSystem::Metric ? kMetricCaptions : kUsCaptions;
}

}  // namespace veredod
