// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/qpround.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace veredod {

namespace {

constexpr int kSignificantDigits = 15;
// No double has a nonzero digit below the 10^-340 place, so asking for more
// decimals than this cannot change the text once trailing zeros are dropped.
constexpr int kMaxDecimals = 340;
// Integer places of the largest double (10^308), plus one for a carry.
constexpr int kMaxIntegerPlaces = 310;

// The 15 significant digits of |x| as a user reads them, and the decimal
// exponent of the first one.
struct Significand {
    char digits[kSignificantDigits];
    int exponent;
};

Significand ReadSignificand(double magnitude) {
    char text[40];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                kSignificantDigits - 1);
    // text is "d.ddddddddddddddde[+-]xx"
    Significand s{};
    s.digits[0] = text[0];
    std::copy(text + 2, text + 1 + kSignificantDigits, s.digits + 1);
    const char* exponentText = text + 2 + kSignificantDigits;
    if (*exponentText == '+') ++exponentText;
    std::from_chars(exponentText, result.ptr, s.exponent);
    return s;
}

}  // namespace

std::string QPROUND(double x, int decimals, char decimalSeparator) {
    if (!std::isfinite(x)) return "0";
    if (x == 0) return "";
    decimals = std::clamp(decimals, 0, kMaxDecimals);

    const Significand s = ReadSignificand(std::fabs(x));
    // Places run from `top` (a spare one for the carry) down to -decimals;
    // place p is stored at fixed[top - p].
    const int top = std::max(s.exponent, 0) + 1;
    const int length = top + 1 + decimals;
    char fixed[kMaxIntegerPlaces + 1 + kMaxDecimals + 1];
    auto digitAt = [&](int place) {
        const int index = s.exponent - place;
        return (index >= 0 && index < kSignificantDigits) ? s.digits[index] : '0';
    };
    for (int i = 0; i < length; ++i) fixed[i] = digitAt(top - i);

    if (digitAt(-decimals - 1) >= '5') {
        int i = length - 1;
        while (fixed[i] == '9') fixed[i--] = '0';
        ++fixed[i];  // the spare top place absorbs the last carry
    }

    const int integerEnd = top + 1;  // index just past place 0
    int first = 0;
    while (first < integerEnd && fixed[first] == '0') ++first;
    int last = length;
    while (last > integerEnd && fixed[last - 1] == '0') --last;
    if (first == integerEnd && last == integerEnd) return "";

    std::string text;
    text.reserve(static_cast<size_t>(last - first) + 2);
    if (x < 0) text.push_back('-');
    text.append(fixed + first, fixed + integerEnd);
    if (last > integerEnd) {
        text.push_back(decimalSeparator);
        text.append(fixed + integerEnd, fixed + last);
    }
    return text;
}

std::string FullPrecision(double x, char decimalSeparator) {
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, x);
    std::string shown(text, result.ptr);
    std::replace(shown.begin(), shown.end(), '.', decimalSeparator);
    return shown;
}

}  // namespace veredod
