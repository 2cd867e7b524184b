// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "model/case.h"
#include "model/operating_point.h"

namespace veredod {

class MainModel;

// The window's case as one JSON object, its members in this order:
//   "flags":   ScrewType, UnitSystem, SectionLengthMode as numbers, and their
//              option captions as ScrewTypeName, UnitSystemName, SectionLengthModeName;
//   "inputs":  every input field by its name;
//   "resin":   CurrentResin, then ResinName, ResinIsMetric and the eight values
//              (null when the index names no record);
//   "results": HelixAngle and every result field by its name.
// Numbers keep full precision; a non-finite number is null.
// With `results`, "results" holds that case's results instead of the model's.
nlohmann::ordered_json CaseToJson(const MainModel& model, const Case* results = nullptr);

// The operating point as Flow, Pressure, SpecificEnergy, VentFlooding and
// Warnings, unrounded; a point that was not found is {"Error": reason}.
nlohmann::ordered_json OperatingPointToJson(const OperatingPoint& point);

}  // namespace veredod
