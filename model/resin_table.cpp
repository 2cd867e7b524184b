#include "model/resin_table.h"

namespace veredod {

namespace {
constexpr double ResinRecord::*kNumbers[ResinRecord::kNumberCount] = {
    &ResinRecord::ResinCost,        &ResinRecord::MeltDensity,   &ResinRecord::SolidDensity,
    &ResinRecord::ConsistencyIndex, &ResinRecord::PowerLawIndex, &ResinRecord::HeatCapacity,
    &ResinRecord::HeatOfFusion,     &ResinRecord::ThermalConductivity};
}

double& ResinRecord::number(int i) { return this->*kNumbers[i]; }
double ResinRecord::number(int i) const { return this->*kNumbers[i]; }

}  // namespace veredod
