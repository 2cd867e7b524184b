// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/case.h"
#include "model/resin_table.h"

namespace veredod {

struct ReportLines {
    std::vector<std::string> lines;
    // False when the report had to stop (the current resin index names no
    // record): `lines` then ends after the system block, and nothing may be
    // printed; the caller reports "Print Error".
    bool complete = true;
};

// The printed report: header, screw type, units, length mode, the input
// blocks, the resin and the results (60 lines for one stage, 77 for two).
ReportLines BuildReport(const Case& c, const ResinTable& resins, const Modes& modes,
                        char decimalSeparator = '.');

}  // namespace veredod
