// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a number token, and as the bits of a double to write: a read
// value is finite and agrees with the general conversion bit for bit; a
// written value has the file's shape and reads back to the same text.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "model/number_form.h"
#include "model/text.h"

using namespace veredod;

namespace {

void CheckWritten(double value) {
    const std::string line = FormatFileNumber(value);
    if (line.size() < 3 || line.size() > 24 || line.back() != ' ') std::abort();
    if (line.front() != ' ' && line.front() != '-') std::abort();
    if (line.find_first_not_of(" -+.0123456789E") != std::string::npos) std::abort();
    const std::optional<double> back = ParseFileNumber(line);
    if (!back) std::abort();
    if (std::isfinite(value) && std::fabs(*back - value) > std::fabs(value) * 1e-14) std::abort();
    if (FormatFileNumber(*back) != line) std::abort();
}

void CheckRead(std::string_view token) {
    const std::optional<double> value = ParseFileNumber(token);
    if (!value) return;
    if (!std::isfinite(*value)) std::abort();
    std::string_view trimmed = TrimBlanks(token);
    if (trimmed.front() == '+') trimmed.remove_prefix(1);
    double general = 0;
    const auto result = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), general);
    if (result.ec == std::errc() && std::memcmp(&general, &*value, sizeof general) != 0) {
        std::abort();
    }
    CheckWritten(*value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckRead(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckWritten(value);
    }
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view line;
    size_t lines = 0;
    while (TakeFileLine(rest, line)) {
        if (++lines > size + 1 || line.find('\n') != std::string_view::npos) std::abort();
    }
    return 0;
}
