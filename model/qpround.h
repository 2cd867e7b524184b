// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veredod {

// Display text of a number with at most `decimals` decimals: halves away from
// zero (judged on the 15-significant-digit decimal a user reads), no leading
// zero before the separator, no trailing zeros, "" for anything that rounds
// to zero, "0" for NaN and the infinities, "-" for a negative value.
std::string QPROUND(double x, int decimals, char decimalSeparator = '.');

// The shortest text that reads back as exactly x, for a user who wants the
// value behind a rounded one: 176.05825582, 4.1e-05, 0, inf, nan.
std::string FullPrecision(double x, char decimalSeparator = '.');

}  // namespace veredod
