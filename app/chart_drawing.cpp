// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_drawing.h"

#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

#include "app/name_text.h"

namespace veredod::app {

namespace {

// Distinct on screen and in grey print alike.
constexpr std::array<QRgb, 8> kPalette = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e,
                                          0x9467bd, 0x8c564b, 0x17becf, 0x7f7f7f};

struct Bounds {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void take(double value) {
        if (!std::isfinite(value)) return;
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

// How far above a marked point its value axis may reach: a screw's shut-off
// pressure is often a hundred times the head pressure an open die sets,
// and the point would be lost at the foot of the chart.
constexpr double kHeadroomAboveMarker = 4;

// Value axes start at 0 when their data is positive, so lines are read
// against their true zero; an axis without data still gets a range.
void ApplyRange(QValueAxis* axis, Bounds bounds, bool fromZero) {
    if (!(bounds.low <= bounds.high)) bounds = {0, 1};
    if (fromZero && bounds.low > 0) bounds.low = 0;
    if (bounds.high <= bounds.low) bounds.high = bounds.low + 1;
    axis->setRange(bounds.low, bounds.high);
    axis->applyNiceNumbers();
}

QValueAxis* CreateAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    QFont font = axis->titleFont();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    axis->setTitleFont(font);
    axis->setLabelFormat(QStringLiteral("%.4g"));
    axis->setTickCount(6);
    axis->setMinorTickCount(1);
    return axis;
}

QXYSeries* CreateSeries(const ChartSeries& state, QColor color) {
    QXYSeries* series = nullptr;
    if (state.marker) {
        auto* points = new QScatterSeries;
        points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        points->setMarkerSize(12);
        points->setBorderColor(Qt::black);
        series = points;
    } else {
        series = new QLineSeries;
        QPen pen(color);
        pen.setWidthF(2);
        series->setPen(pen);
    }
    series->setColor(color);
    series->setName(DecodeName(state.name));
    QList<QPointF> points;
    points.reserve(qsizetype(state.points.size()));
    for (const PlotPoint& point : state.points) points.append(QPointF(point.x, point.y));
    // Before the series joins the chart: points replaced afterwards cost a
    // new layout of the chart each.
    series->replace(points);
    return series;
}

QValueAxis* ValueAxisOf(QAbstractSeries* series, Qt::Orientation orientation) {
    for (QAbstractAxis* axis : series->attachedAxes()) {
        if (axis->orientation() == orientation) return qobject_cast<QValueAxis*>(axis);
    }
    return nullptr;
}

void Build(QChart* chart, const ChartState& state) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    // Many series name themselves beside the plot, where their names fit.
    chart->legend()->setAlignment(state.series.size() > 5 ? Qt::AlignRight : Qt::AlignBottom);
    if (state.series.empty()) return;
    auto* xAxis = CreateAxis(DecodeName(state.xAxisTitle));
    chart->addAxis(xAxis, Qt::AlignBottom);
    std::map<std::string, QValueAxis*> axes;
    std::map<QValueAxis*, int> seriesOnAxis;
    for (size_t i = 0; i < state.series.size(); ++i) {
        const ChartSeries& seriesState = state.series[i];
        const QColor color = QColor::fromRgb(kPalette[i % kPalette.size()]);
        QValueAxis*& yAxis = axes[seriesState.axisTitle];
        if (yAxis == nullptr) {
            yAxis = CreateAxis(DecodeName(seriesState.axisTitle));
            chart->addAxis(yAxis, axes.size() % 2 == 1 ? Qt::AlignLeft : Qt::AlignRight);
            yAxis->setLinePenColor(color);
            yAxis->setLabelsColor(color);
            yAxis->setTitleBrush(color);
            // One grid to read against; more would only cross each other.
            yAxis->setGridLineVisible(axes.size() == 1);
            yAxis->setMinorGridLineVisible(axes.size() == 1);
        }
        QXYSeries* series = CreateSeries(seriesState, color);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        ++seriesOnAxis[yAxis];
    }
    // An axis shared by several series speaks for none of their colours.
    for (const auto& [axis, count] : seriesOnAxis) {
        if (count == 1) continue;
        axis->setLinePenColor(Qt::darkGray);
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
    }
}

void ApplyRanges(QChart* chart, const ChartState& state) {
    const QList<QAbstractSeries*> shown = chart->series();
    QValueAxis* xAxis = nullptr;
    Bounds xBounds;
    std::map<QValueAxis*, Bounds> yBounds;
    std::map<QValueAxis*, Bounds> markerBounds;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const ChartSeries& seriesState = state.series[size_t(i)];
        xAxis = ValueAxisOf(shown[i], Qt::Horizontal);
        QValueAxis* yAxis = ValueAxisOf(shown[i], Qt::Vertical);
        for (const PlotPoint& point : seriesState.points) {
            xBounds.take(point.x);
            yBounds[yAxis].take(point.y);
            if (seriesState.marker) markerBounds[yAxis].take(point.y);
        }
    }
    if (xAxis != nullptr) ApplyRange(xAxis, xBounds, false);
    for (auto& [axis, bounds] : yBounds) {
        const Bounds marked = markerBounds[axis];
        if (marked.high > 0)
            bounds.high = std::min(bounds.high, marked.high * kHeadroomAboveMarker);
        ApplyRange(axis, bounds, true);
    }
}

}  // namespace

void DrawChart(QChart* chart, const ChartState& state) {
    const bool empty = state.series.empty();
    chart->setTitle(DecodeName(empty && !state.message.empty() ? state.message : state.title));
    Build(chart, state);
    ApplyRanges(chart, state);
}

}  // namespace veredod::app
