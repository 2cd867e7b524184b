// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veredod {

// A number as both text files write it: general form, at most 15 significant
// digits, "." as the point, no 0 before the point below 1, E notation for
// very large and very small magnitudes, one space (in place of a sign)
// before a non-negative number and one space after every number:
// 0.549 -> " .549 ", -12.5 -> "-12.5 ", 2866 -> " 2866 ", 1e20 -> " 1E+20 ".
std::string FormatFileNumber(double value);
// The same, appended to `text`: for writers of many numbers.
void AppendFileNumber(std::string& text, double value);

// A token: optional sign, digits with an optional fraction, optional E
// exponent; blanks around it are ignored. Anything else (empty, trailing
// junk, inf, nan, hex) is not a number.
std::optional<double> ParseFileNumber(std::string_view token);

}  // namespace veredod
