// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/operating_point_state.h"

class QChart;

namespace veredod::app {

// Replaces what `chart` shows by `state`: one value axis per distinct axis
// title, alternating left and right and coloured like their series when
// they carry one alone, lines for curves and round markers for points.
// An axis with a marked point reaches no higher than a few times that point.
// An empty chart shows the state's message as its title.
void DrawChart(QChart* chart, const ChartState& state);

}  // namespace veredod::app
