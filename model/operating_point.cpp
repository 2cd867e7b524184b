// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operating_point.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "model/calc.h"
#include "model/drive_limits.h"
#include "model/qpround.h"

namespace veredod {

namespace {

class SilentSink : public MessageSink {
public:
    void showMessage(MessageIcon, const std::string&, const std::string&) override {}
};

constexpr const char* kNoDragFlow =
    "The drag flow is 0 or less, so the screw pumps nothing into the die; check the speed, the "
    "diameter, the channel depth and the lead.";
constexpr const char* kNoFirstStageFlow =
    "The first stage's actual flow is 0 or less against its back pressure, so nothing reaches "
    "the die.";
constexpr const char* kRisingScrewLine =
    "The screw's output does not fall as the head pressure rises, so there is no single "
    "operating point; check the screw geometry.";
constexpr const char* kNotFinite =
    "The operating point is not a finite number; check the screw, the die and the resin.";

// A step whose guard fails keeps its target's earlier value; starting these
// at 0 keeps figures of an earlier run out of every operating point.
Case WithFreshResults(Case c) {
    for (double Case::*field :
         {&Case::EquivalentViscosity, &Case::PressureFlow, &Case::SecondPressureFlow,
          &Case::LeakageFlow, &Case::SecondLeakageFlow, &Case::SpecificOutput,
          &Case::SecondSpecificOutput, &Case::Torque, &Case::SecondTorque, &Case::Amps,
          &Case::SecondAmps, &Case::TorqueAvailable}) {
        c.*field = 0;
    }
    return c;
}

bool IsTwoStage(const Modes& modes) {
    return modes.screwType == ScrewType::TwoStage;
}

// The die is fed by the second stage of a two stage screw.
double Case::*DieBackPressure(const Modes& modes) {
    return IsTwoStage(modes) ? &Case::SecondStageBackPressure : &Case::SystemBackPressure;
}

Case CalculatedAt(Case c, double headPressure, const ResinTable& resins, const Modes& modes) {
    c.*DieBackPressure(modes) = headPressure;
    SilentSink silent;
    CalcCells(c, resins, modes, silent);
    return c;
}

// The flows are linear in the back pressure, so one run at unit pressure
// gives the line's slope without the cancellation of a difference.
ScrewCharacteristic LineOf(const Case& atUnitPressure, const Modes& modes) {
    const Case& r = atUnitPressure;
    if (IsTwoStage(modes)) {
        return {r.ScrewRpm, r.SecondDragFlow, r.SecondPressureFlow + r.SecondLeakageFlow};
    }
    return {r.ScrewRpm, r.DragFlow, r.PressureFlow + r.LeakageFlow};
}

// The flow q in [0, drag] where q = drag - k q^n: k is the screw line's
// slope times the die's drop at unit flow (all its elements share n).
// Newton steps on log q: there f is concave and falling, so from a start at
// or above the root they fall monotonically onto it, in two to five steps
// for ordinary dies. Neither term can exceed the drag flow at the root, which
// gives the start.
double SolveFlow(double drag, double k, double n) {
    double q = std::min(drag, std::pow(drag / k, 1 / n));
    for (int i = 0; i < 100 && q > 0; ++i) {
        const double headLoss = k * std::pow(q, n);
        const double next = q * std::exp((drag - headLoss - q) / (n * headLoss + q));
        if (!(next < q)) break;
        q = next;
    }
    return q;
}

void TakeFigures(OperatingPoint& p, const Modes& modes) {
    const Case& r = p.results;
    const bool twoStage = IsTwoStage(modes);
    auto stages = [&](double Case::*first, double Case::*second) {
        return twoStage ? r.*first + r.*second : r.*first;
    };
    p.temperatureRise = twoStage ? r.SecondTemperatureRise : r.TemperatureRise;
    p.power = modes.unitSystem == UnitSystem::Metric
                  ? stages(&Case::PowerNeededKw, &Case::SecondPowerNeededKw)
                  : stages(&Case::PowerNeededHp, &Case::SecondPowerNeededHp);
    p.specificEnergy = p.power / p.flow;
    p.torque = stages(&Case::Torque, &Case::SecondTorque);
    p.current = stages(&Case::Amps, &Case::SecondAmps);
    p.twoStage = twoStage;
    if (twoStage) {
        p.secondStageCapacity = r.SecondActualFlow;
        p.ventFlooding = p.secondStageCapacity < p.flow;
    }
}

void AddWarnings(OperatingPoint& p, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    const Case& r = p.results;
    if (p.ventFlooding) {
        const std::string flowUnit = metric ? " kg/hr" : " lbs/hr";
        const int flowDecimals = metric ? 4 : 2;
        const std::string against = QPROUND(p.pressure, 3) + (metric ? " bar" : " psi");
        const std::string firstStage = QPROUND(p.flow, flowDecimals) + flowUnit + ".";
        p.warnings.push_back(
            p.secondStageCapacity > 0
                ? "Vent flooding: the second stage pumps only " +
                      QPROUND(p.secondStageCapacity, flowDecimals) + flowUnit + " against " +
                      against + ", less than the first stage's " + firstStage
                : "Vent flooding: against " + against +
                      " the second stage pumps nothing of the first stage's " + firstStage);
    }
    const std::vector<std::string> drive =
        DriveLimitWarnings({p.torque, r.TorqueAvailable, p.power, r.PowerAvailable}, units);
    p.warnings.insert(p.warnings.end(), drive.begin(), drive.end());
}

}  // namespace

ScrewCharacteristic ScrewCharacteristicOf(const Case& c, const ResinTable& resins,
                                          const Modes& modes) {
    return LineOf(CalculatedAt(WithFreshResults(c), 1, resins, modes), modes);
}

OperatingPoint FindOperatingPoint(const Case& c, const ResinTable& resins, const Modes& modes,
                                  const Die& die, bool warnings) {
    OperatingPoint p;
    const ResinRecord* resin = resins.current();
    p.error = DieResinError(resin);
    if (p.error.empty()) p.error = DieGeometryError(die);
    if (!p.error.empty()) return p;

    const Case fresh = WithFreshResults(c);
    const Case atUnitPressure = CalculatedAt(fresh, 1, resins, modes);
    if (!(atUnitPressure.DragFlow > 0)) {
        p.error = kNoDragFlow;
        return p;
    }
    const UnitSystem units = modes.unitSystem;
    if (IsTwoStage(modes)) {
        // The first stage discharges into the vent, so its flow does not
        // depend on the die; the die sets only the second stage's head.
        const double firstStageFlow = atUnitPressure.ActualFlow;
        if (!(firstStageFlow > 0)) {
            p.error = kNoFirstStageFlow;
            return p;
        }
        p.flow = firstStageFlow;
        p.pressure = DiePressureDrop(die, *resin, units, firstStageFlow);
    } else {
        const ScrewCharacteristic line = LineOf(atUnitPressure, modes);
        if (!(line.slope >= 0)) {
            p.error = kRisingScrewLine;
            return p;
        }
        const double dropAtUnitFlow = DiePressureDrop(die, *resin, units, 1);
        // The solver's flow, not the calculation's drag less pressure and
        // leakage flow at P*: the same to the last bits, but free of their
        // cancellation when a nearly closed die lets almost nothing through.
        p.flow = SolveFlow(line.dragFlow, line.slope * dropAtUnitFlow, resin->PowerLawIndex);
        // A die so tight that the flow is below the smallest double stands
        // at the screw's shut-off pressure.
        p.pressure =
            p.flow > 0 ? DiePressureDrop(die, *resin, units, p.flow) : line.dragFlow / line.slope;
    }
    if (!std::isfinite(p.flow) || !std::isfinite(p.pressure)) {
        p.error = kNotFinite;
        return p;
    }
    p.results = CalculatedAt(fresh, p.pressure, resins, modes);
    TakeFigures(p, modes);
    if (warnings) AddWarnings(p, units);
    return p;
}

std::vector<std::string> OperatingPointLines(const OperatingPoint& p, UnitSystem units) {
    if (!p.found()) return {p.error};
    const bool metric = units == UnitSystem::Metric;
    const std::string flowUnit = metric ? " kg/hr" : " lbs/hr";
    const int flowDecimals = metric ? 4 : 2;
    std::vector<std::string> lines{
        "Operating point flow = " + QPROUND(p.flow, flowDecimals) + flowUnit,
        "Head pressure = " + QPROUND(p.pressure, 3) + (metric ? " bar" : " psi"),
        "Specific energy = " + QPROUND(p.specificEnergy, 4) + (metric ? " kWh/kg" : " hp-hr/lb"),
    };
    if (p.twoStage) {
        lines.push_back("Second stage capacity = " + QPROUND(p.secondStageCapacity, flowDecimals) +
                        flowUnit);
    }
    lines.insert(lines.end(), p.warnings.begin(), p.warnings.end());
    return lines;
}

}  // namespace veredod
