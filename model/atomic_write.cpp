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

// Fills the temporary and gives it the old file's permissions (and, where
// allowed, its owner). Returns 0 or the errno of the step that failed.
int FillTemporary(int fd, std::string_view bytes, const struct stat* old) {
    if (!WriteAll(fd, bytes)) return errno;
    if (old != nullptr) {
        // Only the owner can give a file away; anyone else keeps their own.
        [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
    }
    const mode_t mode = old != nullptr ? (old->st_mode & 07777) : NewFileMode();
    if (::fchmod(fd, mode) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    return 0;
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

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Failed(errno);

    error = FillTemporary(fd, bytes, existed ? &old : nullptr);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failed(error);
    }
    SyncFolder(path);
    return {};
}

std::string SaveFailedMessage(const std::string& path, const std::string& reason) {
    return "Could not save " + path + ": " + reason + ". The file on disk was left as it was.";
}

}  // namespace veredod
