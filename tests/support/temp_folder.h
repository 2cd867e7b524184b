// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace veredod::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "veredod-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(std::string_view name) const { return (m_path / name).string(); }
    const std::filesystem::path& root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file of the source tree, such as "data/resins.dat" or "tests/data/...".
inline std::string SourcePath(std::string_view name) {
    return (std::filesystem::path(VEREDOD_SOURCE_DIR) / name).string();
}

// Compares `actual` byte for byte with the checked-in file tests/data/`name`.
// With VEREDOD_REGENERATE set the file is rewritten instead, and the test
// still fails, so that a regenerated file is never taken for a passed test.
inline void ExpectGolden(std::string_view name, const std::string& actual) {
    const std::string path = SourcePath(std::string("tests/data/") + std::string(name));
    if (std::getenv("VEREDOD_REGENERATE") != nullptr) {
        WriteBytes(path, actual);
        ADD_FAILURE() << "rewrote " << path
                      << ": review it, then run again without VEREDOD_REGENERATE";
        return;
    }
    EXPECT_EQ(ReadBytes(path), actual)
        << "differs from " << path << " (VEREDOD_REGENERATE=1 rewrites it)";
}

}  // namespace veredod::testing
