// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc.h"

#include <cmath>
#include <string>

#include "model/unit_factors.h"

namespace veredod {

namespace {

// The case fields one pass reads and writes. The second pass has its own
// targets except for HelixAngle and EquivalentViscosity, which it shares.
struct StageFields {
    double Case::*diameter;
    double Case::*length;
    double Case::*depth;
    double Case::*lead;
    double Case::*clearance;
    double Case::*flightWidth;
    double Case::*backPressure;
    double Case::*dragFlow;
    double Case::*pressureFlow;
    double Case::*leakageFlow;
    double Case::*actualFlow;
    double Case::*specificOutput;
    double Case::*temperatureRise;
    double Case::*powerNeededKw;
    double Case::*powerNeededHp;
    double Case::*torque;
    double Case::*amps;
    double Case::*resinCostUsed;
    double Case::*leakageCostLost;
    double Case::*meltVelocity;
    double Case::*rotationalVelocity;
    double Case::*shearRate;
};

constexpr StageFields kFirstStage{
    .diameter = &Case::ScrewDiameter,
    .length = &Case::MeteringLength,
    .depth = &Case::MeteringDepth,
    .lead = &Case::MeteringLead,
    .clearance = &Case::FlightClearance,
    .flightWidth = &Case::FlightWidth,
    .backPressure = &Case::SystemBackPressure,
    .dragFlow = &Case::DragFlow,
    .pressureFlow = &Case::PressureFlow,
    .leakageFlow = &Case::LeakageFlow,
    .actualFlow = &Case::ActualFlow,
    .specificOutput = &Case::SpecificOutput,
    .temperatureRise = &Case::TemperatureRise,
    .powerNeededKw = &Case::PowerNeededKw,
    .powerNeededHp = &Case::PowerNeededHp,
    .torque = &Case::Torque,
    .amps = &Case::Amps,
    .resinCostUsed = &Case::ResinCostUsed,
    .leakageCostLost = &Case::LeakageCostLost,
    .meltVelocity = &Case::MeltVelocity,
    .rotationalVelocity = &Case::RotationalVelocity,
    .shearRate = &Case::ShearRate,
};

constexpr StageFields kSecondStage{
    .diameter = &Case::SecondScrewDiameter,
    .length = &Case::SecondMeteringLength,
    .depth = &Case::SecondMeteringDepth,
    .lead = &Case::SecondMeteringLead,
    .clearance = &Case::SecondFlightClearance,
    .flightWidth = &Case::SecondFlightWidth,
    .backPressure = &Case::SecondStageBackPressure,
    .dragFlow = &Case::SecondDragFlow,
    .pressureFlow = &Case::SecondPressureFlow,
    .leakageFlow = &Case::SecondLeakageFlow,
    .actualFlow = &Case::SecondActualFlow,
    .specificOutput = &Case::SecondSpecificOutput,
    .temperatureRise = &Case::SecondTemperatureRise,
    .powerNeededKw = &Case::SecondPowerNeededKw,
    .powerNeededHp = &Case::SecondPowerNeededHp,
    .torque = &Case::SecondTorque,
    .amps = &Case::SecondAmps,
    .resinCostUsed = &Case::SecondResinCostUsed,
    .leakageCostLost = &Case::SecondLeakageCostLost,
    .meltVelocity = &Case::SecondMeltVelocity,
    .rotationalVelocity = &Case::SecondRotationalVelocity,
    .shearRate = &Case::SecondShearRate,
};

constexpr double pi = kCalcPi;

// Density per cubic metre (foot) to per cubic millimetre (inch).
constexpr double kMetricDensityDivisor = kMm3PerM3;
constexpr double kUsDensityDivisor = kIn3PerFt3;

constexpr const char* kMissingResinError = "Error: Subscript out of range";

// The exact product a * b as p + err (Dekker), in plain double arithmetic.
double TwoProduct(double a, double b, double& err) {
    auto split = [](double v, double& hi, double& lo) {
        const double c = 134217729.0 * v;  // 2^27 + 1
        hi = c - (c - v);
        lo = v - hi;
    };
    const double p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    err = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return p;
}

// x^3 rounded once from the exact cube: the correctly rounded power, which the
// library's pow misses in the last bit for about one argument in a thousand,
// at a fraction of its cost. Magnitudes where the splitting could overflow or
// lose bits take pow.
double Cube(double x) {
    const double magnitude = std::fabs(x);
    if (!(magnitude > 1e-90 && magnitude < 1e90)) return std::pow(x, 3.0);
    double squareError, cubeError;
    const double square = TwoProduct(x, x, squareError);
    const double cube = TwoProduct(square, x, cubeError);
    return cube + (cubeError + squareError * x);
}

class Pass {
public:
    Pass(Case& c, const ResinRecord* resin, bool metric, const StageFields& f,
         double effectiveLength, MessageSink& messages)
        : m_case(c),
          m_resin(resin),
          m_metric(metric),
          m_f(f),
          m_messages(messages),
          m_cd(metric ? kMetricDensityDivisor : kUsDensityDivisor),
          m_lm(effectiveLength),
          m_rhoPerCd(resin ? resin->MeltDensity / m_cd : 0) {}

    void run(bool firstPass);

private:
    double& at(double Case::*field) { return m_case.*field; }
    // HelixAngle changes only in step A1, so the functions of the angle are
    // taken once per pass, right after it, from the value it then holds.
    void takeAngleFunctions();
    // True when the resin record exists; otherwise says so and the step is dropped.
    bool resinReadable();

    void helixAngle();
    void dragFlow();
    void equivalentViscosity();
    void pressureFlow();
    void leakageFlow();
    void temperatureRise();
    void powerNeeded();
    void torqueAvailable();
    void velocities();

    Case& m_case;
    const ResinRecord* m_resin;
    bool m_metric;
    const StageFields& m_f;
    MessageSink& m_messages;
    double m_cd;                             // density divisor of the unit system
    double m_lm;                             // effective metering length
    // rho / Cd, the same quotient in steps A2, A4, A5 and A17; the resin is
    // not written during a run, so it is taken once.
    double m_rhoPerCd;
    double m_sin = 0, m_cos = 0, m_tan = 0;  // of the helix angle, in radians
};

bool Pass::resinReadable() {
    if (m_resin) return true;
    m_messages.showMessage(MessageIcon::Exclamation, kMissingResinError, kAppTitle);
    return false;
}

void Pass::helixAngle() {
    const double D = at(m_f.diameter), S = at(m_f.lead);
    if (D != 0) m_case.HelixAngle = std::atan(S / (D * pi)) * 180 / pi;
}

void Pass::takeAngleFunctions() {
    const double phi = (m_case.HelixAngle * pi) / 180;
    m_sin = std::sin(phi);
    m_cos = std::cos(phi);
    m_tan = std::tan(phi);
}

void Pass::dragFlow() {
    if (!resinReadable()) return;
    const double D = at(m_f.diameter), H = at(m_f.depth), N = m_case.ScrewRpm;
    at(m_f.dragFlow) = D * D * (pi * pi * (m_rhoPerCd * 0.5)) * H * N / 60 * 3600 * m_sin * m_cos;
}

void Pass::equivalentViscosity() {
    const double D = at(m_f.diameter), H = at(m_f.depth), N = m_case.ScrewRpm;
    if (H == 0 || !resinReadable()) return;
    const double shearRate = ((pi * D) * (N / 60)) / H;
    const double exponent = m_resin->PowerLawIndex - 1;
    // A real power of a negative base fails; the earlier viscosity stays.
    if (shearRate < 0 && exponent != std::trunc(exponent)) return;
    m_case.EquivalentViscosity = std::pow(shearRate, exponent) * m_resin->ConsistencyIndex;
}

void Pass::pressureFlow() {
    const double eta = m_case.EquivalentViscosity;
    if (eta == 0 || m_lm == 0 || !resinReadable()) return;
    const double D = at(m_f.diameter), H = at(m_f.depth), P = at(m_f.backPressure);
    const double s = m_sin;
    double g = ((s * s) * ((Cube(H) * ((m_rhoPerCd * pi) * D)) / (12 * eta))) * P;
    if (m_metric) g = g * kBarToPa;
    at(m_f.pressureFlow) = (g / m_lm) * 3600;
}

void Pass::leakageFlow() {
    const double eta = m_case.EquivalentViscosity;
    const double e = at(m_f.flightWidth);
    if (eta == 0 || e == 0 || m_lm == 0 || !resinReadable()) return;
    const double D = at(m_f.diameter), c = at(m_f.clearance), P = at(m_f.backPressure);
    double g =
        (((Cube(c) * (D * D * (m_rhoPerCd * (pi * pi)))) / ((12 * eta) * e)) * m_tan) * P;
    if (m_metric) g = g * kBarToPa;
    at(m_f.leakageFlow) = (g / m_lm) * 3600;
}

void Pass::temperatureRise() {
    if (!resinReadable()) return;
    const double P = at(m_f.backPressure);
    const double rho = m_resin->MeltDensity, cp = m_resin->HeatCapacity;
    at(m_f.temperatureRise) =
        m_metric ? (kBarToPa * P) / (rho * cp) : (P * kPsiToBtuPerFt3) / (rho * cp);
}

void Pass::powerNeeded() {
    if (!resinReadable()) return;
    const double Q = at(m_f.actualFlow), P = at(m_f.backPressure);
    const double tIn = m_case.MaterialTempIn, tOut = m_case.MaterialTempOut;
    const double rho = m_resin->MeltDensity, cp = m_resin->HeatCapacity;
    const double hf = m_resin->HeatOfFusion;
    if (m_metric) {
        const double w = ((Q * cp) * (tOut - tIn)) + (Q * hf);
        at(m_f.powerNeededKw) = ((((kBarToPa * P) * Q) / rho + w) / 3600 / 1000) / 0.7;
    } else {
        at(m_f.powerNeededKw) =
            (((Q * cp) * (tOut - tIn)) + (Q * hf) + ((P * kPsiToBtuPerFt3) * Q) / rho) / 0.7;
    }
}

void Pass::torqueAvailable() {
    const double gearBox = m_case.GearBoxSpeed;
    if (gearBox == 0) return;
    const double us = (((m_case.PowerAvailable * 3) * m_case.MotorSpeed) / gearBox) * 0.75;
    m_case.TorqueAvailable = m_metric ? us * kLbFtToNm : us;
}

void Pass::velocities() {
    const double D = at(m_f.diameter), H = at(m_f.depth), N = m_case.ScrewRpm;
    const double c = at(m_f.clearance), e = at(m_f.flightWidth);
    const double channelArea = ((pi * D) * H) - (((2 * c + H) * e) / m_sin);
    if (resinReadable()) {
        at(m_f.meltVelocity) = (at(m_f.specificOutput) * N) / ((m_rhoPerCd * 3600) * channelArea);
    }
    at(m_f.rotationalVelocity) = ((pi * N) * D) / 60;
    at(m_f.shearRate) = at(m_f.rotationalVelocity) / H;
}

void Pass::run(bool firstPass) {
    const double N = m_case.ScrewRpm;

    helixAngle();
    takeAngleFunctions();
    dragFlow();
    equivalentViscosity();
    pressureFlow();
    leakageFlow();
    at(m_f.actualFlow) = (at(m_f.dragFlow) - at(m_f.pressureFlow)) - at(m_f.leakageFlow);
    if (N != 0) at(m_f.specificOutput) = at(m_f.actualFlow) / N;

    temperatureRise();
    powerNeeded();
    const double kw = at(m_f.powerNeededKw);
    at(m_f.powerNeededHp) = m_metric ? kw * kKwToHp : kw * kBtuPerHourToHp;
    if (N != 0) {
        at(m_f.torque) =
            m_metric ? ((kw * 1000) * kKwRpmToNm) / N : (at(m_f.powerNeededHp) * kHpRpmToLbFt) / N;
    }
    const double volts = m_case.PowerSupply;
    if (volts != 0) {
        at(m_f.amps) = m_metric ? (kw * 1000) / (std::sqrt(3.0) * volts)
                                : ((kw / kBtuPerHourPerKw) * 1000) / (std::sqrt(3.0) * volts);
    }
    if (firstPass) torqueAvailable();

    if (resinReadable()) at(m_f.resinCostUsed) = at(m_f.actualFlow) * m_resin->ResinCost;
    if (resinReadable()) at(m_f.leakageCostLost) = at(m_f.leakageFlow) * m_resin->ResinCost;
    velocities();
}

}  // namespace

void CalcCells(Case& c, const ResinTable& resins, const Modes& modes, MessageSink& messages) {
    const ResinRecord* resin = resins.current();
    const bool metric = modes.unitSystem == UnitSystem::Metric;
    const bool lengthOverDiameter =
        modes.sectionLengthMode == SectionLengthMode::LengthOverDiameter;

    auto runPass = [&](const StageFields& stage, bool firstPass) {
        const double L = c.*stage.length;
        const double lm = lengthOverDiameter ? L * c.*stage.diameter : L;
        Pass(c, resin, metric, stage, lm, messages).run(firstPass);
    };
    runPass(kFirstStage, true);
    if (modes.screwType == ScrewType::TwoStage) runPass(kSecondStage, false);
}

}  // namespace veredod
