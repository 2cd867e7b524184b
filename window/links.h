// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening web pages and the e-mail client through the desktop, with the
// messages the user sees when the desktop cannot do it.

#include <optional>
#include <string>

#include "window/desktop.h"

namespace veredod {

inline constexpr int kLaunchFailed = 0;
inline constexpr int kLaunchOpened = -1;

// The address the browser launcher is given for a typed or stored web
// address: trimmed, then completed to "http://www." form. Empty (or a bare
// "http://www.") tells the user "Missing Data" and gives nothing.
std::optional<std::string> NormaliseWebAddress(MessageSink& messages, const std::string& address);

// Hands `url` to the desktop's browser. -1 when it was opened, 0 after the
// failure message. The window style has no meaning to the desktops we run
// on; it is taken so that callers keep saying what they ask for.
int ShellToBrowser(Desktop& desktop, const std::string& url, int windowStyle);

// Opens the desktop's e-mail client on "mailto:" + address. -1 or 0 as above.
int ShellToEmail(Desktop& desktop, const std::string& address);

// The About window's link labels, index 0..4 as shown there.
void lblEmail_Click(Desktop& desktop, int index);

}  // namespace veredod
