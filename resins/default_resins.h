// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/case.h"

namespace veredod {

// DisplayDefaultResins' lines: the 3 header lines and 15 resin lines of the
// typical-values table in the given unit system (18 lines).
std::vector<std::string> DefaultResinLines(UnitSystem units);

}  // namespace veredod
