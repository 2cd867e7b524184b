// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/atomic_write.h"
#include "resins/resin_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "window/main_model.h"

namespace veredod::testing {

using ScratchFolder = TempFolder;

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A name as long as a folder entry may be: the file itself can be written,
// but not the temporary copy a safe save puts beside it, so saving it fails.
inline std::string LongestFileName() {
    return std::string(251, 'r') + ".dat";
}

// Whether `text` is the save-failure message for `path`, whatever the reason.
inline bool IsSaveFailedMessage(const std::string& text, const std::string& path) {
    const std::string pattern = SaveFailedMessage(path, "\x01");
    const std::size_t reasonAt = pattern.find('\x01');
    const std::string before = pattern.substr(0, reasonAt);
    const std::string after = pattern.substr(reasonAt + 1);
    return text.size() > before.size() + after.size() && text.rfind(before, 0) == 0 &&
           text.compare(text.size() - after.size(), after.size(), after) == 0;
}

inline ResinRecord MakeResin(const std::string& name, bool metric, std::vector<double> numbers) {
    ResinRecord record;
    record.ResinName = name;
    record.ResinIsMetric = metric;
    for (int i = 0; i < ResinRecord::kNumberCount; ++i) record.number(i) = numbers.at(i);
    return record;
}

// Three resins: metric, US, metric.
inline std::vector<ResinRecord> SampleResins() {
    return {
        MakeResin("HDPE", true, {1.5, 770, 954, 7000, 0.45, 2500, 180000, 0.25}),
        MakeResin("PS, general purpose", false, {0.68, 53.688, 65.549, 2.5, 0.3, 0.2866, 0, 0.104}),
        MakeResin("PP", true, {1.2, 735, 907, 5000, 0.35, 2100, 160000, 0.2}),
    };
}

// Also keeps the busy pointer's changes.
class BusyRecordingDesktop : public ScriptedDesktop {
public:
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    std::vector<bool> busyChanges;
};

// A model started as the window starts it, on a resin database of the test's own.
class ModelTest : public ::testing::Test {
protected:
    explicit ModelTest(NumberFormat format = {}) : model(desktop, format) {}

    std::string writeDatabase(const std::vector<ResinRecord>& records,
                              const std::string& name = "resins.dat") {
        std::string path = folder.path(name);
        WriteFileBytes(path, ResinDatabaseText(records, static_cast<int>(records.size()) - 1));
        return path;
    }

    void startWith(const std::vector<ResinRecord>& records,
                   const std::string& name = "resins.dat") {
        resinPath = writeDatabase(records, name);
        desktop.answerFileDialog(resinPath);
        ASSERT_TRUE(model.startUp());
    }

    std::string resinFileBytes() const { return ReadFileBytes(resinPath); }
    std::string expectedDatabase() const {
        return ResinDatabaseText(model.resinTable().Resins, model.resinTable().LastResin);
    }

    void type(CellGroup group, int index, const std::string& text) {
        model.setCellText(group, index, text);
        model.commitCell(group, index);
    }

    const ResinRecord& resin(int index) const { return model.resinTable().Resins.at(index); }

    ScratchFolder folder;
    BusyRecordingDesktop desktop;
    MainModel model;
    std::string resinPath;
};

}  // namespace veredod::testing
