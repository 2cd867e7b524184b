#include "model/atomic_write.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

// Only the target may be left: a temporary next to it means a failed save
// leaked a file into the user's folder.
std::vector<std::string> FolderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.root())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFileAtomically, CreatesAndReplacesFiles) {
    TempFolder folder;
    const std::string path = folder.path("case.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first").ok);
    EXPECT_EQ(ReadBytes(path), "first");
    const std::string binary("a\0b\r\n\xff", 6);
    const WriteOutcome outcome = WriteFileAtomically(path, binary);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(ReadBytes(path), binary);
    ASSERT_TRUE(WriteFileAtomically(path, "").ok);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"case.txt"});
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheOldFile) {
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new").ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(WriteFileAtomically, LinkLoopFailsWithoutTouchingAnything) {
    TempFolder folder;
    fs::create_symlink("b", folder.path("a"));
    fs::create_symlink("a", folder.path("b"));
    const WriteOutcome outcome = WriteFileAtomically(folder.path("a"), "x");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Too many levels of symbolic links");
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"a", "b"}));
}

struct FailingTarget {
    const char* name;
    const char* where;  // relative to the temporary folder
    const char* reason;
};

class FailedWrite : public ::testing::TestWithParam<FailingTarget> {};

TEST_P(FailedWrite, ReportsTheReasonAndLeavesTheOldFile) {
    TempFolder folder;
    const std::string old = folder.path("resins.dat");
    WriteBytes(old, kOld);
    fs::create_directory(folder.root() / "a folder");
    const std::vector<std::string> before = FolderEntries(folder);

    const WriteOutcome outcome = WriteFileAtomically(folder.path(GetParam().where), "new bytes");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, GetParam().reason);
    EXPECT_EQ(ReadBytes(old), kOld);
    EXPECT_EQ(FolderEntries(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FailedWrite,
    ::testing::Values(FailingTarget{"MissingFolder", "missing/resins.dat",
                                    "No such file or directory"},
                      FailingTarget{"TargetIsAFolder", "a folder", "Is a directory"},
                      FailingTarget{"FolderIsAFile", "resins.dat/inner.dat", "Not a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// Saves that renaming a temporary over the file would get wrong, each done
// in a child process as an ordinary user (root ignores folder permissions):
// the file's inode, links, owner and permissions must survive, and a save
// that fails part way must leave the old bytes.
constexpr uid_t kNobody = 65534;
const std::string kNew(200, 'n');

struct SaveCase {
    const char* name;
    const char* saved;  // the name the save is given
    void (*arrange)(const TempFolder&);
    bool foreignOwner = false;  // the file belongs to root, not the saving user
    rlim_t sizeLimit = RLIM_INFINITY;
    const char* error = "";
};

void OldFileAndHardLink(const TempFolder& folder) {
    WriteBytes(folder.path("resins.dat"), kOld);
    fs::create_hard_link(folder.path("resins.dat"), folder.path("other name.dat"));
}

const SaveCase kSaveCases[] = {
    {"ChainOfSymbolicLinksStaysLinks", "chained.dat",
     [](const TempFolder& folder) {
         WriteBytes(folder.path("resins.dat"), kOld);
         ::chmod(folder.path("resins.dat").c_str(), 0640);
         fs::create_symlink("resins.dat", folder.path("link.dat"));
         fs::create_symlink(folder.path("link.dat"), folder.path("chained.dat"));
     }},
    {"HardLinkSeesTheNewBytes", "resins.dat", OldFileAndHardLink},
    {"ReadOnlyFolderWritableFile", "resins.dat",
     [](const TempFolder& folder) {
         WriteBytes(folder.path("resins.dat"), kOld);
         ::chmod(folder.root().c_str(), 0500);
     }},
    {"AnotherUsersWritableFile", "resins.dat",
     [](const TempFolder& folder) {
         WriteBytes(folder.path("resins.dat"), kOld);
         ::chmod(folder.path("resins.dat").c_str(), 0666);
     },
     true},
    {"ReadOnlyFileIsRefused", "resins.dat",
     [](const TempFolder& folder) {
         WriteBytes(folder.path("resins.dat"), kOld);
         ::chmod(folder.path("resins.dat").c_str(), 0444);
     },
     false, RLIM_INFINITY, "Permission denied"},
    {"FailedRewriteRestoresTheOldBytes", "resins.dat", OldFileAndHardLink, false, 100,
     "File too large"},
};

// What a save must not change: the names, which are links, owners, modes.
std::vector<std::string> Snapshot(const TempFolder& folder) {
    std::vector<std::string> entries;
    for (const std::string& name : FolderEntries(folder)) {
        struct stat info {};
        ::lstat(folder.path(name).c_str(), &info);
        entries.push_back(name + " mode " + std::to_string(info.st_mode) + " uid " +
                          std::to_string(info.st_uid));
    }
    return entries;
}

// The outcome of the save, or nothing when no ordinary user can run it.
std::optional<WriteOutcome> SaveAsOrdinaryUser(const TempFolder& folder, const SaveCase& row) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        if (::access(folder.root().c_str(), X_OK) != 0) ::_exit(2);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{row.sizeLimit, row.sizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const WriteOutcome outcome = WriteFileAtomically(folder.path(row.saved), kNew);
        [[maybe_unused]] const ssize_t sent =
            ::write(channel[1], outcome.error.data(), outcome.error.size());
        ::_exit(outcome.ok ? 0 : 1);
    }
    ::close(channel[1]);
    WriteOutcome outcome;
    char chunk[256];
    for (ssize_t got; (got = ::read(channel[0], chunk, sizeof chunk)) > 0;) {
        outcome.error.append(chunk, static_cast<size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 2) {
        return std::nullopt;
    }
    outcome.ok = WEXITSTATUS(status) == 0;
    return outcome;
}

class SaveWhereRenameWouldHarm : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveWhereRenameWouldHarm, KeepsTheFileAndItsNames) {
    const SaveCase& row = GetParam();
    if (row.foreignOwner && ::geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    TempFolder folder;
    row.arrange(folder);
    if (::geteuid() == 0) {
        for (const std::string& name : FolderEntries(folder)) {
            ::lchown(folder.path(name).c_str(), kNobody, kNobody);
        }
        ::chown(folder.root().c_str(), kNobody, kNobody);
        if (row.foreignOwner) ::chown(folder.path(row.saved).c_str(), 0, 0);
    }
    const std::vector<std::string> before = Snapshot(folder);

    const std::optional<WriteOutcome> outcome = SaveAsOrdinaryUser(folder, row);
    if (!outcome) GTEST_SKIP() << "cannot run the save as an ordinary user here";
    EXPECT_EQ(outcome->error, row.error);
    EXPECT_EQ(Snapshot(folder), before);
    for (const std::string& name : FolderEntries(folder)) {
        EXPECT_EQ(ReadBytes(folder.path(name)), *row.error == 0 ? kNew : kOld) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveWhereRenameWouldHarm, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, EmptyPathFails) {
    EXPECT_FALSE(WriteFileAtomically("", "x").ok);
}

TEST(SaveFailedMessage, NamesThePathAndTheReason) {
    EXPECT_EQ(SaveFailedMessage("/tmp/x/resins.dat", "No such file or directory"),
              "Could not save /tmp/x/resins.dat: No such file or directory. The file on disk was "
              "left as it was.");
}

}  // namespace
}  // namespace veredod
