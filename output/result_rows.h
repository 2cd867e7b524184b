// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One line of the results (list or report) as data, and its text.

#include <span>
#include <string>

#include "model/case.h"

namespace veredod {

struct ResultRow {
    const char* label;
    const char* usLabel;  // nullptr: the same as label
    double Case::*field;
    int metricDecimals;
    const char* metricUnit;
    int usDecimals;
    const char* usUnit;
};

// label + QPROUND(value, decimals) + unit word, in the columns of `units`.
std::string ResultLine(const Case& c, const ResultRow& row, UnitSystem units,
                       char decimalSeparator);

// The results list's single-screw rows (barrier and single flighted screw).
std::span<const ResultRow> SingleScrewResultRows();

// The rows of the results list for the screw type, in list order.
std::span<const ResultRow> ResultsListRows(ScrewType screwType);

}  // namespace veredod
