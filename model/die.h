// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The die: flow channels in series after the screw, each of one shape and a
// count of identical channels side by side. The melt follows the resin's
// power law, isothermal.
//
//   die text --ParseDie--> Die --DiePressureDrop(flow)--> head pressure
//   Die --FormatDie--> die text
//
// Dimensions are in the active unit system (mm or in), like the case's.

#include <string>
#include <string_view>
#include <vector>

#include "model/case.h"
#include "model/resin_table.h"

namespace veredod {

enum class DieShape { Circular, Slit, Annulus };

// Only the dimensions of the element's shape are read: circular d and l,
// slit w, h and l, annulus do, di and l.
struct DieElement {
    DieShape shape = DieShape::Circular;
    int count = 1;  // identical channels in parallel
    double diameter = 0;
    double width = 0;
    double gap = 0;
    double outerDiameter = 0;
    double innerDiameter = 0;
    double length = 0;

    bool operator==(const DieElement&) const = default;
};

struct Die {
    std::vector<DieElement> elements;  // in series

    bool operator==(const Die&) const = default;
};

// "circular", "slit", "annulus": the shape's word in die texts.
const char* DieShapeName(DieShape shape);

// The first fault of the die's geometry as a sentence, or "" for a good die.
std::string DieGeometryError(const Die& die);

// The first reason the resin cannot flow through a die, or "" when it can:
// a missing record, a melt density, consistency index or power law index
// that is not above 0.
std::string DieResinError(const ResinRecord* resin);

// Pressure drop over one element (bar or psi) at a mass flow (kg/hr or
// lbs/hr). The die and the resin must have passed the checks above.
double ElementPressureDrop(const DieElement& element, const ResinRecord& resin, UnitSystem units,
                           double massFlow);

// Pressure drop over the die: the sum over its elements.
double DiePressureDrop(const Die& die, const ResinRecord& resin, UnitSystem units, double massFlow);

// A die unit switch: every dimension toward `target` (x 25.4 into mm,
// / 25.4 into in), as the case's lengths are converted.
void ConvertDie(Die& die, UnitSystem target);

// A die text such as "circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30"
// (count may be left out and is then 1; blanks around words and numbers are
// ignored). The die, or `error` set to a sentence saying what is wrong.
struct DieParse {
    Die die;
    std::string error;
};
DieParse ParseDie(std::string_view text);

// The die as a die text that ParseDie reads back to the same numbers.
std::string FormatDie(const Die& die);

}  // namespace veredod
