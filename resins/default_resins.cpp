// SPDX-License-Identifier: GPL-3.0-or-later
#include "resins/default_resins.h"

#include <array>
#include <string_view>

namespace veredod {

namespace {

constexpr int kPieces = 7;
using Pieces = std::array<std::string_view, kPieces>;
using Widths = std::array<int, kPieces>;

// Each piece is filled with trailing blanks to its width, then followed by
// its gap; the last piece (thermal conductivity) stands unfilled.
std::string JoinPieces(const Pieces& pieces, const Widths& widths, const Widths& gaps) {
    std::string line;
    line.reserve(64);
    for (int i = 0; i < kPieces; ++i) {
        line += pieces[i];
        const int fill = widths[i] - static_cast<int>(pieces[i].size());
        if (fill > 0) line.append(static_cast<size_t>(fill), ' ');
        line.append(static_cast<size_t>(gaps[i]), ' ');
    }
    return line;
}

struct TableLayout {
    std::array<Pieces, 3> header;
    std::array<Widths, 3> headerGaps;
    Widths widths;
    std::array<Pieces, 15> resins;  // "" is a blank value
};

constexpr Widths kNoWidths{0, 0, 0, 0, 0, 0, 0};
constexpr Widths kResinGaps{3, 3, 3, 3, 3, 3, 0};

constexpr TableLayout kMetric{
    .header = {{
        {"RESIN", "SOLID", "MELT", "MELT", "HEAT OF", "HEAT", "THERMAL"},
        {"TYPE ", "DENS", "DENS", "TEMP", "FUSION", "CAP", "CONDUCTIVITY"},
        {"     ", "(KG/M3)", "(KG/M3)", "(C)", "(J/KG)", "(J/KG/C)", "(W/M/C)"},
    }},
    .headerGaps = {{
        {3, 2, 3, 3, 2, 3, 0},
        {3, 3, 3, 3, 3, 4, 0},
        {3, 0, 0, 4, 1, 1, 0},
    }},
    .widths = {5, 4, 4, 3, 7, 4, 0},
    .resins = {{
        {"PS", "1050", "860", "150", "", "1200", "0.18"},
        {"PVC", "1400", "1130", "130", "180,000", "1100", "0.21"},
        {"PMMA", "1180", "956", "160", "", "1450", "0.20"},
        {"SAN", "1080", "875", "160", "", "1400", "0.20"},
        {"ABS", "1060", "827", "150", "", "1400", "0.25"},
        {"PC", "1200", "970", "240", "", "1400", "0.21"},
        {"LDPE", "920", "750", "110", "130,000", "2300", "0.24"},
        {"LLDPE", "930", "760", "123", "150,000", "2300", "0.24"},
        {"HDPE", "954", "770", "133", "180,000", "2500", "0.25"},
        {"PP", "907", "735", "163", "160,000", "2100", "0.20"},
        {"PA-6", "1130", "920", "223", "240,000", "2150", "0.25"},
        {"PA-66", "1140", "925", "255", "230,000", "2150", "0.24"},
        {"PET", "1390", "1090", "260", "120,000", "1550", "0.29"},
        {"PBT", "", "1090", "", "", "1250", "0.21"},
        {"PVDF", "", "1400", "", "", "1380", "0.16"},
    }},
};

constexpr TableLayout kUs{
    .header = {{
        {"RESIN", "SOLID", "MELT", "MELT", "HEAT OF", "HEAT", "THERMAL"},
        {"TYPE ", "DENS", "DENS", "TEMP", "FUSION", "CAP", "CONDUCTIVITY"},
        {"     ", "(LB/FT3)", "(LB/FT3)", "(F)", "(BTU/LB)", "(BTU/LB/F)", "(BTU/FT/HR/F)"},
    }},
    .headerGaps = {{
        {3, 4, 5, 3, 4, 4, 0},
        {3, 5, 5, 3, 5, 5, 0},
        {3, 1, 1, 4, 1, 0, 0},
    }},
    .widths = {5, 6, 6, 6, 6, 6, 0},
    .resins = {{
        {"PS", "65.549", "53.688", "302.0", "", "0.2866", "0.104"},
        {"PVC", "87.399", "70.544", "266.0", "77.387", "0.2627", "0.121"},
        {"PMMA", "73.665", "59.681", "320.0", "", "0.3463", "0.116"},
        {"SAN", "67.422", "54.624", "320.0", "", "0.3344", "0.116"},
        {"ABS", "66.174", "51.628", "302.0", "", "0.3344", "0.145"},
        {"PC", "74.914", "60.555", "464.0", "", "0.3344", "0.121"},
        {"LDPE", "57.434", "46.821", "230.0", "55.890", "0.5493", "0.139"},
        {"LLDPE", "58.058", "47.445", "253.4", "64.488", "0.5493", "0.139"},
        {"HDPE", "59.556", "48.070", "271.4", "77.386", "0.5971", "0.145"},
        {"PP", "56.622", "45.885", "325.4", "68.788", "0.5016", "0.116"},
        {"PA-6", "70.544", "57.434", "433.4", "103.18", "0.5135", "0.145"},
        {"PA-66", "71.168", "57.746", "491.0", "98.882", "0.5135", "0.139"},
        {"PET", "86.775", "68.046", "500.0", "51.591", "0.3702", "0.168"},
        {"PBT", "", "68.046", "", "", "0.2986", "0.121"},
        {"PVDF", "", "87.399", "", "", "0.3296", "0.093"},
    }},
};

}  // namespace

std::vector<std::string> DefaultResinLines(UnitSystem units) {
    const TableLayout& table = units == UnitSystem::Metric ? kMetric : kUs;
    std::vector<std::string> lines;
    lines.reserve(table.header.size() + table.resins.size());
    for (size_t i = 0; i < table.header.size(); ++i) {
        lines.push_back(JoinPieces(table.header[i], kNoWidths, table.headerGaps[i]));
    }
    for (const Pieces& resin : table.resins) {
        lines.push_back(JoinPieces(resin, table.widths, kResinGaps));
    }
    return lines;
}

}  // namespace veredod
