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
    c.ScrewDiameter = 2.5;
    c.MeteringLength = 20;
    c.MeteringDepth = 0.125;
    c.MeteringLead = 2.5;
    c.FlightClearance = 0.0025;
    c.FlightWidth = 0.25;
    c.SystemBackPressure = 2000;
    c.ScrewRpm = 100;
    c.MaterialTempIn = 70;
    c.MaterialTempOut = 450;
    c.PowerSupply = 460;
    c.PowerAvailable = 50;
    c.MotorSpeed = 1750;
    c.GearBoxSpeed = 125;
    return c;
}

inline ResinRecord UsWorkedResin() {
    ResinRecord r;
    r.ResinName = "LDPE general purpose";
    r.ResinIsMetric = false;
    r.ResinCost = 1.0;
    r.MeltDensity = 46.8;
    r.SolidDensity = 57.4;
    r.ConsistencyIndex = 2.0;
    r.PowerLawIndex = 0.35;
    r.HeatCapacity = 0.5;
    r.HeatOfFusion = 50;
    r.ThermalConductivity = 0.139;
    return r;
}

inline Case MetricWorkedCase() {
    Case c;
    c.ScrewDiameter = 63.5;
    c.MeteringLength = 20;
    c.MeteringDepth = 3.175;
    c.MeteringLead = 63.5;
    c.FlightClearance = 0.0635;
    c.FlightWidth = 6.35;
    c.SystemBackPressure = 138;
    c.ScrewRpm = 100;
    c.MaterialTempIn = 21;
    c.MaterialTempOut = 232;
    c.PowerSupply = 460;
    c.PowerAvailable = 37;
    c.MotorSpeed = 1750;
    c.GearBoxSpeed = 125;
    return c;
}

inline ResinRecord MetricWorkedResin() {
    ResinRecord r;
    r.ResinName = "LDPE general purpose";
    r.ResinIsMetric = true;
    r.ResinCost = 2.2;
    r.MeltDensity = 750;
    r.SolidDensity = 920;
    r.ConsistencyIndex = 13790;
    r.PowerLawIndex = 0.35;
    r.HeatCapacity = 2100;
    r.HeatOfFusion = 116000;
    r.ThermalConductivity = 0.24;
    return r;
}

// The second stage of a two stage screw set to the first stage's inputs.
inline Case WithIdenticalSecondStage(Case c) {
    c.SecondScrewDiameter = c.ScrewDiameter;
    c.SecondMeteringLength = c.MeteringLength;
    c.SecondMeteringDepth = c.MeteringDepth;
    c.SecondMeteringLead = c.MeteringLead;
    c.SecondFlightClearance = c.FlightClearance;
    c.SecondFlightWidth = c.FlightWidth;
    c.SecondStageBackPressure = c.SystemBackPressure;
    return c;
}

// The worked cases as two stage screws whose second stage is smaller in
// every dimension, so that each second-stage result differs from its twin.
inline Case UsTwoStageCase() {
    Case c = UsWorkedCase();
    c.SecondScrewDiameter = 2.0;
    c.SecondMeteringLength = 10;
    c.SecondMeteringDepth = 0.08;
    c.SecondMeteringLead = 2.0;
    c.SecondFlightClearance = 0.002;
    c.SecondFlightWidth = 0.2;
    c.SecondStageBackPressure = 1000;
    return c;
}

inline Case MetricTwoStageCase() {
    Case c = MetricWorkedCase();
    c.SecondScrewDiameter = 50;
    c.SecondMeteringLength = 10;
    c.SecondMeteringDepth = 2.0;
    c.SecondMeteringLead = 50;
    c.SecondFlightClearance = 0.05;
    c.SecondFlightWidth = 5;
    c.SecondStageBackPressure = 69;
    return c;
}

// A table holding one record, selected.
inline ResinTable TableOf(const ResinRecord& record) {
    ResinTable table;
    table.Resins = {record};
    table.LastResin = 0;
    table.CurrentResin = 0;
    return table;
}

}  // namespace veredod::testing
