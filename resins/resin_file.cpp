// SPDX-License-Identifier: GPL-3.0-or-later
#include "resins/resin_file.h"

#include <algorithm>
#include <string>

#include "model/number_form.h"
#include "model/read_file.h"
#include "model/text.h"

namespace veredod {

namespace {

constexpr size_t kProblemsShown = 10;
// Ten line endings, the longest flag word and eight of the longest numbers.
constexpr size_t kLongestRecordLines = 10 * 2 + 5 + 8 * 24;
// Enough of a bad token to recognise it; a binary file may hold a whole
// megabyte on one "line".
constexpr size_t kQuotedBytes = 40;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The token as it may appear inside a message: short, one line, no control
// bytes, not cut inside a UTF-8 sequence.
std::string Quote(std::string_view token) {
    bool cut = false;
    if (token.size() > kQuotedBytes) {
        size_t keep = kQuotedBytes;
        while (keep > 0 && IsContinuationByte(token[keep])) --keep;
        token = token.substr(0, keep);
        cut = true;
    }
    std::string out = "\"";
    for (char c : token) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    out += cut ? "...\"" : "\"";
    return out;
}

class RecordReader {
public:
    RecordReader(std::string_view bytes, ResinLoad& load) : m_rest(bytes), m_load(load) {}

    bool atEnd() const { return m_rest.empty(); }

    ResinRecord next() {
        ResinRecord record;
        if (takeLine()) record.ResinName = SingleLineName(m_line);
        if (takeLine()) readFlag(record.ResinIsMetric);
        for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
            if (takeLine()) readNumber(record.number(i));
        }
        return record;
    }

private:
    // The next line into m_line; at the end of the file the value is
    // reported as missing and keeps what it had.
    bool takeLine() {
        ++m_lineNumber;
        if (TakeFileLine(m_rest, m_line)) return true;
        m_load.problems.push_back({m_lineNumber, "Input past end of file"});
        return false;
    }

    void readFlag(bool& flag) {
        const std::string_view token = TrimBlanks(m_line);
        if (EqualsIgnoringCase(token, "true")) {
            flag = true;
        } else if (EqualsIgnoringCase(token, "false")) {
            flag = false;
        } else {
            m_load.problems.push_back(
                {m_lineNumber, "Type mismatch (" + Quote(token) + " is not True or False)"});
        }
    }

    void readNumber(double& field) {
        if (auto value = ParseFileNumber(m_line)) {
            field = *value;
        } else {
            m_load.problems.push_back({m_lineNumber, "Type mismatch (" + Quote(TrimBlanks(m_line)) +
                                                         " is not a number)"});
        }
    }

    std::string_view m_rest;
    std::string_view m_line;
    int m_lineNumber = 0;
    ResinLoad& m_load;
};

std::string ThousandsText(long long count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return digits;
}

}  // namespace

ResinLoad ReadResinDatabase(std::string_view bytes) {
    ResinLoad load;
    // One allocation for the table rather than regrowths that move every name.
    const auto lines = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    load.records.reserve(std::min(lines / 10 + 1, static_cast<size_t>(kMaxResinIndex) + 1));
    RecordReader reader(bytes, load);
    while (!reader.atEnd()) {
        if (static_cast<int>(load.records.size()) > kMaxResinIndex) {
            load.stoppedAtLimit = true;
            break;
        }
        load.records.push_back(reader.next());
    }
    return load;
}

ResinLoad LoadResinDatabase(const std::string& path) {
    ReadOutcome file = ReadWholeFile(path);
    if (!file.ok) {
        ResinLoad load;
        load.opened = false;
        load.openError = file.error;
        return load;
    }
    return ReadResinDatabase(file.bytes);
}

std::string ResinLoadMessage(const ResinLoad& load) {
    if (!load.opened) {
        return "Error: the resin database could not be read (" + load.openError + ").";
    }
    std::string message;
    const size_t shown = std::min(load.problems.size(), kProblemsShown);
    for (size_t i = 0; i < shown; ++i) {
        const LoadProblem& problem = load.problems[i];
        if (!message.empty()) message += '\n';
        message += "Error in line " + std::to_string(problem.line) + ": " + problem.description;
    }
    if (load.problems.size() > shown) {
        message += "\n... and " +
                   ThousandsText(static_cast<long long>(load.problems.size() - shown)) +
                   " more problems.";
    }
    if (load.stoppedAtLimit) {
        if (!message.empty()) message += '\n';
        message += "Only the first " + ThousandsText(kMaxResinIndex + 1) +
                   " resins were loaded: the resin list cannot hold more.";
    }
    return message;
}

std::string ResinDatabaseText(const std::vector<ResinRecord>& records, int lastResin) {
    std::string text;
    const int last = std::min(lastResin, static_cast<int>(records.size()) - 1);
    if (last < 0) return text;
    size_t size = 0;
    for (int i = 0; i <= last; ++i) size += records[static_cast<size_t>(i)].ResinName.size();
    text.reserve(size + static_cast<size_t>(last + 1) * kLongestRecordLines);
    for (int i = 0; i <= last; ++i) {
        const ResinRecord& record = records[static_cast<size_t>(i)];
        // Whoever set the name, it must not add a line to the record.
        text += SingleLineName(record.ResinName);
        text += "\r\n";
        text += record.ResinIsMetric ? "True\r\n" : "False\r\n";
        for (int n = 0; n < ResinRecord::kNumberCount; ++n) {
            AppendFileNumber(text, record.number(n));
            text += "\r\n";
        }
    }
    return text;
}

WriteOutcome SaveResinDatabase(const std::string& path, const std::vector<ResinRecord>& records,
                               int lastResin) {
    return WriteFileAtomically(path, ResinDatabaseText(records, lastResin));
}

}  // namespace veredod
