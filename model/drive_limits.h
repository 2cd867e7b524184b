// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the drive can give against what the screw needs: the sentences that
// warn when the screw asks for more torque or power than the drive has.

#include <string>
#include <vector>

#include "model/case.h"

namespace veredod {

// Both stages together for a two stage screw, as one drive turns them both.
// Power in kW (metric) or hp (US): the motor's own rating units.
struct DriveLoad {
    double torqueNeeded = 0;
    double torqueAvailable = 0;
    double powerNeeded = 0;
    double powerAvailable = 0;
};

// The load of a calculated case on its drive.
DriveLoad DriveLoadOf(const Case& c, const Modes& modes);

// One sentence per limit passed, with the margin in per cent; none when the
// drive suffices or the figure it has is not above 0.
std::vector<std::string> DriveLimitWarnings(const DriveLoad& load, UnitSystem units);

}  // namespace veredod
