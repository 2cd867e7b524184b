// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace veredod::app {

// The title of the model's resin database dialog, the one dialog that starts
// where the last session's database was.
inline constexpr char kResinDialogTitle[] = "Open Resin Database File";

// Where the resin dialog starts: the database the last session used, if it
// is still there, else the folder of the sample database that came with the
// program; "" when neither is found.
QString ResinDialogStart();

// Keeps `path` (made absolute) in the user's settings for the next start.
void RememberResinDatabase(const QString& path);

// The sample database: installed beside the program's share folder, or in
// the source tree's data/ when run from the build tree; "" when missing.
QString SampleResinDatabase();

}  // namespace veredod::app
