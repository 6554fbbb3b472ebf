// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextStream>

namespace lexora::console {

// The tool's standard output and error, one stream each for every command, so that what
// the commands print keeps its order.
QTextStream& out();
QTextStream& err();

} // namespace lexora::console
