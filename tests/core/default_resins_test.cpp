#include "resins/default_resins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veredod {
namespace {

const std::vector<std::string> kMetricLines{
    "RESIN   SOLID  MELT   MELT   HEAT OF  HEAT   THERMAL",
    "TYPE    DENS   DENS   TEMP   FUSION   CAP    CONDUCTIVITY",
    "        (KG/M3)(KG/M3)(C)    (J/KG) (J/KG/C) (W/M/C)",
    "PS      1050   860    150             1200   0.18",
    "PVC     1400   1130   130   180,000   1100   0.21",
    "PMMA    1180   956    160             1450   0.20",
    "SAN     1080   875    160             1400   0.20",
    "ABS     1060   827    150             1400   0.25",
    "PC      1200   970    240             1400   0.21",
    "LDPE    920    750    110   130,000   2300   0.24",
    "LLDPE   930    760    123   150,000   2300   0.24",
    "HDPE    954    770    133   180,000   2500   0.25",
    "PP      907    735    163   160,000   2100   0.20",
    "PA-6    1130   920    223   240,000   2150   0.25",
    "PA-66   1140   925    255   230,000   2150   0.24",
    "PET     1390   1090   260   120,000   1550   0.29",
    "PBT            1090                   1250   0.21",
    "PVDF           1400                   1380   0.16",
};

const std::vector<std::string> kUsLines{
    "RESIN   SOLID    MELT     MELT   HEAT OF    HEAT    THERMAL",
    "TYPE    DENS     DENS     TEMP   FUSION     CAP     CONDUCTIVITY",
    "        (LB/FT3) (LB/FT3) (F)    (BTU/LB) (BTU/LB/F)(BTU/FT/HR/F)",
    "PS      65.549   53.688   302.0             0.2866   0.104",
    "PVC     87.399   70.544   266.0    77.387   0.2627   0.121",
    "PMMA    73.665   59.681   320.0             0.3463   0.116",
    "SAN     67.422   54.624   320.0             0.3344   0.116",
    "ABS     66.174   51.628   302.0             0.3344   0.145",
    "PC      74.914   60.555   464.0             0.3344   0.121",
    "LDPE    57.434   46.821   230.0    55.890   0.5493   0.139",
    "LLDPE   58.058   47.445   253.4    64.488   0.5493   0.139",
    "HDPE    59.556   48.070   271.4    77.386   0.5971   0.145",
    "PP      56.622   45.885   325.4    68.788   0.5016   0.116",
    "PA-6    70.544   57.434   433.4    103.18   0.5135   0.145",
    "PA-66   71.168   57.746   491.0    98.882   0.5135   0.139",
    "PET     86.775   68.046   500.0    51.591   0.3702   0.168",
    "PBT              68.046                     0.2986   0.121",
    "PVDF             87.399                     0.3296   0.093",
};

TEST(DefaultResinLines, MetricTableLineForLine) {
    EXPECT_EQ(DefaultResinLines(UnitSystem::Metric), kMetricLines);
}

TEST(DefaultResinLines, UsTableLineForLine) {
    EXPECT_EQ(DefaultResinLines(UnitSystem::US), kUsLines);
}

// In a fixed-pitch face every heat capacity starts in its column.
TEST(DefaultResinLines, HeatCapacitiesLineUp) {
    struct Column {
        UnitSystem units;
        size_t start;
    };
    for (const Column column : {Column{UnitSystem::Metric, 38}, Column{UnitSystem::US, 44}}) {
        const auto lines = DefaultResinLines(column.units);
        for (size_t i = 3; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i][column.start - 1], ' ') << lines[i];
            EXPECT_NE(lines[i][column.start], ' ') << lines[i];
        }
    }
}

}  // namespace
}  // namespace veredod
