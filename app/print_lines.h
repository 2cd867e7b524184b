// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace veredod::app {

// Paints `lines` one under another from the top of the first page in the
// painter's current font, an empty line taking the height of a text line,
// and starts a new page where the next line would not fit. The painter is
// active on `device` and stays so: the caller ends the document, or aborts
// it when this returns false (a page could not be started).
bool PrintLinesOn(QPainter& painter, QPagedPaintDevice& device,
                  const std::vector<std::string>& lines, QString* error = nullptr);

}  // namespace veredod::app
