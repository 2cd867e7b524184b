#pragma once

#include <nlohmann/json.hpp>

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
nlohmann::ordered_json CaseToJson(const MainModel& model);

}  // namespace veredod
