// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "model/qpround.h"
#include "output/result_rows.h"
#include "output/results_list.h"

namespace veredod {

std::vector<std::string> ResultsTips(const Case& c, ScrewType screwType, UnitSystem units,
                                     char decimalSeparator) {
    const bool metric = units == UnitSystem::Metric;
    std::vector<std::string> tips;
    for (const ResultRow& row : ResultsListRows(screwType)) {
        const double value = c.*row.field;
        if (!std::isfinite(value)) {
            tips.push_back("Not a finite number (" + FullPrecision(value) + ")");
            continue;
        }
        tips.push_back(FullPrecision(value, decimalSeparator) +
                       (metric ? row.metricUnit : row.usUnit));
    }
    return tips;
}

}  // namespace veredod
