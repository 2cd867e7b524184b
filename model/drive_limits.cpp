// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/drive_limits.h"

#include "model/qpround.h"

namespace veredod {

namespace {

std::string Percent(double needed, double available) {
    return QPROUND((needed / available - 1) * 100, 1) + " %.";
}

}  // namespace

DriveLoad DriveLoadOf(const Case& c, const Modes& modes) {
    const bool twoStage = modes.screwType == ScrewType::TwoStage;
    auto stages = [&](double Case::*first, double Case::*second) {
        return twoStage ? c.*first + c.*second : c.*first;
    };
    DriveLoad load;
    load.torqueNeeded = stages(&Case::Torque, &Case::SecondTorque);
    load.torqueAvailable = c.TorqueAvailable;
    // US PowerNeededKw holds Btu/hr; the motor is rated in HP there.
    load.powerNeeded = modes.unitSystem == UnitSystem::Metric
                           ? stages(&Case::PowerNeededKw, &Case::SecondPowerNeededKw)
                           : stages(&Case::PowerNeededHp, &Case::SecondPowerNeededHp);
    load.powerAvailable = c.PowerAvailable;
    return load;
}

std::vector<std::string> DriveLimitWarnings(const DriveLoad& load, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    std::vector<std::string> warnings;
    if (load.torqueAvailable > 0 && load.torqueNeeded > load.torqueAvailable) {
        const std::string unit = metric ? " N-m" : " lbs-ft";
        warnings.push_back("Torque needed " + QPROUND(load.torqueNeeded, 2) + unit +
                           " is above the torque available " + QPROUND(load.torqueAvailable, 2) +
                           unit + " by " + Percent(load.torqueNeeded, load.torqueAvailable));
    }
    if (load.powerAvailable > 0 && load.powerNeeded > load.powerAvailable) {
        warnings.push_back("Power needed " + QPROUND(load.powerNeeded, 2) +
                           (metric ? " kW" : " hp") + " is above the motor power available " +
                           QPROUND(load.powerAvailable, 2) + (metric ? " kW" : " HP") + " by " +
                           Percent(load.powerNeeded, load.powerAvailable));
    }
    return warnings;
}

}  // namespace veredod
