// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built veredod-calc as a user would, once for each line of
// tests/data/calc/runs.txt ("name [VARIABLE=value...] arguments"), and
// compares what it prints with tests/data/calc/<name>.txt: standard output,
// then standard error and the exit status when there are any.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <clocale>
#include <cstdlib>
#include <sstream>

#include "support/temp_folder.h"
#include "support/words.h"

namespace veredod::testing {
namespace {

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool HasLocale(const std::string& name) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const bool has = std::setlocale(LC_NUMERIC, name.c_str()) != nullptr;
    std::setlocale(LC_NUMERIC, before.c_str());
    return has;
}

TEST(VeredodCalc, PrintsWhatTheGoldenFilesHold) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("folder.txt"));
    const std::pair<std::string, std::string> places[] = {{"{src}", VEREDOD_SOURCE_DIR},
                                                          {"{tmp}", folder.root().string()}};
    std::istringstream runs(ReadBytes(SourcePath("tests/data/calc/runs.txt")));
    for (std::string line; std::getline(runs, line);) {
        if (line.empty() || line[0] == '#') continue;
        Words words = Split(line);
        std::string env = "env -u LC_ALL -u LC_NUMERIC -u LANGUAGE LANG=C", args;
        bool installed = true;
        for (size_t i = 1; i < words.size(); ++i) {
            std::string word = words[i];
            for (const auto& [name, place] : places) {
                for (size_t at; (at = word.find(name)) != std::string::npos;)
                    word.replace(at, name.size(), place);
            }
            if (word.starts_with("LC_"))
                installed = installed && HasLocale(word.substr(word.find('=') + 1));
            (word.starts_with("LC_") ? env : args) +=
                " " + (word.starts_with("LC_") ? word : Quoted(word));
        }
        if (!installed) continue;
        const std::string command = env + " " + Quoted(VEREDOD_CALC_PATH) + args;
        const int status =
            std::system((command + " >" + folder.path("out") + " 2>" + folder.path("err")).c_str());
        std::string got = ReadBytes(folder.path("out"));
        const std::string err = ReadBytes(folder.path("err"));
        if (!err.empty()) got += "--- stderr\n" + err;
        if (WEXITSTATUS(status) != 0)
            got += "--- exit " + std::to_string(WEXITSTATUS(status)) + "\n";
        for (const auto& [name, place] : places) {
            for (size_t at; (at = got.find(place)) != std::string::npos;)
                got.replace(at, place.size(), name);
        }
        SCOPED_TRACE(line);
        ExpectGolden("calc/" + words[0] + ".txt", got);
    }
}

}  // namespace
}  // namespace veredod::testing
