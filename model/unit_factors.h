// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factors between the two unit systems, named once: the calculation's
// constant sets and the conversion of stored numbers both use them. A factor
// is the decimal the formulas were written with, not the exact ratio, so
// that every result keeps its last digits.

namespace veredod {

// How one field turns a US value into a metric one; the way back is always
// the exact inverse operation (a division undoes a multiplication by the same
// constant, never a multiplication by its reciprocal).
enum class ConversionKind {
    None,                   // no unit
    MultiplyToMetric,       // metric = us * factor
    DivideToMetric,         // metric = us / factor
    Temperature,            // metric = (us - 32) * (5 / 9); exactly 0 stays 0
    TemperatureDifference,  // metric = us * (5 / 9); exactly 0 stays 0
};

inline constexpr double kInchToMm = 25.4;
inline constexpr double kPsiToBar = 0.06894757;
inline constexpr double kKwToHp = 1.34102209;
inline constexpr double kLbToKg = 0.45359237;
inline constexpr double kPsiToPa = 6894.757293;
inline constexpr double kBtuPerHourToKw = 0.0002928104;
inline constexpr double kLbFtToNm = 1.3558181;
inline constexpr double kLbPerFt3ToKgPerM3 = 16.018464;
inline constexpr double kBtuPerLbFToJPerKgC = 4186.80031;
inline constexpr double kBtuPerLbToJPerKg = 2326.0002;
inline constexpr double kBtuPerFtHrFToWPerMC = 1.729195398;

// Within one system.
inline constexpr double kBarToPa = 100000.0;                   // 10^5
inline constexpr double kMm3PerM3 = 1000.0 * 1000.0 * 1000.0;  // exact in a double
inline constexpr double kIn3PerFt3 = 12.0 * 12.0 * 12.0;
inline constexpr double kPsiToBtuPerFt3 = 0.185049681;  // pressure as energy per volume
inline constexpr double kBtuPerHourPerKw = 3415.179;
inline constexpr double kBtuPerHourToHp = 0.0003926652;
inline constexpr double kKwRpmToNm = 9.55;      // torque = kW * 1000 * 9.55 / rpm
inline constexpr double kHpRpmToLbFt = 5252.0;  // torque = hp * 5252 / rpm

}  // namespace veredod
