// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veredod {

struct BackupOutcome {
    bool ok = true;
    std::string backupPath;  // where the old bytes are; empty when there was no file
    std::string error;       // the reason, when !ok
};

// Keeps the bytes of the file at `path` beside it before something replaces
// them: in PATH.bak, or PATH.bak.1, PATH.bak.2, ... when that name holds
// other bytes. A backup that already holds the same bytes is used as it is,
// so that trying again never piles up copies. A missing file has nothing to
// keep and is no failure.
BackupOutcome KeepBackupCopy(const std::string& path);

}  // namespace veredod
