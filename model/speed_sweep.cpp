// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/operating_point.h"
#include "model/qpround.h"
#include "model/text.h"

namespace veredod {

namespace {

constexpr const char* kRangeForm = "The speed range must read FROM:TO:STEP, as rpm=20:120:10.";
constexpr int kDieCurvePoints = 65;

// Speeds a little past TO by rounding still count, so 0.1 steps reach it.
double SpeedSpan(const SpeedRange& r) {
    return (r.to - r.from) / r.step + 1e-9;
}

std::string Prefixed(double rpm, const std::string& error) {
    return "At " + FullPrecision(rpm) + " rpm: " + error;
}

}  // namespace

SpeedRangeParse ParseSpeedRange(std::string_view text) {
    SpeedRangeParse parse;
    text = TrimBlanks(text);
    if (text.starts_with("rpm=")) text.remove_prefix(4);
    double* targets[] = {&parse.range.from, &parse.range.to, &parse.range.step};
    for (int i = 0; i < 3; ++i) {
        const auto colon = text.find(':');
        if ((i < 2) == (colon == std::string_view::npos)) {
            parse.error = kRangeForm;
            return parse;
        }
        const std::string_view number = TrimBlanks(text.substr(0, colon));
        const char* end = number.data() + number.size();
        const auto [ptr, ec] = std::from_chars(number.data(), end, *targets[i]);
        if (ec != std::errc{} || ptr != end || number.empty()) {
            parse.error = "\"" + std::string(number) + "\" is not a number in the speed range.";
            return parse;
        }
        text = i < 2 ? text.substr(colon + 1) : std::string_view{};
    }
    parse.error = SpeedRangeError(parse.range);
    return parse;
}

std::string SpeedRangeError(const SpeedRange& r) {
    if (!std::isfinite(r.from) || !std::isfinite(r.to) || !std::isfinite(r.step)) {
        return "The speed range must be given in finite numbers.";
    }
    if (!(r.step > 0)) return "The speed step must be above 0.";
    if (!(r.from > 0)) return "The first speed must be above 0 rpm.";
    if (r.to < r.from) return "The last speed must not be below the first.";
    if (!(SpeedSpan(r) < kMaxSweepRows)) {
        return "The speed range gives more than " + std::to_string(kMaxSweepRows) +
               " speeds; take a larger step.";
    }
    return {};
}

Sweep SweepSpeeds(const Case& c, const ResinTable& resins, const Modes& modes, const Die& die,
                  const SpeedRange& range) {
    Sweep sweep;
    sweep.error = SpeedRangeError(range);
    if (sweep.error.empty()) sweep.error = DieResinError(resins.current());
    if (sweep.error.empty()) sweep.error = DieGeometryError(die);
    if (!sweep.error.empty()) return sweep;

    const int count = static_cast<int>(std::floor(SpeedSpan(range))) + 1;
    sweep.rows.reserve(count);
    Case at = c;
    for (int i = 0; i < count; ++i) {
        at.ScrewRpm = std::min(range.from + i * range.step, range.to);
        const OperatingPoint p = FindOperatingPoint(at, resins, modes, die, false);
        if (!p.found()) {
            sweep.rows.clear();
            sweep.error = Prefixed(at.ScrewRpm, p.error);
            return sweep;
        }
        sweep.rows.push_back({at.ScrewRpm, p.flow, p.pressure, p.temperatureRise, p.power,
                              p.specificEnergy, p.torque, p.current});
    }
    return sweep;
}

std::string SweepCsv(const std::vector<SweepRow>& rows) {
    std::string csv = std::string(kSweepCsvHeader) + "\n";
    for (const SweepRow& r : rows) {
        for (double x :
             {r.rpm, r.flow, r.pressure, r.temperatureRise, r.power, r.specificEnergy, r.torque}) {
            csv += FullPrecision(x) + ",";
        }
        csv += FullPrecision(r.current) + "\n";
    }
    return csv;
}

Characteristics CharacteristicsOf(const Case& c, const ResinTable& resins, const Modes& modes,
                                  const Die& die) {
    Characteristics chart;
    chart.point = FindOperatingPoint(c, resins, modes, die);
    if (!chart.point.found()) return chart;

    std::vector<ScrewCharacteristic> lines;
    double widest = chart.point.flow;
    Case at = c;
    for (double share : {0.5, 0.75, 1.0, 1.25, 1.5}) {
        at.ScrewRpm = c.ScrewRpm * share;
        lines.push_back(ScrewCharacteristicOf(at, resins, modes));
        widest = std::max(widest, lines.back().dragFlow);
    }
    const ResinRecord& resin = *resins.current();
    for (int i = 0; i < kDieCurvePoints; ++i) {
        const double flow = widest * 1.05 * i / (kDieCurvePoints - 1);
        chart.dieCurve.push_back({flow, DiePressureDrop(die, resin, modes.unitSystem, flow)});
    }
    // A screw line that does not fall with pressure is drawn up to the top
    // of the die curve.
    const double top = chart.dieCurve.back().pressure;
    for (const ScrewCharacteristic& line : lines) {
        const ChartPoint end = line.slope > 0 ? ChartPoint{0, line.dragFlow / line.slope}
                                              : ChartPoint{line.dragFlow, top};
        chart.screwLines.push_back({line.rpm, {{line.dragFlow, 0}, end}});
    }
    return chart;
}

}  // namespace veredod
