// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace lexora {

// The item tool's commands for question files:
//   export --format gift|aiken|moodle-xml [--lang en|hu|es|fr] DATABASE OUT
//   import --format gift|aiken|moodle-xml [--replace] [--level N] [--topic K] IN DATABASE
// `args` follow the command's name. They return the exit code (2 for arguments they cannot use).
int exportQuestions(QStringList args);
int importQuestions(QStringList args);

// The usage lines of these commands.
const char* exchangeUsage();

} // namespace lexora
