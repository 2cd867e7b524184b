#include "tools/json_case.h"

#include <cmath>
#include <utility>

#include "model/case.h"
#include "model/resin_table.h"
#include "window/main_model.h"

namespace veredod {
namespace {

using CaseField = std::pair<const char*, double Case::*>;
using ResinField = std::pair<const char*, double ResinRecord::*>;

constexpr CaseField kInputFields[] = {
    {"ScrewDiameter", &Case::ScrewDiameter},
    {"MeteringLength", &Case::MeteringLength},
    {"MeteringDepth", &Case::MeteringDepth},
    {"MeteringLead", &Case::MeteringLead},
    {"FlightClearance", &Case::FlightClearance},
    {"FlightWidth", &Case::FlightWidth},
    {"SecondScrewDiameter", &Case::SecondScrewDiameter},
    {"SecondMeteringLength", &Case::SecondMeteringLength},
    {"SecondMeteringDepth", &Case::SecondMeteringDepth},
    {"SecondMeteringLead", &Case::SecondMeteringLead},
    {"SecondFlightClearance", &Case::SecondFlightClearance},
    {"SecondFlightWidth", &Case::SecondFlightWidth},
    {"MaterialTempIn", &Case::MaterialTempIn},
    {"MaterialTempOut", &Case::MaterialTempOut},
    {"ScrewRpm", &Case::ScrewRpm},
    {"SystemBackPressure", &Case::SystemBackPressure},
    {"SecondStageBackPressure", &Case::SecondStageBackPressure},
    {"PowerSupply", &Case::PowerSupply},
    {"PowerAvailable", &Case::PowerAvailable},
    {"MotorSpeed", &Case::MotorSpeed},
    {"GearBoxSpeed", &Case::GearBoxSpeed},
};

constexpr CaseField kResultFields[] = {
    {"HelixAngle", &Case::HelixAngle},
    {"DragFlow", &Case::DragFlow},
    {"SecondDragFlow", &Case::SecondDragFlow},
    {"EquivalentViscosity", &Case::EquivalentViscosity},
    {"PressureFlow", &Case::PressureFlow},
    {"SecondPressureFlow", &Case::SecondPressureFlow},
    {"LeakageFlow", &Case::LeakageFlow},
    {"SecondLeakageFlow", &Case::SecondLeakageFlow},
    {"ActualFlow", &Case::ActualFlow},
    {"SecondActualFlow", &Case::SecondActualFlow},
    {"SpecificOutput", &Case::SpecificOutput},
    {"SecondSpecificOutput", &Case::SecondSpecificOutput},
    {"TemperatureRise", &Case::TemperatureRise},
    {"SecondTemperatureRise", &Case::SecondTemperatureRise},
    {"PowerNeededKw", &Case::PowerNeededKw},
    {"SecondPowerNeededKw", &Case::SecondPowerNeededKw},
    {"PowerNeededHp", &Case::PowerNeededHp},
    {"SecondPowerNeededHp", &Case::SecondPowerNeededHp},
    {"Torque", &Case::Torque},
    {"SecondTorque", &Case::SecondTorque},
    {"Amps", &Case::Amps},
    {"SecondAmps", &Case::SecondAmps},
    {"TorqueAvailable", &Case::TorqueAvailable},
    {"ResinCostUsed", &Case::ResinCostUsed},
    {"SecondResinCostUsed", &Case::SecondResinCostUsed},
    {"LeakageCostLost", &Case::LeakageCostLost},
    {"SecondLeakageCostLost", &Case::SecondLeakageCostLost},
    {"MeltVelocity", &Case::MeltVelocity},
    {"SecondMeltVelocity", &Case::SecondMeltVelocity},
    {"RotationalVelocity", &Case::RotationalVelocity},
    {"SecondRotationalVelocity", &Case::SecondRotationalVelocity},
    {"ShearRate", &Case::ShearRate},
    {"SecondShearRate", &Case::SecondShearRate},
};

constexpr ResinField kResinFields[] = {
    {"ResinCost", &ResinRecord::ResinCost},
    {"MeltDensity", &ResinRecord::MeltDensity},
    {"SolidDensity", &ResinRecord::SolidDensity},
    {"ConsistencyIndex", &ResinRecord::ConsistencyIndex},
    {"PowerLawIndex", &ResinRecord::PowerLawIndex},
    {"HeatCapacity", &ResinRecord::HeatCapacity},
    {"HeatOfFusion", &ResinRecord::HeatOfFusion},
    {"ThermalConductivity", &ResinRecord::ThermalConductivity},
};

// Spelled out rather than left to the library, which would also write null
// but only as a side effect of its dump settings.
nlohmann::ordered_json Number(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

nlohmann::ordered_json CaseFields(const Case& c, const CaseField* begin, const CaseField* end) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const CaseField* field = begin; field != end; ++field) {
        object[field->first] = Number(c.*(field->second));
    }
    return object;
}

std::string Caption(const OptionGroup& group) {
    const auto index = static_cast<std::size_t>(group.selected);
    return index < group.captions.size() ? group.captions[index] : std::string();
}

nlohmann::ordered_json Flags(const MainModel& model) {
    const Modes modes = model.modes();
    const WindowState& state = model.state();
    return {
        {"ScrewType", static_cast<int>(modes.screwType)},
        {"ScrewTypeName", Caption(state.optScrewType)},
        {"UnitSystem", static_cast<int>(modes.unitSystem)},
        {"UnitSystemName", Caption(state.optUnits)},
        {"SectionLengthMode", static_cast<int>(modes.sectionLengthMode)},
        {"SectionLengthModeName", Caption(state.optSectLength)},
    };
}

nlohmann::ordered_json Resin(const ResinTable& table) {
    nlohmann::ordered_json resin = nlohmann::ordered_json::object();
    resin["CurrentResin"] = table.CurrentResin;
    const ResinRecord* record = table.current();
    resin["ResinName"] =
        record ? nlohmann::ordered_json(record->ResinName) : nlohmann::ordered_json();
    resin["ResinIsMetric"] =
        record ? nlohmann::ordered_json(record->ResinIsMetric) : nlohmann::ordered_json();
    for (const ResinField& field : kResinFields) {
        resin[field.first] = record ? Number(record->*(field.second)) : nlohmann::ordered_json();
    }
    return resin;
}

}  // namespace

nlohmann::ordered_json CaseToJson(const MainModel& model) {
    const Case& c = model.currentCase();
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    out["flags"] = Flags(model);
    out["inputs"] = CaseFields(c, std::begin(kInputFields), std::end(kInputFields));
    out["resin"] = Resin(model.resinTable());
    out["results"] = CaseFields(c, std::begin(kResultFields), std::end(kResultFields));
    return out;
}

}  // namespace veredod
