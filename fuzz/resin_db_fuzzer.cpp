// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a resin database: the reader must neither crash nor grow past
// the record limit, and what it read must save and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "resins/resin_file.h"

using namespace veredod;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ResinLoad load = ReadResinDatabase(bytes);
    const std::string message = ResinLoadMessage(load);
    if (load.records.size() > kMaxResinIndex + 1) std::abort();
    if (message.empty() != (load.problems.empty() && !load.stoppedAtLimit)) std::abort();
    for (const LoadProblem& problem : load.problems) {
        if (problem.line < 1 || problem.description.empty()) std::abort();
    }

    const int last = static_cast<int>(load.records.size()) - 1;
    const std::string text = ResinDatabaseText(load.records, last);
    const ResinLoad again = ReadResinDatabase(text);
    if (!again.problems.empty() || again.stoppedAtLimit) std::abort();
    if (again.records.size() != load.records.size()) std::abort();
    for (size_t i = 0; i < load.records.size(); ++i) {
        if (again.records[i].ResinName != load.records[i].ResinName) std::abort();
        if (again.records[i].ResinIsMetric != load.records[i].ResinIsMetric) std::abort();
    }
    if (ResinDatabaseText(again.records, last) != text) std::abort();
    return 0;
}
