// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veredod {

struct ReadOutcome {
    bool ok = true;
    std::string bytes;
    std::string error;  // the reason, when !ok
};

// The whole content of a regular file. Files past a sane size (and endless
// devices) are refused rather than read into memory.
ReadOutcome ReadWholeFile(const std::string& path);

}  // namespace veredod
