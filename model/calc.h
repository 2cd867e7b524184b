// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/case.h"
#include "model/messages.h"
#include "model/resin_table.h"

namespace veredod {

// pi as the formulas use it: the decimal constant, not the full-precision one.
inline constexpr double kCalcPi = 3.141592654;

// The extrusion calculation: one pass on the first stage (steps A1..A19), a
// second on the second stage for the two stage screw. Reads the inputs and
// the current resin, writes HelixAngle and the result fields. A guarded step
// whose guard fails leaves its target alone; IEEE infinities and NaNs are
// stored as they come; a missing resin record gives one "Error: " message per
// step that reads it, and the run goes on.
void CalcCells(Case& c, const ResinTable& resins, const Modes& modes, MessageSink& messages);

}  // namespace veredod
