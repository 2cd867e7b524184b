// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "model/read_file.h"

namespace veredod {

namespace {

// Far more than anyone keeps; a folder that fills them all gets an error.
constexpr int kMostBackupNames = 1000;

BackupOutcome Failed(std::string reason) {
    return {false, {}, std::move(reason)};
}

// 0 once `bytes` are in a file newly made at `path`, else the errno
// (EEXIST when the name is taken). A part-written copy is removed.
int WriteNewFile(const std::string& path, std::string_view bytes, mode_t mode) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) return errno;
    int error = 0;
    while (error == 0 && !bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) {
            error = errno;
        } else {
            bytes.remove_prefix(static_cast<size_t>(written));
        }
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(path.c_str());
    return error;
}

}  // namespace

BackupOutcome KeepBackupCopy(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return {};
    const ReadOutcome original = ReadWholeFile(path);
    if (!original.ok) return Failed(original.error);

    for (int attempt = 0; attempt < kMostBackupNames; ++attempt) {
        const std::string candidate =
            path + ".bak" + (attempt == 0 ? std::string() : "." + std::to_string(attempt));
        const int error = WriteNewFile(candidate, original.bytes, info.st_mode & 0666);
        if (error == 0) return {true, candidate, {}};
        if (error != EEXIST) return Failed(std::strerror(error));
        const ReadOutcome existing = ReadWholeFile(candidate);
        if (existing.ok && existing.bytes == original.bytes) return {true, candidate, {}};
    }
    return Failed(std::strerror(EEXIST));
}

}  // namespace veredod
