// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two fully known cases, one per unit system, with hand-checked results.
// Metering lengths are entered as L/D (20), which on these screws is the
// same as 50 in and 1270 mm entered as distances.

#include "model/case.h"
#include "model/resin_table.h"

namespace veredod::testing {

inline Case UsWorkedCase() {
    Case c;
    c.ScrewDiameter = 2.5, c.MeteringLength = 20, c.MeteringDepth = 0.125, c.MeteringLead = 2.5;
    c.FlightClearance = 0.0025, c.FlightWidth = 0.25, c.SystemBackPressure = 2000;
    c.ScrewRpm = 100, c.MaterialTempIn = 70, c.MaterialTempOut = 450;
    c.PowerSupply = 460, c.PowerAvailable = 50, c.MotorSpeed = 1750, c.GearBoxSpeed = 125;
    return c;
}

inline Case MetricWorkedCase() {
    Case c;
    c.ScrewDiameter = 63.5, c.MeteringLength = 20, c.MeteringDepth = 3.175, c.MeteringLead = 63.5;
    c.FlightClearance = 0.0635, c.FlightWidth = 6.35, c.SystemBackPressure = 138;
    c.ScrewRpm = 100, c.MaterialTempIn = 21, c.MaterialTempOut = 232;
    c.PowerSupply = 460, c.PowerAvailable = 37, c.MotorSpeed = 1750, c.GearBoxSpeed = 125;
    return c;
}

// The resins in file order: name, metric, cost, melt and solid density, K, n,
// heat capacity, heat of fusion, thermal conductivity.
inline ResinRecord UsWorkedResin() {
    return {"LDPE general purpose", false, 1.0, 46.8, 57.4, 2.0, 0.35, 0.5, 50, 0.139};
}

inline ResinRecord MetricWorkedResin() {
    return {"LDPE general purpose", true, 2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24};
}

// A Newtonian melt (at n = 1) of water's density: 36 kg/hr is 10^4 mm^3/s.
inline ResinRecord NewtonianResin(double n = 1) {
    return {"", false, 1, 1000, 0, 1000, n, 2000, 100000, 0};
}

// A second stage: diameter, L/D, depth, lead, clearance, flight width, back
// pressure.
inline Case WithSecondStage(Case c, double d, double l, double h, double lead, double e, double w,
                            double pressure) {
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
