// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fields.h"

#include <iterator>

namespace veredod {

namespace {

constexpr auto kInput = FieldRole::Input;
constexpr auto kResult = FieldRole::Result;
constexpr auto kNone = ConversionKind::None;
constexpr auto kMul = ConversionKind::MultiplyToMetric;
constexpr auto kDiv = ConversionKind::DivideToMetric;
constexpr auto kTemperature = ConversionKind::Temperature;
constexpr auto kTemperatureDifference = ConversionKind::TemperatureDifference;
constexpr bool kNew = true;    // cleared by New
constexpr bool kKept = false;  // New leaves it as it is

constexpr CaseField kCaseFields[] = {
    {"ScrewDiameter", &Case::ScrewDiameter, kInput, kMul, kInchToMm, kNew},
    {"MeteringLength", &Case::MeteringLength, kInput, kMul, kInchToMm, kNew, true},
    {"MeteringDepth", &Case::MeteringDepth, kInput, kMul, kInchToMm, kNew},
    {"MeteringLead", &Case::MeteringLead, kInput, kMul, kInchToMm, kNew},
    {"FlightClearance", &Case::FlightClearance, kInput, kMul, kInchToMm, kNew},
    {"FlightWidth", &Case::FlightWidth, kInput, kMul, kInchToMm, kNew},
    {"SecondScrewDiameter", &Case::SecondScrewDiameter, kInput, kMul, kInchToMm, kNew},
    {"SecondMeteringLength", &Case::SecondMeteringLength, kInput, kMul, kInchToMm, kNew, true},
    {"SecondMeteringDepth", &Case::SecondMeteringDepth, kInput, kMul, kInchToMm, kNew},
    {"SecondMeteringLead", &Case::SecondMeteringLead, kInput, kMul, kInchToMm, kNew},
    {"SecondFlightClearance", &Case::SecondFlightClearance, kInput, kMul, kInchToMm, kNew},
    {"SecondFlightWidth", &Case::SecondFlightWidth, kInput, kMul, kInchToMm, kNew},
    {"MaterialTempIn", &Case::MaterialTempIn, kInput, kTemperature, 0, kNew},
    {"MaterialTempOut", &Case::MaterialTempOut, kInput, kTemperature, 0, kNew},
    {"ScrewRpm", &Case::ScrewRpm, kInput, kNone, 0, kNew},
    {"SystemBackPressure", &Case::SystemBackPressure, kInput, kMul, kPsiToBar, kNew},
    {"SecondStageBackPressure", &Case::SecondStageBackPressure, kInput, kMul, kPsiToBar, kNew},
    {"PowerSupply", &Case::PowerSupply, kInput, kNone, 0, kNew},
    {"PowerAvailable", &Case::PowerAvailable, kInput, kDiv, kKwToHp, kNew},
    {"MotorSpeed", &Case::MotorSpeed, kInput, kNone, 0, kNew},
    {"GearBoxSpeed", &Case::GearBoxSpeed, kInput, kNone, 0, kNew},

    {"HelixAngle", &Case::HelixAngle, kResult, kNone, 0, kNew},
    {"DragFlow", &Case::DragFlow, kResult, kMul, kLbToKg, kNew},
    {"SecondDragFlow", &Case::SecondDragFlow, kResult, kMul, kLbToKg, kNew},
    {"EquivalentViscosity", &Case::EquivalentViscosity, kResult, kMul, kPsiToPa, kNew},
    {"PressureFlow", &Case::PressureFlow, kResult, kMul, kLbToKg, kNew},
    {"SecondPressureFlow", &Case::SecondPressureFlow, kResult, kMul, kLbToKg, kNew},
    {"LeakageFlow", &Case::LeakageFlow, kResult, kMul, kLbToKg, kKept},
    {"SecondLeakageFlow", &Case::SecondLeakageFlow, kResult, kMul, kLbToKg, kKept},
    {"ActualFlow", &Case::ActualFlow, kResult, kMul, kLbToKg, kNew},
    {"SecondActualFlow", &Case::SecondActualFlow, kResult, kMul, kLbToKg, kNew},
    {"SpecificOutput", &Case::SpecificOutput, kResult, kMul, kLbToKg, kKept},
    {"SecondSpecificOutput", &Case::SecondSpecificOutput, kResult, kMul, kLbToKg, kKept},
    {"TemperatureRise", &Case::TemperatureRise, kResult, kTemperatureDifference, 0, kNew},
    {"SecondTemperatureRise", &Case::SecondTemperatureRise, kResult, kTemperatureDifference, 0,
     kNew},
    {"PowerNeededKw", &Case::PowerNeededKw, kResult, kMul, kBtuPerHourToKw, kNew},
    {"SecondPowerNeededKw", &Case::SecondPowerNeededKw, kResult, kMul, kBtuPerHourToKw, kNew},
    {"PowerNeededHp", &Case::PowerNeededHp, kResult, kNone, 0, kNew},
    {"SecondPowerNeededHp", &Case::SecondPowerNeededHp, kResult, kNone, 0, kNew},
    {"Torque", &Case::Torque, kResult, kMul, kLbFtToNm, kNew},
    {"SecondTorque", &Case::SecondTorque, kResult, kMul, kLbFtToNm, kNew},
    {"Amps", &Case::Amps, kResult, kNone, 0, kNew},
    {"SecondAmps", &Case::SecondAmps, kResult, kNone, 0, kNew},
    {"TorqueAvailable", &Case::TorqueAvailable, kResult, kMul, kLbFtToNm, kKept},
    // Money per hour: the same sum in either unit system.
    {"ResinCostUsed", &Case::ResinCostUsed, kResult, kNone, 0, kKept},
    {"SecondResinCostUsed", &Case::SecondResinCostUsed, kResult, kNone, 0, kKept},
    {"LeakageCostLost", &Case::LeakageCostLost, kResult, kNone, 0, kKept},
    {"SecondLeakageCostLost", &Case::SecondLeakageCostLost, kResult, kNone, 0, kKept},
    {"MeltVelocity", &Case::MeltVelocity, kResult, kMul, kInchToMm, kKept},
    {"SecondMeltVelocity", &Case::SecondMeltVelocity, kResult, kMul, kInchToMm, kKept},
    {"RotationalVelocity", &Case::RotationalVelocity, kResult, kMul, kInchToMm, kKept},
    {"SecondRotationalVelocity", &Case::SecondRotationalVelocity, kResult, kMul, kInchToMm, kKept},
    {"ShearRate", &Case::ShearRate, kResult, kNone, 0, kKept},
    {"SecondShearRate", &Case::SecondShearRate, kResult, kNone, 0, kKept},
};

// A number added to the case without a row here would be missed by the unit
// switch, New and the JSON alike.
static_assert(sizeof(Case) == std::size(kCaseFields) * sizeof(double));

// ResinName and PowerLawIndex carry no unit.
constexpr ResinField kResinNumberFields[ResinRecord::kNumberCount] = {
    {"ResinCost", &ResinRecord::ResinCost, kDiv, kLbToKg},
    {"MeltDensity", &ResinRecord::MeltDensity, kMul, kLbPerFt3ToKgPerM3},
    {"SolidDensity", &ResinRecord::SolidDensity, kMul, kLbPerFt3ToKgPerM3},
    {"ConsistencyIndex", &ResinRecord::ConsistencyIndex, kMul, kPsiToPa},
    {"PowerLawIndex", &ResinRecord::PowerLawIndex, kNone, 0},
    {"HeatCapacity", &ResinRecord::HeatCapacity, kMul, kBtuPerLbFToJPerKgC},
    {"HeatOfFusion", &ResinRecord::HeatOfFusion, kMul, kBtuPerLbToJPerKg},
    {"ThermalConductivity", &ResinRecord::ThermalConductivity, kMul, kBtuPerFtHrFToWPerMC},
};

}  // namespace

std::span<const CaseField> CaseFields() {
    return kCaseFields;
}

std::span<const ResinField> ResinNumberFields() {
    return kResinNumberFields;
}

}  // namespace veredod
