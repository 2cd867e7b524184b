// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "window/main_model.h"

class QLocale;

namespace veredod::app {

// The file dialog filter in Qt's form. The model gives description/pattern
// pairs joined by "|"; Qt reads the patterns from the parentheses of each
// description, and "*.*" must become "*" there so that names without a dot
// are listed too: "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*"
// gives "Veredod Resin Files (*.dat);;All Files (*)".
QString ToQtFileFilter(const std::string& pipeJoined);

// The regional decimal and thousands separators as the single bytes the
// model works with. A separator that is not one byte falls back: a
// no-break space groups as a plain blank, anything else as '.' or ','
// (whichever the decimal separator is not).
NumberFormat NumberFormatFor(const QLocale& locale);

}  // namespace veredod::app
