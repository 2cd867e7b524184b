// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulation model: one case (inputs, the helix angle, results) and the
// resin table it takes its material properties from, as plain data.
//
//   cells --commit--> Case / ResinTable --CalcCells--> result fields
//         <--UpdateCells--                         --> results list, report
//
// Every number is held in the active unit system; nothing here converts.
// The three mode flags belong to the window's option groups; the engine
// receives them as a Modes value.

namespace veredod {

enum class ScrewType { Barrier = 0, SingleFlighted = 1, TwoStage = 2 };
enum class UnitSystem { Metric = 0, US = 1 };
enum class SectionLengthMode { LengthOverDiameter = 0, Distance = 1 };

struct Modes {
    ScrewType screwType = ScrewType::Barrier;
    UnitSystem unitSystem = UnitSystem::Metric;
    SectionLengthMode sectionLengthMode = SectionLengthMode::LengthOverDiameter;
};

struct Case {
    // Screw geometry, first stage (also the single flighted and barrier screw).
    double ScrewDiameter = 0;
    double MeteringLength = 0;  // L/D or distance, by SectionLengthMode
    double MeteringDepth = 0;
    double MeteringLead = 0;
    double FlightClearance = 0;
    double FlightWidth = 0;
    // Second stage of the two stage screw.
    double SecondScrewDiameter = 0;
    double SecondMeteringLength = 0;
    double SecondMeteringDepth = 0;
    double SecondMeteringLead = 0;
    double SecondFlightClearance = 0;
    double SecondFlightWidth = 0;
    // System parameters.
    double MaterialTempIn = 0;
    double MaterialTempOut = 0;
    double ScrewRpm = 0;
    double SystemBackPressure = 0;
    double SecondStageBackPressure = 0;
    // Motor.
    double PowerSupply = 0;
    double PowerAvailable = 0;
    double MotorSpeed = 0;
    double GearBoxSpeed = 0;

    // Intermediate kept between runs (not listed, printed or saved).
    double HelixAngle = 0;

    // Results: the plain name is the first (or only) stage, Second the second.
    double DragFlow = 0, SecondDragFlow = 0;
    double EquivalentViscosity = 0;  // the last stage computed
    double PressureFlow = 0, SecondPressureFlow = 0;
    double LeakageFlow = 0, SecondLeakageFlow = 0;
    double ActualFlow = 0, SecondActualFlow = 0;
    double SpecificOutput = 0, SecondSpecificOutput = 0;
    double TemperatureRise = 0, SecondTemperatureRise = 0;
    double PowerNeededKw = 0, SecondPowerNeededKw = 0;  // Btu/hr in US units
    double PowerNeededHp = 0, SecondPowerNeededHp = 0;
    double Torque = 0, SecondTorque = 0;
    double Amps = 0, SecondAmps = 0;
    double TorqueAvailable = 0;
    double ResinCostUsed = 0, SecondResinCostUsed = 0;
    double LeakageCostLost = 0, SecondLeakageCostLost = 0;
    double MeltVelocity = 0, SecondMeltVelocity = 0;
    double RotationalVelocity = 0, SecondRotationalVelocity = 0;
    double ShearRate = 0, SecondShearRate = 0;
};

}  // namespace veredod
