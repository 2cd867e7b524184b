// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/cell_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "model/text.h"

namespace veredod {

namespace {

constexpr long long kExponentCap = 100000;  // far past any double; keeps the sum from overflowing

// A decimal number taken apart: sign, integer digits, fraction digits, exponent.
struct DecimalParts {
    bool negative = false;
    std::string integer;
    std::string fraction;
    long exponent = 0;
};

// The double nearest to the parts; +-infinity when it is too large, +-0 when too small.
double ComposeDecimal(const DecimalParts& parts) {
    std::string text = parts.integer.empty() ? "0" : parts.integer;
    if (!parts.fraction.empty()) text += "." + parts.fraction;
    text += "e" + std::to_string(parts.exponent);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        std::size_t firstNonZero = parts.integer.find_first_not_of('0');
        long magnitude = 0;
        if (firstNonZero != std::string::npos) {
            magnitude = static_cast<long>(parts.integer.size() - firstNonZero) + parts.exponent;
        } else {
            std::size_t fractionLead = parts.fraction.find_first_not_of('0');
            if (fractionLead == std::string::npos) return parts.negative ? -0.0 : 0.0;
            magnitude = parts.exponent - static_cast<long>(fractionLead);
        }
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    }
    return parts.negative ? -value : value;
}

// An optional exponent at `pos`, saturating far beyond any double's range;
// `pos` is left alone when there is none.
bool ReadExponent(std::string_view text, std::size_t& pos, long& exponent) {
    long long taken = 0;
    if (!TakeExponent(text, pos, taken, kExponentCap)) return false;
    exponent = static_cast<long>(std::clamp(taken, -kExponentCap, kExponentCap));
    return true;
}

int DigitValue(char ch) {
    if (IsDigit(ch)) return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return 99;
}

// The whole number after &H or &O: its digits up to the first that does not
// belong, and where that is.
double ReadRadixNumber(std::string_view digits, int radix, std::size_t& end) {
    double value = 0;
    for (end = 0; end < digits.size(); ++end) {
        int digit = DigitValue(digits[end]);
        if (digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

bool IsRadixPrefix(std::string_view text, char upper) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == upper || text[1] == upper + 32);
}

std::string WithoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') kept += ch;
    }
    return kept;
}

// Integer digits with group separators, accepted only as 1-3 digits followed
// by groups of exactly three: "1,000" and "12,345,678" but not "1,00" or ",100".
bool ReadGroupedInteger(std::string_view text, std::size_t& pos, char groupSeparator,
                        std::string& digits) {
    std::size_t groupLength = 0;
    bool grouped = false;
    while (pos < text.size()) {
        char ch = text[pos];
        if (IsDigit(ch)) {
            digits += ch;
            ++groupLength;
        } else if (ch == groupSeparator) {
            if (groupLength == 0 || groupLength > 3 || (grouped && groupLength != 3)) return false;
            grouped = true;
            groupLength = 0;
        } else {
            break;
        }
        ++pos;
    }
    return !grouped || groupLength == 3;
}

struct LenientReading {
    double value = 0;
    bool whole = false;  // every character but the blanks went into the number
};

LenientReading ReadLenient(std::string_view text, char decimalSeparator) {
    const std::string kept = WithoutBlanks(text);
    const std::string_view s = kept;
    if (s.empty()) return {0, true};
    for (auto [prefix, radix] : {std::pair{'H', 16}, std::pair{'O', 8}}) {
        if (!IsRadixPrefix(s, prefix)) continue;
        std::size_t end = 0;
        const double value = ReadRadixNumber(s.substr(2), radix, end);
        return {value, end > 0 && end == s.size() - 2};
    }

    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) parts.negative = s[pos++] == '-';
    while (pos < s.size() && IsDigit(s[pos])) parts.integer += s[pos++];
    if (pos < s.size() && (s[pos] == '.' || s[pos] == decimalSeparator)) {
        ++pos;
        while (pos < s.size() && IsDigit(s[pos])) parts.fraction += s[pos++];
    }
    if (parts.integer.empty() && parts.fraction.empty()) return {0, false};
    ReadExponent(s, pos, parts.exponent);
    return {ComposeDecimal(parts), pos == s.size()};
}

}  // namespace

double ReadLenientNumber(std::string_view text, char decimalSeparator) {
    return ReadLenient(text, decimalSeparator).value;
}

bool LenientReadingIsWhole(std::string_view text, char decimalSeparator) {
    return ReadLenient(text, decimalSeparator).whole;
}

std::optional<double> ReadStrictNumber(std::string_view text, char decimalSeparator,
                                       char groupSeparator) {
    const std::string_view s = TrimBlanks(text);
    if (groupSeparator == decimalSeparator) groupSeparator = '\0';

    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) parts.negative = s[pos++] == '-';
    if (!ReadGroupedInteger(s, pos, groupSeparator, parts.integer)) return std::nullopt;
    if (pos < s.size() && s[pos] == decimalSeparator) {
        ++pos;
        while (pos < s.size() && IsDigit(s[pos])) parts.fraction += s[pos++];
    }
    if (parts.integer.empty() && parts.fraction.empty()) return std::nullopt;
    if (pos < s.size() && !ReadExponent(s, pos, parts.exponent)) return std::nullopt;
    if (pos != s.size()) return std::nullopt;

    double value = ComposeDecimal(parts);
    if (std::isinf(value)) return std::nullopt;
    return value;
}

double* VarField(Case& c, int index) {
    static constexpr double Case::*kFields[kVarCells] = {
        &Case::ScrewDiameter,       &Case::MeteringLength,        &Case::MeteringDepth,
        &Case::MeteringLead,        &Case::FlightClearance,       &Case::FlightWidth,
        &Case::SecondScrewDiameter, &Case::SecondMeteringLength,  &Case::SecondMeteringDepth,
        &Case::SecondMeteringLead,  &Case::SecondFlightClearance, &Case::SecondFlightWidth};
    if (index < 0 || index >= kVarCells) return nullptr;
    return &(c.*kFields[index]);
}

double* ExtSysField(Case& c, int index, ScrewType screwType) {
    switch (index) {
        case 0:
            return &c.MaterialTempIn;
        case 1:
            return &c.MaterialTempOut;
        case 2:
            return &c.ScrewRpm;
        case 3:
            return screwType == ScrewType::TwoStage ? &c.SecondStageBackPressure
                                                    : &c.SystemBackPressure;
        default:
            return nullptr;
    }
}

double* MotorSpecField(Case& c, int index) {
    static constexpr double Case::*kFields[kMotorSpecCells] = {
        &Case::PowerSupply, &Case::PowerAvailable, &Case::MotorSpeed, &Case::GearBoxSpeed};
    if (index < 0 || index >= kMotorSpecCells) return nullptr;
    return &(c.*kFields[index]);
}

}  // namespace veredod
