// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace veredod {

// The title of the message boxes of the calculation, the resin cells, the
// print error and the launchers.
inline constexpr const char* kAppTitle = "Veredod";

enum class MessageIcon { Exclamation, Information, Critical };

// What a handler tells the user: a modal box with one OK button. The
// handler goes on once the user has closed it.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(MessageIcon icon, const std::string& text, const std::string& title) = 0;
};

}  // namespace veredod
