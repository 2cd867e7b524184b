// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Operating Point window as the presentation model holds it: two charts,
// the figures as text, the sweep's range cells and two buttons.

#include <array>
#include <string>
#include <vector>

namespace veredod {

struct PlotPoint {
    double x = 0;
    double y = 0;
};

struct ChartSeries {
    std::string name;       // the legend's text
    std::string axisTitle;  // the value axis with its unit; series with the same title share it
    bool marker = false;    // points alone (the operating point), not a line
    std::vector<PlotPoint> points;
};

struct ChartState {
    std::string title;
    std::string xAxisTitle;  // with its unit
    std::vector<ChartSeries> series;
    std::string message;  // why the chart is empty ("" when it is not)
};

// The sweep's range cells by index.
enum class SweepCell { From, To, Step };
inline constexpr int kSweepCells = 3;

struct OperatingPointState {
    bool visible = false;  // frmOperatingPoint is open
    std::string caption = "Operating Point";

    ChartState chartCharacteristics;  // screw lines at five speeds, die curve, the point
    ChartState chartSweep;            // against screw speed

    // txtOperatingPoint: the figures and warnings, or the reason there is no
    // operating point, one entry per line.
    std::vector<std::string> txtOperatingPoint;

    // "From (RPM)", "To (RPM)", "Step (RPM)" and their cells.
    std::array<std::string, kSweepCells> sweepCaptions = {"From (RPM)", "To (RPM)", "Step (RPM)"};
    std::array<std::string, kSweepCells> sweepText;

    std::string usePressureCaption = "Use this pressure";
    std::string usePressureHelp =
        "Put the operating point's head pressure into the back pressure cell";
    bool usePressureEnabled = false;  // there is an operating point
    std::string exportCsvCaption = "Export CSV...";
    std::string exportCsvHelp = "Write the speed sweep to a CSV file";
    bool exportCsvEnabled = false;  // the sweep has rows

    unsigned revision = 0;  // bumped whenever anything above changes
};

}  // namespace veredod
