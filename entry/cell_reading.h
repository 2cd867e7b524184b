// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "model/case.h"

namespace veredod {

// The reading of the geometry, system and motor cells: blanks, tabs, CR and
// LF anywhere are dropped, then the longest leading number is taken (sign,
// digits, one decimal point, exponent; &H hex and &O octal whole numbers).
// The full stop is always a decimal point; `decimalSeparator` is one too,
// so a cell showing the locale's "2,5" reads back as 2.5. Never fails: no
// number reads as 0.
double ReadLenientNumber(std::string_view text, char decimalSeparator = '.');
// Whether that reading took the whole text, blanks aside: "12.5" and "" do,
// "12abc", "1,000" and "abc" do not.
bool LenientReadingIsWhole(std::string_view text, char decimalSeparator = '.');

// The reading of the resin property cells: the whole text, blanks around it
// aside, must be a number in the regional format (sign, integer digits with
// group separators only between groups of three, decimal separator and
// fraction, exponent). Anything else, the empty text included, is nullopt.
std::optional<double> ReadStrictNumber(std::string_view text, char decimalSeparator = '.',
                                       char groupSeparator = ',');

// Where a lenient cell stores its reading; nullptr for an index outside the group.
inline constexpr int kVarCells = 12;
inline constexpr int kExtSysCells = 4;
inline constexpr int kMotorSpecCells = 4;
inline constexpr int kMatlPropCells = 9;

double* VarField(Case& c, int index);
// txtExtSys(3) stands for the back pressure of the screw type selected now.
double* ExtSysField(Case& c, int index, ScrewType screwType);
double* MotorSpecField(Case& c, int index);

}  // namespace veredod
