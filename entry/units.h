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

namespace veredod {

// How one row of a conversion table turns a US value into a metric one; the
// way back is always the exact inverse operation (a division undoes a
// multiplication by the same constant, never a multiplication by its reciprocal).
enum class ConversionKind {
    MultiplyToMetric,       // metric = us * factor
    DivideToMetric,         // metric = us / factor
    Temperature,            // metric = (us - 32) * (5 / 9); exactly 0 stays 0
    TemperatureDifference,  // metric = us * (5 / 9); exactly 0 stays 0
};

inline constexpr double kInchToMm = 25.4;
inline constexpr double kPsiToBar = 0.06894757;
inline constexpr double kKwToHp = 1.34102209;
inline constexpr double kLbToKg = 0.45359237;
inline constexpr double kPsiToPa = 6894.757293;
inline constexpr double kBtuPerHourToKw = 0.0002928104;
inline constexpr double kLbFtToNm = 1.3558181;
inline constexpr double kLbPerFt3ToKgPerM3 = 16.018464;
inline constexpr double kBtuPerLbFToJPerKgC = 4186.80031;
inline constexpr double kBtuPerLbToJPerKg = 2326.0002;
inline constexpr double kBtuPerFtHrFToWPerMC = 1.729195398;

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
