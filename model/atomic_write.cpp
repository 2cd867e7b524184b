// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace veredod {

namespace {

constexpr int kMostLinksFollowed = 40;

WriteOutcome Failed(int error) {
    return {false, std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a symbolic link finally names, so that saving through a link
// replaces the linked file and keeps the link. A dangling link resolves to
// the missing file it names, which the save then creates.
bool ResolveLinks(std::string& path, int& error) {
    for (int hops = 0; hops < kMostLinksFollowed; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
        if (length < 0) {
            error = errno;
            return false;
        }
        std::string next(target, static_cast<size_t>(length));
        path = !next.empty() && next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    error = ELOOP;
    return false;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Fills the temporary and gives it the old file's permissions. Returns 0 or
// the errno of the step that failed.
int FillTemporary(int fd, std::string_view bytes, const struct stat* old) {
    if (!WriteAll(fd, bytes)) return errno;
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : NewFileMode();
    if (::fchmod(fd, mode) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

bool WriteAllAt(int fd, std::string_view bytes) {
    for (off_t offset = 0; !bytes.empty();) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
        offset += written;
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

bool Overwrite(int fd, std::string_view bytes) {
    return WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(fd) == 0;
}

// For a file that renaming would harm: it keeps its inode, so other hard
// links, the owner and the folder stay as they were. The old bytes are kept
// in memory and put back when the new ones cannot all be written.
WriteOutcome RewriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return Failed(errno);
    std::string old;
    int error = ReadAll(fd, old) ? 0 : errno;
    if (error == 0 && !Overwrite(fd, bytes)) {
        error = errno;
        Overwrite(fd, old);
    }
    ::close(fd);
    return error == 0 ? WriteOutcome{} : Failed(error);
}

// A folder the user may not write, or a sticky one holding another user's
// file, refuses the temporary or the rename, while the file itself may be
// writable.
bool FolderRefused(int error) {
    return error == EACCES || error == EPERM;
}

void SyncFolder(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteOutcome WriteFileAtomically(const std::string& requestedPath, std::string_view bytes) {
    if (requestedPath.empty()) return Failed(ENOENT);
    std::string path = requestedPath;
    int error = 0;
    if (!ResolveLinks(path, error)) return Failed(error);

    struct stat old {};
    const bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) return Failed(EISDIR);
    // Renaming would replace a file the user made read-only; writing in place
    // would have been refused, so the save is.
    if (existed && ::access(path.c_str(), W_OK) != 0) return Failed(errno);

    // A rename would leave the file's other names holding the old bytes.
    if (existed && old.st_nlink > 1) return RewriteInPlace(path, bytes);

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0 && existed && FolderRefused(errno)) return RewriteInPlace(path, bytes);
    if (fd < 0) return Failed(errno);
    // Only root can give a file away: anyone else saving another user's file
    // would take it over, so that file is rewritten where it is.
    if (existed && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return RewriteInPlace(path, bytes);
    }

    error = FillTemporary(fd, bytes, existed ? &old : nullptr);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failed(error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return existed && FolderRefused(error) ? RewriteInPlace(path, bytes) : Failed(error);
    }
    SyncFolder(path);
    return {};
}

std::string SaveFailedMessage(const std::string& path, const std::string& reason) {
    return "Could not save " + path + ": " + reason + ". The file on disk was left as it was.";
}

}  // namespace veredod
