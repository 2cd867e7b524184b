// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/number_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <system_error>

#include "model/text.h"

namespace veredod {

namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents written in fixed form; outside them the E form is shorter
// and keeps the 15 digits readable.
constexpr int kLowestFixedExponent = -5;
constexpr int kHighestFixedExponent = 14;
// Magnitudes from here up round to 1.79769313486232E+308, which is beyond the
// largest double and would read back as no number at all; they are written
// one unit lower in the last digit instead.
constexpr double kRoundsPastLargest = 1.797693134862315e308;

struct DecimalDigits {
    char digits[kSignificantDigits];
    int count = 0;     // trailing zeros dropped, at least 1
    int exponent = 0;  // of the first digit
};

// Splits to_chars' scientific text "d.ddde+XX" (or "de+XX") into digits and
// exponent; false when it has more digits than the form keeps.
bool SplitScientific(const char* text, const char* end, DecimalDigits& out) {
    const char* e = std::find(text, end, 'e');
    out.count = 0;
    for (const char* p = text; p != e; ++p) {
        if (*p == '.') continue;
        if (out.count == kSignificantDigits) return false;
        out.digits[out.count++] = *p;
    }
    while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
    // to_chars always writes the exponent's sign and at least two digits.
    out.exponent = 0;
    for (const char* p = e + 2; p != end; ++p) out.exponent = out.exponent * 10 + (*p - '0');
    if (e[1] == '-') out.exponent = -out.exponent;
    return true;
}

// Most values people type are short decimals. When a whole number r below
// 10^15 divided by 10^k rounds to the value, r's digits are the value's
// 15-digit rounding (no other such decimal lies that close), found without
// the general conversion.
bool ShortDecimalDigits(double magnitude, DecimalDigits& out) {
    static constexpr double kPowersOfTen[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    constexpr double kFifteenDigits = 1e15;
    for (int k = 0; k < static_cast<int>(std::size(kPowersOfTen)); ++k) {
        const double whole = std::round(magnitude * kPowersOfTen[k]);
        if (whole >= kFifteenDigits) return false;
        if (whole == 0 || whole / kPowersOfTen[k] != magnitude) continue;
        char text[20];
        char* end = std::to_chars(text, text + sizeof text, static_cast<long long>(whole)).ptr;
        const int length = static_cast<int>(end - text);
        out.count = length;
        std::copy(text, end, out.digits);
        while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
        out.exponent = length - 1 - k;
        return true;
    }
    return false;
}

// The magnitude rounded to 15 significant digits. std::to_chars never looks
// at the process locale, which the window may have set.
DecimalDigits RoundedDigits(double magnitude) {
    if (magnitude >= kRoundsPastLargest) magnitude = 1.79769313486231e308;
    char text[64];
    DecimalDigits out;
    // The shortest text that reads back is much quicker to find, and when it
    // has at most 15 digits it is the 15-digit rounding: a normal double's
    // spacing is finer than 15 digits. Subnormals are coarser, so they and
    // longer texts take the rounding path.
    if (magnitude >= std::numeric_limits<double>::min()) {
        if (ShortDecimalDigits(magnitude, out)) return out;
        auto shortest =
            std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
        if (SplitScientific(text, shortest.ptr, out)) return out;
    }
    auto rounded = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                 kSignificantDigits - 1);
    SplitScientific(text, rounded.ptr, out);
    return out;
}

char* WriteFixed(char* out, const DecimalDigits& d) {
    if (d.exponent < 0) {
        *out++ = '.';
        out = std::fill_n(out, -d.exponent - 1, '0');
        return std::copy_n(d.digits, d.count, out);
    }
    const int integerDigits = d.exponent + 1;
    if (d.count <= integerDigits) {
        out = std::copy_n(d.digits, d.count, out);
        return std::fill_n(out, integerDigits - d.count, '0');
    }
    out = std::copy_n(d.digits, integerDigits, out);
    *out++ = '.';
    return std::copy_n(d.digits + integerDigits, d.count - integerDigits, out);
}

char* WriteExponential(char* out, const DecimalDigits& d) {
    *out++ = d.digits[0];
    if (d.count > 1) {
        *out++ = '.';
        out = std::copy_n(d.digits + 1, d.count - 1, out);
    }
    *out++ = 'E';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 3, magnitude).ptr;
}

// Sign or blank, at most 15 digits, a point, "E-308" and the closing blank.
constexpr size_t kLongestForm = 32;

// A non-finite value has no number form that reads back, so it is written as
// 0: such values only come out of a calculation, never from a typed cell, and
// a zero keeps the file readable line for line.
char* WriteNumberForm(char* out, double value) {
    if (!std::isfinite(value) || value == 0) {
        constexpr std::string_view kZero = " 0 ";
        return std::copy(kZero.begin(), kZero.end(), out);
    }
    *out++ = value < 0 ? '-' : ' ';
    const DecimalDigits d = RoundedDigits(std::fabs(value));
    if (d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent) {
        out = WriteFixed(out, d);
    } else {
        out = WriteExponential(out, d);
    }
    *out++ = ' ';
    return out;
}

// What a scan of the token found: whether it is a number at all, its digits
// when there are few enough to convert exactly, and where its first
// significant digit stands for a value std::from_chars could not hold.
constexpr long long kExponentLimit = 1'000'000'000;

struct TokenShape {
    bool valid = false;
    bool negative = false;
    bool allZero = true;
    long long leadingExponent = 0;  // decimal exponent of the first non-zero digit
    unsigned long long significand = 0;
    int significantDigits = 0;
    long long scale = 0;  // value = significand * 10^scale
};

// Reads "E[+-]digits" at t[i], if there is an E; a huge exponent saturates,
// which is as far out of range as the real one.
bool ScanExponent(std::string_view t, size_t& i, long long& exponent) {
    if (i == t.size() || (t[i] != 'E' && t[i] != 'e')) return true;
    return TakeExponent(t, i, exponent, kExponentLimit);
}

// Takes the run of digits at t[i] into the significand; zeros before the
// first significant digit only count as `leadingZeros`. Returns the run's
// length.
size_t ScanDigits(std::string_view t, size_t& i, TokenShape& shape, long long& leadingZeros) {
    const size_t start = i;
    for (; i < t.size() && IsDigit(t[i]); ++i) {
        const int digit = t[i] - '0';
        if (shape.significantDigits == 0 && digit == 0) {
            ++leadingZeros;
            continue;
        }
        if (shape.significantDigits < 19) shape.significand = shape.significand * 10 + digit;
        ++shape.significantDigits;
    }
    return i - start;
}

// Accepts [+-] (digits [. digits*] | . digits) [(E|e) [+-] digits], nothing else.
TokenShape ScanToken(std::string_view t) {
    TokenShape shape;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) shape.negative = t[i++] == '-';
    long long integerZeros = 0, fractionZeros = 0;
    const size_t integerDigits = ScanDigits(t, i, shape, integerZeros);
    const int integerSignificant = shape.significantDigits;
    size_t fractionDigits = 0;
    if (i < t.size() && t[i] == '.') fractionDigits = ScanDigits(t, ++i, shape, fractionZeros);
    long long exponent = 0;
    if (integerDigits + fractionDigits == 0 || !ScanExponent(t, i, exponent) || i != t.size()) {
        return shape;
    }
    shape.valid = true;
    shape.allZero = shape.significantDigits == 0;
    shape.scale = exponent - static_cast<long long>(fractionDigits);
    shape.leadingExponent =
        integerSignificant > 0 ? exponent + integerSignificant - 1 : exponent - fractionZeros - 1;
    return shape;
}

// Up to 15 digits and a power of ten up to 10^22 are both exact doubles, so
// one multiplication or division gives the correctly rounded value: the
// common case, done without the general conversion.
std::optional<double> ExactlyConverted(const TokenShape& shape) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr long long kLargestExactPower = 22;
    if (shape.allZero) return shape.negative ? -0.0 : 0.0;
    if (shape.significantDigits > 15 || shape.scale > kLargestExactPower ||
        shape.scale < -kLargestExactPower) {
        return std::nullopt;
    }
    const auto significand = static_cast<double>(shape.significand);
    const double magnitude = shape.scale >= 0 ? significand * kPowersOfTen[shape.scale]
                                              : significand / kPowersOfTen[-shape.scale];
    return shape.negative ? -magnitude : magnitude;
}

}  // namespace

std::string FormatFileNumber(double value) {
    char text[kLongestForm];
    return std::string(text, WriteNumberForm(text, value));
}

void AppendFileNumber(std::string& text, double value) {
    char form[kLongestForm];
    text.append(form, WriteNumberForm(form, value));
}

std::optional<double> ParseFileNumber(std::string_view token) {
    token = TrimBlanks(token);
    const TokenShape shape = ScanToken(token);
    if (!shape.valid) return std::nullopt;
    if (std::optional<double> exact = ExactlyConverted(shape)) return exact;
    if (token.front() == '+') token.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is not a number.
        if (shape.leadingExponent < 0) return shape.negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != token.data() + token.size()) return std::nullopt;
    return value;
}

}  // namespace veredod
