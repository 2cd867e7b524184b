// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace veredod {

struct WriteOutcome {
    bool ok = true;
    std::string error;  // the reason, when !ok
};

// Replaces the file at `path` with `bytes` so that it holds either the old
// content or the new, never a mix: the bytes go to a temporary file in the
// same folder, are flushed to disk, and the temporary is renamed over the
// old file. On failure the old file is untouched and the temporary removed.
// A symbolic link is followed to the file it names and stays a link. Where a
// rename would do harm or is refused (a file with other hard links, a file
// owned by another user, a folder that takes no new file) the file is
// rewritten in place instead, and its old bytes are put back if the new ones
// cannot all be written.
WriteOutcome WriteFileAtomically(const std::string& path, std::string_view bytes);

// The message the user gets when a save failed.
std::string SaveFailedMessage(const std::string& path, const std::string& reason);

}  // namespace veredod
