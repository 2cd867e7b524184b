// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resin database: the file, the typical-values table and the resin commands.
//
//   file bytes --ReadResinDatabase--> records + problems --> table, cmbResins
//   table (0..LastResin) --ResinDatabaseText--> bytes --WriteFileAtomically--> file
//
// Ten lines per record: the name on one line (control characters become
// blanks, on reading and on writing), "True"/"False", eight numbers in
// the number form of number_form.h. CR LF written; CR LF or LF read.

#include <string>
#include <string_view>
#include <vector>

#include "model/atomic_write.h"
#include "model/resin_table.h"

namespace veredod {

struct LoadProblem {
    int line = 0;  // 1-based line of the file
    std::string description;
};

struct ResinLoad {
    bool opened = true;     // false: the file could not be read at all
    std::string openError;  // the reason, when !opened
    std::vector<ResinRecord> records;
    std::vector<LoadProblem> problems;  // unreadable values, in file order
    bool stoppedAtLimit = false;        // records past index 32767 were left out
};

// Parses a whole database. A value that cannot be read keeps the field's
// earlier value (blank record: empty name, 0, unstamped flag) and becomes a
// problem; a record cut short by the end of the file is still added.
ResinLoad ReadResinDatabase(std::string_view bytes);
ResinLoad LoadResinDatabase(const std::string& path);

// The one message for a load's problems ("Error" + description of the first
// few, each with its line number, and how many more there were); empty when
// there was nothing to report.
std::string ResinLoadMessage(const ResinLoad& load);

// Records 0 .. lastResin (none when lastResin < 0) as file text.
std::string ResinDatabaseText(const std::vector<ResinRecord>& records, int lastResin);
WriteOutcome SaveResinDatabase(const std::string& path, const std::vector<ResinRecord>& records,
                               int lastResin);

}  // namespace veredod
