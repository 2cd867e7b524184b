// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/resin_table.h"

#include "model/fields.h"

namespace veredod {

double& ResinRecord::number(int i) {
    return this->*ResinNumberFields()[static_cast<size_t>(i)].member;
}
double ResinRecord::number(int i) const {
    return this->*ResinNumberFields()[static_cast<size_t>(i)].member;
}

}  // namespace veredod
