// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace veredod::app {

// Resin names and message texts are kept as bytes, as the files hold them.
// Databases written on older desktops carry Windows-1252 names, newer ones
// UTF-8, so the window decides per text.

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(const std::string& bytes);

// The text to show: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString DecodeName(const std::string& bytes);

// What a name typed in the window is stored as: UTF-8.
std::string EncodeName(const QString& text);

// The character a Windows-1252 byte stands for.
char16_t Windows1252ToUnicode(unsigned char byte);

}  // namespace veredod::app
