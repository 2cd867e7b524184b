// SPDX-License-Identifier: GPL-3.0-or-later
// The Operating Point window: where the screw meets the die at the set
// speed, and the same over a range of speeds, for the case as it stands.

#include <algorithm>
#include <cmath>

#include "entry/cell_reading.h"
#include "model/atomic_write.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kCsvFilter = "CSV Files (*.csv)|*.csv";

struct SweepUnits {
    std::string flow, pressure, temperature, power, specificEnergy;
};

SweepUnits UnitsOf(UnitSystem units) {
    if (units == UnitSystem::Metric) return {"kg/hr", "bar", "C", "kW", "kWh/kg"};
    return {"lbs/hr", "psi", "F", "hp", "hp-hr/lb"};
}

std::string WithUnit(const std::string& name, const std::string& unit) {
    return name + " (" + unit + ")";
}

// 1, 2 or 5 times a power of ten: the smallest such step at least `least`.
double RoundStep(double least) {
    const double decade = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * decade >= least * (1 - 1e-12)) return factor * decade;
    }
    return 10 * decade;
}

// Half to one and a half times the set speed, in about twenty round steps.
SpeedRange DefaultSweepRange(double rpm) {
    if (!(rpm > 0) || !std::isfinite(rpm)) return {};
    const double step = RoundStep(rpm / 20);
    const double from = std::max(step, std::floor(rpm / 2 / step) * step);
    return {from, std::ceil(rpm * 1.5 / step) * step, step};
}

ChartSeries SweepSeries(const std::string& name, const std::string& unit,
                        const std::vector<SweepRow>& rows, double SweepRow::*value) {
    ChartSeries series{name, WithUnit(name, unit), false, {}};
    series.points.reserve(rows.size());
    for (const SweepRow& row : rows) series.points.push_back({row.rpm, row.*value});
    return series;
}

ChartState SweepChart(const Sweep& sweep, const SweepUnits& units) {
    ChartState chart;
    chart.title = "Operating point against screw speed";
    chart.xAxisTitle = "Screw speed (RPM)";
    chart.message = sweep.error;
    if (sweep.rows.empty()) return chart;
    chart.series = {
        SweepSeries("Output", units.flow, sweep.rows, &SweepRow::flow),
        SweepSeries("Head pressure", units.pressure, sweep.rows, &SweepRow::pressure),
        SweepSeries("Melt temperature rise", units.temperature, sweep.rows,
                    &SweepRow::temperatureRise),
        SweepSeries("Power", units.power, sweep.rows, &SweepRow::power),
        SweepSeries("Specific energy", units.specificEnergy, sweep.rows, &SweepRow::specificEnergy),
    };
    return chart;
}

std::vector<PlotPoint> PlotPoints(const std::vector<ChartPoint>& points) {
    std::vector<PlotPoint> plot;
    plot.reserve(points.size());
    for (const ChartPoint& p : points) plot.push_back({p.flow, p.pressure});
    return plot;
}

}  // namespace

void MainModel::mnuOperatingPoint_Click() {
    m_state.frmOperatingPoint.visible = true;
    RefreshOperatingPoint();
}

void MainModel::frmOperatingPoint_Close() {
    if (!m_state.frmOperatingPoint.visible) return;
    m_state.frmOperatingPoint.visible = false;
    ++m_state.frmOperatingPoint.revision;
}

void MainModel::setSweepText(SweepCell cell, const std::string& text) {
    const int index = static_cast<int>(cell);
    if (index < 0 || index >= kSweepCells) return;
    m_state.frmOperatingPoint.sweepText[index] = text;
}

void MainModel::txtSweep_LostFocus(SweepCell cell) {
    const int index = static_cast<int>(cell);
    if (index < 0 || index >= kSweepCells) return;
    double* fields[kSweepCells] = {&m_sweepRange.from, &m_sweepRange.to, &m_sweepRange.step};
    const std::string& text = m_state.frmOperatingPoint.sweepText[index];
    if (text == formatNumber(*fields[index])) return;
    const auto value = ReadStrictNumber(text, m_format.decimalSeparator, m_format.groupSeparator);
    if (!value) {
        m_state.frmOperatingPoint.sweepText[index] = formatNumber(*fields[index]);
        ++m_state.frmOperatingPoint.revision;
        showExclamation("The speed range's " + m_state.frmOperatingPoint.sweepCaptions[index] +
                        " must be a number.");
        return;
    }
    *fields[index] = *value;
    m_sweepRangeTyped = true;
    RefreshOperatingPoint();
}

void MainModel::cmdUsePressure_Click() {
    if (!m_operatingPoint.found()) return;
    constexpr int kBackPressureCell = 3;
    setCellText(CellGroup::ExtSys, kBackPressureCell, formatNumber(m_operatingPoint.pressure));
    txtExtSys_LostFocus(kBackPressureCell);
}

void MainModel::cmdExportCsv_Click() {
    if (m_sweep.rows.empty()) return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = "Export Speed Sweep";
    request.defaultExtension = "csv";
    request.filter = kCsvFilter;
    const std::string path = m_desktop.chooseFile(request);
    if (path.empty()) return;
    const WriteOutcome outcome = WriteFileAtomically(path, SweepCsv(m_sweep.rows));
    if (!outcome.ok) showExclamation(SaveFailedMessage(path, outcome.error));
}

void MainModel::followCase() {
    if (m_state.frmOperatingPoint.visible) RefreshOperatingPoint();
}

void MainModel::RefreshOperatingPoint() {
    const Modes current = modes();
    const SweepUnits units = UnitsOf(current.unitSystem);
    OperatingPointState& window = m_state.frmOperatingPoint;

    const Characteristics characteristics = CharacteristicsOf(m_case, m_resins, current, m_die);
    m_operatingPoint = characteristics.point;
    window.txtOperatingPoint = OperatingPointLines(m_operatingPoint, current.unitSystem);
    window.usePressureEnabled = m_operatingPoint.found();
    window.chartCharacteristics = characteristicsChart(characteristics);

    if (!m_sweepRangeTyped) m_sweepRange = DefaultSweepRange(m_case.ScrewRpm);
    window.sweepText = {formatNumber(m_sweepRange.from), formatNumber(m_sweepRange.to),
                        formatNumber(m_sweepRange.step)};
    m_sweep = m_operatingPoint.found() ? SweepSpeeds(m_case, m_resins, current, m_die, m_sweepRange)
                                       : Sweep{{}, m_operatingPoint.error};
    window.chartSweep = SweepChart(m_sweep, units);
    window.exportCsvEnabled = !m_sweep.rows.empty();
    ++window.revision;
}

ChartState MainModel::characteristicsChart(const Characteristics& characteristics) const {
    const Modes current = modes();
    const SweepUnits units = UnitsOf(current.unitSystem);
    ChartState chart;
    chart.title = "Screw and die characteristics";
    chart.xAxisTitle = WithUnit("Output", units.flow);
    const std::string pressureAxis = WithUnit("Head pressure", units.pressure);
    const OperatingPoint& point = characteristics.point;
    if (!point.found()) {
        chart.message = point.error;
        return chart;
    }
    for (const ScrewLine& line : characteristics.screwLines) {
        chart.series.push_back({"Screw at " + formatNumber(line.rpm) + " RPM", pressureAxis, false,
                                PlotPoints(line.points)});
    }
    chart.series.push_back({"Die", pressureAxis, false, PlotPoints(characteristics.dieCurve)});
    chart.series.push_back({"Operating point", pressureAxis, true, {{point.flow, point.pressure}}});
    return chart;
}

}  // namespace veredod
