// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/atomic_write.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "support/temp_folder.h"

namespace veredod {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::string_view kOld = "old content\r\nkept byte for byte\r\n";

// What a save must not change: the names, which are links, owners, modes.
// Only the target may be there: a temporary beside it means a failed save
// leaked a file into the user's folder.
std::vector<std::string> Snapshot(const TempFolder& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder.root())) {
        struct stat info {};
        ::lstat(entry.path().c_str(), &info);
        entries.push_back(entry.path().filename().string() + " mode " +
                          std::to_string(info.st_mode) + " uid " + std::to_string(info.st_uid));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(WriteFileAtomically, CreatesAndReplacesFilesKeepingTheirMode) {
    TempFolder folder;
    const std::string path = folder.path("case.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first").ok);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const std::vector<std::string> before = Snapshot(folder);
    for (const std::string& bytes : {std::string("a\0b\r\n\xff", 6), std::string()}) {
        const WriteOutcome outcome = WriteFileAtomically(path, bytes);
        EXPECT_TRUE(outcome.ok && outcome.error.empty()) << outcome.error;
        EXPECT_EQ(ReadBytes(path), bytes);
    }
    EXPECT_EQ(Snapshot(folder), before);
    EXPECT_FALSE(WriteFileAtomically("", "x").ok);
}

// Saves that renaming a temporary over the file would get wrong, and saves
// that cannot be done, each in a child process as an ordinary user (root
// ignores folder permissions): the file's inode, links, owner and permissions
// must survive, and a save that fails, even part way, must say why and leave
// the old bytes.
constexpr uid_t kNobody = 65534;
const std::string kNew(200, 'n');

// Every folder holds resins.dat, a chain of symbolic links to it,
// chained.dat -> link.dat -> resins.dat, a link "loop" to itself and a
// folder.
struct SaveCase {
    const char* name;
    const char* saved;  // the name the save is given
    mode_t fileMode;
    mode_t folderMode = 0700;
    bool hardLink = false;      // resins.dat has a second name
    bool foreignOwner = false;  // the file belongs to root, not the saving user
    rlim_t sizeLimit = RLIM_INFINITY;
    const char* error = "";
};

const SaveCase kSaveCases[] = {
    {"ChainOfSymbolicLinksStaysLinks", "chained.dat", 0640},
    {"HardLinkSeesTheNewBytes", "resins.dat", 0644, 0700, true},
    {"ReadOnlyFolderWritableFile", "resins.dat", 0644, 0500},
    {"AnotherUsersWritableFile", "resins.dat", 0666, 0700, false, true},
    {"ReadOnlyFileIsRefused", "resins.dat", 0444, 0700, false, false, RLIM_INFINITY,
     "Permission denied"},
    {"FailedRewriteRestoresTheOldBytes", "resins.dat", 0644, 0700, true, false, 100,
     "File too large"},
    {"FullDiskKeepsTheOldFile", "resins.dat", 0644, 0700, false, false, 100, "File too large"},
    {"NewFileInReadOnlyFolder", "new.dat", 0644, 0500, false, false, RLIM_INFINITY,
     "Permission denied"},
    {"MissingFolder", "missing/resins.dat", 0644, 0700, false, false, RLIM_INFINITY,
     "No such file or directory"},
    {"Folder", "a folder", 0644, 0700, false, false, RLIM_INFINITY, "Is a directory"},
    {"FileAsFolder", "resins.dat/inner.dat", 0644, 0700, false, false, RLIM_INFINITY,
     "Not a directory"},
    {"LinkLoop", "loop", 0644, 0700, false, false, RLIM_INFINITY,
     "Too many levels of symbolic links"},
};

// The outcome of the save, or nothing when no ordinary user can run it.
std::optional<WriteOutcome> SaveAsOrdinaryUser(const TempFolder& folder, const SaveCase& row) {
    constexpr size_t kErrorSize = 256;
    auto* error = static_cast<char*>(
        ::mmap(nullptr, kErrorSize, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    if (error == MAP_FAILED) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        if (::access(folder.root().c_str(), X_OK) != 0) ::_exit(2);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{row.sizeLimit, row.sizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const WriteOutcome outcome = WriteFileAtomically(folder.path(row.saved), kNew);
        std::snprintf(error, kErrorSize, "%s", outcome.error.c_str());
        ::_exit(outcome.ok ? 0 : 1);
    }
    int status = 0;
    const bool ran = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                     WEXITSTATUS(status) != 2;
    const WriteOutcome outcome{WEXITSTATUS(status) == 0, error};
    ::munmap(error, kErrorSize);
    return ran ? std::optional(outcome) : std::nullopt;
}

void PrintTo(const SaveCase& row, std::ostream* out) {
    *out << row.saved;
}

class AtomicSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(AtomicSave, KeepsTheFileAndItsNames) {
    const SaveCase& row = GetParam();
    if (row.foreignOwner && ::geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    TempFolder folder;
    WriteBytes(folder.path("resins.dat"), kOld);
    if (row.hardLink)
        fs::create_hard_link(folder.path("resins.dat"), folder.path("other name.dat"));
    fs::create_symlink("resins.dat", folder.path("link.dat"));
    fs::create_symlink(folder.path("link.dat"), folder.path("chained.dat"));
    fs::create_symlink("loop", folder.path("loop"));
    fs::create_directory(folder.root() / "a folder");
    ::chmod(folder.path("resins.dat").c_str(), row.fileMode);
    if (::geteuid() == 0) {
        for (const auto& entry : fs::directory_iterator(folder.root())) {
            ::lchown(entry.path().c_str(), kNobody, kNobody);
        }
        ::chown(folder.root().c_str(), kNobody, kNobody);
        if (row.foreignOwner) ::chown(folder.path(row.saved).c_str(), 0, 0);
    }
    ::chmod(folder.root().c_str(), row.folderMode);
    const std::vector<std::string> before = Snapshot(folder);

    const std::optional<WriteOutcome> outcome = SaveAsOrdinaryUser(folder, row);
    if (!outcome) GTEST_SKIP() << "cannot run the save as an ordinary user here";
    EXPECT_EQ(outcome->error, row.error);
    EXPECT_EQ(Snapshot(folder), before);
    for (const auto& entry : fs::directory_iterator(folder.root())) {
        if (entry.path().filename() != "loop" && !entry.is_directory()) {
            EXPECT_EQ(ReadBytes(entry.path()), *row.error == 0 ? kNew : kOld) << entry.path();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AtomicSave, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veredod
