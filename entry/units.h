// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Case entry: cell text into the case, and the case between unit systems.
//
//   cell text --lenient / strict reading--> Case field or current ResinRecord
//   UnitSystem switch --ConvertCase / ConvertResin--> the same numbers in the other system
//   UnitSystem --UnitCaptionsFor--> the unit-dependent labels and help text
//
// Nothing here knows the window: MainModel's handlers (window/main_model_units.cpp,
// main_model_modes.cpp, main_model_cells.cpp) apply these to its state.

#include <array>

#include "model/case.h"
#include "model/resin_table.h"
#include "model/unit_factors.h"

namespace veredod {

// One value converted toward `target`.
double ConvertValue(double value, ConversionKind kind, double factor, UnitSystem target);

// Every unit-bearing input and result of the case toward `target`, each once.
// The metering lengths are distances only outside L/D mode, so they are
// converted only when `meteringLengthsAreDistances`.
void ConvertCase(Case& c, UnitSystem target, bool meteringLengthsAreDistances);

// The record's numbers toward `target` and its flag stamped, when the flag
// says the record is in the other system; otherwise nothing changes.
void ConvertResin(ResinRecord& record, UnitSystem target);

inline constexpr const char* kMeterLengthRatioCaption = "Meter Length (L/D)";

// The captions and the help text that follow the unit system.
struct UnitCaptions {
    const char* sectionLengthDistance;  // optSectLength(1)
    // Label1(i) and Label1(i + 6); [1] is the distance-mode metering length.
    std::array<const char*, 6> geometry;
    const char* tempIn;          // Label3(0)
    const char* tempOut;         // Label3(1)
    const char* backPressure;    // Label3(3)
    const char* powerAvailable;  // Label4(1)
    // Label2(1..8), in txtMatlProp order.
    std::array<const char*, ResinRecord::kNumberCount> resinProperties;
    const char* flightClearanceHelp;  // txtVar(4)
};

const UnitCaptions& UnitCaptionsFor(UnitSystem units);

}  // namespace veredod
