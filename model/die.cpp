// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/die.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <type_traits>

#include "model/calc.h"
#include "model/qpround.h"
#include "model/text.h"

namespace veredod {

namespace {

struct Dimension {
    const char* key;   // in die texts
    const char* name;  // in messages
    double DieElement::*member;
};

constexpr std::array<Dimension, 2> kCircular{{
    {"d", "the diameter d", &DieElement::diameter},
    {"l", "the length l", &DieElement::length},
}};
constexpr std::array<Dimension, 3> kSlit{{
    {"w", "the width w", &DieElement::width},
    {"h", "the gap h", &DieElement::gap},
    {"l", "the length l", &DieElement::length},
}};
constexpr std::array<Dimension, 3> kAnnulus{{
    {"do", "the outer diameter do", &DieElement::outerDiameter},
    {"di", "the inner diameter di", &DieElement::innerDiameter},
    {"l", "the length l", &DieElement::length},
}};

std::span<const Dimension> DimensionsOf(DieShape shape) {
    switch (shape) {
        case DieShape::Slit:
            return kSlit;
        case DieShape::Annulus:
            return kAnnulus;
        case DieShape::Circular:
            break;
    }
    return kCircular;
}

constexpr std::array<DieShape, 3> kShapes{DieShape::Circular, DieShape::Slit, DieShape::Annulus};

// Density per cubic metre (foot) to per cubic millimetre (inch), as the
// calculation takes it, and Pa to bar; psi needs no factor with inches.
constexpr double kMetricDensityDivisor = 1000.0 * 1000.0 * 1000.0;
constexpr double kUsDensityDivisor = 12.0 * 12.0 * 12.0;
constexpr double kPascalPerBar = 100000.0;
constexpr double kMmPerInch = 25.4;

std::string ElementLabel(std::size_t index, DieShape shape) {
    return "Die element " + std::to_string(index + 1) + " (" + DieShapeName(shape) + "): ";
}

// dP = (2 K L / h) (Q f / A)^n: the power law turned round for the drop, with
// h the half size the wall stress is taken over and A the area term.
double PowerLawDrop(double K, double n, double L, double h, double flowTimesFactor, double area) {
    const double rate = flowTimesFactor / area;
    return ((2 * K * L) / h) * std::copysign(std::pow(std::fabs(rate), n), rate);
}

double SlitDrop(double K, double n, double W, double H, double L, double flow) {
    return PowerLawDrop(K, n, L, H, flow * (2 * (2 + 1 / n)), W * H * H);
}

template <typename Number>
bool ReadWhole(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return false;
    }
    return ec == std::errc{} && ptr == end && !text.empty();
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// One "name=number" pair into the element; the error sentence or "".
std::string ReadPair(std::string_view pair, DieElement& element, std::vector<std::string>& seen,
                     const std::string& label) {
    const auto eq = pair.find('=');
    if (eq == std::string_view::npos)
        return label + Quoted(pair) + " is not of the form name=number.";
    const std::string key(TrimBlanks(pair.substr(0, eq)));
    const std::string_view value = TrimBlanks(pair.substr(eq + 1));
    for (const std::string& k : seen) {
        if (k == key) return label + key + " is given twice.";
    }
    seen.push_back(key);
    if (key == "count") {
        if (!ReadWhole(value, element.count)) {
            return label + "the count must be a whole number, not " + Quoted(value) + ".";
        }
        return {};
    }
    const auto dims = DimensionsOf(element.shape);
    for (const Dimension& d : dims) {
        if (key != d.key) continue;
        if (!ReadWhole(value, element.*d.member)) {
            return label + Quoted(value) + " is not a number for " + d.key + ".";
        }
        return {};
    }
    std::string names = "count";
    for (std::size_t i = 0; i < dims.size(); ++i) {
        names += (i + 1 == dims.size() ? " and " : ", ") + std::string(dims[i].key);
    }
    return label + Quoted(key) + " is not one of its dimensions; use " + names + ".";
}

std::string ReadElement(std::string_view text, std::size_t index, DieElement& element) {
    const std::string at = "Die element " + std::to_string(index + 1) + ": ";
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return at + "write the shape, a colon and the dimensions, as circular:d=3.5,l=12.5.";
    }
    const std::string_view shapeWord = TrimBlanks(text.substr(0, colon));
    bool known = false;
    for (DieShape shape : kShapes) {
        if (shapeWord == DieShapeName(shape)) element.shape = shape, known = true;
    }
    if (!known) return at + Quoted(shapeWord) + " is not a shape; use circular, slit or annulus.";
    const std::string label = ElementLabel(index, element.shape);
    std::vector<std::string> seen;
    std::string_view rest = text.substr(colon + 1);
    while (!TrimBlanks(rest).empty()) {
        const auto comma = rest.find(',');
        const std::string error = ReadPair(TrimBlanks(rest.substr(0, comma)), element, seen, label);
        if (!error.empty()) return error;
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
    for (const Dimension& d : DimensionsOf(element.shape)) {
        if (std::find(seen.begin(), seen.end(), d.key) == seen.end()) {
            return label + d.key + " is missing.";
        }
    }
    return {};
}

}  // namespace

const char* DieShapeName(DieShape shape) {
    switch (shape) {
        case DieShape::Slit:
            return "slit";
        case DieShape::Annulus:
            return "annulus";
        case DieShape::Circular:
            break;
    }
    return "circular";
}

std::string DieGeometryError(const Die& die) {
    if (die.elements.empty()) return "The die has no element.";
    for (std::size_t i = 0; i < die.elements.size(); ++i) {
        const DieElement& e = die.elements[i];
        if (e.count < 1) return ElementLabel(i, e.shape) + "the count must be 1 or more.";
        for (const Dimension& d : DimensionsOf(e.shape)) {
            const double x = e.*d.member;
            if (!(x > 0 && std::isfinite(x))) {
                return ElementLabel(i, e.shape) + d.name + " must be above 0.";
            }
        }
        if (e.shape == DieShape::Annulus && e.innerDiameter >= e.outerDiameter) {
            return ElementLabel(i, e.shape) +
                   "the inner diameter di must be below the outer diameter do.";
        }
    }
    return {};
}

std::string DieResinError(const ResinRecord* resin) {
    if (!resin) return "No resin is selected.";
    if (!(resin->MeltDensity > 0)) return "The resin's melt density must be above 0.";
    if (!(resin->ConsistencyIndex > 0)) return "The resin's consistency index must be above 0.";
    if (!(resin->PowerLawIndex > 0)) return "The resin's power law index must be above 0.";
    return {};
}

double ElementPressureDrop(const DieElement& e, const ResinRecord& resin, UnitSystem units,
                           double massFlow) {
    const bool metric = units == UnitSystem::Metric;
    const double density = resin.MeltDensity / (metric ? kMetricDensityDivisor : kUsDensityDivisor);
    // mm^3/s or in^3/s through one of the parallel channels
    const double flow = massFlow / density / 3600 / e.count;
    const double K = resin.ConsistencyIndex, n = resin.PowerLawIndex;
    double drop = 0;
    switch (e.shape) {
        case DieShape::Circular: {
            const double R = e.diameter / 2;
            drop = PowerLawDrop(K, n, e.length, R, flow * (3 + 1 / n), kCalcPi * R * R * R);
            break;
        }
        case DieShape::Slit:
            drop = SlitDrop(K, n, e.width, e.gap, e.length, flow);
            break;
        case DieShape::Annulus: {
            const double W = kCalcPi * (e.outerDiameter + e.innerDiameter) / 2;
            const double H = (e.outerDiameter - e.innerDiameter) / 2;
            drop = SlitDrop(K, n, W, H, e.length, flow);
            break;
        }
    }
    return metric ? drop / kPascalPerBar : drop;
}

double DiePressureDrop(const Die& die, const ResinRecord& resin, UnitSystem units,
                       double massFlow) {
    double sum = 0;
    for (const DieElement& e : die.elements) sum += ElementPressureDrop(e, resin, units, massFlow);
    return sum;
}

void ConvertDie(Die& die, UnitSystem target) {
    for (DieElement& e : die.elements) {
        for (double DieElement::*m :
             {&DieElement::diameter, &DieElement::width, &DieElement::gap,
              &DieElement::outerDiameter, &DieElement::innerDiameter, &DieElement::length}) {
            e.*m = target == UnitSystem::Metric ? e.*m * kMmPerInch : e.*m / kMmPerInch;
        }
    }
}

DieParse ParseDie(std::string_view text) {
    DieParse parse;
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto semicolon = rest.find(';');
        const std::string_view part = TrimBlanks(rest.substr(0, semicolon));
        rest =
            semicolon == std::string_view::npos ? std::string_view{} : rest.substr(semicolon + 1);
        if (part.empty()) continue;
        DieElement element;
        parse.error = ReadElement(part, parse.die.elements.size(), element);
        if (!parse.error.empty()) return parse;
        parse.die.elements.push_back(element);
    }
    parse.error = DieGeometryError(parse.die);
    return parse;
}

std::string FormatDie(const Die& die) {
    std::string text;
    for (const DieElement& e : die.elements) {
        if (!text.empty()) text += ';';
        text += DieShapeName(e.shape);
        char separator = ':';
        if (e.count != 1) {
            text += ":count=" + std::to_string(e.count);
            separator = ',';
        }
        for (const Dimension& d : DimensionsOf(e.shape)) {
            text += separator + std::string(d.key) + "=" + FullPrecision(e.*d.member);
            separator = ',';
        }
    }
    return text;
}

}  // namespace veredod
