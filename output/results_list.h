// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Results output: the case's results as text lines.
//
//   Case + modes --ResultsLines--> lstResults (17 or 27 lines)
//   Case + resin + modes --ReportLines--> printed report (60 or 77 lines)
//
// Each line is label + QPROUND(value, decimals) + unit word. Nothing here
// computes or converts; the values are shown as the case holds them.

#include <string>
#include <vector>

#include "model/case.h"

namespace veredod {

// The face the results list (and the typical-values table) asks for.
inline constexpr const char* kResultsFontFace = "courier";

// DisplayResults' lines: the single-screw list (barrier and single flighted
// screw) or the two-stage list, in the columns of the unit system.
std::vector<std::string> ResultsLines(const Case& c, ScrewType screwType, UnitSystem units,
                                      char decimalSeparator = '.');

// The hover text of each of those lines: the value to the last bit and the
// unit word, since the list's rounding can hide a value or show it as "0".
std::vector<std::string> ResultsTips(const Case& c, ScrewType screwType, UnitSystem units,
                                     char decimalSeparator = '.');

}  // namespace veredod
