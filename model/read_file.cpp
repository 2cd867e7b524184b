// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace veredod {

namespace {

// Far beyond any resin database or case file a person keeps, yet small
// enough that picking a wrong file cannot exhaust the machine.
constexpr size_t kLargestReadableFile = size_t{1} << 30;

ReadOutcome Failed(std::string reason) {
    ReadOutcome out;
    out.ok = false;
    out.error = std::move(reason);
    return out;
}

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failed(std::strerror(errno));
    ReadOutcome out;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        out.bytes.reserve(std::min(static_cast<size_t>(info.st_size), kLargestReadableFile));
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return Failed(std::strerror(error));
        }
        if (got == 0) break;
        if (out.bytes.size() + static_cast<size_t>(got) > kLargestReadableFile) {
            ::close(fd);
            return Failed(std::strerror(EFBIG));
        }
        out.bytes.append(chunk, static_cast<size_t>(got));
    }
    ::close(fd);
    return out;
}

}  // namespace veredod
