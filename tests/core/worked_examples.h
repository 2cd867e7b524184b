// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two fully known cases, one per unit system, with hand-checked results.
// Metering lengths are entered as L/D (20), which on these screws is the
// same as 50 in and 1270 mm entered as distances.

#include "model/case.h"
#include "model/resin_table.h"

namespace veredod::testing {

inline Case UsWorkedCase() {
    return {.ScrewDiameter = 2.5, .MeteringLength = 20, .MeteringDepth = 0.125,
            .MeteringLead = 2.5, .FlightClearance = 0.0025, .FlightWidth = 0.25,
            .MaterialTempIn = 70, .MaterialTempOut = 450, .ScrewRpm = 100,
            .SystemBackPressure = 2000, .PowerSupply = 460, .PowerAvailable = 50,
            .MotorSpeed = 1750, .GearBoxSpeed = 125};
}

inline Case MetricWorkedCase() {
    return {.ScrewDiameter = 63.5, .MeteringLength = 20, .MeteringDepth = 3.175,
            .MeteringLead = 63.5, .FlightClearance = 0.0635, .FlightWidth = 6.35,
            .MaterialTempIn = 21, .MaterialTempOut = 232, .ScrewRpm = 100,
            .SystemBackPressure = 138, .PowerSupply = 460, .PowerAvailable = 37,
            .MotorSpeed = 1750, .GearBoxSpeed = 125};
}

// The resins in file order: name, metric, cost, melt and solid density, K, n,
// heat capacity, heat of fusion, thermal conductivity.
inline ResinRecord UsWorkedResin() {
    return {"LDPE general purpose", false, 1.0, 46.8, 57.4, 2.0, 0.35, 0.5, 50, 0.139};
}

inline ResinRecord MetricWorkedResin() {
    return {"LDPE general purpose", true, 2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24};
}

// A second stage: diameter, L/D, depth, lead, clearance, flight width, back
// pressure.
inline Case WithSecondStage(Case c, double d, double l, double h, double lead, double e,
                            double w, double pressure) {
    c.SecondScrewDiameter = d, c.SecondMeteringLength = l, c.SecondMeteringDepth = h;
    c.SecondMeteringLead = lead, c.SecondFlightClearance = e, c.SecondFlightWidth = w;
    c.SecondStageBackPressure = pressure;
    return c;
}

// The worked cases as two stage screws whose second stage is smaller in
// every dimension, so that each second-stage result differs from its twin.
inline Case UsTwoStageCase() {
    return WithSecondStage(UsWorkedCase(), 2.0, 10, 0.08, 2.0, 0.002, 0.2, 1000);
}

inline Case MetricTwoStageCase() {
    return WithSecondStage(MetricWorkedCase(), 50, 10, 2.0, 50, 0.05, 5, 69);
}

// A table holding one record, selected.
inline ResinTable TableOf(const ResinRecord& record) {
    return {.Resins = {record}, .LastResin = 0, .CurrentResin = 0};
}

}  // namespace veredod::testing
