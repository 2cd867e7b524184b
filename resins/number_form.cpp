#include "resins/number_form.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

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

// The magnitude rounded to 15 significant digits. std::to_chars never looks
// at the process locale, which the window may have set.
DecimalDigits RoundedDigits(double magnitude) {
    if (magnitude >= kRoundsPastLargest) magnitude = 1.79769313486231e308;
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                kSignificantDigits - 1);
    // text is "d.dddddddddddddde+XX"
    DecimalDigits out;
    out.digits[0] = text[0];
    for (int i = 1; i < kSignificantDigits; ++i) out.digits[i] = text[i + 1];
    out.count = kSignificantDigits;
    while (out.count > 1 && out.digits[out.count - 1] == '0') --out.count;
    const char* e = text + kSignificantDigits + 1;  // the 'e'
    std::from_chars(e + (e[1] == '+' ? 2 : 1), result.ptr, out.exponent);
    return out;
}

void AppendFixed(std::string& out, const DecimalDigits& d) {
    if (d.exponent < 0) {
        out += '.';
        out.append(static_cast<size_t>(-d.exponent - 1), '0');
        out.append(d.digits, static_cast<size_t>(d.count));
        return;
    }
    const int integerDigits = d.exponent + 1;
    for (int i = 0; i < integerDigits; ++i) out += i < d.count ? d.digits[i] : '0';
    if (d.count > integerDigits) {
        out += '.';
        out.append(d.digits + integerDigits, static_cast<size_t>(d.count - integerDigits));
    }
}

void AppendExponential(std::string& out, const DecimalDigits& d) {
    out += d.digits[0];
    if (d.count > 1) {
        out += '.';
        out.append(d.digits + 1, static_cast<size_t>(d.count - 1));
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What the token shape says about a value std::from_chars could not hold.
struct TokenShape {
    bool valid = false;
    bool allZero = true;
    long long leadingExponent = 0;  // decimal exponent of the first non-zero digit
};

// Accepts [+-] (digits [. digits*] | . digits) [(E|e) [+-] digits], nothing else.
TokenShape ScanToken(std::string_view t) {
    TokenShape shape;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    long long integerDigits = 0, fractionZeros = 0, digitCount = 0;
    bool pastPoint = false;
    for (; i < t.size(); ++i) {
        if (t[i] == '.' && !pastPoint) {
            pastPoint = true;
            continue;
        }
        if (!IsDigit(t[i])) break;
        ++digitCount;
        if (shape.allZero && t[i] != '0') shape.allZero = false;
        if (!pastPoint && !(shape.allZero && t[i] == '0')) ++integerDigits;
        if (pastPoint && shape.allZero) ++fractionZeros;
    }
    if (digitCount == 0) return shape;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
        if (i == t.size()) return shape;
        for (; i < t.size() && IsDigit(t[i]); ++i) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (t[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != t.size()) return shape;
    shape.valid = true;
    shape.leadingExponent =
        integerDigits > 0 ? exponent + integerDigits - 1 : exponent - fractionZeros - 1;
    return shape;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool TakeFileLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) return false;
    const size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest.remove_prefix(end + 1);
    return true;
}

// A non-finite value has no number form that reads back, so it is written as
// 0: such values only come out of a calculation, never from a typed cell, and
// a zero keeps the file readable line for line.
std::string FormatFileNumber(double value) {
    std::string out;
    if (!std::isfinite(value) || value == 0) return " 0 ";
    out += value < 0 ? '-' : ' ';
    const DecimalDigits d = RoundedDigits(std::fabs(value));
    if (d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent) {
        AppendFixed(out, d);
    } else {
        AppendExponential(out, d);
    }
    out += ' ';
    return out;
}

std::optional<double> ParseFileNumber(std::string_view token) {
    token = TrimBlanks(token);
    const TokenShape shape = ScanToken(token);
    if (!shape.valid) return std::nullopt;
    const bool negative = token.front() == '-';
    if (token.front() == '+') token.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is not a number.
        if (shape.allZero || shape.leadingExponent < 0) return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != token.data() + token.size()) return std::nullopt;
    return value;
}

}  // namespace veredod
