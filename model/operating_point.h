// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screw and die together: where the screw's output, falling with the head
// pressure, meets the die's pressure drop, rising with the flow.
//
//   Case + resin + Die --FindOperatingPoint--> flow, head pressure, the whole
//                                              calculation at that pressure
//   ... over a speed range --SweepSpeeds--> rows --SweepCsv--> CSV text
//   ... --Characteristics--> screw lines at five speeds, die curve (chart)
//
// Every figure is in the active unit system: flows kg/hr or lbs/hr,
// pressures bar or psi, power kW or hp, specific energy kWh/kg or hp*hr/lb,
// torque N-m or lbs-ft, current A.

#include <string>
#include <string_view>
#include <vector>

#include "model/case.h"
#include "model/die.h"
#include "model/resin_table.h"

namespace veredod {

// The screw's output against head pressure P: flow = dragFlow - slope * P,
// for the stage that feeds the die (the second stage of a two stage screw).
struct ScrewCharacteristic {
    double rpm = 0;
    double dragFlow = 0;
    double slope = 0;  // pressure plus leakage flow per unit of pressure
};

struct OperatingPoint {
    std::string error;               // why there is no operating point; "" when there is one
    double flow = 0;                 // actual flow (of the first stage with a two stage screw)
    double pressure = 0;             // head pressure before the die
    double temperatureRise = 0;      // of the stage that feeds the die
    double power = 0;                // kW or hp, both stages together with a two stage screw
    double specificEnergy = 0;       // power / flow
    double torque = 0;               // both stages together with a two stage screw
    double current = 0;              // both stages together with a two stage screw
    bool twoStage = false;           // the die is fed by the second stage
    bool ventFlooding = false;       // the second stage cannot pump the first stage's flow
    double secondStageCapacity = 0;  // what the second stage pumps against `pressure` (may be < 0)
    std::vector<std::string> warnings;
    Case results;  // the calculation run with the head pressure as back pressure

    bool found() const { return error.empty(); }
};

// The screw's characteristic at the case's speed, from the calculation
// itself (all 0 when the current resin record is missing).
ScrewCharacteristic ScrewCharacteristicOf(const Case& c, const ResinTable& resins,
                                          const Modes& modes);

// One screw, one resin, one die: the operating point, or its `error`.
// Without `warnings` the warning texts are left out, which halves the time.
OperatingPoint FindOperatingPoint(const Case& c, const ResinTable& resins, const Modes& modes,
                                  const Die& die, bool warnings = true);

// The figures and warnings as lines of text for a status line or a console,
// with the results list's rounding; the error alone when there is none.
std::vector<std::string> OperatingPointLines(const OperatingPoint& point, UnitSystem units);

struct SpeedRange {
    double from = 0;
    double to = 0;
    double step = 0;
};

inline constexpr int kMaxSweepRows = 100000;

// "FROM:TO:STEP", optionally after "rpm=". The range, or `error` set.
struct SpeedRangeParse {
    SpeedRange range;
    std::string error;
};
SpeedRangeParse ParseSpeedRange(std::string_view text);

// Why the range cannot be swept, or "".
std::string SpeedRangeError(const SpeedRange& range);

struct SweepRow {
    double rpm = 0;
    double flow = 0;
    double pressure = 0;
    double temperatureRise = 0;
    double power = 0;
    double specificEnergy = 0;
    double torque = 0;
    double current = 0;
};

struct Sweep {
    std::vector<SweepRow> rows;  // FROM, FROM + STEP, ... up to TO
    std::string error;           // the range's fault, or the first speed without an operating point
};
Sweep SweepSpeeds(const Case& c, const ResinTable& resins, const Modes& modes, const Die& die,
                  const SpeedRange& range);

inline constexpr const char* kSweepCsvHeader =
    "rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current";

// The header and one line per row, each number to the last bit, "\n" ends
// every line.
std::string SweepCsv(const std::vector<SweepRow>& rows);

struct ChartPoint {
    double flow = 0;
    double pressure = 0;
};

struct ScrewLine {
    double rpm = 0;
    std::vector<ChartPoint> points;  // from (drag flow, 0) to (0, shut-off pressure)
};

struct Characteristics {
    std::vector<ScrewLine> screwLines;  // at half, 3/4, 1, 5/4 and 3/2 of the set speed
    std::vector<ChartPoint> dieCurve;   // from 0 past the fastest line's drag flow
    OperatingPoint point;               // at the set speed; its error voids the rest
};
Characteristics CharacteristicsOf(const Case& c, const ResinTable& resins, const Modes& modes,
                                  const Die& die);

}  // namespace veredod
