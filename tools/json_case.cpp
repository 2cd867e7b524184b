// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/json_case.h"

#include <cmath>

#include "model/case.h"
#include "model/fields.h"
#include "model/resin_table.h"
#include "window/main_model.h"

namespace veredod {
namespace {

// Spelled out rather than left to the library, which would also write null
// but only as a side effect of its dump settings.
nlohmann::ordered_json Number(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

nlohmann::ordered_json FieldsWithRole(const Case& c, FieldRole role) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const CaseField& field : CaseFields()) {
        if (field.role == role) object[field.name] = Number(c.*field.member);
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
    for (const ResinField& field : ResinNumberFields()) {
        resin[field.name] = record ? Number(record->*field.member) : nlohmann::ordered_json();
    }
    return resin;
}

}  // namespace

nlohmann::ordered_json CaseToJson(const MainModel& model, const Case* results) {
    const Case& c = model.currentCase();
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    out["flags"] = Flags(model);
    out["inputs"] = FieldsWithRole(c, FieldRole::Input);
    out["resin"] = Resin(model.resinTable());
    out["results"] = FieldsWithRole(results ? *results : c, FieldRole::Result);
    return out;
}

nlohmann::ordered_json OperatingPointToJson(const OperatingPoint& point) {
    if (!point.found()) return {{"Error", point.error}};
    return {
        {"Flow", Number(point.flow)},
        {"Pressure", Number(point.pressure)},
        {"SpecificEnergy", Number(point.specificEnergy)},
        {"VentFlooding", point.ventFlooding},
        {"Warnings", point.warnings},
    };
}

}  // namespace veredod
