#include "model/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/temp_folder.h"

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

TEST(WriteFileAtomically, WritesThroughASymbolicLinkAndKeepsTheLink) {
    TempFolder folder;
    fs::create_directory(folder.root() / "real");
    const std::string target = folder.path("real/resins.dat");
    WriteBytes(target, kOld);
    const std::string link = folder.path("link.dat");
    fs::create_symlink("real/resins.dat", link);
    const std::string chained = folder.path("chained.dat");
    fs::create_symlink(link, chained);

    ASSERT_TRUE(WriteFileAtomically(chained, "through the links").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chained));
    EXPECT_EQ(ReadBytes(target), "through the links");
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

TEST(WriteFileAtomically, ReadOnlyFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(folder.root().c_str(), 0500), 0);
    const WriteOutcome outcome = WriteFileAtomically(path, "new bytes");
    ::chmod(folder.root().c_str(), 0700);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Permission denied");
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"resins.dat"});
}

TEST(WriteFileAtomically, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const WriteOutcome outcome = WriteFileAtomically(path, "new bytes");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, "Permission denied");
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"resins.dat"});
}

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
